// from-json on any bytes: JSON that names a timetable becomes one or fails with rylmo::Error;
// the timetable made is written as JSON and read again as the same one.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "TimetableJson.h"
#include "document/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const nlohmann::json json = nlohmann::json::parse(data, data + size, nullptr, false);
    if (json.is_discarded()) return 0;
    rylmo::TimetableContent content;
    try {
        content = rylmo::timetableFromJson(json);
    } catch (const rylmo::Error&) {
        return 0;
    }
    std::string text;
    rylmo::writeTimetableJson(content, [&](std::string_view piece) { text += piece; });
    if (rylmo::timetableFromJson(nlohmann::json::parse(text)) != content) std::abort();
    return 0;
}
