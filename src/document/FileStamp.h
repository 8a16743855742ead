#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rylmo {

// What a file on disk was at one moment, to tell later whether another program changed it:
// whether it was there, its size, its modification time and a hash of its bytes.
struct FileStamp {
    bool exists = false;
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

// The file at path (UTF-8) as it is now, its bytes hashed; not there when it is no regular
// file or cannot be read.
FileStamp fileStamp(const std::string& path);
// The same, with the hash of bytes already known to be what the file holds.
FileStamp fileStamp(const std::string& path, uint64_t hash);

// Whether the file at path is no longer what stamp says: gone or back, another size or time,
// or, when those are equal, other bytes.
bool changedSince(const FileStamp& stamp, const std::string& path);

}  // namespace rylmo
