#include <windows.h>

#include "document/AtomicFileShared.h"
#include "document/FileLock.h"
#include "document/SystemError.h"

namespace rylmo {

bool FileLock::tryLock(const std::string& path, std::string* reason) {
    unlock();
    // Opened without sharing: every other open fails until the handle is closed, which the
    // system does when the program ends.
    const HANDLE handle =
        CreateFileW(atomic_file::pathOf(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // Held by a living window: the one failure that is no failure of the folder.
        if (reason && error != ERROR_SHARING_VIOLATION) *reason = windowsErrorText(error);
        return false;
    }
    m_handle = reinterpret_cast<intptr_t>(handle);
    return true;
}

void FileLock::unlock() {
    if (m_handle == -1) return;
    CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = -1;
}

}  // namespace rylmo
