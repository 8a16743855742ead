#include "document/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "document/Error.h"

namespace rylmo {

AtomicFile::AtomicFile(const std::string& target) : m_target(target) {
    // A link to the file stays a link: the file it points at is the one replaced.
    std::error_code ignored;
    if (std::filesystem::is_symlink(target, ignored)) {
        const std::filesystem::path real = std::filesystem::canonical(target, ignored);
        if (!ignored) m_target = real.string();
    }
    std::vector<char> name(m_target.begin(), m_target.end());
    const char suffix[] = ".XXXXXX";
    name.insert(name.end(), suffix, suffix + sizeof suffix);
    m_descriptor = ::mkstemp(name.data());
    if (m_descriptor < 0) throw Error(std::strerror(errno));
    m_temporary = name.data();

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat existing {};
    mode_t mode = 0666;
    if (::stat(m_target.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(m_descriptor, mode) != 0) fail(errno);
}

AtomicFile::~AtomicFile() {
    if (m_descriptor >= 0) ::close(m_descriptor);
    if (!m_temporary.empty()) ::unlink(m_temporary.c_str());
}

void AtomicFile::fail(int error) {
    if (m_descriptor >= 0) ::close(m_descriptor);
    m_descriptor = -1;
    ::unlink(m_temporary.c_str());
    m_temporary.clear();
    throw Error(std::strerror(error));
}

void AtomicFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void AtomicFile::commit() {
    if (::fsync(m_descriptor) != 0) fail(errno);
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    if (::close(descriptor) != 0) fail(errno);
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) fail(errno);
    m_temporary.clear();
}

}  // namespace rylmo
