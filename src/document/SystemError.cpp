#include "document/SystemError.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <string>
#include <system_error>

#include "document/Error.h"

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
const char* const kNotAFolder = "Część ścieżki nie jest folderem";
const char* const kAFolder = "To jest folder, nie plik";

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
        case ENOTDIR:
            return kNotAFolder;
        case EISDIR:
            return kAFolder;
        case EPIPE:
            return "Odbiorca danych zamknął połączenie (potok)";
        case EEXIST:
            return "Plik już istnieje";
        case EBUSY:
#ifdef ETXTBSY
        case ETXTBSY:
#endif
            return "Plik jest używany przez inny program";
        case EIO:
            return "Błąd odczytu lub zapisu urządzenia";
        case ENOMEM:
            return "Za mało pamięci";
        case EMFILE:
        case ENFILE:
            return "Zbyt wiele otwartych plików";
        case EFBIG:
            return "Plik jest zbyt duży";
        case EXDEV:
            return "Nie można przenieść pliku na inny dysk";
        case EINVAL:
            return "Niepoprawna nazwa lub operacja";
        case ENXIO:
        case ENODEV:
            return "Nie ma takiego urządzenia";
        default:
            return "Błąd systemu nr " + std::to_string(code);
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

std::string failureMessage(const std::exception& failure) {
    if (dynamic_cast<const Error*>(&failure)) return failure.what();
    if (dynamic_cast<const std::bad_alloc*>(&failure)) return "Za mało pamięci";
    if (const auto* system = dynamic_cast<const std::system_error*>(&failure)) {
        if (system->code().category() == std::generic_category())
            return errnoText(system->code().value());
        if (system->code().category() == std::system_category()) {
#ifdef _WIN32
            return windowsErrorText(static_cast<unsigned long>(system->code().value()));
#else
            return errnoText(system->code().value());
#endif
        }
    }
    return "Błąd wewnętrzny programu";
}

}  // namespace rylmo
