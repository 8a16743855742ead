#pragma once

#include <QDialog>
#include <QLayout>

namespace rylmo::ui {

// A dialog of one fixed size: a title bar with the close box only, no minimise or maximise
// buttons, and no resizing frame. The size grows to what the dialog's layout needs, so that no
// control is squeezed below its natural height on a platform with larger fonts or controls.
inline void makeFixedSize(QDialog& dialog, int width, int height) {
    dialog.ensurePolished();
    if (QLayout* layout = dialog.layout()) layout->activate();
    dialog.setFixedSize(dialog.minimumSizeHint().expandedTo(QSize(width, height)));
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

}  // namespace rylmo::ui
