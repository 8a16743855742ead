#include "TimetableJson.h"

#include <limits>

#include "document/Error.h"
#include "document/Windows1250.h"

namespace rylmo {

namespace {

using ordered_json = nlohmann::ordered_json;
using json = nlohmann::json;

template <class Record>
ordered_json recordsToJson(const std::vector<Record>& records) {
    ordered_json array = ordered_json::array();
    for (const Record& record : records) {
        ordered_json fields = ordered_json::array();
        for (int position = 1; position <= RecordLayout<Record>::fieldCount; ++position) {
            fields.push_back(field(record, position));
        }
        array.push_back(std::move(fields));
    }
    return array;
}

ordered_json textsToJson(const std::vector<std::string>& texts) {
    ordered_json array = ordered_json::array();
    for (const std::string& text : texts) array.push_back(windows1250ToUtf8(text));
    return array;
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

ordered_json timetableToJson(const TimetableContent& c) {
    ordered_json out = ordered_json::object();
    out["version"] = c.version;
    out["stationPicture"] = windows1250ToUtf8(c.stationPicture);
    out["depot"] = recordsToJson(c.depot);
    out["trains"] = recordsToJson(c.trains);
    out["startTime"] = windows1250ToUtf8(c.startTime);
    out["passages"] = recordsToJson(c.passages);
    out["locomotiveTypeCount"] = c.locomotiveTypeCount;
    out["probabilities"] = textsToJson(c.probabilities);
    out["compositions"] = textsToJson(c.compositions);
    ordered_json types = ordered_json::array();
    for (const LocomotiveType& type : c.locomotiveTypes) {
        ordered_json t = ordered_json::object();
        t["pictureName"] = windows1250ToUtf8(type.pictureName);
        t["typeName"] = windows1250ToUtf8(type.typeName);
        t["kind"] = windows1250ToUtf8(type.kind);
        t["hierarchy"] = windows1250ToUtf8(type.hierarchy);
        types.push_back(std::move(t));
    }
    out["locomotiveTypes"] = std::move(types);
    out["coaches"] = textsToJson(c.coaches);
    out["depotNames"] = textsToJson(c.depotNames);
    out["stationNames"] = textsToJson(c.stationNames);
    out["trainNames"] = textsToJson(c.trainNames);
    out["authorInfo"] = windows1250ToUtf8(c.authorInfo);
    return out;
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
        LocomotiveType type;
        type.pictureName = toText(member(item, "pictureName"), "pictureName");
        type.typeName = toText(member(item, "typeName"), "typeName");
        type.kind = toText(member(item, "kind"), "kind");
        type.hierarchy = toText(member(item, "hierarchy"), "hierarchy");
        c.locomotiveTypes.push_back(std::move(type));
    }
    c.coaches = textsFromJson(object, "coaches");
    c.depotNames = textsFromJson(object, "depotNames");
    c.stationNames = textsFromJson(object, "stationNames");
    c.trainNames = textsFromJson(object, "trainNames");
    c.authorInfo = toText(member(object, "authorInfo"), "authorInfo");
    return c;
}

}  // namespace rylmo
