// Draws the sample station's rolling-stock bitmaps and the program icon:
//   rylmo-artwork PICTURE_FOLDER ICON_FILE
// The bitmaps are small side views on a solid background; the background colour sits in the
// bottom-left pixel, which the editor makes transparent.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

#include "ui/Artwork.h"

namespace {

const QColor kBackground(255, 0, 255);
const QColor kWheel(40, 40, 40);
const QColor kWindow(200, 225, 240);

QImage sheet(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

void wheels(QPainter& p, std::initializer_list<int> centres, int y, int radius = 4) {
    p.setPen(Qt::NoPen);
    p.setBrush(kWheel);
    for (int x : centres) p.drawEllipse(QPoint(x, y), radius, radius);
}

void windows(QPainter& p, int from, int to, int step, int top, int width, int height) {
    p.setPen(QColor(60, 60, 60));
    p.setBrush(kWindow);
    for (int x = from; x + width <= to; x += step) p.drawRect(x, top, width, height);
}

void pantograph(QPainter& p, int x, int roof) {
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.drawLine(x, roof, x + 6, roof - 6);
    p.drawLine(x + 12, roof, x + 6, roof - 6);
    p.drawLine(x + 1, roof - 7, x + 11, roof - 7);
}

QImage electricUnit() {  // ZT45: two-car multiple unit with a pantograph
    QImage image = sheet(150, 44);
    QPainter p(&image);
    p.setPen(QColor(20, 20, 20));
    p.setBrush(QColor(230, 190, 40));
    p.drawRoundedRect(2, 12, 146, 24, 6, 6);
    p.setBrush(QColor(30, 90, 60));
    p.drawRect(2, 28, 146, 6);
    windows(p, 14, 140, 12, 16, 8, 8);
    pantograph(p, 60, 12);
    wheels(p, {16, 28, 70, 82, 122, 134}, 38);
    return image;
}

QImage railBus() {  // SA12
    QImage image = sheet(90, 40);
    QPainter p(&image);
    p.setPen(QColor(20, 20, 20));
    p.setBrush(QColor(220, 60, 50));
    p.drawRoundedRect(2, 8, 86, 24, 8, 8);
    p.setBrush(QColor(245, 245, 245));
    p.drawRect(2, 25, 86, 4);
    windows(p, 12, 80, 11, 12, 8, 9);
    wheels(p, {16, 28, 62, 74}, 34);
    return image;
}

QImage electricLocomotive() {  // EL21
    QImage image = sheet(84, 42);
    QPainter p(&image);
    p.setPen(QColor(20, 20, 20));
    p.setBrush(QColor(40, 80, 160));
    p.drawRect(2, 12, 80, 22);
    p.setBrush(QColor(240, 200, 40));
    p.drawRect(2, 28, 80, 4);
    windows(p, 6, 80, 66, 15, 8, 7);
    windows(p, 24, 60, 12, 16, 6, 5);
    pantograph(p, 20, 12);
    pantograph(p, 52, 12);
    wheels(p, {14, 26, 58, 70}, 37, 5);
    return image;
}

QImage dieselLocomotive() {  // SP33: hood unit with a cab off centre
    QImage image = sheet(78, 40);
    QPainter p(&image);
    p.setPen(QColor(20, 20, 20));
    p.setBrush(QColor(200, 110, 30));
    p.drawRect(4, 16, 70, 16);
    p.drawRect(48, 6, 20, 26);
    windows(p, 52, 68, 9, 9, 6, 6);
    p.setBrush(QColor(60, 60, 60));
    for (int x = 10; x < 44; x += 6) p.drawLine(x, 19, x, 29);
    wheels(p, {14, 26, 52, 64}, 35, 5);
    return image;
}

QImage steamLocomotive() {  // PW08: boiler, chimney, cab and tender
    QImage image = sheet(104, 44);
    QPainter p(&image);
    p.setPen(QColor(10, 10, 10));
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(6, 16, 44, 16);   // boiler
    p.drawRect(10, 6, 6, 10);    // chimney
    p.drawRect(26, 10, 8, 6);    // dome
    p.drawRect(48, 6, 18, 26);   // cab
    p.drawRect(70, 14, 32, 18);  // tender
    p.setBrush(QColor(180, 30, 30));
    p.drawRect(4, 30, 98, 3);
    windows(p, 52, 64, 8, 10, 8, 7);
    wheels(p, {20, 34, 48}, 36, 6);
    wheels(p, {78, 94}, 37, 4);
    return image;
}

QImage coach(const QColor& body, bool manyWindows, const QString& mark) {
    QImage image = sheet(120, 40);
    QPainter p(&image);
    p.setPen(QColor(20, 20, 20));
    p.setBrush(body);
    p.drawRoundedRect(2, 8, 116, 24, 3, 3);
    if (manyWindows) {
        windows(p, 10, 112, 10, 12, 7, 8);
    } else {
        windows(p, 14, 40, 14, 12, 8, 8);
    }
    p.setPen(QColor(250, 250, 250));
    QFont font = p.font();
    font.setPixelSize(8);
    p.setFont(font);
    p.drawText(QRect(60, 22, 56, 10), Qt::AlignRight | Qt::AlignVCenter, mark);
    wheels(p, {14, 26, 94, 106}, 34);
    return image;
}

QImage freightWagon() {  // Wtow4: covered goods wagon
    QImage image = sheet(80, 40);
    QPainter p(&image);
    p.setPen(QColor(20, 20, 20));
    p.setBrush(QColor(120, 60, 40));
    p.drawRect(2, 8, 76, 24);
    p.setBrush(QColor(100, 50, 30));
    p.drawRect(30, 10, 20, 20);
    p.drawLine(30, 10, 50, 30);
    p.drawLine(50, 10, 30, 30);
    wheels(p, {16, 64}, 34);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Użycie: rylmo-artwork FOLDER_TABORU PLIK_IKONY\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const std::pair<const char*, std::function<QImage()>> pictures[] = {
        {"ZT45", electricUnit},
        {"SA12", railBus},
        {"EL21", electricLocomotive},
        {"SP33", dieselLocomotive},
        {"PW08", steamLocomotive},
        {"Wos1", [] { return coach(QColor(40, 110, 60), true, QStringLiteral("2 kl.")); }},
        {"Wsy2", [] { return coach(QColor(30, 40, 110), false, QStringLiteral("WL")); }},
        {"Wpo3", [] { return coach(QColor(200, 180, 40), false, QStringLiteral("Poczta")); }},
        {"Wtow4", freightWagon},
    };
    for (const auto& [name, draw] : pictures) {
        if (!draw().save(folder + QString::fromLatin1(name) + QStringLiteral(".bmp"), "BMP")) {
            std::fprintf(stderr, "Nie można zapisać %s.bmp\n", name);
            return 1;
        }
    }
    if (!rylmo::ui::applicationPicture(128).save(QString::fromLocal8Bit(argv[2]), "PNG")) return 1;
    return 0;
}
