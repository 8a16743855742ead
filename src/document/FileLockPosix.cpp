#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "document/FileLock.h"
#include "document/SystemError.h"

namespace rylmo {

bool FileLock::tryLock(const std::string& path, std::string* reason) {
    unlock();
    // flock belongs to the open file, not the process: a second open in this program is
    // refused as another program's would be.
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        if (reason) *reason = errnoText(errno);
        return false;
    }
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
