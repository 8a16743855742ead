#pragma once

#include <string>

#include "document/TimetableSheets.h"

namespace rylmo {

// The sheet as a spreadsheet opens it without asking: UTF-8 with a byte order mark, fields
// between semicolons, lines ended by CR LF, a field quoted when it holds a quote, a
// semicolon, a line end or leading or trailing blanks. The first line holds the headers.
std::string sheetCsv(const Sheet& sheet);

// The sheet as one self-contained HTML page: the station, what the sheet is and its time
// window above a table; a board's rows under a line for each hour.
std::string sheetHtml(const Sheet& sheet);

}  // namespace rylmo
