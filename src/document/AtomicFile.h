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
// the replacement could not keep the target's owner, the target is written in place: the new
// bytes are held until commit(), which first takes a copy of the old ones and reserves the
// new size on the disk, so that a full disk or a failed write puts the old bytes back and
// says the file is unchanged.
class AtomicFile {
public:
    struct Options {
        // A file only its owner may read and write (0600 on POSIX), also when it existed.
        bool ownerOnly = false;
        // Where a save in place keeps a copy of the bytes it overwrites until the new ones are
        // whole on the disk (the recovery folder); empty: the copy is held in memory only.
        std::string inPlaceBackupFolder;
    };

    explicit AtomicFile(const std::string& target) : AtomicFile(target, Options{}) {}
    AtomicFile(const std::string& target, Options options);
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
    void commitInPlace();
    // The copy of the bytes a save in place overwrites, in the backup folder; its path, or
    // empty without a folder. Throws rylmo::Error.
    std::string keepBackup(const std::string& original) const;

    std::string m_target;
    std::string m_temporary;  // empty when writing in place
    std::string m_stalePrefix;
    uint64_t m_written = 0;
    intptr_t m_handle = -1;  // a descriptor, or a Windows handle
    bool m_inPlace = false;
    std::string m_pending;  // the new bytes of a save in place, written at commit()
    Options m_options;
};

// Makes folder (UTF-8) and the folders above it when they are missing, and lets only its
// owner into it (0700 on POSIX; on Windows the user's own application data folder is private
// already). Throws rylmo::Error with the system's reason.
void makePrivateFolder(const std::string& folder);

// Makes an interrupt, a termination request or a hang-up remove the temporary file being
// written before the program ends. Call once at start-up, on the thread that saves the
// document: saves on other threads are not removed.
void removeTemporaryFileOnSignals();

}  // namespace rylmo
