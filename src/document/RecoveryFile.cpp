#include "document/RecoveryFile.h"

#include <charconv>
#include <limits>

#include "document/Error.h"
#include "document/FileStamp.h"

namespace rylmo {

namespace {

constexpr std::string_view kMagic = "RYLMO-ODZYSK 1\n";
constexpr std::string_view kIndexMagic = "Rylmo odzysk 1\n";

[[noreturn]] void damaged(const std::string& why) {
    throw Error("plik odzysku jest uszkodzony (" + why + ")");
}

// Numbers in decimal, each followed by a blank; texts as "length:bytes".
class Writer {
public:
    explicit Writer(std::string& out) : m_out(out) {}
    void number(int64_t value) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_out.append(digits, end);
        m_out.push_back(' ');
    }
    void text(std::string_view value) {
        number(static_cast<int64_t>(value.size()));
        m_out.append(value);
    }
    void texts(const std::vector<std::string>& values) {
        number(static_cast<int64_t>(values.size()));
        for (const std::string& value : values) text(value);
    }
    template <class Record>
    void records(const std::vector<Record>& values) {
        number(static_cast<int64_t>(values.size()));
        for (const Record& record : values) {
            for (auto member : RecordLayout<Record>::members) number(record.*member);
        }
    }

private:
    std::string& m_out;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : m_rest(bytes) {}
    int64_t number() {
        int64_t value = 0;
        const auto [end, error] =
            std::from_chars(m_rest.data(), m_rest.data() + m_rest.size(), value);
        if (error != std::errc() || end == m_rest.data() + m_rest.size() || *end != ' ')
            damaged("liczba");
        m_rest.remove_prefix(static_cast<std::size_t>(end - m_rest.data()) + 1);
        return value;
    }
    int32_t number32() {
        const int64_t value = number();
        if (value < std::numeric_limits<int32_t>::min() ||
            value > std::numeric_limits<int32_t>::max()) {
            damaged("liczba");
        }
        return static_cast<int32_t>(value);
    }
    // A count of items of at least itemSize bytes each, which the rest must be able to hold.
    std::size_t count(std::size_t itemSize) {
        const int64_t value = number();
        if (value < 0 || static_cast<uint64_t>(value) > m_rest.size() / itemSize)
            damaged("liczba pozycji");
        return static_cast<std::size_t>(value);
    }
    std::string_view text() {
        const std::size_t length = count(1);
        const std::string_view value = m_rest.substr(0, length);
        m_rest.remove_prefix(length);
        return value;
    }
    std::vector<std::string> texts() {
        std::vector<std::string> values(count(2));
        for (std::string& value : values) value = text();
        return values;
    }
    template <class Record>
    std::vector<Record> records() {
        std::vector<Record> values(count(2 * RecordLayout<Record>::fieldCount));
        for (Record& record : values) {
            for (auto member : RecordLayout<Record>::members) record.*member = number32();
        }
        return values;
    }
    bool atEnd() const { return m_rest.empty(); }
    std::string_view rest() const { return m_rest; }
    void skip(std::string_view expected) {
        if (!m_rest.starts_with(expected)) damaged("nagłówek");
        m_rest.remove_prefix(expected.size());
    }

private:
    std::string_view m_rest;
};

struct Framed {
    RecoveryHeader header;
    uint64_t bodySize = 0;
    uint64_t bodyHash = 0;
    std::string_view body;  // what follows the header, complete or not
};

Framed readFrame(std::string_view bytes) {
    if (!bytes.starts_with(kMagic)) throw Error("to nie jest plik odzysku programu Rylmo");
    Reader reader(bytes.substr(kMagic.size()));
    Framed framed;
    framed.header.documentPath = reader.text();
    reader.skip(" ");
    framed.header.savedAt = reader.number();
    framed.header.changes = reader.number();
    const int64_t size = reader.number();
    const int64_t hash = reader.number();
    reader.skip("\n");
    if (size < 0) damaged("długość");
    framed.bodySize = static_cast<uint64_t>(size);
    framed.bodyHash = static_cast<uint64_t>(hash);
    framed.body = reader.rest();
    return framed;
}

uint64_t hashOf(std::string_view bytes) {
    BytesHash hash;
    hash.add(bytes);
    return hash.value();
}

// Control characters and "%" as "%XX", so that any path stays on its line.
std::string escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%') {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

std::string unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        unsigned value = 0;
        if (i + 2 >= text.size()) damaged("indeks");
        const auto [end, error] =
            std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
        if (error != std::errc() || end != text.data() + i + 3) damaged("indeks");
        out += static_cast<char>(value);
        i += 2;
    }
    return out;
}

}  // namespace

std::string recoveryBytes(const RecoveryHeader& header, const TimetableContent& content) {
    std::string body;
    body.reserve(content.trains.size() * RecordLayout<Train>::fieldCount * 4 + 4096);
    Writer out(body);
    out.number(content.version);
    out.text(content.stationPicture);
    out.text(content.authorInfo);
    out.text(content.startTime);
    out.records(content.trains);
    out.records(content.depot);
    out.records(content.passages);
    out.number(content.locomotiveTypeCount);
    out.texts(content.probabilities);
    out.texts(content.compositions);
    out.number(static_cast<int64_t>(content.locomotiveTypes.size()));
    for (const LocomotiveType& type : content.locomotiveTypes) {
        for (int word = 0; word < 4; ++word) out.text(type.word(word));
    }
    out.texts(content.coaches);
    out.texts(content.depotNames);
    out.texts(content.stationNames);
    out.texts(content.trainNames);

    std::string bytes(kMagic);
    Writer frame(bytes);
    frame.text(header.documentPath);
    bytes += ' ';
    frame.number(header.savedAt);
    frame.number(header.changes);
    frame.number(static_cast<int64_t>(body.size()));
    frame.number(static_cast<int64_t>(hashOf(body)));
    bytes += '\n';
    bytes += body;
    return bytes;
}

RecoveryHeader readRecoveryHeader(std::string_view bytes) {
    return readFrame(bytes).header;
}

TimetableContent readRecoveryContent(std::string_view bytes) {
    const Framed framed = readFrame(bytes);
    if (framed.body.size() != framed.bodySize) damaged("długość");
    if (hashOf(framed.body) != framed.bodyHash) damaged("suma kontrolna");
    Reader in(framed.body);
    TimetableContent content;
    content.version = in.number32();
    content.stationPicture = in.text();
    content.authorInfo = in.text();
    content.startTime = in.text();
    content.trains = in.records<Train>();
    content.depot = in.records<DepotEntry>();
    content.passages = in.records<LocomotivePassage>();
    content.locomotiveTypeCount = in.number32();
    content.probabilities = in.texts();
    content.compositions = in.texts();
    content.locomotiveTypes.resize(in.count(8));
    for (LocomotiveType& type : content.locomotiveTypes) {
        const std::string_view picture = in.text();
        const std::string_view name = in.text();
        const std::string_view kind = in.text();
        type = LocomotiveType(picture, name, kind, in.text());
    }
    content.coaches = in.texts();
    content.depotNames = in.texts();
    content.stationNames = in.texts();
    content.trainNames = in.texts();
    if (!in.atEnd()) damaged("nadmiarowe dane");
    return content;
}

std::string recoveryIndexText(const RecoveryHeader& header) {
    return std::string(kIndexMagic) + "plik=" + escaped(header.documentPath) +
           "\nczas=" + std::to_string(header.savedAt) +
           "\nzmiany=" + std::to_string(header.changes) + "\n";
}

RecoveryHeader readRecoveryIndex(std::string_view text) {
    if (!text.starts_with(kIndexMagic)) throw Error("to nie jest indeks odzysku programu Rylmo");
    text.remove_prefix(kIndexMagic.size());
    RecoveryHeader header;
    int found = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) damaged("indeks");
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) damaged("indeks");
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        auto number = [&](int64_t& into) {
            const auto [at, error] =
                std::from_chars(value.data(), value.data() + value.size(), into);
            if (error != std::errc() || at != value.data() + value.size()) damaged("indeks");
        };
        if (key == "plik") {
            header.documentPath = unescaped(value);
            found |= 1;
        } else if (key == "czas") {
            number(header.savedAt);
            found |= 2;
        } else if (key == "zmiany") {
            number(header.changes);
            found |= 4;
        }
    }
    if (found != 7) damaged("indeks");
    return header;
}

}  // namespace rylmo
