#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rylmo {

// What stands at a path.
enum class PathKind {
    missing,
    file,        // a regular file whose bytes could be read
    unreadable,  // a regular file whose bytes cannot be read (a write-only file, say)
    folder,
    special,  // a FIFO, a device, a socket
};

// What a file on disk was at one moment, to tell later whether another program changed it:
// what stood at its path, its size, its modification time and a hash of its bytes.
struct FileStamp {
    bool exists = false;  // anything stands at the path
    PathKind kind = PathKind::missing;
    uint64_t size = 0;
    int64_t modified = 0;  // in the file system's own ticks
    uint64_t hash = 0;

    bool operator==(const FileStamp&) const = default;
};

// A 64-bit FNV-1a hash, fed piece by piece: the same for the same bytes however cut.
class BytesHash {
public:
    void add(std::string_view bytes);
    uint64_t value() const { return m_value; }

private:
    uint64_t m_value = 14695981039346656037ull;
};

// The file at path (UTF-8) as it is now, its bytes hashed when it is a regular file that can
// be read.
FileStamp fileStamp(const std::string& path);
// The same, with the hash of bytes already known to be what the file holds.
FileStamp fileStamp(const std::string& path, uint64_t hash);

// Whether the file at path is no longer what stamp says: gone or back, another kind, another
// size or time, or, when those are equal, other bytes; a file whose bytes cannot be read
// back is taken as changed.
bool changedSince(const FileStamp& stamp, const std::string& path);

}  // namespace rylmo
