#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rylmo {

// One train: 26 integers, in the order they stand in the file.
struct Train {
    int32_t runType = 0;
    int32_t arrivalTime = 0;
    int32_t entryPoint = 0;
    int32_t originStation = 0;
    int32_t symbolUnit = 0;
    int32_t departureTime = 0;
    int32_t exitPoint = 0;
    int32_t destinationStation = 0;
    int32_t unitDepot = 0;
    int32_t arrivalNumber = 0;
    int32_t departureNumber = 0;
    int32_t coupledWith = 0;
    int32_t toBeCoupledWith = 0;
    int32_t arrivalCategory = 0;
    int32_t departureCategory = 0;
    int32_t status = 0;
    int32_t symbolVehicle = 0;
    int32_t composition = 0;
    int32_t arrivalPlatform = 0;
    int32_t departurePlatform = 0;
    int32_t arrivalTrainName = 0;
    int32_t departureTrainName = 0;
    int32_t standCoordinate = 0;
    int32_t standPosition = 0;
    int32_t standTrackNumber = 0;
    int32_t reserved = 0;

    // The fields of one side of the train: its arrival's, or its departure's.
    int32_t numberOn(bool arrivalSide) const {
        return arrivalSide ? arrivalNumber : departureNumber;
    }
    int32_t categoryOn(bool arrivalSide) const {
        return arrivalSide ? arrivalCategory : departureCategory;
    }
    int32_t trainNameOn(bool arrivalSide) const {
        return arrivalSide ? arrivalTrainName : departureTrainName;
    }
    int32_t platformOn(bool arrivalSide) const {
        return arrivalSide ? arrivalPlatform : departurePlatform;
    }
    int32_t& platformOn(bool arrivalSide) {
        return arrivalSide ? arrivalPlatform : departurePlatform;
    }

    bool operator==(const Train&) const = default;
};

// Locomotives of one type kept in one depot.
struct DepotEntry {
    int32_t locomotiveType = 0;
    int32_t count = 0;
    int32_t depot = 0;
    int32_t standCoordinate = 0;
    int32_t standPosition = 0;
    int32_t standTrackNumber = 0;

    bool operator==(const DepotEntry&) const = default;
};

// A locomotive arriving with one train and leaving with another.
struct LocomotivePassage {
    int32_t locomotiveType = 0;
    int32_t depot = 0;
    int32_t arrivingTrain = 0;
    int32_t departingTrain = 0;
    int32_t probabilityIndex = 0;

    bool operator==(const LocomotivePassage&) const = default;
};

// A locomotive type: the four words of its line in the file. The words are kept together in
// one text, each behind its length, so that a type of short words needs no memory beyond the
// text itself (a file of a million one-letter types stays small in memory) and any word,
// even one with blanks that the save check will refuse, reads back exactly.
class LocomotiveType {
public:
    using Word = std::string_view (LocomotiveType::*)() const;

    LocomotiveType() : LocomotiveType({}, {}, {}, {}) {}
    LocomotiveType(std::string_view pictureName, std::string_view typeName, std::string_view kind,
                   std::string_view hierarchy);

    std::string_view pictureName() const { return word(0); }
    std::string_view typeName() const { return word(1); }
    std::string_view kind() const { return word(2); }
    std::string_view hierarchy() const { return word(3); }

    // The words in file order, 0 to 3.
    std::string_view word(int index) const;

    bool operator==(const LocomotiveType&) const = default;

private:
    std::string m_words;
};

// Positional access to the integer records: field(record, 1) is the first field of the file.
template <class Record>
struct RecordLayout;

template <>
struct RecordLayout<Train> {
    static constexpr int fieldCount = 26;
    static constexpr std::array<int32_t Train::*, fieldCount> members = {
        &Train::runType,           &Train::arrivalTime,
        &Train::entryPoint,        &Train::originStation,
        &Train::symbolUnit,        &Train::departureTime,
        &Train::exitPoint,         &Train::destinationStation,
        &Train::unitDepot,         &Train::arrivalNumber,
        &Train::departureNumber,   &Train::coupledWith,
        &Train::toBeCoupledWith,   &Train::arrivalCategory,
        &Train::departureCategory, &Train::status,
        &Train::symbolVehicle,     &Train::composition,
        &Train::arrivalPlatform,   &Train::departurePlatform,
        &Train::arrivalTrainName,  &Train::departureTrainName,
        &Train::standCoordinate,   &Train::standPosition,
        &Train::standTrackNumber,  &Train::reserved};
    static constexpr std::array<const char*, fieldCount> names = {
        "runType",           "arrivalTime",
        "entryPoint",        "originStation",
        "symbolUnit",        "departureTime",
        "exitPoint",         "destinationStation",
        "unitDepot",         "arrivalNumber",
        "departureNumber",   "coupledWith",
        "toBeCoupledWith",   "arrivalCategory",
        "departureCategory", "status",
        "symbolVehicle",     "composition",
        "arrivalPlatform",   "departurePlatform",
        "arrivalTrainName",  "departureTrainName",
        "standCoordinate",   "standPosition",
        "standTrackNumber",  "reserved"};
};

template <>
struct RecordLayout<DepotEntry> {
    static constexpr int fieldCount = 6;
    static constexpr std::array<int32_t DepotEntry::*, fieldCount> members = {
        &DepotEntry::locomotiveType,  &DepotEntry::count,         &DepotEntry::depot,
        &DepotEntry::standCoordinate, &DepotEntry::standPosition, &DepotEntry::standTrackNumber};
    static constexpr std::array<const char*, fieldCount> names = {
        "locomotiveType", "count", "depot", "standCoordinate", "standPosition", "standTrackNumber"};
};

template <>
struct RecordLayout<LocomotivePassage> {
    static constexpr int fieldCount = 5;
    static constexpr std::array<int32_t LocomotivePassage::*, fieldCount> members = {
        &LocomotivePassage::locomotiveType, &LocomotivePassage::depot,
        &LocomotivePassage::arrivingTrain, &LocomotivePassage::departingTrain,
        &LocomotivePassage::probabilityIndex};
    static constexpr std::array<const char*, fieldCount> names = {
        "locomotiveType", "depot", "arrivingTrain", "departingTrain", "probabilityIndex"};
};

// position is 1-based, as in the file; the caller keeps it within 1..fieldCount.
// The position of a record's member among its fields, as field() counts them; 0 for none.
template <class Record>
constexpr int fieldPosition(int32_t Record::*member) {
    for (std::size_t k = 0; k < RecordLayout<Record>::members.size(); ++k) {
        if (RecordLayout<Record>::members[k] == member) return static_cast<int>(k) + 1;
    }
    return 0;
}

template <class Record>
int32_t& field(Record& record, int position) {
    return record.*RecordLayout<Record>::members[position - 1];
}
template <class Record>
int32_t field(const Record& record, int position) {
    return record.*RecordLayout<Record>::members[position - 1];
}

// Everything a .roz file stores. Texts hold Windows-1250 bytes exactly as in the file.
struct TimetableContent {
    int32_t version = 0;  // 1 or 2 once read from a file, 0 before
    std::string stationPicture;
    std::string authorInfo;
    std::string startTime;
    std::vector<Train> trains;
    std::vector<DepotEntry> depot;
    std::vector<LocomotivePassage> passages;
    int32_t locomotiveTypeCount = 0;  // kept equal to locomotiveTypes.size() by the editors
    std::vector<std::string> probabilities;
    std::vector<std::string> compositions;
    std::vector<LocomotiveType> locomotiveTypes;
    std::vector<std::string> coaches;
    std::vector<std::string> depotNames;
    std::vector<std::string> stationNames;
    std::vector<std::string> trainNames;

    bool operator==(const TimetableContent&) const = default;
};

// The document the editor works on: the file content plus the frame that says where it
// came from. The frame is never stored in the timetable file.
struct Timetable {
    std::string fileFolder;  // with its trailing separator; empty for a new station
    std::string fileName;
    bool untitled = false;
    bool modified = false;
    std::string rollingStockFolder;  // ends with a path separator
    TimetableContent content;
};

}  // namespace rylmo
