#include "app/UserGuide.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>
#include <QWidget>
#include <utility>

#include "document/AtomicFile.h"
#include "ui/ErrorHandler.h"
#include "ui/Prompter.h"

namespace rylmo::app {

namespace {

const QString kMainWindowSection = QStringLiteral("okno-glowne");

// Each window class and the section that describes it.
const std::pair<const char*, const char*> kSections[] = {
    {"rylmo::app::MainWindow", "okno-glowne"},
    {"rylmo::app::OptionsDialog", "opcje"},
    {"rylmo::app::AboutBox", "skroty"},
    {"rylmo::trains::TrainDialog", "pociag"},
    {"rylmo::trains::TrainSeriesDialog", "kopie"},
    {"rylmo::trains::PlatformPlanDialog", "rozdziel-perony"},
    {"rylmo::locomotives::LocomotiveTypesDialog", "lokomotywy"},
    {"rylmo::locomotives::NewLocomotiveTypeDialog", "lokomotywy"},
    {"rylmo::locomotives::DepotDialog", "lokomotywownia"},
    {"rylmo::locomotives::DepotEntryDialog", "lokomotywownia"},
    {"rylmo::passages::PassagesDialog", "przejscia"},
    {"rylmo::passages::PassageDialog", "przejscia"},
    {"rylmo::passages::ProbabilityTableDialog", "prawdopodobienstwo"},
    {"rylmo::passages::ProbabilityEntryDialog", "prawdopodobienstwo"},
    {"rylmo::coaches::CoachesDialog", "wagony"},
    {"rylmo::coaches::CompositionsDialog", "sklady"},
    {"rylmo::coaches::CompositionEditor", "sklady"},
    {"rylmo::coaches::CompositionView", "sklady"},
    {"rylmo::texts::NamesDialog", "nazwy"},
    {"rylmo::texts::GeneralDataDialog", "ogolne"},
    {"rylmo::printing::ExportDialog", "drukowanie"},
    {"QPrintPreviewDialog", "drukowanie"},
};

QString foundGuide() {
    for (const QString& path : guideLocations()) {
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

}  // namespace

QStringList guideLocations() {
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(program + QStringLiteral("/pomoc/index.html")),
            QDir::cleanPath(program + QStringLiteral("/../share/rylmo/pomoc/index.html"))};
}

QStringList guideSections() {
    QStringList sections;
    for (const auto& [className, section] : kSections) sections << QString::fromLatin1(section);
    sections.removeDuplicates();
    return sections;
}

QString guideSection(const QWidget* window) {
    for (const QWidget* w = window; w; w = w->parentWidget()) {
        const QByteArray name = w->metaObject()->className();
        for (const auto& [className, section] : kSections) {
            if (name == className) return QString::fromLatin1(section);
        }
    }
    return kMainWindowSection;
}

void openGuide(QWidget* parent, const QString& section) {
    const QString guide = foundGuide();
    if (guide.isEmpty()) {
        QStringList looked;
        for (const QString& path : guideLocations()) looked << QDir::toNativeSeparators(path);
        ui::showError(parent,
                      QStringLiteral("Nie znaleziono podręcznika programu. Szukano go w:\n") +
                          looked.join(QLatin1Char('\n')));
        return;
    }
    QUrl url = QUrl::fromLocalFile(QFileInfo(guide).absoluteFilePath());
    const auto open = [&](const QUrl& page) {
        if (!ui::prompter().openUrl(page)) {
            ui::showError(parent, QStringLiteral("Nie można otworzyć podręcznika w przeglądarce. "
                                                 "Otwórz plik %1 samodzielnie")
                                      .arg(QDir::toNativeSeparators(guide)));
        }
    };
    if (section.isEmpty()) {
        open(url);
        return;
    }
    // Browsers started for a file drop its "#section"; a page of our own that moves on to the
    // section keeps it.
    url.setFragment(section);
    const QString target = QString::fromUtf8(url.toEncoded()).toHtmlEscaped();
    const QByteArray html =
        (QStringLiteral("<!DOCTYPE html><meta charset=\"utf-8\"><meta http-equiv=\"refresh\" "
                        "content=\"0; url=%1\"><a href=\"%1\">Pomoc programu Rylmo</a>\n")
             .arg(target))
            .toUtf8();
    const QString page = QDir::temp().filePath(QStringLiteral("rylmo-pomoc-%1.html").arg(section));
    ui::guarded(parent, [&] {
        AtomicFile file(QDir::toNativeSeparators(page).toStdString());
        file.write(std::string_view(html.constData(), static_cast<std::size_t>(html.size())));
        file.commit();
        open(QUrl::fromLocalFile(page));
    });
}

bool GuideKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        QWidget* window =
            watched->isWidgetType() ? static_cast<QWidget*>(watched)->window() : nullptr;
        if (window && !window->inherits("QMainWindow")) {
            openGuide(window, guideSection(window));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rylmo::app
