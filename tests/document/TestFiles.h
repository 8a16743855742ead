#pragma once

#include <filesystem>
#include <string>

#include "document/Error.h"
#include "document/Timetable.h"

namespace rylmo::test {

// The message of the rylmo::Error that call throws, or "no error".
template <class Call>
std::string errorOf(Call call) {
    try {
        call();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

std::string dataPath(const std::string& name);
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// The timetable of the worked example file, built by hand.
TimetableContent workedExample();

// A fresh empty folder under the system's temporary folder, removed on destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    std::filesystem::path operator/(const char* name) const { return m_path / name; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return m_path / name;
    }

private:
    std::filesystem::path m_path;
};

}  // namespace rylmo::test
