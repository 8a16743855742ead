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

// Kind, size and time alone; the hash stays 0.
FileStamp statOf(const std::string& path) {
    FileStamp stamp;
    std::error_code error;
    const std::filesystem::path file = atomic_file::pathOf(path);
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error || !std::filesystem::exists(status)) return stamp;
    stamp.exists = true;
    if (std::filesystem::is_directory(status)) {
        stamp.kind = PathKind::folder;
        return stamp;
    }
    if (!std::filesystem::is_regular_file(status)) {
        stamp.kind = PathKind::special;
        return stamp;
    }
    stamp.kind = PathKind::file;
    const auto size = std::filesystem::file_size(file, error);
    if (error) return stamp;
    const auto modified = std::filesystem::last_write_time(file, error);
    if (error) return stamp;
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
    if (stamp.kind == PathKind::file) stamp.hash = hash;
    return stamp;
}

FileStamp fileStamp(const std::string& path) {
    FileStamp stamp = statOf(path);
    if (stamp.kind != PathKind::file) return stamp;
    const std::optional<uint64_t> hash = hashOfFile(path);
    if (hash) {
        stamp.hash = *hash;
    } else {
        stamp.kind = PathKind::unreadable;
    }
    return stamp;
}

bool changedSince(const FileStamp& stamp, const std::string& path) {
    const FileStamp now = statOf(path);
    if (stamp.kind == PathKind::unreadable) return true;
    if (now.kind != stamp.kind) return true;
    if (now.kind != PathKind::file) return false;
    if (now.size != stamp.size || now.modified != stamp.modified) return true;
    const std::optional<uint64_t> hash = hashOfFile(path);
    return !hash || *hash != stamp.hash;
}

}  // namespace rylmo
