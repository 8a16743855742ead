// The .roz reader on any bytes: it reads a timetable or fails with rylmo::Error, and what it
// reads, once the writer takes it, reads back as the same timetable (in version 2, which the
// writer writes).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/Error.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    rylmo::TimetableContent content;
    std::string written;
    try {
        content = rylmo::readTimetable(std::string_view(reinterpret_cast<const char*>(data), size));
        written = rylmo::writeTimetable(content);  // refuses what would not read back
    } catch (const rylmo::Error&) {
        return 0;
    }
    rylmo::TimetableContent back = rylmo::readTimetable(written);
    content.version = back.version;
    if (back != content || rylmo::writeTimetable(back) != written) std::abort();
    return 0;
}
