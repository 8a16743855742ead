#pragma once

#include <string>
#include <vector>

#include "document/Problem.h"
#include "document/Timetable.h"

namespace rylmo::editing {

// The lists of a timetable that edits insert into, remove from and change: the sections of
// the file that findings name too, all but the general data.
using EntryList = Section;

// The single texts of the general data.
enum class GeneralText { stationPicture, authorInfo, startTime };

template <class Entry>
using ListMember = std::vector<Entry> TimetableContent::*;

EntryList entryListOf(ListMember<Train> list);
EntryList entryListOf(ListMember<DepotEntry> list);
EntryList entryListOf(ListMember<LocomotivePassage> list);
EntryList entryListOf(ListMember<LocomotiveType> list);
EntryList entryListOf(ListMember<std::string> list);

std::string& generalText(TimetableContent& content, GeneralText text);

}  // namespace rylmo::editing
