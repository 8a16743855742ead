#include "editing/EntryList.h"

#include <stdexcept>

namespace rylmo::editing {

EntryList entryListOf(ListMember<Train>) {
    return EntryList::trains;
}
EntryList entryListOf(ListMember<DepotEntry>) {
    return EntryList::depot;
}
EntryList entryListOf(ListMember<LocomotivePassage>) {
    return EntryList::passages;
}
EntryList entryListOf(ListMember<LocomotiveType>) {
    return EntryList::locomotiveTypes;
}

EntryList entryListOf(ListMember<std::string> list) {
    if (list == &TimetableContent::probabilities) return EntryList::probabilities;
    if (list == &TimetableContent::compositions) return EntryList::compositions;
    if (list == &TimetableContent::coaches) return EntryList::coaches;
    if (list == &TimetableContent::depotNames) return EntryList::depotNames;
    if (list == &TimetableContent::stationNames) return EntryList::stationNames;
    return EntryList::trainNames;
}

std::string& generalText(TimetableContent& content, GeneralText text) {
    switch (text) {
        case GeneralText::stationPicture:
            return content.stationPicture;
        case GeneralText::authorInfo:
            return content.authorInfo;
        case GeneralText::startTime:
            return content.startTime;
    }
    throw std::logic_error("unknown general text");
}

}  // namespace rylmo::editing
