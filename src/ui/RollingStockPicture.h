#pragma once

#include <QPixmap>
#include <QString>

namespace rylmo::ui {

// The picture of a vehicle: folder + name + ".bmp", with the colour of its bottom-left pixel
// made transparent. Rolling-stock folders come from Windows, so a name that does not match a
// file exactly falls back to a match that ignores letter case. A missing or unreadable
// picture gives a placeholder tile with the vehicle's name; loading never fails.
QPixmap rollingStockPicture(const QString& folder, const QString& name);

// Whether the picture exists and can be read.
bool hasRollingStockPicture(const QString& folder, const QString& name);

// Size of the placeholder tile.
inline constexpr int placeholderWidth = 80;
inline constexpr int placeholderHeight = 40;

// A bitmap with the bottom-left colour made transparent.
QPixmap transparentPicture(const QImage& image);

}  // namespace rylmo::ui
