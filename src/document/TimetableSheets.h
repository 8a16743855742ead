#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/Timetable.h"

namespace rylmo {

// The printed and exported lists of a station's day, as plain rows of UTF-8 texts: what a
// page painter, a spreadsheet file or a web page makes of them is not decided here.

// The minutes of the day a sheet covers, from one minute to another, both included; to before
// from runs past midnight. Without from the day starts at the timetable's start time (0:00
// when it has none), without to it lasts until the minute before from.
struct TimeWindow {
    std::optional<int32_t> from;  // minutes after midnight, 0..1439
    std::optional<int32_t> to;
};

// Which trains a sheet lists: by what their category carries, by time, or those chosen.
struct SheetFilter {
    bool passengers = true;
    bool goods = true;
    bool service = true;
    TimeWindow window;
    // When not empty, only the trains at these positions (in any order).
    std::vector<std::size_t> only;
};

struct SheetColumn {
    std::string header;
    int width = 1;  // the column's share of the line, in characters of an average text
};

struct SheetRow {
    std::size_t train = 0;
    int32_t minute = -1;  // the time the row is ordered by, minutes after midnight; -1 for none
    std::vector<std::string> cells;
};

struct Sheet {
    std::string kind;        // "Odjazdy"
    std::string station;     // the station's own name
    std::string window;      // "4:00–3:59"
    std::string legend;      // what a mark in the rows means; empty when none
    bool hourBands = false;  // the rows are grouped by the hour of their minute
    std::vector<SheetColumn> columns;
    std::vector<SheetRow> rows;
};

// The hour band of a board's row: its hour, and "?" for rows without a time (a negative
// minute), which stand in a band of their own.
std::string hourBandText(int32_t minute);
bool sameHourBand(int32_t minute, int32_t other);

// Where in the window a minute lies (0 for its first minute), or nullopt outside it.
std::optional<int32_t> minutesIntoWindow(const TimetableContent& content, const TimeWindow& window,
                                         int32_t minute);

// The window as a sheet's pages name it: "4:00–3:59".
std::string timeWindowText(const TimetableContent& content, const TimeWindow& window);
// The station's own name (the first of the station names), UTF-8.
std::string stationOf(const TimetableContent& content);

// The trains the dispatcher's sheet lists, in the order of their positions.
std::vector<std::size_t> listedTrains(const TimetableContent& content, const SheetFilter& filter);

// The trains that leave from a platform here, in the order of their departure: time, train
// (short category, number, name), destination, platform.
Sheet departureBoard(const TimetableContent& content, const SheetFilter& filter);
// The trains that arrive here and stop, in the order of their arrival: time, train, origin,
// platform. A train that stands at the station from the start of the day does not arrive.
Sheet arrivalBoard(const TimetableContent& content, const SheetFilter& filter);
// Every train at the station, in the order it comes: what it does, its platforms, where it
// comes from and goes to, the trains it is joined with or split from, the locomotives that
// pass from it or to it, and a mark where findings (by train position, as the consistency
// check counts them; shorter than the trains for none) name it.
Sheet dispatcherSheet(const TimetableContent& content, const SheetFilter& filter,
                      const std::vector<uint32_t>& findings);

}  // namespace rylmo
