#pragma once

#include <string>

namespace rylmo {

// The text of a failed system call as the user reads it: Polish for the failures a file
// can meet (access denied, no space left, name too long, not found, not a folder, a folder,
// read-only file system, too many links, a closed pipe, ...); for any other, the system's
// error number in a Polish sentence (C libraries word their texts in English).

// A C library error number (errno), on every platform.
std::string errnoText(int code);

#ifdef _WIN32
// A Windows error code (GetLastError).
std::string windowsErrorText(unsigned long code);
#endif

}  // namespace rylmo
