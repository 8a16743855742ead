#pragma once

#include <string>

namespace rylmo {

// A Windows profile (.ini) file read and written the way Windows does it: values are taken
// raw, section and key names compare without regard to letter case, and every write goes to
// the file at once, keeping every other section, key, comment and line as it was.
class ProfileFile {
public:
    explicit ProfileFile(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }

    // The value, or fallback when the file, the section or the key is missing.
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;

    // Throws rylmo::Error "Unable to write to <path>" when the file cannot be written.
    void writeString(const std::string& section, const std::string& key, const std::string& value);

private:
    std::string m_path;
};

}  // namespace rylmo
