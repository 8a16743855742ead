#include "trains/ChartMoves.h"

#include <cstdlib>

#include "document/TimeText.h"
#include "editing/EditingSession.h"

namespace rylmo::trains {

QString platformMoveText(int32_t number, int32_t platform) {
    return QStringLiteral("przeniesienie pociągu %1 na peron %2").arg(number).arg(platform);
}

QString timeMoveText(int32_t number, int32_t minutes) {
    return QStringLiteral("przesunięcie pociągu %1 o %2 min %3")
        .arg(number)
        .arg(std::abs(minutes))
        .arg(minutes < 0 ? QStringLiteral("wcześniej") : QStringLiteral("później"));
}

namespace {

QString spanText(const PlatformInterval& stay) {
    return QStringLiteral("%1–%2").arg(QString::fromStdString(minuteText(stay.start)),
                                       QString::fromStdString(minuteText(stay.end)));
}

}  // namespace

QString outcomeText(const TimetableContent& content, const PlatformLayout& layout,
                    const MoveOutcome& outcome, std::size_t shown) {
    if (shown >= outcome.stays.size()) return {};
    const PlatformInterval& stay = outcome.stays[shown];
    const QString where = QStringLiteral("Peron %1, %2: ").arg(stay.platform).arg(spanText(stay));
    if (outcome.conflict >= layout.intervals().size()) return where + QStringLiteral("wolny");
    const PlatformInterval& other = layout.intervals()[outcome.conflict];
    return where + QStringLiteral("koliduje z pociągiem %1 (%2)")
                       .arg(stayNumber(content, other))
                       .arg(spanText(other));
}

void applyChanges(editing::EditingSession& session, const std::vector<TrainChange>& changes,
                  const QString& text) {
    if (changes.empty()) return;
    std::vector<int> rows;
    std::vector<Train> trains;
    for (const TrainChange& change : changes) {
        rows.push_back(static_cast<int>(change.train));
        trains.push_back(change.after);
    }
    session.replaceEntries(&TimetableContent::trains, std::move(rows), std::move(trains), text);
}

}  // namespace rylmo::trains
