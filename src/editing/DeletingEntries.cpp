// Deleting entries together with what keeps the other references right.
#include <stdexcept>

#include "editing/EditingSession.h"

namespace rylmo::editing {

namespace {

// Calls use with the member that holds list.
template <class Use>
void withList(EntryList list, Use use) {
    switch (list) {
        case EntryList::trains:
            return use(&TimetableContent::trains);
        case EntryList::depot:
            return use(&TimetableContent::depot);
        case EntryList::passages:
            return use(&TimetableContent::passages);
        case EntryList::locomotiveTypes:
            return use(&TimetableContent::locomotiveTypes);
        case EntryList::probabilities:
            return use(&TimetableContent::probabilities);
        case EntryList::compositions:
            return use(&TimetableContent::compositions);
        case EntryList::coaches:
            return use(&TimetableContent::coaches);
        case EntryList::depotNames:
            return use(&TimetableContent::depotNames);
        case EntryList::stationNames:
            return use(&TimetableContent::stationNames);
        case EntryList::trainNames:
            return use(&TimetableContent::trainNames);
        default:
            throw std::logic_error("not a list of entries");
    }
}

std::size_t sizeOf(const TimetableContent& content, EntryList list) {
    std::size_t size = 0;
    withList(list, [&](auto member) { size = (content.*member).size(); });
    return size;
}

}  // namespace

ReferenceChanges EditingSession::deletionChanges(EntryList list,
                                                 const std::vector<int>& rows) const {
    if (!m_keepsReferences) return {};
    return referenceChanges(content(), list, Renumbering::deleting(sizeOf(content(), list), rows));
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
    withList(list, [&](auto member) { removeEntries(member, std::move(rows), {}); });
}

}  // namespace rylmo::editing
