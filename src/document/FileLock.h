#pragma once

#include <cstdint>
#include <string>

namespace rylmo {

// An exclusive lock on a file that the system lets go of when its holder ends, however it
// ends (a crash, a kill, a power cut), so that a lock still held means a living holder. Two
// locks of one program on the same file exclude each other too.
class FileLock {
public:
    FileLock() = default;
    ~FileLock() { unlock(); }
    FileLock(FileLock&& other) noexcept : m_handle(other.m_handle) { other.m_handle = -1; }
    FileLock& operator=(FileLock&& other) noexcept {
        if (this != &other) {
            unlock();
            m_handle = other.m_handle;
            other.m_handle = -1;
        }
        return *this;
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock of the file at path (UTF-8), making the file (its owner's only) when it is
    // not there; false when another holds it or the file cannot be made, and then, when
    // reason is given, why the file could not be made (left empty when another holds it).
    bool tryLock(const std::string& path, std::string* reason = nullptr);
    void unlock();
    bool locked() const { return m_handle != -1; }

private:
    intptr_t m_handle = -1;  // a descriptor, or a Windows handle
};

}  // namespace rylmo
