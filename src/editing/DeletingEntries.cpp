// Deleting entries together with what keeps the other references right.
#include "document/EntryLists.h"
#include "editing/EditingSession.h"

namespace rylmo::editing {

ReferenceChanges EditingSession::deletionChanges(EntryList list,
                                                 const std::vector<int>& rows) const {
    if (!m_keepsReferences) return {};
    const std::size_t size =
        withEntries(list, [this](auto member) { return (content().*member).size(); });
    return referenceChanges(content(), list, Renumbering::deleting(size, rows));
}

std::string EditingSession::deletionNotice(EntryList list, const ReferenceChanges& changes,
                                           std::size_t deleted,
                                           const std::function<References()>& unkept) const {
    return m_keepsReferences ? referenceNotice(changes.effects, list, deleted)
                             : referenceWarning(unkept());
}

void EditingSession::applyReferenceChanges(const ReferenceChanges& c) {
    replaceEntries(&TimetableContent::trains, c.trainRows, c.trains, {});
    replaceEntries(&TimetableContent::depot, c.depotRows, c.depot, {});
    replaceEntries(&TimetableContent::passages, c.passageRows, c.passages, {});
    replaceEntries(&TimetableContent::compositions, c.compositionRows, c.compositions, {});
    replaceEntries(&TimetableContent::probabilities, c.probabilityRows, c.probabilities, {});
    removeEntries(&TimetableContent::depot, c.removedDepotEntries, {});
    removeEntries(&TimetableContent::passages, c.removedPassages, {});
}

void EditingSession::deleteEntries(EntryList list, std::vector<int> rows,
                                   const ReferenceChanges& changes, const QString& text) {
    if (rows.empty()) return;
    const Step step(*this, text);
    // The changed records are named by their places before any removal: they change first.
    applyReferenceChanges(changes);
    withEntries(list, [&](auto member) { removeEntries(member, std::move(rows), {}); });
}

}  // namespace rylmo::editing
