#include "document/SystemError.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace rylmo {

namespace {

const char* const kAccessDenied = "Brak dostępu";
const char* const kNoSpace = "Brak miejsca na dysku";
const char* const kNameTooLong = "Nazwa pliku jest zbyt długa";
const char* const kNotFound = "Nie ma takiego pliku ani folderu";
const char* const kReadOnly = "System plików jest tylko do odczytu";
const char* const kTooManyLinks = "Zbyt wiele dowiązań symbolicznych";

}  // namespace

std::string errnoText(int code) {
    switch (code) {
        case EACCES:
        case EPERM:
            return kAccessDenied;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return kNoSpace;
        case ENAMETOOLONG:
            return kNameTooLong;
        case ENOENT:
            return kNotFound;
#ifdef EROFS
        case EROFS:
            return kReadOnly;
#endif
#ifdef ELOOP
        case ELOOP:
            return kTooManyLinks;
#endif
        case EMLINK:
            return kTooManyLinks;
        default:
            return std::strerror(code);
    }
}

#ifdef _WIN32
std::string windowsErrorText(unsigned long code) {
    switch (code) {
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return kAccessDenied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return kNoSpace;
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_BUFFER_OVERFLOW:
            return kNameTooLong;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return kNotFound;
        case ERROR_WRITE_PROTECT:
            return kReadOnly;
        case ERROR_TOO_MANY_LINKS:
        case ERROR_CANT_RESOLVE_FILENAME:
            return kTooManyLinks;
        default:
            break;
    }
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L'.'))
        text.pop_back();
    if (text.empty()) return "Błąd systemu Windows " + std::to_string(code);
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}
#endif

}  // namespace rylmo
