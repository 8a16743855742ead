#pragma once

#include <string>

namespace rylmo {

// The text of a failed system call as the user reads it: Polish for the common failures
// (access denied, no space left, name too long, not found, read-only file system, too many
// links), the system's own text for the rest.

// A C library error number (errno), on every platform.
std::string errnoText(int code);

#ifdef _WIN32
// A Windows error code (GetLastError).
std::string windowsErrorText(unsigned long code);
#endif

}  // namespace rylmo
