#pragma once

#include <QString>
#include <string>

namespace rylmo::texts {

// The start time as the general data dialog edits it.
struct StartTime {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
};

// The stored text hour × 100 + minute as hour and minute, as the start time's one meaning
// shows it: decimal digits each brought within their range, anything else 0 : 00.
StartTime startTimeOf(const std::string& text);

// The text stored for hour : minute ("705" for 7 : 5).
std::string startTimeText(StartTime time);

// Why the typed "Obraz stacji" (trimmed) cannot be stored; empty when it can.
QString stationPictureRefusal(const QString& picture);
// Why the typed "Nazwa stacji" (trimmed) cannot be stored; empty when it can. It may only be
// empty when the timetable has no station names, to which it would add the first one.
QString stationNameRefusal(const QString& name, bool hasStationNames);

// What "OK" of the general data dialog stores, as document texts.
struct GeneralData {
    std::string stationName;  // empty: no station name entry is created
    std::string stationPicture;
    std::string startTime;
    std::string authorInfo;  // lines separated by CR LF
};

}  // namespace rylmo::texts
