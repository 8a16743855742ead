#pragma once

#include "document/Timetable.h"

namespace rylmo::bench {

// A realistic day at a station of six platforms, about 400 trains from 5:00 to 23:30: hourly
// regional and express trains through the station in both directions, two half-hourly
// suburban lines that end and start here, goods trains that stop or pass, consists split and
// joined, service moves; as a first draft has it, a few dozen trains stand on a platform that
// another one holds. At no minute do more than six stays need a platform, none runs over
// midnight, and only the platforms conflict: the rest checks clean.
TimetableContent stationDay();

inline constexpr int stationDayPlatforms = 6;

}  // namespace rylmo::bench
