#include "document/RollingStock.h"

#include <algorithm>

namespace rylmo {

namespace {

const LocomotiveType* typeOf(const TimetableContent& content, int32_t number) {
    if (number < 1 || number > content.locomotiveTypeCount) return nullptr;
    const auto index = static_cast<std::size_t>(number - 1);
    return index < content.locomotiveTypes.size() ? &content.locomotiveTypes[index] : nullptr;
}

const std::string* coachOf(const TimetableContent& content, int32_t number) {
    const int64_t coach = int64_t{number} - std::max<int64_t>(content.locomotiveTypeCount, 0) - 1;
    if (number <= content.locomotiveTypeCount || coach < 0 ||
        coach >= static_cast<int64_t>(content.coaches.size())) {
        return nullptr;
    }
    return &content.coaches[static_cast<std::size_t>(coach)];
}

}  // namespace

bool isVehicleNumber(const TimetableContent& content, int32_t number) {
    return typeOf(content, number) || coachOf(content, number);
}

std::string_view vehicleName(const TimetableContent& content, int32_t number) {
    if (const LocomotiveType* type = typeOf(content, number)) return type->pictureName();
    if (const std::string* coach = coachOf(content, number)) return *coach;
    return {};
}

int32_t coachVehicleNumber(const TimetableContent& content, std::size_t coach) {
    return content.locomotiveTypeCount + static_cast<int32_t>(coach) + 1;
}

std::string_view vehicleAt(const TimetableContent& content, std::size_t position) {
    const std::size_t types = content.locomotiveTypes.size();
    if (position < types) return content.locomotiveTypes[position].pictureName();
    return position - types < content.coaches.size() ? content.coaches[position - types]
                                                     : std::string_view();
}

}  // namespace rylmo
