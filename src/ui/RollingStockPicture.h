#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

class QPainter;

namespace rylmo::ui {

// The picture of a vehicle: folder + name + ".bmp", with the colour of its bottom-left pixel
// made transparent. Rolling-stock folders come from Windows, so a name that does not match a
// file exactly falls back to a match that ignores letter case. A missing or unreadable
// picture gives a placeholder tile with the vehicle's name; loading never fails.
QPixmap rollingStockPicture(const QString& folder, const QString& name);

// The picture, or a null pixmap when it is missing or unreadable.
QPixmap findRollingStockPicture(const QString& folder, const QString& name, bool opaque = false);

// The picture in the file at path, read through the program's file seam: only a regular file
// is opened, so a link to a FIFO or a device never blocks the window that shows it. A null
// image when there is none or it cannot be read.
QImage readPicture(const QString& path);

// Draws the placeholder tile of text at the rectangle's top left corner.
void drawPlaceholder(QPainter& painter, const QPoint& at, const QString& text);

// The tile that stands in for a missing picture: a framed box with text.
QPixmap placeholderPicture(const QString& text);

// Whether the picture exists and can be read.
bool hasRollingStockPicture(const QString& folder, const QString& name);

// Pictures, failed lookups and folder listings are cached per folder, so that paging through
// a list never reads a bitmap or lists the folder twice; a folder's cache is dropped when its
// modification time changes.
// How many times a folder was listed to find a name by letter case (for tests).
int pictureFolderListings();

// Size of the placeholder tile.
inline constexpr int placeholderWidth = 80;
inline constexpr int placeholderHeight = 40;

// A bitmap with the bottom-left colour made transparent.
QPixmap transparentPicture(const QImage& image);

}  // namespace rylmo::ui
