#include "document/FileStamp.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "document/AtomicFile.h"
#include "document/AtomicFileShared.h"

namespace rylmo {

namespace {

// Size and time alone; the hash stays 0.
FileStamp statOf(const std::string& path) {
    FileStamp stamp;
    std::error_code error;
    const std::filesystem::path file = atomic_file::pathOf(path);
    if (!std::filesystem::is_regular_file(file, error)) return stamp;
    const auto size = std::filesystem::file_size(file, error);
    if (error) return stamp;
    const auto modified = std::filesystem::last_write_time(file, error);
    if (error) return stamp;
    stamp.exists = true;
    stamp.size = size;
    stamp.modified = static_cast<int64_t>(modified.time_since_epoch().count());
    return stamp;
}

std::optional<uint64_t> hashOfFile(const std::string& path) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file(openForReading(path));
    if (!file) return std::nullopt;
    BytesHash hash;
    char buffer[65536];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
        hash.add(std::string_view(buffer, read));
    if (std::ferror(file.get())) return std::nullopt;
    return hash.value();
}

}  // namespace

void BytesHash::add(std::string_view bytes) {
    for (const char byte : bytes) {
        m_value ^= static_cast<unsigned char>(byte);
        m_value *= 1099511628211ull;
    }
}

FileStamp fileStamp(const std::string& path, uint64_t hash) {
    FileStamp stamp = statOf(path);
    if (stamp.exists) stamp.hash = hash;
    return stamp;
}

FileStamp fileStamp(const std::string& path) {
    FileStamp stamp = statOf(path);
    if (!stamp.exists) return stamp;
    const std::optional<uint64_t> hash = hashOfFile(path);
    if (!hash) return {};
    stamp.hash = *hash;
    return stamp;
}

bool changedSince(const FileStamp& stamp, const std::string& path) {
    const FileStamp now = statOf(path);
    if (now.exists != stamp.exists) return true;
    if (!now.exists) return false;
    if (now.size != stamp.size || now.modified != stamp.modified) return true;
    const std::optional<uint64_t> hash = hashOfFile(path);
    return !hash || *hash != stamp.hash;
}

}  // namespace rylmo
