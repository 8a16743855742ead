#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QUrl>

#include "AppTests.h"
#include "app/UserGuide.h"

using namespace rylmo;

namespace {

// The guide of the sources, where the program looks for it for the test's life.
struct InstalledGuide {
    QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/pomoc");
    InstalledGuide() {
        QDir().mkpath(folder);
        QFile::remove(folder + QStringLiteral("/index.html"));
        QFile::copy(QStringLiteral(RYLMO_GUIDE_FOLDER "/index.html"),
                    folder + QStringLiteral("/index.html"));
    }
    ~InstalledGuide() { QDir(folder).removeRecursively(); }
};

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Where the page that the browser was given leads.
QString pageTarget(const test::ScriptedPrompter& prompter) {
    if (prompter.urls.empty()) return {};
    return readText(prompter.urls.back().toLocalFile());
}

}  // namespace

class GuideTest : public QObject {
    Q_OBJECT
private slots:
    // Every section a window opens is in the guide, and every picture the guide shows.
    void theGuideHoldsEverySectionAndPicture() {
        const QString guide = readText(QStringLiteral(RYLMO_GUIDE_FOLDER "/index.html"));
        QVERIFY(!guide.isEmpty());
        for (const QString& section : app::guideSections())
            QVERIFY2(guide.contains(QStringLiteral("id=\"%1\"").arg(section)), qPrintable(section));
        for (qsizetype at = guide.indexOf(QStringLiteral("src=\"")); at >= 0;
             at = guide.indexOf(QStringLiteral("src=\""), at + 1)) {
            const qsizetype start = at + 5;
            const QString picture =
                guide.mid(start, guide.indexOf(QLatin1Char('"'), start) - start);
            QVERIFY2(QFile::exists(QStringLiteral(RYLMO_GUIDE_FOLDER "/") + picture),
                     qPrintable(picture));
        }
    }

    // "Pomoc..." (F1) opens the guide at the main window's section; F1 in a dialog at the
    // dialog's own; each window the commands open has a section of its own.
    void f1OpensTheSectionOfTheWindow() {
        const InstalledGuide installed;
        test::WindowFixture f;
        QAction* help = f.window.findChild<QAction*>(QStringLiteral("help"));
        QVERIFY(help && help->isVisible() && help->isEnabled());
        help->trigger();
        QVERIFY2(pageTarget(f.prompter).contains(QStringLiteral("pomoc/index.html#okno-glowne")),
                 qPrintable(pageTarget(f.prompter)));

        QStringList sections;
        const auto record = [&](QDialog& dialog) {
            sections << app::guideSection(&dialog);
            QTest::keyClick(&dialog, Qt::Key_F1);
        };
        f.window.selectTrain(0);
        for (const char* command :
             {"editTrain", "copyTrains", "resolvePlatforms", "locomotiveTypes", "depot", "passages",
              "probabilityTable", "coaches", "compositions", "names", "generalData", "options",
              "exportSheets"}) {
            f.prompter.dialogs.push_back(record);
            f.window.findChild<QAction*>(QString::fromLatin1(command))->trigger();
            QVERIFY2(pageTarget(f.prompter).contains(QStringLiteral("#") + sections.back()),
                     command);
        }
        QCOMPARE(sections,
                 (QStringList{"pociag", "kopie", "rozdziel-perony", "lokomotywy", "lokomotywownia",
                              "przejscia", "prawdopodobienstwo", "wagony", "sklady", "nazwy",
                              "ogolne", "opcje", "drukowanie"}));
    }

    // Without the guide, a message says where it was looked for.
    void aMissingGuideSaysWhereItWasLookedFor() {
        test::WindowFixture f;
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/pomoc")).removeRecursively();
        f.window.findChild<QAction*>(QStringLiteral("help"))->trigger();
        QVERIFY(f.prompter.urls.empty());
        QCOMPARE(f.prompter.messages.size(), std::size_t(1));
        const QString text = f.prompter.messages.back().text;
        QVERIFY2(
            text.startsWith(QStringLiteral("Nie znaleziono podręcznika programu. Szukano go w:")),
            qPrintable(text));
        for (const QString& place : app::guideLocations())
            QVERIFY(text.contains(QDir::toNativeSeparators(place)));
    }
};

std::unique_ptr<QObject> makeGuideTest() {
    return std::make_unique<GuideTest>();
}

#include "GuideTest.moc"
