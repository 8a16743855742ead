#pragma once

#include <optional>
#include <string>

namespace rylmo {

// The value of key in section of a profile file's text, as ProfileFile reads it.
std::optional<std::string> profileValue(const std::string& text, const std::string& section,
                                        const std::string& key);
// The text with key in section set to value, as ProfileFile writes it.
std::string profileWithValue(const std::string& text, const std::string& section,
                             const std::string& key, const std::string& value);

// A Windows profile (.ini) file read and written the way Windows does it: values are taken
// raw, section and key names compare without regard to letter case, and every write goes to
// the file at once, keeping every other section, key, comment and line as it was.
//
// Only a regular file is a profile file. One that exists but cannot be read is never
// written: that would drop every line it holds.
class ProfileFile {
public:
    // A key missing from path is read from fallbackPath when one is given (the settings
    // beside the program, under the user's own ones).
    explicit ProfileFile(std::string path, std::string fallbackPath = {})
        : m_path(std::move(path)), m_fallbackPath(std::move(fallbackPath)) {}

    const std::string& path() const { return m_path; }

    // The value, or fallback when the files, the section or the key are missing.
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;

    // Throws rylmo::Error "Unable to write to <path>" when the file cannot be written, and a
    // Polish message saying why when it exists but cannot be read.
    void writeString(const std::string& section, const std::string& key, const std::string& value);

private:
    std::string m_path;
    std::string m_fallbackPath;
};

}  // namespace rylmo
