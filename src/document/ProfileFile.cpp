#include "document/ProfileFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "document/AtomicFile.h"
#include "document/Error.h"
#include "document/SystemError.h"
#include "document/Tokens.h"

namespace rylmo {

namespace {

struct FileText {
    bool exists = false;
    std::string text;
    std::string unreadable;  // why the file cannot be read; empty when it can
};

FileText fileText(const std::string& path) {
    FileText file;
    std::error_code error;
    const auto status = std::filesystem::status(
        std::filesystem::path(std::u8string(path.begin(), path.end())), error);
    if (error || !std::filesystem::exists(status)) return file;
    file.exists = true;
    // Opening a FIFO or a device would block or read forever.
    if (!std::filesystem::is_regular_file(status)) {
        file.unreadable = "to nie jest zwykły plik";
        return file;
    }
    std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())),
                     std::ios::binary);
    if (!in) {
        file.unreadable = errnoText(errno);
        return file;
    }
    std::ostringstream text;
    text << in.rdbuf();
    file.text = text.str();
    return file;
}

// The line of text that begins at start, without its end; start moves to the next line.
std::string_view nextLine(std::string_view text, std::size_t& start) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    const std::string_view line = text.substr(start, stop - start);
    start = end + 1;
    return line;
}

// The lines of text, without their ends; views into text.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) lines.push_back(nextLine(text, start));
    return lines;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The section name of a "[name]" line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimBlanks(line.substr(1, close - 1));
}

// The key of a "key=value" line; comments and other lines have none.
std::optional<std::string_view> keyName(std::string_view line) {
    const std::string_view trimmed = trimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return trimBlanks(line.substr(0, equals));
}

struct Location {
    std::optional<std::size_t> section;  // line of the section header
    std::size_t sectionEnd = 0;          // one past the last line of the section
    std::optional<std::size_t> key;      // line of the key
};

Location locate(const std::vector<std::string_view>& lines, const std::string& section,
                const std::string& key) {
    Location where;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = sectionName(lines[i])) {
            if (where.section) break;
            if (sameName(*name, section)) where.section = i;
            continue;
        }
        if (!where.section) continue;
        where.sectionEnd = i + 1;
        if (!where.key) {
            auto name = keyName(lines[i]);
            if (name && sameName(*name, key)) where.key = i;
        }
    }
    if (where.section && where.sectionEnd == 0) where.sectionEnd = *where.section + 1;
    return where;
}

std::optional<std::string> valueIn(const std::string& path, const std::string& section,
                                   const std::string& key) {
    if (path.empty()) return std::nullopt;
    return profileValue(fileText(path).text, section, key);
}

}  // namespace

// One pass over the text, as locate finds a key: the first section of that name, up to the
// next section.
std::optional<std::string> profileValue(const std::string& text, const std::string& section,
                                        const std::string& key) {
    bool inSection = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::string_view line = nextLine(text, start);
        if (auto name = sectionName(line)) {
            if (inSection) return std::nullopt;
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection) continue;
        const auto name = keyName(line);
        if (name && sameName(*name, key))
            return std::string(trimBlanks(line.substr(line.find('=') + 1)));
    }
    return std::nullopt;
}

std::string profileWithValue(const std::string& text, const std::string& section,
                             const std::string& key, const std::string& value) {
    const bool unixLines =
        text.find('\n') != std::string::npos && text.find("\r\n") == std::string::npos;
    const std::string eol = unixLines ? "\n" : "\r\n";
    std::vector<std::string_view> lines = splitLines(text);
    const Location where = locate(lines, section, key);
    const std::string entry = key + "=" + value;
    const std::string header = "[" + section + "]";
    if (where.key) {
        lines[*where.key] = entry;
    } else if (where.section) {
        std::size_t at = where.sectionEnd;
        while (at > *where.section + 1 && trimBlanks(lines[at - 1]).empty()) --at;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
    } else {
        lines.push_back(header);
        lines.push_back(entry);
    }
    std::string out;
    out.reserve(text.size() + entry.size() + header.size() + 4);
    for (const std::string_view line : lines) {
        out += line;
        out += eol;
    }
    return out;
}

std::string ProfileFile::readString(const std::string& section, const std::string& key,
                                    const std::string& fallback) const {
    if (auto value = valueIn(m_path, section, key)) return *value;
    if (auto value = valueIn(m_fallbackPath, section, key)) return *value;
    return fallback;
}

void ProfileFile::writeString(const std::string& section, const std::string& key,
                              const std::string& value) {
    const FileText file = fileText(m_path);
    if (!file.unreadable.empty()) {
        throw Error("Nie można odczytać pliku ustawień " + m_path + " (" + file.unreadable +
                    "), więc nie został zmieniony");
    }
    const std::string out = profileWithValue(file.text, section, key, value);
    try {
        AtomicFile target(m_path);
        target.write(out);
        target.commit();
    } catch (const Error&) {
        // Kept on purpose: the message stays in English, word for word as it has always been.
        throw Error("Unable to write to " + m_path);
    }
}

}  // namespace rylmo
