#include "passages/ProbabilityTableDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

#include "document/ProbabilityText.h"
#include "document/References.h"
#include "editing/EditingSession.h"
#include "models/DocumentText.h"
#include "passages/ProbabilityEntryDialog.h"
#include "ui/Controls.h"
#include "ui/ErrorHandler.h"
#include "ui/Prompter.h"
#include "ui/RollingStockPicture.h"

namespace rylmo::passages {

ProbabilityTableDialog::ProbabilityTableDialog(editing::EditingSession& session, QWidget* parent)
    : TrackBarWindow({"entries", QStringLiteral(" Prawdopodobieństwo przyjazdu "), 1, true, true},
                     {[this] { addEntry(); }, [this] { editEntry(); }, [this] { deleteEntry(); }},
                     parent),
      m_session(session) {
    setObjectName(QStringLiteral("ProbabilityTableDialog"));
    m_view = ui::named(new QScrollArea, "view");
    m_view->setBackgroundRole(QPalette::Base);
    m_view->setWidget(new QWidget);
    addView(new QLabel(QStringLiteral("Widok")));
    addView(m_view, 1);
    finish(560, 400, [this] {
        showEntry();
        refreshStates();
    });
    session.followList(editing::EntryList::probabilities, this, [this] {
        refreshStates();
        showEntry();
    });
    refreshStates();
    showEntry();
}

void ProbabilityTableDialog::showAt(int entry) {
    m_entries->setValue(entry + 1);
}

void ProbabilityTableDialog::refreshStates() {
    const int n = static_cast<int>(m_session.content().probabilities.size());
    setEntryCount(n);
    m_position->setVisible(n > 0);
    m_counter->setText(
        n > 0 ? QStringLiteral("Liczba prawdopodobieństw: %1").arg(n)
              : QStringLiteral("Nie zdefiniowano żadnych indeksów prawdopodobieństwa przyjazdu "
                               "lokomotywy."));
    m_position->setText(QStringLiteral("Aktualna pozycja: %1").arg(m_entries->value()));
}

void ProbabilityTableDialog::showEntry() {
    qDeleteAll(m_shown);
    m_shown.clear();
    QWidget* panel = m_view->widget();
    const TimetableContent& c = m_session.content();
    const int position = m_entries->value();
    int top = 0;  // the pictures stack downwards
    int right = 0;
    int bottom = 0;
    if (position >= 1 && static_cast<std::size_t>(position) <= c.probabilities.size()) {
        const ProbabilityReading reading =
            readProbabilityValues(c.probabilities[static_cast<std::size_t>(position) - 1]);
        const std::vector<int32_t>& values = reading.values;
        const QString folder = QString::fromStdString(m_session.document().rollingStockFolder);
        const std::size_t shown = std::min(values.size(), c.locomotiveTypes.size());
        for (std::size_t k = 0; k < shown; ++k) {
            if (values[k] == 0) continue;
            const LocomotiveType& type = c.locomotiveTypes[k];
            auto* picture = new QLabel(panel);
            picture->setPixmap(
                ui::rollingStockPicture(folder, models::toQString(type.pictureName())));
            picture->adjustSize();
            picture->move(10, top);
            auto* label = new QLabel(QStringLiteral("(%1) \n").arg(k) +
                                         models::toShortQString(type.typeName()) +
                                         QStringLiteral(" - %1%").arg(values[k]),
                                     panel);
            label->adjustSize();
            label->move(picture->geometry().right() + 1 + 10, top + 15);
            picture->show();
            label->show();
            m_shown << picture << label;
            top += picture->height();
            right = std::max(right, label->geometry().right() + 1);
            bottom = std::max({bottom, top, label->geometry().bottom() + 1});
        }
        if (!reading.error.empty()) {
            // An entry that does not read shows the values before the bad one, then why.
            auto* why = ui::named(
                new QLabel(
                    QStringLiteral("Wartość nr %1 nie daje się odczytać: ").arg(values.size() + 1) +
                        QString::fromStdString(reading.error),
                    panel),
                "unreadable");
            why->adjustSize();
            why->move(10, bottom + 8);
            why->show();
            m_shown << why;
            right = std::max(right, why->geometry().right() + 1);
            bottom = why->geometry().bottom() + 1;
        }
    }
    panel->resize(right + 10, bottom);
}

QStringList ProbabilityTableDialog::shownLabels() const {
    QStringList labels;
    for (qsizetype i = 1; i < m_shown.size(); i += 2) labels << m_shown[i]->text();
    return labels;
}

void ProbabilityTableDialog::addEntry() {
    const TimetableContent& c = m_session.content();
    if (c.locomotiveTypes.empty()) {
        ui::inform(this, QStringLiteral(
                             "Nie zdefiniowano typów lokomotyw. Należy najpierw uzupełnić opcję "
                             "\"Lokomotywy\"."));
        return;
    }
    ProbabilityEntryDialog dialog(
        m_session.document(), ProbabilityValues(static_cast<int>(c.locomotiveTypes.size())), this);
    dialog.setWindowTitle(QStringLiteral("Dodaj"));
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    m_session.insertEntry(&TimetableContent::probabilities,
                          static_cast<int>(c.probabilities.size()), dialog.values().text(),
                          QStringLiteral("dodanie indeksu prawdopodobieństwa"));
}

void ProbabilityTableDialog::editEntry() {
    const TimetableContent& c = m_session.content();
    const int position = m_entries->value();
    if (position < 1 || static_cast<std::size_t>(position) > c.probabilities.size()) return;
    std::vector<int32_t> stored;
    try {
        stored = readProbabilityEntry(c.probabilities[static_cast<std::size_t>(position) - 1]);
    } catch (const std::exception& e) {
        ui::showError(
            this,
            QStringLiteral("Nie można edytować indeksu prawdopodobieństwa nr %1: ").arg(position) +
                QString::fromStdString(failureMessage(e)));
        return;
    }
    ProbabilityEntryDialog dialog(
        m_session.document(), ProbabilityValues(static_cast<int>(c.locomotiveTypes.size()), stored),
        this);
    dialog.setWindowTitle(QStringLiteral("Edytuj"));
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    m_session.replaceEntry(&TimetableContent::probabilities, position - 1, dialog.values().text(),
                           QStringLiteral("edycję indeksu prawdopodobieństwa %1").arg(position));
}

void ProbabilityTableDialog::deleteEntry() {
    const TimetableContent& c = m_session.content();
    const int position = m_entries->value();
    if (position < 1 || static_cast<std::size_t>(position) > c.probabilities.size()) return;
    const std::vector<int> rows{position - 1};
    const auto list = editing::EntryList::probabilities;
    const ReferenceChanges changes = m_session.deletionChanges(list, rows);
    // Kept on purpose: the caption's spelling, which authors know.
    if (!ui::confirmDelete(
            this,
            QStringLiteral("Czy napewno chcesz usunąć wybrany indeks tablicy prawdopodobienstwa?"),
            m_session.deletionNotice(list, changes, 1, [&] {
                return referencesToProbabilityEntry(c, static_cast<std::size_t>(position) - 1);
            }))) {
        return;
    }
    m_session.deleteEntries(
        list, rows, changes,
        QStringLiteral("usunięcie indeksu prawdopodobieństwa %1").arg(position));
}

}  // namespace rylmo::passages
