#pragma once

// What the platform files of AtomicFile (and the file stamps, locks and recovery files) share;
// not for use elsewhere.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace rylmo::atomic_file {

// Paths are UTF-8 texts in the program; std::filesystem speaks char8_t for them.
std::filesystem::path pathOf(const std::string& utf8);
std::string utf8Of(const std::filesystem::path& path);

inline constexpr std::size_t kRandomLength = 6;

// The start of the temporary file names of a target: hidden, with as much of the target's
// name as fits, so that the whole name stays within the file system's limit. The name is cut
// at a character boundary.
std::string temporaryPrefix(const std::string& targetName);

// The path a link leads to, following links that point at links; a dangling link leads to
// the file it names, which the save then creates. A loop of links throws rylmo::Error.
std::filesystem::path followLinks(std::filesystem::path path);

std::string notARegularFile(const std::filesystem::path& path);

// A file written in place, through its open handle (read and write). Each returns the
// system's text of a failure, empty on success.
std::string readWhole(intptr_t handle, std::string& bytes);
// Makes sure the disk holds size bytes for the file, growing it when it is shorter.
std::string reserveSize(intptr_t handle, uint64_t size);
// Writes bytes from the file's start.
std::string writeFromStart(intptr_t handle, std::string_view bytes);
std::string setSize(intptr_t handle, uint64_t size);
std::string flushToDisk(intptr_t handle);
void closeHandle(intptr_t handle);

// The temporary file being written now, for the interrupt handler, in the platform's own
// form of a path (wide on Windows), in fixed storage, as a handler may not allocate.
// Makes the calling thread the one whose temporary files are remembered (the one that installs
// the handlers); saves on other threads are not.
void rememberOnThisThread();
void rememberTemporary(const std::string& utf8Path);
void forgetTemporary();
// nullptr when no temporary file is being written.
const std::filesystem::path::value_type* rememberedTemporary();

}  // namespace rylmo::atomic_file
