#include "trains/TrainCommands.h"

#include <optional>

#include "document/PolishCount.h"
#include "document/TrainCopies.h"
#include "editing/EditingSession.h"
#include "trains/ChartMoves.h"
#include "trains/PlatformPlanDialog.h"
#include "trains/TrainDialog.h"
#include "trains/TrainSeriesDialog.h"
#include "ui/Prompter.h"

namespace rylmo::trains {

void addTrain(editing::EditingSession& session, QWidget* parent, const QString& caption) {
    TrainDialog dialog(session, parent);
    dialog.setWindowTitle(caption);
    dialog.setOriginal(Train{});
    dialog.fillForNewTrain();
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    const int row = static_cast<int>(session.content().trains.size());
    session.insertEntry(&TimetableContent::trains, row, dialog.train(),
                        QStringLiteral("dodanie pociągu"));
}

void editTrain(editing::EditingSession& session, QWidget* parent, const QString& caption,
               int train) {
    const std::vector<Train>& trains = session.content().trains;
    if (train < 0 || static_cast<std::size_t>(train) >= trains.size()) return;
    TrainDialog dialog(session, parent);
    dialog.setOriginal(trains[static_cast<std::size_t>(train)]);
    dialog.setWindowTitle(caption);
    dialog.fillFromTrain();
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    // Confirming the dialog marks the document changed even when no value changed.
    session.replaceEntry(&TimetableContent::trains, train, dialog.train(),
                         QStringLiteral("edycję pociągu %1").arg(train));
}

QString trainsOf(std::size_t count) {
    // The genitive: "1 pociągu", "2 pociągów", "5 pociągów".
    return QString::fromStdString(
        polishCount(static_cast<int64_t>(count), "pociągu", "pociągów", "pociągów"));
}

namespace {

std::vector<std::size_t> positionsOf(const std::vector<int>& trains) {
    return {trains.begin(), trains.end()};
}

// While references are not kept: what will point at other trains after the deletion.
QString unkeptReferences(const TimetableContent& content, const std::vector<int>& trains) {
    const TrainReferences r = referencesToTrains(content, positionsOf(trains));
    if (r.trains + r.passages == 0) return {};
    QStringList parts;
    if (r.trains > 0)
        parts << QString::fromStdString(
            polishCount(r.trains, "inny pociąg", "inne pociągi", "innych pociągów"));
    if (r.passages > 0)
        parts << QString::fromStdString(
            polishCount(r.passages, "przejście", "przejścia", "przejść"));
    return (trains.size() == 1 ? QStringLiteral("Odwołania do niego: ")
                               : QStringLiteral("Odwołania do nich: ")) +
           parts.join(QStringLiteral(", ")) +
           QStringLiteral(". Numery w nich nie zmienią się, więc wskażą inne pociągi.");
}

}  // namespace

void deleteTrain(editing::EditingSession& session, QWidget* parent, int train) {
    deleteTrains(session, parent, {train});
}

void deleteTrains(editing::EditingSession& session, QWidget* parent,
                  const std::vector<int>& trains) {
    const std::size_t count = session.content().trains.size();
    for (int train : trains)
        if (train < 0 || static_cast<std::size_t>(train) >= count) return;
    if (trains.empty()) return;
    const bool one = trains.size() == 1;
    // Kept on purpose: the caption's spelling, which authors know.
    QString question = one ? QStringLiteral("Czy napewno chcesz usunąć wybrany pociąg z rozkładu?")
                           : QStringLiteral("Czy na pewno chcesz usunąć z rozkładu %1?")
                                 .arg(QString::fromStdString(polishCount(
                                     static_cast<int64_t>(trains.size()), "wybrany pociąg",
                                     "wybrane pociągi", "wybranych pociągów")));
    const auto list = editing::EntryList::trains;
    const ReferenceChanges changes = session.deletionChanges(list, trains);
    const QString notice =
        session.keepsReferences()
            ? QString::fromStdString(referenceNotice(changes.effects, list, trains.size()))
            : unkeptReferences(session.content(), trains);
    if (!notice.isEmpty()) question += QLatin1Char('\n') + notice;
    if (!ui::confirm(parent, question)) return;
    session.deleteEntries(list, trains, changes,
                          one ? QStringLiteral("usunięcie pociągu %1").arg(trains.front())
                              : QStringLiteral("usunięcie ") + trainsOf(trains.size()));
}

namespace {

// What the series dialog was confirmed with, and the trains it acts on; or nothing.
std::optional<std::pair<CopyRule, std::vector<std::size_t>>> askSeries(
    TrainSeriesDialog::Purpose purpose, const editing::EditingSession& session, QWidget* parent,
    const QString& caption, const std::vector<int>& trains) {
    if (trains.empty()) return std::nullopt;
    TrainSeriesDialog dialog(purpose, session.content().trains, positionsOf(trains), parent);
    dialog.setWindowTitle(caption);
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return std::nullopt;
    return std::pair{dialog.rule(), dialog.group()};
}

}  // namespace

void copyTrains(editing::EditingSession& session, QWidget* parent, const QString& caption,
                const std::vector<int>& trains) {
    const auto asked =
        askSeries(TrainSeriesDialog::Purpose::copy, session, parent, caption, trains);
    if (!asked) return;
    const std::vector<Train>& all = session.content().trains;
    std::vector<Train> copies = trainCopies(all, asked->second, asked->first);
    const std::size_t count = copies.size();
    session.insertEntries(&TimetableContent::trains, static_cast<int>(all.size()),
                          std::move(copies), QStringLiteral("skopiowanie ") + trainsOf(count));
}

void shiftTrains(editing::EditingSession& session, QWidget* parent, const QString& caption,
                 const std::vector<int>& trains) {
    const auto asked =
        askSeries(TrainSeriesDialog::Purpose::shift, session, parent, caption, trains);
    if (!asked) return;
    std::vector<Train> moved;
    moved.reserve(trains.size());
    for (int train : trains) {
        moved.push_back(shiftedTrain(session.content().trains.at(static_cast<std::size_t>(train)),
                                     asked->first.minutes));
    }
    session.replaceEntries(&TimetableContent::trains, trains, std::move(moved),
                           QStringLiteral("przesunięcie ") + trainsOf(trains.size()));
}

void resolvePlatforms(editing::EditingSession& session, QWidget* parent,
                      const std::vector<int>& trains, DwellTimes dwell) {
    const std::size_t count = session.content().trains.size();
    std::vector<bool> movable;
    if (!trains.empty()) {
        movable.assign(count, false);
        for (int train : trains) {
            if (train >= 0 && static_cast<std::size_t>(train) < count)
                movable[static_cast<std::size_t>(train)] = true;
        }
    }
    PlatformPlanDialog dialog(session.content(), std::move(movable), dwell, parent);
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    const std::size_t moved = dialog.plan().movedTrains;
    applyChanges(session, dialog.changes(),
                 QStringLiteral("rozdzielenie peronów: ") +
                     QString::fromStdString(polishCount(static_cast<int64_t>(moved), "pociąg",
                                                        "pociągi", "pociągów")));
}

}  // namespace rylmo::trains
