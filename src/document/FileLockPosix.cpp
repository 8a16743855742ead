#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "document/FileLock.h"

namespace rylmo {

bool FileLock::tryLock(const std::string& path) {
    unlock();
    // flock belongs to the open file, not the process: a second open in this program is
    // refused as another program's would be.
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0) return false;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        ::close(descriptor);
        return false;
    }
    m_handle = descriptor;
    return true;
}

void FileLock::unlock() {
    if (m_handle == -1) return;
    ::close(static_cast<int>(m_handle));
    m_handle = -1;
}

}  // namespace rylmo
