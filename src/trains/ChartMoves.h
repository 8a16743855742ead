#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "document/PlatformLayout.h"
#include "document/StayMoves.h"

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::trains {

// "przeniesienie pociągu 4512 na peron 3"
QString platformMoveText(int32_t number, int32_t platform);
// "przesunięcie pociągu 4512 o 5 min później", "... o 10 min wcześniej"
QString timeMoveText(int32_t number, int32_t minutes);

// What a move would give, as the tooltip of the ghost bar says it: "Peron 3, 7:05–7:15: wolny"
// or "Peron 3, 7:05–7:15: koliduje z pociągiem 8877 (7:00–7:12)". shown is the position in
// outcome.stays of the stay that is dragged.
QString outcomeText(const TimetableContent& content, const PlatformLayout& layout,
                    const MoveOutcome& outcome, std::size_t shown);

// The changes as one undoable step; nothing when there are none.
void applyChanges(editing::EditingSession& session, const std::vector<TrainChange>& changes,
                  const QString& text);

}  // namespace rylmo::trains
