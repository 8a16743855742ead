#include "document/AtomicFileShared.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <string_view>
#include <thread>

#include "document/AtomicFile.h"
#include "document/Error.h"
#include "document/SystemError.h"

namespace rylmo {

namespace atomic_file {

std::filesystem::path pathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

namespace {

constexpr std::string_view kTemporaryMark = ".rylmo~";
constexpr std::size_t kMaxNameLength = 255;

std::filesystem::path::value_type g_temporary[4096];
volatile std::sig_atomic_t g_temporaryActive = 0;
// The one thread whose saves the signal handlers know of: a save on another thread (the
// recovery writer) leaves g_temporary alone, which one thread may own.
std::thread::id g_signalThread;

}  // namespace

std::string temporaryPrefix(const std::string& targetName) {
    std::size_t room = kMaxNameLength - 1 - kTemporaryMark.size() - kRandomLength;
    std::string name = targetName;
    if (name.size() > room) {
        while (room > 0 && (static_cast<unsigned char>(name[room]) & 0xC0) == 0x80) --room;
        name.resize(room);
    }
    return "." + name + std::string(kTemporaryMark);
}

std::filesystem::path followLinks(std::filesystem::path path) {
    // As many links as the system itself follows; more is a loop, which saving must not
    // replace with a plain file.
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error)) || error)
            return path;
        std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    throw Error(errnoText(ELOOP));
}

std::string notARegularFile(const std::filesystem::path& path) {
    return "„" + utf8Of(path.filename()) + "” nie jest zwykłym plikiem";
}

void rememberOnThisThread() {
    g_signalThread = std::this_thread::get_id();
}

void rememberTemporary(const std::string& utf8Path) {
    if (std::this_thread::get_id() != g_signalThread) return;
    const std::filesystem::path::string_type native = pathOf(utf8Path).native();
    if (native.size() >= std::size(g_temporary)) return;
    std::memcpy(g_temporary, native.c_str(), (native.size() + 1) * sizeof(g_temporary[0]));
    g_temporaryActive = 1;
}

void forgetTemporary() {
    if (std::this_thread::get_id() != g_signalThread) return;
    g_temporaryActive = 0;
}

const std::filesystem::path::value_type* rememberedTemporary() {
    return g_temporaryActive ? g_temporary : nullptr;
}

}  // namespace atomic_file

using namespace atomic_file;

std::string AtomicFile::keepBackup(const std::string& original) const {
    if (m_options.inPlaceBackupFolder.empty()) return {};
    makePrivateFolder(m_options.inPlaceBackupFolder);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const std::string path = utf8Of(
        pathOf(m_options.inPlaceBackupFolder) /
        pathOf(utf8Of(pathOf(m_target).filename()) + "." +
               std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()) +
               ".przed-zapisem"));
    Options owned;
    owned.ownerOnly = true;
    AtomicFile backup(path, owned);
    backup.write(original);
    backup.commit();
    return path;
}

// Overwriting the only copy of the user's file: the old bytes are kept (in memory and in the
// backup folder) and the new size is reserved before the first byte changes, and any failure
// puts the old bytes back.
void AtomicFile::commitInPlace() {
    const std::string name = utf8Of(pathOf(m_target).filename());
    const auto unchanged = [&](const std::string& why) {
        closeHandle(m_handle);
        m_handle = -1;
        throw Error(why + ". Plik " + name + " nie został zmieniony");
    };
    std::string original;
    if (std::string why = readWhole(m_handle, original); !why.empty()) unchanged(why);
    std::string backup;
    try {
        backup = keepBackup(original);
    } catch (const Error& error) {
        unchanged("Nie można zachować kopii pliku przed zapisem: " + std::string(error.what()));
    }
    const auto removeBackup = [&] {
        std::error_code ignored;
        if (!backup.empty()) std::filesystem::remove(pathOf(backup), ignored);
    };
    std::string why = reserveSize(m_handle, m_pending.size());
    if (why.empty()) why = writeFromStart(m_handle, m_pending);
    if (why.empty()) why = setSize(m_handle, m_pending.size());
    if (why.empty()) why = flushToDisk(m_handle);
    if (why.empty()) {
        closeHandle(m_handle);
        m_handle = -1;
        removeBackup();
        return;
    }
    std::string restored = writeFromStart(m_handle, original);
    if (restored.empty()) restored = setSize(m_handle, original.size());
    if (restored.empty()) restored = flushToDisk(m_handle);
    if (restored.empty()) {
        removeBackup();
        unchanged(why);
    }
    closeHandle(m_handle);
    m_handle = -1;
    throw Error(why + ". Nie udało się przywrócić poprzedniej zawartości pliku " + name +
                (backup.empty() ? std::string() : "; jej kopia jest w pliku " + backup));
}

// The one way a save fails: the temporary file goes, the previous file stays as it was.
void AtomicFile::fail(const std::string& message) {
    discardTemporary();
    throw Error(message);
}

AtomicFile::~AtomicFile() {
    discardTemporary();
}

std::string cannotOpenMessage(const std::string& reason) {
    return reason.empty() ? "niemozliwe otwarcie pliku" : "niemozliwe otwarcie pliku: " + reason;
}

}  // namespace rylmo
