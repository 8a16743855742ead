#pragma once

#include <QDialog>

namespace rylmo::ui {

// A dialog of one fixed size: a title bar with the close box only, no minimise or maximise
// buttons, and no resizing frame.
inline void makeFixedSize(QDialog& dialog, int width, int height) {
    dialog.setFixedSize(width, height);
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

}  // namespace rylmo::ui
