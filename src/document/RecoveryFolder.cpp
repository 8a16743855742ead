#include "document/RecoveryFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>

#include "document/AtomicFile.h"
#include "document/AtomicFileShared.h"
#include "document/Error.h"

namespace rylmo {

namespace {

using atomic_file::pathOf;
using atomic_file::utf8Of;

constexpr std::string_view kDocumentExtension = ".odzysk";
constexpr std::string_view kIndexExtension = ".indeks";
constexpr std::string_view kLockExtension = ".blokada";

std::string readWholeFile(const std::string& path) {
    std::string reason;
    std::FILE* file = openForReading(path, &reason);
    if (!file) throw Error(cannotOpenMessage(reason));
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) throw Error("błąd odczytu pliku " + path);
    return bytes;
}

// The first bytes of a file, at most limit of them.
std::string readStartOfFile(const std::string& path, std::size_t limit) {
    std::string reason;
    std::FILE* file = openForReading(path, &reason);
    if (!file) throw Error(cannotOpenMessage(reason));
    std::string bytes(limit, '\0');
    bytes.resize(std::fread(bytes.data(), 1, limit, file));
    std::fclose(file);
    return bytes;
}

// Recovery files hold an author's unsaved work and the path of the file: the owner's alone.
void writeWholeFile(const std::string& path, std::string_view bytes) {
    AtomicFile::Options owned;
    owned.ownerOnly = true;
    AtomicFile file(path, owned);
    file.write(bytes);
    file.commit();
}

}  // namespace

namespace {

// The window id a file of the recovery folder belongs to: "<id>.odzysk", "<id>.indeks",
// "<id>.blokada", or a temporary file ".<id>.odzysk.rylmo~XXXXXX"; empty for another file.
std::string idOfFile(std::string name) {
    if (name.starts_with(".")) {
        const std::size_t mark = name.find(".rylmo~");
        if (mark == std::string::npos) return {};
        name = name.substr(1, mark - 1);
    }
    for (const std::string_view extension : {kDocumentExtension, kIndexExtension, kLockExtension}) {
        if (name.size() > extension.size() && name.ends_with(extension))
            return name.substr(0, name.size() - extension.size());
    }
    return {};
}

}  // namespace

RecoverySet::RecoverySet(std::string folder, std::string id)
    : m_folder(std::move(folder)), m_id(std::move(id)) {}

std::string RecoverySet::documentFile() const {
    return m_folder + "/" + m_id + std::string(kDocumentExtension);
}

std::string RecoverySet::indexFile() const {
    return m_folder + "/" + m_id + std::string(kIndexExtension);
}

std::string RecoverySet::lockFile() const {
    return m_folder + "/" + m_id + std::string(kLockExtension);
}

bool RecoverySet::lock(std::string* reason) {
    if (m_lock.locked()) return true;
    try {
        makePrivateFolder(m_folder);
    } catch (const Error& error) {
        if (reason) *reason = error.what();
        return false;
    }
    return m_lock.tryLock(lockFile(), reason);
}

void RecoverySet::write(const RecoveryHeader& header, const TimetableContent& content) {
    makePrivateFolder(m_folder);
    std::string reason;
    if (!lock(&reason)) {
        if (reason.empty()) throw Error("plik odzysku " + m_id + " jest używany przez inne okno");
        throw Error("nie można pisać w folderze " + m_folder + ": " + reason);
    }
    writeWholeFile(documentFile(), recoveryBytes(header, content));
    writeWholeFile(indexFile(), recoveryIndexText(header));
}

RecoveryHeader RecoverySet::index() const {
    return readRecoveryIndex(readWholeFile(indexFile()));
}

RecoveryHeader RecoverySet::header() const {
    // The path and the counts stand in the first lines; a path is at most a few KB.
    return readRecoveryHeader(readStartOfFile(documentFile(), 64 * 1024));
}

TimetableContent RecoverySet::content(RecoveryHeader* header) const {
    const std::string bytes = readWholeFile(documentFile());
    TimetableContent content = readRecoveryContent(bytes);
    if (header) *header = readRecoveryHeader(bytes);
    return content;
}

void RecoverySet::remove() {
    // Every file of the set in one look at the folder, the temporary files of a write a kill
    // cut short among them; the lock's last, once let go of: Windows removes no open file.
    const std::string lock = utf8Of(pathOf(lockFile()).filename());
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(pathOf(m_folder), error), end;
         !error && entry != end; entry.increment(error)) {
        const std::string name = utf8Of(entry->path().filename());
        if (name != lock && idOfFile(name) == m_id) files.push_back(entry->path());
    }
    std::error_code ignored;
    for (const auto& path : files) std::filesystem::remove(path, ignored);
    m_lock.unlock();
    std::filesystem::remove(pathOf(lockFile()), ignored);
}

std::string newRecoveryId() {
    std::random_device random;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    char id[40];
    std::snprintf(id, sizeof id, "%llx-%08x%08x", static_cast<unsigned long long>(millis), random(),
                  random());
    return id;
}

std::vector<RecoverySet> abandonedRecoveries(const std::string& folder) {
    struct Found {
        RecoverySet set;
        int64_t savedAt;
    };
    std::set<std::string> ids;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(pathOf(folder), error), end;
         !error && entry != end; entry.increment(error)) {
        std::string id = idOfFile(utf8Of(entry->path().filename()));
        if (!id.empty()) ids.insert(std::move(id));
    }
    std::vector<Found> found;
    for (const std::string& id : ids) {
        RecoverySet set(folder, id);
        if (!set.lock()) continue;
        // What a set is comes from its document file alone, which carries its own header: an
        // index that a kill left out or older than the document says nothing here.
        std::error_code missing;
        if (!std::filesystem::exists(pathOf(set.documentFile()), missing)) {
            set.remove();  // the leftovers of a window that never wrote, or of a removal
            continue;
        }
        int64_t savedAt = std::numeric_limits<int64_t>::min();
        try {
            savedAt = set.header().savedAt;
        } catch (const Error&) {
        }
        found.push_back({std::move(set), savedAt});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.savedAt < b.savedAt; });
    std::vector<RecoverySet> sets;
    for (Found& each : found) sets.push_back(std::move(each.set));
    return sets;
}

}  // namespace rylmo
