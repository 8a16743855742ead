#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTest>

#include "TestFiles.h"
#include "document/Error.h"
#include "document/Windows1250.h"
#include "models/DocumentText.h"
#include "ui/PictureStrip.h"
#include "ui/Prompter.h"
#include "ui/RollingStockPicture.h"

using namespace rylmo;
using namespace rylmo::ui;
using namespace rylmo::models;

class UiTest : public QObject {
    Q_OBJECT

    static void saveBitmap(const QString& path, QSize size, QColor background, QColor body) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(background);
        for (int x = 2; x < size.width() - 2; ++x) image.setPixel(x, 2, body.rgb());
        // Only the bottom-left corner has the background colour.
        const int right = size.width() - 1;
        const int bottom = size.height() - 1;
        image.setPixel(0, 0, qRgb(0, 200, 0));
        image.setPixel(right, 0, qRgb(200, 200, 0));
        image.setPixel(right, bottom, qRgb(0, 200, 200));
        QVERIFY(image.save(path, "BMP"));
    }

private slots:
    void windows1250TableMatchesQt() {
        QStringDecoder decoder("windows-1250");
        if (!decoder.isValid()) QSKIP("this Qt has no windows-1250 codec");
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            const QString expected = decoder.decode(QByteArrayView(&c, 1));
            QCOMPARE(toQString(std::string(1, c)), expected);
            QCOMPARE(toDocumentText(expected), std::string(1, c));
        }
    }

    // A name exactly as long as a list shows whole is whole; one more is cut with "…".
    void shortTextsAreCutOnlyPastTheirLimit() {
        const std::string limit(100, 'a');
        QCOMPARE(models::toShortQString(limit), QString(100, QLatin1Char('a')));
        QCOMPARE(models::toShortQString(limit + "b"),
                 QString(99, QLatin1Char('a')) + QChar(0x2026));
        QCOMPARE(models::toShortQString("\xb9", 1), QStringLiteral("ą"));
    }

    void documentTextRefusesCharactersOutsideWindows1250() {
        QCOMPARE(toDocumentText(QStringLiteral("Żółć")), std::string("\xaf\xf3\xb3\xe6"));
        QVERIFY_THROWS_EXCEPTION(Error, toDocumentText(QStringLiteral("日本")));
        QCOMPARE(fileStem(QStringLiteral("/tabor/Wagon Łódź.bmp")), QStringLiteral("Wagon Łódź"));

        // What the writer would refuse is refused where it is typed.
        QVERIFY(oneLineRefusal(QStringLiteral("Łódź Kaliska")).isEmpty());
        for (const QString& refused :
             {QStringLiteral("a\nb"), QStringLiteral("a\rb"), QStringLiteral("日")}) {
            QVERIFY(!oneLineRefusal(refused).isEmpty());
        }
        QVERIFY(typeWordRefusal(QStringLiteral("  EU07 "), QStringLiteral("Typ")).isEmpty());
        QCOMPARE(typeWordRefusal(QStringLiteral("EU 07"), QStringLiteral("Typ")),
                 QStringLiteral("„Typ” nie może zawierać spacji."));
        QCOMPARE(typeWordRefusal(QStringLiteral(" \t"), QStringLiteral("Typ")),
                 QStringLiteral("Podaj „Typ”."));
    }

    void filtersBecomeQtNameFilters() {
        QCOMPARE(
            qtNameFilters(QStringLiteral("Rozkład jazdy (*.roz)|*.roz|Wszystkie pliki (*.*)|*.*")),
            QStringLiteral("Rozkład jazdy (*.roz);;Wszystkie pliki (*.*)"));
        QCOMPARE(qtNameFilters(QStringLiteral("Rozkład jazdy dla Trakovil-a 1.6x|*.roz")),
                 QStringLiteral("Rozkład jazdy dla Trakovil-a 1.6x (*.roz)"));
    }

    void picturesAreTransparentAndFoundWhateverTheCase() {
        test::TempFolder folder;
        const QString dir = QString::fromStdString(folder.path().string()) + QLatin1Char('/');
        saveBitmap(dir + QStringLiteral("EU07.bmp"), {30, 10}, Qt::magenta, Qt::blue);
        saveBitmap(dir + QStringLiteral("wagon.BMP"), {20, 8}, Qt::white, Qt::red);

        const QImage loco = rollingStockPicture(dir, QStringLiteral("EU07")).toImage();
        QCOMPARE(loco.size(), QSize(30, 10));
        QCOMPARE(qAlpha(loco.pixel(0, 9)), 0);    // background
        QCOMPARE(qAlpha(loco.pixel(0, 0)), 255);  // the other corners stay
        QCOMPARE(qAlpha(loco.pixel(5, 2)), 255);  // body
        QCOMPARE(QColor(loco.pixel(5, 2)), QColor(Qt::blue));

        // Names written on Windows in another case still find their file.
        QCOMPARE(rollingStockPicture(dir, QStringLiteral("eu07")).size(), QSize(30, 10));
        QCOMPARE(rollingStockPicture(dir, QStringLiteral("Wagon")).size(), QSize(20, 8));
        QVERIFY(hasRollingStockPicture(dir, QStringLiteral("WAGON")));
    }

    void missingOrBrokenPicturesGiveThePlaceholder() {
        test::TempFolder folder;
        const QString dir = QString::fromStdString(folder.path().string()) + QLatin1Char('/');
        test::writeBytes(folder / "zepsuty.bmp", "BM this is not a bitmap");
        const QSize tile(placeholderWidth, placeholderHeight);
        QCOMPARE(rollingStockPicture(dir, QStringLiteral("brak")).size(), tile);
        QCOMPARE(rollingStockPicture(dir, QStringLiteral("zepsuty")).size(), tile);
        QCOMPARE(
            rollingStockPicture(QStringLiteral("F:\\Gra\\Tabor\\"), QStringLiteral("EU07")).size(),
            tile);
        QCOMPARE(rollingStockPicture(dir, QString()).size(), tile);
        QVERIFY(!hasRollingStockPicture(dir, QStringLiteral("zepsuty")));
    }

    void stripPlacesPicturesLeftToRightWithoutGaps() {
        test::TempFolder folder;
        const QString dir = QString::fromStdString(folder.path().string()) + QLatin1Char('/');
        saveBitmap(dir + QStringLiteral("A.bmp"), {30, 10}, Qt::magenta, Qt::blue);
        saveBitmap(dir + QStringLiteral("B.bmp"), {50, 12}, Qt::magenta, Qt::blue);

        PictureStrip strip;
        strip.setStripLayout({10, 2, 48});
        strip.setEntries(dir, {{QStringLiteral("A"),
                                QStringLiteral("pierwszy"),
                                QStringLiteral("podpowiedź"),
                                false,
                                {}},
                               {QStringLiteral("B"), QStringLiteral("drugi"), QString(), true, {}},
                               {QStringLiteral("brak"), QString(), QString(), false, {}}});
        QCOMPARE(strip.count(), 3);
        QCOMPARE(strip.pictureRect(0), QRect(10, 2, 30, 10));
        QCOMPARE(strip.pictureRect(1), QRect(40, 2, 50, 12));
        QCOMPARE(strip.pictureRect(2).topLeft(), QPoint(90, 2));
        QCOMPARE(strip.labelRect(0).topLeft(), QPoint(10, 48));
        QCOMPARE(strip.labelRect(1).topLeft(), QPoint(40, 48));
        QVERIFY(strip.labelRect(2).isEmpty());
        QCOMPARE(strip.entryAt(QPoint(12, 50)), 0);
        QCOMPARE(strip.entryAt(QPoint(45, 5)), 1);
        QCOMPARE(strip.entryAt(QPoint(5, 5)), -1);
        QVERIFY(strip.widget()->width() >= 90 + placeholderWidth);

        // Labels right below their pictures when no label row is given.
        strip.setStripLayout({8, 4});
        strip.setEntries(dir, {{QStringLiteral("B"), QStringLiteral("x"), QString(), false, {}}});
        QCOMPARE(strip.labelRect(0).topLeft(), QPoint(8, 16));

        // A long strip reads and places only the pictures that show, as it is scrolled.
        strip.resize(300, 80);
        strip.setEntries(dir, QVector<StripEntry>(2000, {QStringLiteral("A"), {}, {}, false, {}}));
        QVERIFY(strip.measuredCount() > 0);
        QVERIFY(strip.measuredCount() < 100);
        strip.horizontalScrollBar()->setValue(strip.horizontalScrollBar()->maximum());
        QCoreApplication::processEvents();
        QCOMPARE(strip.pictureRect(1999).topLeft(), QPoint(8 + 1999 * 30, 4));
        strip.clear();
        QCOMPARE(strip.count(), 0);
    }
};

QTEST_MAIN(UiTest)
#include "UiTest.moc"
