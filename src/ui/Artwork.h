#pragma once

#include <QIcon>
#include <QPixmap>

namespace rylmo::ui {

// The program's own pictures, drawn in code so that they scale and need no files.
QPixmap applicationPicture(int size);
QIcon applicationIcon();

QIcon newDocumentIcon();
QIcon openDocumentIcon();
QIcon saveDocumentIcon();
QIcon undoIcon();
QIcon redoIcon();

}  // namespace rylmo::ui
