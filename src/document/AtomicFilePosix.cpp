// AtomicFile and file reading on POSIX systems.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>

#include "document/AtomicFile.h"
#include "document/AtomicFileShared.h"
#include "document/Error.h"
#include "document/SystemError.h"

namespace rylmo {

using namespace atomic_file;

namespace {

std::string systemMessage(int code) {
    return errnoText(code);
}

void removeOnSignal(int signal) {
    if (const char* temporary = rememberedTemporary()) ::unlink(temporary);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

std::FILE* openForReading(const std::string& path, std::string* reason) {
    const auto failed = [reason](const std::string& why) -> std::FILE* {
        if (reason) *reason = why;
        return nullptr;
    };
    // Only a regular file is read: a folder has no contents, and a FIFO would block.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) return failed(errnoText(errno));
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool folder = S_ISDIR(status.st_mode);
        ::close(descriptor);
        return failed(folder ? errnoText(EISDIR)
                             : notARegularFile(std::filesystem::path(pathOf(path))));
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(descriptor, "rb");
    if (!file) {
        const int error = errno;
        ::close(descriptor);
        return failed(errnoText(error));
    }
    return file;
}

void removeTemporaryFileOnSignals() {
    rememberOnThisThread();
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = removeOnSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

namespace atomic_file {

std::string readWhole(intptr_t handle, std::string& bytes) {
    const int descriptor = static_cast<int>(handle);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) return systemMessage(errno);
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            ::pread(descriptor, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return systemMessage(errno);
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return {};
}

std::string reserveSize(intptr_t handle, uint64_t size) {
    if (size == 0) return {};
    const int error = ::posix_fallocate(static_cast<int>(handle), 0, static_cast<off_t>(size));
    // A file system that cannot reserve space is written without it; a failed write still
    // puts the old bytes back.
    if (error == 0 || error == EOPNOTSUPP || error == EINVAL) return {};
    return systemMessage(error);
}

std::string writeFromStart(intptr_t handle, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(static_cast<int>(handle), bytes.data() + done,
                                         bytes.size() - done, static_cast<off_t>(done));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return systemMessage(errno);
        done += static_cast<std::size_t>(written);
    }
    return {};
}

std::string setSize(intptr_t handle, uint64_t size) {
    return ::ftruncate(static_cast<int>(handle), static_cast<off_t>(size)) == 0
               ? std::string()
               : systemMessage(errno);
}

std::string flushToDisk(intptr_t handle) {
    return ::fsync(static_cast<int>(handle)) == 0 ? std::string() : systemMessage(errno);
}

void closeHandle(intptr_t handle) {
    if (handle >= 0) ::close(static_cast<int>(handle));
}

}  // namespace atomic_file

void makePrivateFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(pathOf(folder), error);
    if (error)
        throw Error("nie można utworzyć folderu " + folder + ": " + errnoText(error.value()));
    if (::chmod(folder.c_str(), S_IRWXU) != 0)
        throw Error("nie można zmienić uprawnień folderu " + folder + ": " + errnoText(errno));
}

AtomicFile::AtomicFile(const std::string& target, Options options) : m_options(std::move(options)) {
    const std::filesystem::path path = followLinks(pathOf(target));
    m_target = utf8Of(path);
    struct stat existing {};
    const bool exists = ::stat(m_target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) throw Error(notARegularFile(path));
    // Read-only by its permissions, even for a user whom the system would let write it.
    if (exists && (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        throw Error(systemMessage(EACCES));

    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    m_stalePrefix = temporaryPrefix(utf8Of(path.filename()));
    std::string name = utf8Of(folder / pathOf(m_stalePrefix + std::string(kRandomLength, 'X')));
    const int descriptor = ::mkstemp(name.data());
    int error = errno;
    if (descriptor >= 0) {
        m_handle = descriptor;
        m_temporary = name;
        rememberTemporary(m_temporary);
        // The replacement keeps the target's permissions, owner and group; when it cannot
        // keep the owner, the target is written in place instead.
        mode_t mode = 0666;
        if (m_options.ownerOnly) {
            mode = S_IRUSR | S_IWUSR;
        } else if (exists) {
            mode = existing.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode &= ~mask;
        }
        if (::fchmod(descriptor, mode) != 0) fail(systemMessage(errno));
        struct stat made {};
        const bool sameOwner =
            !exists || (::fstat(descriptor, &made) == 0 && made.st_uid == existing.st_uid &&
                        made.st_gid == existing.st_gid);
        if (sameOwner || ::fchown(descriptor, existing.st_uid, existing.st_gid) == 0) return;
        discardTemporary();
        error = EACCES;
    }
    if (exists && (error == EACCES || error == EPERM || error == EROFS) &&
        ::access(m_target.c_str(), W_OK) == 0) {
        const int inPlace = ::open(m_target.c_str(), O_RDWR | O_CLOEXEC);
        if (inPlace >= 0) {
            m_handle = inPlace;
            m_inPlace = true;
            return;
        }
        error = errno;
    }
    throw Error(systemMessage(error));
}

void AtomicFile::discardTemporary() {
    if (m_handle >= 0) ::close(static_cast<int>(m_handle));
    m_handle = -1;
    if (!m_temporary.empty()) ::unlink(m_temporary.c_str());
    m_temporary.clear();
    forgetTemporary();
}

void AtomicFile::write(std::string_view bytes) {
    if (m_inPlace) {
        m_pending.append(bytes);
        m_written += bytes.size();
        return;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(static_cast<int>(m_handle), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            fail(systemMessage(errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        m_written += static_cast<uint64_t>(written);
    }
}

void AtomicFile::commit() {
    if (m_inPlace) return commitInPlace();
    const int descriptor = static_cast<int>(m_handle);
    if (::fsync(descriptor) != 0) fail(systemMessage(errno));
    m_handle = -1;
    if (::close(descriptor) != 0) fail(systemMessage(errno));
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) fail(systemMessage(errno));
    m_temporary.clear();
    forgetTemporary();
    // Temporary files of the same target that a killed save left behind.
    const std::filesystem::path folder = pathOf(m_target).parent_path();
    const std::string where = folder.empty() ? std::string(".") : utf8Of(folder);
    if (DIR* entries = ::opendir(where.c_str())) {
        while (const dirent* entry = ::readdir(entries)) {
            const std::string_view entryName(entry->d_name);
            if (entryName.size() == m_stalePrefix.size() + kRandomLength &&
                entryName.starts_with(m_stalePrefix)) {
                ::unlink((where + "/" + std::string(entryName)).c_str());
            }
        }
        ::closedir(entries);
    }
}

}  // namespace rylmo
