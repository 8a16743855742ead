#include "TimetableJson.h"

#include <limits>
#include <string>

#include "document/Error.h"
#include "document/Windows1250.h"

namespace rylmo {

namespace {

using json = nlohmann::json;

// Writes JSON text in pieces of bounded size, so that a huge timetable is never held a second
// time as text or as a tree of values.
class JsonWriter {
public:
    explicit JsonWriter(const std::function<void(std::string_view)>& sink) : m_sink(sink) {}

    void raw(std::string_view text) {
        m_buffer += text;
        if (m_buffer.size() >= 65536) flush();
    }
    void integer(int64_t value) { raw(std::to_string(value)); }
    // Document texts are Windows-1250; JSON gets them as UTF-8, escaped as the JSON library
    // escapes them.
    void text(std::string_view documentText) {
        raw(json(windows1250ToUtf8(std::string(documentText))).dump());
    }
    void key(const char* name) {
        raw(m_first ? "\"" : ",\"");
        raw(name);
        raw("\":");
        m_first = false;
    }
    template <class Each>
    void array(std::size_t count, Each each) {
        raw("[");
        for (std::size_t i = 0; i < count; ++i) {
            if (i) raw(",");
            each(i);
        }
        raw("]");
    }
    void flush() {
        m_sink(m_buffer);
        m_buffer.clear();
    }

private:
    const std::function<void(std::string_view)>& m_sink;
    std::string m_buffer;
    bool m_first = true;
};

template <class Record>
void writeRecords(JsonWriter& out, const char* key, const std::vector<Record>& records) {
    out.key(key);
    out.array(records.size(), [&](std::size_t i) {
        out.array(RecordLayout<Record>::fieldCount, [&](std::size_t position) {
            out.integer(field(records[i], static_cast<int>(position) + 1));
        });
    });
}

void writeTexts(JsonWriter& out, const char* key, const std::vector<std::string>& texts) {
    out.key(key);
    out.array(texts.size(), [&](std::size_t i) { out.text(texts[i]); });
}

[[noreturn]] void fail(const std::string& key, const std::string& what) {
    throw Error("Niepoprawny klucz JSON „" + key + "”: " + what + ".");
}

const json& member(const json& object, const std::string& key) {
    auto it = object.find(key);
    if (it == object.end()) throw Error("Brak klucza JSON „" + key + "”.");
    return *it;
}

int32_t toInteger(const json& value, const std::string& key) {
    if (!value.is_number_integer()) fail(key, "oczekiwano liczby całkowitej, jest " + value.dump());
    const bool inRange =
        value.is_number_unsigned()
            ? value.get<uint64_t>() <= uint64_t{std::numeric_limits<int32_t>::max()}
            : value.get<int64_t>() >= std::numeric_limits<int32_t>::min() &&
                  value.get<int64_t>() <= std::numeric_limits<int32_t>::max();
    // The number is named as the file has it, not as it would be clamped.
    if (!inRange) fail(key, "liczba " + value.dump() + " spoza zakresu 32-bitowego");
    return static_cast<int32_t>(value.get<int64_t>());
}

std::string toText(const json& value, const std::string& key) {
    if (!value.is_string()) fail(key, "oczekiwano tekstu");
    return utf8ToWindows1250(value.get_ref<const std::string&>());
}

const json& arrayMember(const json& object, const std::string& key) {
    const json& value = member(object, key);
    if (!value.is_array()) fail(key, "oczekiwano tablicy");
    return value;
}

template <class Record>
std::vector<Record> recordsFromJson(const json& object, const std::string& key) {
    std::vector<Record> records;
    for (const json& item : arrayMember(object, key)) {
        if (!item.is_array() || item.size() != RecordLayout<Record>::fieldCount) {
            fail(key, "każdy wpis musi być tablicą " +
                          std::to_string(RecordLayout<Record>::fieldCount) + " liczb");
        }
        Record record;
        for (int position = 1; position <= RecordLayout<Record>::fieldCount; ++position) {
            field(record, position) = toInteger(item[static_cast<std::size_t>(position - 1)], key);
        }
        records.push_back(record);
    }
    return records;
}

std::vector<std::string> textsFromJson(const json& object, const std::string& key) {
    std::vector<std::string> texts;
    for (const json& item : arrayMember(object, key)) texts.push_back(toText(item, key));
    return texts;
}

}  // namespace

void writeTimetableJson(const TimetableContent& c,
                        const std::function<void(std::string_view)>& sink) {
    JsonWriter out(sink);
    out.raw("{");
    out.key("version");
    out.integer(c.version);
    out.key("stationPicture");
    out.text(c.stationPicture);
    writeRecords(out, "depot", c.depot);
    writeRecords(out, "trains", c.trains);
    out.key("startTime");
    out.text(c.startTime);
    writeRecords(out, "passages", c.passages);
    out.key("locomotiveTypeCount");
    out.integer(c.locomotiveTypeCount);
    writeTexts(out, "probabilities", c.probabilities);
    writeTexts(out, "compositions", c.compositions);
    out.key("locomotiveTypes");
    out.array(c.locomotiveTypes.size(), [&](std::size_t i) {
        const LocomotiveType& type = c.locomotiveTypes[i];
        out.raw("{\"pictureName\":");
        out.text(type.pictureName());
        out.raw(",\"typeName\":");
        out.text(type.typeName());
        out.raw(",\"kind\":");
        out.text(type.kind());
        out.raw(",\"hierarchy\":");
        out.text(type.hierarchy());
        out.raw("}");
    });
    writeTexts(out, "coaches", c.coaches);
    writeTexts(out, "depotNames", c.depotNames);
    writeTexts(out, "stationNames", c.stationNames);
    writeTexts(out, "trainNames", c.trainNames);
    out.key("authorInfo");
    out.text(c.authorInfo);
    out.raw("}\n");
    out.flush();
}

TimetableContent timetableFromJson(const json& object) {
    if (!object.is_object()) throw Error("Dokument JSON musi być obiektem.");
    TimetableContent c;
    c.version = toInteger(member(object, "version"), "version");
    c.stationPicture = toText(member(object, "stationPicture"), "stationPicture");
    c.depot = recordsFromJson<DepotEntry>(object, "depot");
    c.trains = recordsFromJson<Train>(object, "trains");
    c.startTime = toText(member(object, "startTime"), "startTime");
    c.passages = recordsFromJson<LocomotivePassage>(object, "passages");
    c.locomotiveTypeCount = toInteger(member(object, "locomotiveTypeCount"), "locomotiveTypeCount");
    c.probabilities = textsFromJson(object, "probabilities");
    c.compositions = textsFromJson(object, "compositions");
    for (const json& item : arrayMember(object, "locomotiveTypes")) {
        if (!item.is_object()) fail("locomotiveTypes", "każdy wpis musi być obiektem");
        c.locomotiveTypes.emplace_back(toText(member(item, "pictureName"), "pictureName"),
                                       toText(member(item, "typeName"), "typeName"),
                                       toText(member(item, "kind"), "kind"),
                                       toText(member(item, "hierarchy"), "hierarchy"));
    }
    c.coaches = textsFromJson(object, "coaches");
    c.depotNames = textsFromJson(object, "depotNames");
    c.stationNames = textsFromJson(object, "stationNames");
    c.trainNames = textsFromJson(object, "trainNames");
    c.authorInfo = toText(member(object, "authorInfo"), "authorInfo");
    return c;
}

}  // namespace rylmo
