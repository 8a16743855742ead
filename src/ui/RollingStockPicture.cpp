#include "ui/RollingStockPicture.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <cstdio>
#include <memory>

#include "document/AtomicFile.h"

namespace rylmo::ui {

namespace {

// What is known of one rolling-stock folder.
struct FolderCache {
    QDateTime modified;  // of the folder when the entries below were found
    bool listed = false;
    QHash<QString, QString> filesByFoldedName;  // lower-case file name -> file name
    QHash<QString, QPixmap> pictures;           // by vehicle name; missing ones are not here
    QHash<QString, QPixmap> opaquePictures;
    QSet<QString> missing;
};

QHash<QString, FolderCache>& folderCaches() {
    static QHash<QString, FolderCache> caches;
    return caches;
}

int folderListings = 0;

// A folder stored on Windows may end with a backslash.
QString folderPathOf(const QString& folder) {
    QString path = folder;
    while (path.endsWith(QLatin1Char('\\'))) path.chop(1);
    return path.isEmpty() ? QStringLiteral(".") : path;
}

FolderCache& cacheOf(const QString& folder) {
    FolderCache& cache = folderCaches()[folder];
    const QDateTime modified = QFileInfo(folderPathOf(folder)).lastModified();
    if (cache.modified != modified) {
        cache = FolderCache{};
        cache.modified = modified;
    }
    return cache;
}

// The existing file for folder + name + ".bmp", looked up without regard to letter case
// when the exact name is missing; empty when there is none.
QString picturePath(FolderCache& cache, const QString& folder, const QString& name) {
    const QString fileName = name + QStringLiteral(".bmp");
    const QString exact = folder + fileName;
    if (QFileInfo(exact).isFile()) return exact;
    const QDir dir(folderPathOf(folder));
    if (!cache.listed) {
        cache.listed = true;
        if (!dir.exists()) return {};
        ++folderListings;
        for (const QString& candidate : dir.entryList(QDir::Files)) {
            cache.filesByFoldedName.insert(candidate.toLower(), candidate);
        }
    }
    const auto found = cache.filesByFoldedName.constFind(fileName.toLower());
    return found == cache.filesByFoldedName.cend() ? QString() : dir.filePath(*found);
}

// The transparent (or opaque) picture, or a null pixmap when there is none.
QPixmap cachedPicture(const QString& folder, const QString& name, bool opaque = false) {
    if (name.isEmpty()) return {};
    FolderCache& cache = cacheOf(folder);
    if (cache.missing.contains(name)) return {};
    QHash<QString, QPixmap>& pictures = opaque ? cache.opaquePictures : cache.pictures;
    if (const auto known = pictures.constFind(name); known != pictures.cend()) return *known;
    const QString path = picturePath(cache, folder, name);
    QImage image;
    if (!path.isEmpty()) image = readPicture(path);
    if (image.isNull()) {
        cache.missing.insert(name);
        return {};
    }
    QPixmap picture = opaque ? QPixmap::fromImage(image) : transparentPicture(image);
    pictures.insert(name, picture);
    return picture;
}

}  // namespace

QImage readPicture(const QString& path) {
    constexpr qsizetype largestPicture = 64 * 1024 * 1024;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openForReading(path.toStdString()),
                                                               std::fclose);
    if (!file) return {};
    QByteArray bytes;
    char buffer[65536];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, static_cast<qsizetype>(read));
        if (bytes.size() > largestPicture) return {};
    }
    return QImage::fromData(bytes);
}

void drawPlaceholder(QPainter& painter, const QPoint& at, const QString& text) {
    const QRect tile(at, QSize(placeholderWidth, placeholderHeight));
    painter.save();
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawRect(tile.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::darkGray);
    const QFontMetrics metrics(painter.font());
    painter.drawText(tile.adjusted(3, 2, -3, -2), Qt::AlignCenter,
                     metrics.elidedText(text, Qt::ElideRight, placeholderWidth - 6));
    painter.restore();
}

QPixmap placeholderPicture(const QString& name) {
    // Tiles are kept by their text: a row of unknown vehicles draws each kind once.
    static QHash<QString, QPixmap> tiles;
    if (const auto known = tiles.constFind(name); known != tiles.cend()) return *known;
    QPixmap tile(placeholderWidth, placeholderHeight);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    drawPlaceholder(painter, {0, 0}, name);
    painter.end();
    tiles.insert(name, tile);
    return tile;
}

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
    QPixmap picture = cachedPicture(folder, name);
    return picture.isNull() ? placeholderPicture(name) : picture;
}

QPixmap findRollingStockPicture(const QString& folder, const QString& name, bool opaque) {
    return cachedPicture(folder, name, opaque);
}

bool hasRollingStockPicture(const QString& folder, const QString& name) {
    return !cachedPicture(folder, name).isNull();
}

int pictureFolderListings() {
    return folderListings;
}

}  // namespace rylmo::ui
