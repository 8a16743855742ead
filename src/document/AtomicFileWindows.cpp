// AtomicFile and file reading on Windows: wide paths throughout.
#include <windows.h>

#include <io.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "document/AtomicFile.h"
#include "document/AtomicFileShared.h"
#include "document/Error.h"
#include "document/SystemError.h"

namespace rylmo {

using namespace atomic_file;

namespace {

std::wstring wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                        length);
    return text;
}

std::string systemMessage(DWORD code) {
    return windowsErrorText(code);
}

HANDLE handleOf(intptr_t value) {
    return reinterpret_cast<HANDLE>(value);
}

// Ctrl+C, Ctrl+Break or a closed console: the temporary file goes, by its wide name.
BOOL WINAPI removeOnConsoleEvent(DWORD) {
    if (const wchar_t* temporary = rememberedTemporary()) DeleteFileW(temporary);
    return FALSE;
}

}  // namespace

std::FILE* openForReading(const std::string& path, std::string* reason) {
    // Only a file on a disk is read: a device or a pipe could block.
    std::FILE* file = _wfopen(wide(path).c_str(), L"rb");
    if (!file) {
        if (reason) *reason = errnoText(errno);
        return nullptr;
    }
    if (GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != FILE_TYPE_DISK) {
        std::fclose(file);
        if (reason) *reason = notARegularFile(pathOf(path));
        return nullptr;
    }
    return file;
}

void removeTemporaryFileOnSignals() {
    rememberOnThisThread();
    SetConsoleCtrlHandler(removeOnConsoleEvent, TRUE);
}

namespace atomic_file {

std::string readWhole(intptr_t handle, std::string& bytes) {
    const HANDLE h = handleOf(handle);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(h, &size)) return systemMessage(GetLastError());
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(h, start, nullptr, FILE_BEGIN)) return systemMessage(GetLastError());
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
        DWORD got = 0;
        if (!ReadFile(h, bytes.data() + done, chunk, &got, nullptr))
            return systemMessage(GetLastError());
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return {};
}

std::string reserveSize(intptr_t handle, uint64_t size) {
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = static_cast<LONGLONG>(size);
    if (SetFileInformationByHandle(handleOf(handle), FileAllocationInfo, &allocation,
                                   sizeof allocation))
        return {};
    const DWORD error = GetLastError();
    // A file system that cannot reserve space is written without it.
    if (error == ERROR_INVALID_PARAMETER || error == ERROR_NOT_SUPPORTED ||
        error == ERROR_INVALID_FUNCTION)
        return {};
    return systemMessage(error);
}

std::string writeFromStart(intptr_t handle, std::string_view bytes) {
    const HANDLE h = handleOf(handle);
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(h, start, nullptr, FILE_BEGIN)) return systemMessage(GetLastError());
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30));
        DWORD written = 0;
        if (!WriteFile(h, bytes.data(), chunk, &written, nullptr))
            return systemMessage(GetLastError());
        bytes.remove_prefix(written);
    }
    return {};
}

std::string setSize(intptr_t handle, uint64_t size) {
    const HANDLE h = handleOf(handle);
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    if (!SetFilePointerEx(h, end, nullptr, FILE_BEGIN) || !SetEndOfFile(h))
        return systemMessage(GetLastError());
    return {};
}

std::string flushToDisk(intptr_t handle) {
    return FlushFileBuffers(handleOf(handle)) ? std::string() : systemMessage(GetLastError());
}

void closeHandle(intptr_t handle) {
    if (handle != -1) CloseHandle(handleOf(handle));
}

}  // namespace atomic_file

void makePrivateFolder(const std::string& folder) {
    // The user's own local application data is not shared with other users.
    std::error_code error;
    std::filesystem::create_directories(pathOf(folder), error);
    if (error) {
        throw Error("nie można utworzyć folderu " + folder + ": " +
                    (error.category() == std::generic_category()
                         ? errnoText(error.value())
                         : systemMessage(static_cast<DWORD>(error.value()))));
    }
}

AtomicFile::AtomicFile(const std::string& target, Options options) : m_options(std::move(options)) {
    const std::filesystem::path path = followLinks(pathOf(target));
    m_target = utf8Of(path);
    const std::wstring wideTarget = wide(m_target);
    const DWORD attributes = GetFileAttributesW(wideTarget.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
        throw Error(notARegularFile(path));
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        throw Error(systemMessage(ERROR_ACCESS_DENIED));

    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    m_stalePrefix = temporaryPrefix(utf8Of(path.filename()));
    DWORD error = 0;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        char random[kRandomLength + 1];
        std::snprintf(
            random, sizeof random, "%06lu",
            static_cast<unsigned long>(
                (GetTickCount64() * 7919 + GetCurrentProcessId() + attempt * 104729) % 1000000));
        const std::string name = utf8Of(folder / pathOf(m_stalePrefix + random));
        const HANDLE h = CreateFileW(wide(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_HIDDEN, nullptr);
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
        const HANDLE h = CreateFileW(wideTarget.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            m_handle = reinterpret_cast<intptr_t>(h);
            m_inPlace = true;
            return;
        }
        error = GetLastError();
    }
    throw Error(systemMessage(error));
}

void AtomicFile::discardTemporary() {
    if (m_handle != -1) CloseHandle(handleOf(m_handle));
    m_handle = -1;
    if (!m_temporary.empty()) DeleteFileW(wide(m_temporary).c_str());
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
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30));
        DWORD written = 0;
        if (!WriteFile(handleOf(m_handle), bytes.data(), chunk, &written, nullptr))
            fail(systemMessage(GetLastError()));
        bytes.remove_prefix(written);
        m_written += written;
    }
}

void AtomicFile::commit() {
    if (m_inPlace) return commitInPlace();
    const HANDLE h = handleOf(m_handle);
    if (!FlushFileBuffers(h)) fail(systemMessage(GetLastError()));
    CloseHandle(h);
    m_handle = -1;
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
    const std::wstring pattern = wide(utf8Of(
        (folder.empty() ? std::filesystem::path(".") : folder) / pathOf(m_stalePrefix + "*")));
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        DeleteFileW(((folder.empty() ? std::filesystem::path(".") : folder) / found.cFileName)
                        .wstring()
                        .c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace rylmo
