#include <windows.h>

#include "document/AtomicFileShared.h"
#include "document/FileLock.h"

namespace rylmo {

bool FileLock::tryLock(const std::string& path) {
    unlock();
    // Opened without sharing: every other open fails until the handle is closed, which the
    // system does when the program ends.
    const HANDLE handle =
        CreateFileW(atomic_file::pathOf(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    m_handle = reinterpret_cast<intptr_t>(handle);
    return true;
}

void FileLock::unlock() {
    if (m_handle == -1) return;
    CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = -1;
}

}  // namespace rylmo
