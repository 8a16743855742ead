#include "document/RozReader.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "document/AtomicFile.h"
#include "document/Error.h"
#include "document/Tokens.h"

namespace rylmo {

namespace {

[[noreturn]] void rangeCheckError() {
    // Kept on purpose: in English, word for word as it has always been.
    throw Error("Range check error");
}

// A count read from the file, bounded by what the rest of the file can hold: a record
// needs at least bytesPerEntry bytes, a text entry a line of its own. A hostile count thus
// fails at once instead of making the reader loop for long; and the lists grow only by the
// entries actually read, never by the count.
std::size_t checkedCount(int32_t count, std::size_t bytesPerEntry, const TokenScanner& scanner) {
    if (count < 0) rangeCheckError();
    if (static_cast<uint64_t>(count) * bytesPerEntry > scanner.remaining()) rangeCheckError();
    return static_cast<std::size_t>(count);
}

// Whether the rest of the file holds count lines (CR LF, a lone CR and a lone LF each end
// one). It looks no further than the count needs, so that reading stays linear.
bool holdsLines(const TokenScanner& scanner, uint64_t count) {
    const std::string_view rest = scanner.rest();
    uint64_t lines = 1;
    for (std::size_t i = 0; i < rest.size() && lines < count; ++i) {
        if (rest[i] == '\n' || (rest[i] == '\r' && (i + 1 == rest.size() || rest[i + 1] != '\n')))
            ++lines;
    }
    return count <= lines;
}

std::size_t checkedLineCount(int32_t count, const TokenScanner& scanner) {
    if (count < 0 || !holdsLines(scanner, static_cast<uint64_t>(count))) rangeCheckError();
    return static_cast<std::size_t>(count);
}

template <class Record>
void readRecords(TokenScanner& scanner, std::vector<Record>& records, int fieldsPerRecord,
                 char first, char second) {
    const std::size_t count = checkedCount(scanner.takeInteger(','),
                                           2 * static_cast<std::size_t>(fieldsPerRecord), scanner);
    // A record needs at least two bytes a field, so this reserves no more than the file
    // could hold.
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        Record& record = records.emplace_back();
        for (int position = 1; position <= fieldsPerRecord; ++position) {
            field(record, position) = scanner.takeInteger(first, second);
        }
    }
}

// The lists are reserved by the count, which the lines of the file bound: no list grows
// past what it holds.
void readLines(TokenScanner& scanner, std::vector<std::string>& lines) {
    const std::size_t count = checkedLineCount(scanner.takeInteger(','), scanner);
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) lines.emplace_back(scanner.take('\r', '\n'));
}

LocomotiveType readLocomotiveType(std::string_view line) {
    TokenScanner words(line);
    const std::string_view pictureName = words.take(' ');
    const std::string_view typeName = words.take(' ');
    const std::string_view kind = words.take(' ');
    return {pictureName, typeName, kind, words.take(' ')};
}

}  // namespace

TimetableContent readTimetable(std::string_view bytes) {
    if (const void* nul = std::memchr(bytes.data(), 0, bytes.size())) {
        bytes =
            bytes.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data()));
    }

    TimetableContent content;
    content.version = parseInteger(bytes.substr(0, 1));
    if (content.version != 1 && content.version != 2) {
        throw Error("Nieobsługiwana wersja pliku rozkładu: " + std::string(bytes.substr(0, 1)));
    }

    TokenScanner scanner(bytes);
    scanner.skip(2);
    scanner.skipBlanks();

    content.stationPicture = scanner.take('\r', '\n');
    readRecords(scanner, content.depot, content.version == 1 ? 3 : 6, ',', ',');
    readRecords(scanner, content.trains, RecordLayout<Train>::fieldCount, ',', '\r');
    content.startTime = scanner.take(',', ' ');
    readRecords(scanner, content.passages, RecordLayout<LocomotivePassage>::fieldCount, ',', '\r');
    content.locomotiveTypeCount = scanner.takeInteger(',');
    readLines(scanner, content.probabilities);
    readLines(scanner, content.compositions);

    const int32_t coachCount = scanner.takeInteger(',');
    if (content.locomotiveTypeCount < 0 || coachCount < 0) rangeCheckError();
    const std::size_t typeCount = checkedLineCount(content.locomotiveTypeCount, scanner);
    const std::size_t coaches = checkedLineCount(coachCount, scanner);
    if (!holdsLines(scanner, uint64_t{typeCount} + coaches)) rangeCheckError();
    content.locomotiveTypes.reserve(typeCount);
    content.coaches.reserve(coaches);
    for (std::size_t i = 0; i < typeCount; ++i)
        content.locomotiveTypes.push_back(readLocomotiveType(scanner.take('\r', '\n')));
    for (std::size_t i = 0; i < coaches; ++i)
        content.coaches.emplace_back(scanner.take('\r', '\n'));

    readLines(scanner, content.depotNames);
    readLines(scanner, content.stationNames);
    readLines(scanner, content.trainNames);
    content.authorInfo = trimBlanks(scanner.rest());
    return content;
}

TimetableContent readTimetableFile(const std::string& path, FileStamp* stamp) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    // Reading never writes: a timetable the user may only read opens as well.
    std::string reason;
    std::unique_ptr<std::FILE, Closer> file(openForReading(path, &reason));
    if (!file) throw Error(cannotOpenMessage(reason));

    // Preparing the contents (learning the size, reserving memory) and reaching them (reading)
    // each have their own message.
    std::string bytes;
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        throw Error("Błąd tworzenia obiektu odwzorowania");
    const long size = std::ftell(file.get());
    if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) {
        throw Error("Błąd tworzenia obiektu odwzorowania");
    }
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        throw Error("Błąd tworzenia obiektu odwzorowania");
    }
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        throw Error("Błąd tworzenia widoku odwzorowania");
    }
    file.reset();
    if (stamp) {
        BytesHash hash;
        hash.add(bytes);
        *stamp = fileStamp(path, hash.value());
    }
    return readTimetable(bytes);
}

}  // namespace rylmo
