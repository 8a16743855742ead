#include "document/AtomicFile.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <vector>

#include "document/Error.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rylmo {

namespace {

// Paths are UTF-8 texts in the program; std::filesystem speaks char8_t for them.
std::filesystem::path pathOf(const std::string& utf8) { return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())); }
std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

constexpr std::string_view kTemporaryMark = ".rylmo~";
constexpr std::size_t kRandomLength = 6;
constexpr std::size_t kMaxNameLength = 255;

// The start of the temporary file names of a target: hidden, with as much of the target's
// name as fits, so that the whole name stays within the file system's limit. The name is cut
// at a character boundary.
std::string temporaryPrefix(const std::string& targetName) {
    std::size_t room = kMaxNameLength - 1 - kTemporaryMark.size() - kRandomLength;
    std::string name = targetName;
    if (name.size() > room) {
        while (room > 0 && (static_cast<unsigned char>(name[room]) & 0xC0) == 0x80) --room;
        name.resize(room);
    }
    return "." + name + std::string(kTemporaryMark);
}

// The path a link leads to, following links that point at links; a dangling link leads to
// the file it names, which the save then creates.
std::filesystem::path followLinks(std::filesystem::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error)) || error) return path;
        std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

std::string notARegularFile(const std::filesystem::path& path) {
    return "„" + utf8Of(path.filename()) + "” nie jest zwykłym plikiem";
}

// The file being written now, for the signal handler; fixed storage, as a handler may not
// allocate.
char g_temporary[4096];
volatile std::sig_atomic_t g_temporaryActive = 0;

void rememberTemporary(const std::string& path) {
    if (path.size() >= sizeof g_temporary) return;
    std::memcpy(g_temporary, path.c_str(), path.size() + 1);
    g_temporaryActive = 1;
}

void forgetTemporary() { g_temporaryActive = 0; }

#ifdef _WIN32

std::wstring wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
    return text;
}

std::string systemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L'.')) text.pop_back();
    if (text.empty()) return "Windows error " + std::to_string(code);
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

HANDLE handleOf(intptr_t value) { return reinterpret_cast<HANDLE>(value); }

BOOL WINAPI removeOnConsoleEvent(DWORD) {
    if (g_temporaryActive) DeleteFileA(g_temporary);
    return FALSE;
}

#else

std::string systemMessage(int code) { return std::strerror(code); }

void removeOnSignal(int signal) {
    if (g_temporaryActive) ::unlink(g_temporary);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

#endif

}  // namespace

#ifdef _WIN32

std::FILE* openForReading(const std::string& path) { return _wfopen(wide(path).c_str(), L"rb"); }

void removeTemporaryFileOnSignals() { SetConsoleCtrlHandler(removeOnConsoleEvent, TRUE); }

AtomicFile::AtomicFile(const std::string& target) {
    const std::filesystem::path path = followLinks(pathOf(target));
    m_target = utf8Of(path);
    const std::wstring wideTarget = wide(m_target);
    const DWORD attributes = GetFileAttributesW(wideTarget.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE))) throw Error(notARegularFile(path));
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) throw Error(systemMessage(ERROR_ACCESS_DENIED));

    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    m_stalePrefix = temporaryPrefix(utf8Of(path.filename()));
    DWORD error = 0;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        char random[kRandomLength + 1];
        std::snprintf(random, sizeof random, "%06lu",
                      static_cast<unsigned long>((GetTickCount64() * 7919 + GetCurrentProcessId() + attempt * 104729) % 1000000));
        const std::string name = utf8Of(folder / pathOf(m_stalePrefix + random));
        const HANDLE h = CreateFileW(wide(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            m_handle = reinterpret_cast<intptr_t>(h);
            m_temporary = name;
            rememberTemporary(m_temporary);
            return;
        }
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS) break;
    }
    if (error == ERROR_ACCESS_DENIED && exists) {
        const HANDLE h = CreateFileW(wideTarget.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            m_handle = reinterpret_cast<intptr_t>(h);
            m_inPlace = true;
            return;
        }
        error = GetLastError();
    }
    throw Error(systemMessage(error));
}

AtomicFile::~AtomicFile() { discardTemporary(); }

void AtomicFile::discardTemporary() {
    if (m_handle != -1) CloseHandle(handleOf(m_handle));
    m_handle = -1;
    if (!m_temporary.empty()) DeleteFileW(wide(m_temporary).c_str());
    m_temporary.clear();
    forgetTemporary();
}

void AtomicFile::fail(const std::string& message) {
    discardTemporary();
    throw Error(message);
}

void AtomicFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30));
        DWORD written = 0;
        if (!WriteFile(handleOf(m_handle), bytes.data(), chunk, &written, nullptr)) fail(systemMessage(GetLastError()));
        bytes.remove_prefix(written);
        m_written += written;
    }
}

void AtomicFile::commit() {
    const HANDLE h = handleOf(m_handle);
    if (m_inPlace && !SetEndOfFile(h)) fail(systemMessage(GetLastError()));
    if (!FlushFileBuffers(h)) fail(systemMessage(GetLastError()));
    LARGE_INTEGER size{};
    if (m_inPlace && (!GetFileSizeEx(h, &size) || static_cast<uint64_t>(size.QuadPart) != m_written)) {
        fail(systemMessage(ERROR_WRITE_FAULT));
    }
    CloseHandle(h);
    m_handle = -1;
    if (m_inPlace) return;
    const std::wstring target = wide(m_target);
    const std::wstring temporary = wide(m_temporary);
    // Replacing keeps the target's attributes and security; a new target is moved in place.
    const bool replaced = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES
                              ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                              : MoveFileExW(temporary.c_str(), target.c_str(),
                                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) &&
                                    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!replaced) fail(systemMessage(GetLastError()));
    m_temporary.clear();
    forgetTemporary();
    // Temporary files of the same target that a killed save left behind.
    const std::filesystem::path folder = pathOf(m_target).parent_path();
    WIN32_FIND_DATAW found;
    const std::wstring pattern =
        wide(utf8Of((folder.empty() ? std::filesystem::path(".") : folder) / pathOf(m_stalePrefix + "*")));
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        DeleteFileW(((folder.empty() ? std::filesystem::path(".") : folder) / found.cFileName).wstring().c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

#else

std::FILE* openForReading(const std::string& path) {
    // Only a regular file is read: a folder has no contents, and a FIFO would block.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) return nullptr;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return nullptr;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(descriptor, "rb");
    if (!file) ::close(descriptor);
    return file;
}

void removeTemporaryFileOnSignals() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = removeOnSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

AtomicFile::AtomicFile(const std::string& target) {
    const std::filesystem::path path = followLinks(pathOf(target));
    m_target = utf8Of(path);
    struct stat existing {};
    const bool exists = ::stat(m_target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) throw Error(notARegularFile(path));
    // Read-only by its permissions, even for a user whom the system would let write it.
    if (exists && (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) throw Error(systemMessage(EACCES));

    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
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
        if (exists) {
            mode = existing.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode &= ~mask;
        }
        if (::fchmod(descriptor, mode) != 0) fail(systemMessage(errno));
        struct stat made {};
        const bool sameOwner = !exists || (::fstat(descriptor, &made) == 0 && made.st_uid == existing.st_uid &&
                                           made.st_gid == existing.st_gid);
        if (sameOwner || ::fchown(descriptor, existing.st_uid, existing.st_gid) == 0) return;
        discardTemporary();
        error = EACCES;
    }
    if (exists && (error == EACCES || error == EPERM || error == EROFS) && ::access(m_target.c_str(), W_OK) == 0) {
        const int inPlace = ::open(m_target.c_str(), O_WRONLY | O_CLOEXEC);
        if (inPlace >= 0) {
            m_handle = inPlace;
            m_inPlace = true;
            return;
        }
        error = errno;
    }
    throw Error(systemMessage(error));
}

AtomicFile::~AtomicFile() { discardTemporary(); }

void AtomicFile::discardTemporary() {
    if (m_handle >= 0) ::close(static_cast<int>(m_handle));
    m_handle = -1;
    if (!m_temporary.empty()) ::unlink(m_temporary.c_str());
    m_temporary.clear();
    forgetTemporary();
}

void AtomicFile::fail(const std::string& message) {
    discardTemporary();
    throw Error(message);
}

void AtomicFile::write(std::string_view bytes) {
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
    const int descriptor = static_cast<int>(m_handle);
    if (m_inPlace && ::ftruncate(descriptor, static_cast<off_t>(m_written)) != 0) fail(systemMessage(errno));
    if (::fsync(descriptor) != 0) fail(systemMessage(errno));
    struct stat written {};
    if (m_inPlace && (::fstat(descriptor, &written) != 0 || static_cast<uint64_t>(written.st_size) != m_written)) {
        fail(systemMessage(EIO));
    }
    m_handle = -1;
    if (::close(descriptor) != 0) fail(systemMessage(errno));
    if (m_inPlace) return;
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) fail(systemMessage(errno));
    m_temporary.clear();
    forgetTemporary();
    // Temporary files of the same target that a killed save left behind.
    const std::filesystem::path folder = pathOf(m_target).parent_path();
    const std::string where = folder.empty() ? std::string(".") : utf8Of(folder);
    if (DIR* entries = ::opendir(where.c_str())) {
        while (const dirent* entry = ::readdir(entries)) {
            const std::string_view entryName(entry->d_name);
            if (entryName.size() == m_stalePrefix.size() + kRandomLength && entryName.starts_with(m_stalePrefix)) {
                ::unlink((where + "/" + std::string(entryName)).c_str());
            }
        }
        ::closedir(entries);
    }
}

#endif

}  // namespace rylmo
