#pragma once

#include "document/TimetableSheets.h"

namespace rylmo::editing {

// The train list in its readable form, as a sheet: the columns the list shows, a row for
// each train the filter lets through (as the dispatcher's sheet chooses them), in the order of
// their positions.
Sheet readableListSheet(const TimetableContent& content, const SheetFilter& filter);

}  // namespace rylmo::editing
