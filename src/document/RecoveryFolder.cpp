#include "document/RecoveryFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>

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

void writeWholeFile(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
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

bool RecoverySet::lock() {
    if (m_lock.locked()) return true;
    std::error_code ignored;
    std::filesystem::create_directories(pathOf(m_folder), ignored);
    return m_lock.tryLock(m_folder + "/" + m_id + std::string(kLockExtension));
}

void RecoverySet::write(const RecoveryHeader& header, const TimetableContent& content) {
    std::error_code error;
    std::filesystem::create_directories(pathOf(m_folder), error);
    if (error) throw Error("nie można utworzyć folderu " + m_folder + ": " + error.message());
    if (!lock()) throw Error("plik odzysku " + m_id + " jest używany przez inne okno");
    writeWholeFile(documentFile(), recoveryBytes(header, content));
    writeWholeFile(indexFile(), recoveryIndexText(header));
}

RecoveryHeader RecoverySet::index() const {
    return readRecoveryIndex(readWholeFile(indexFile()));
}

TimetableContent RecoverySet::content(RecoveryHeader* header) const {
    const std::string bytes = readWholeFile(documentFile());
    TimetableContent content = readRecoveryContent(bytes);
    if (header) *header = readRecoveryHeader(bytes);
    return content;
}

void RecoverySet::remove() {
    std::error_code ignored;
    std::filesystem::remove(pathOf(documentFile()), ignored);
    std::filesystem::remove(pathOf(indexFile()), ignored);
    // Unlocked first: Windows removes no file that is open.
    m_lock.unlock();
    std::filesystem::remove(pathOf(m_folder + "/" + m_id + std::string(kLockExtension)), ignored);
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
    std::vector<Found> found;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(pathOf(folder), error), end;
         !error && entry != end; entry.increment(error)) {
        const std::filesystem::path& path = entry->path();
        if (utf8Of(path.extension()) != kIndexExtension) continue;
        RecoverySet set(folder, utf8Of(path.stem()));
        if (!set.lock()) continue;
        int64_t savedAt = std::numeric_limits<int64_t>::min();
        try {
            savedAt = set.index().savedAt;
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
