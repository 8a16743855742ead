#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/Timetable.h"

namespace rylmo {

// Vehicle numbers count the locomotive types first (1 to locomotiveTypeCount), then the
// coaches: number locomotiveTypeCount + c + 1 is the coach at 0-based position c.

// True when number names a locomotive type or a coach that exists.
bool isVehicleNumber(const TimetableContent& content, int32_t number);

// Picture name of the type or coach, or an empty text when the number names nothing.
std::string_view vehicleName(const TimetableContent& content, int32_t number);

// The name of the vehicle at 0-based position in the list of every vehicle (the types, then
// the coaches); empty beyond it.
std::string_view vehicleAt(const TimetableContent& content, std::size_t position);

// Vehicle number of the coach at 0-based position c.
int32_t coachVehicleNumber(const TimetableContent& content, std::size_t coach);

}  // namespace rylmo
