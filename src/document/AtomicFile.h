#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace rylmo {

// The program's one seam to the platform's files: the same interface on Linux and Windows,
// paths in UTF-8 everywhere. Failures throw rylmo::Error with the system's error text.

// Opens a file for reading only; nullptr when it cannot be opened, with why in reason.
std::FILE* openForReading(const std::string& path, std::string* reason = nullptr);

// "niemozliwe otwarcie pliku: " and why, the message of a file that cannot be read.
std::string cannotOpenMessage(const std::string& reason);

// A file that replaces its target only when all of it was written. The bytes go to a hidden
// temporary file beside the target (".<target name>.rylmo~XXXXXX"), which commit() puts in
// the target's place; destroying it uncommitted removes the temporary file, and a
// successful commit also removes those that a killed save of the same target left behind.
//
// A link is written through to the file it names, even one that does not exist yet. A target
// that is read-only or not a regular file is refused and left as it is. When no temporary
// file can be made beside a target that can be written (a folder the user may not write), or
// the replacement could not keep the target's owner, the target is written in place, then
// flushed and checked by its size.
class AtomicFile {
public:
    explicit AtomicFile(const std::string& target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void write(std::string_view bytes);
    void commit();

    // The file actually written: the target, with links followed.
    const std::string& target() const { return m_target; }

private:
    [[noreturn]] void fail(const std::string& message);
    void discardTemporary();

    std::string m_target;
    std::string m_temporary;  // empty when writing in place
    std::string m_stalePrefix;
    uint64_t m_written = 0;
    intptr_t m_handle = -1;  // a descriptor, or a Windows handle
    bool m_inPlace = false;
};

// Makes an interrupt, a termination request or a hang-up remove the temporary file being
// written before the program ends. Call once at start-up, on the thread that saves the
// document: saves on other threads are not removed.
void removeTemporaryFileOnSignals();

}  // namespace rylmo
