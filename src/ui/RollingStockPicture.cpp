#include "ui/RollingStockPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPainter>

namespace rylmo::ui {

namespace {

// The existing file for folder + name + ".bmp", looked up without regard to letter case
// when the exact name is missing; empty when there is none.
QString picturePath(const QString& folder, const QString& name) {
    const QString fileName = name + QStringLiteral(".bmp");
    const QString exact = folder + fileName;
    if (QFileInfo(exact).isFile()) return exact;
    // A folder stored on Windows may end with a backslash.
    QString folderPath = folder;
    while (folderPath.endsWith(QLatin1Char('\\'))) folderPath.chop(1);
    const QDir dir(folderPath.isEmpty() ? QStringLiteral(".") : folderPath);
    if (!dir.exists()) return {};
    const QStringList candidates = dir.entryList(QDir::Files);
    for (const QString& candidate : candidates) {
        if (candidate.compare(fileName, Qt::CaseInsensitive) == 0) return dir.filePath(candidate);
    }
    return {};
}

QImage readImage(const QString& folder, const QString& name) {
    if (name.isEmpty()) return {};
    const QString path = picturePath(folder, name);
    if (path.isEmpty()) return {};
    QImageReader reader(path);
    return reader.read();
}

QPixmap placeholder(const QString& name) {
    QPixmap tile(placeholderWidth, placeholderHeight);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawRect(tile.rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::darkGray);
    const QFontMetrics metrics(painter.font());
    painter.drawText(tile.rect().adjusted(3, 2, -3, -2), Qt::AlignCenter,
                     metrics.elidedText(name, Qt::ElideRight, placeholderWidth - 6));
    return tile;
}

}  // namespace

QPixmap transparentPicture(const QImage& image) {
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = argb.pixel(0, argb.height() - 1);
    for (int y = 0; y < argb.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return QPixmap::fromImage(argb);
}

QPixmap rollingStockPicture(const QString& folder, const QString& name) {
    const QImage image = readImage(folder, name);
    if (image.isNull()) return placeholder(name);
    return transparentPicture(image);
}

bool hasRollingStockPicture(const QString& folder, const QString& name) {
    return !readImage(folder, name).isNull();
}

}  // namespace rylmo::ui
