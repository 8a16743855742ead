#include "passages/PassageStrip.h"

#include <algorithm>
#include <cstdlib>

#include "document/Codes.h"
#include "document/EntryNames.h"
#include "document/RollingStock.h"
#include "document/RunTypes.h"
#include "document/TimeText.h"
#include "document/TrainCategories.h"
#include "models/DocumentText.h"

namespace rylmo::passages {

namespace {

int64_t magnitude(int32_t value) {
    return std::llabs(static_cast<int64_t>(value));
}

template <class Entry>
const Entry* at(const std::vector<Entry>& entries, int64_t position) {
    return position >= 0 && static_cast<uint64_t>(position) < entries.size()
               ? &entries[static_cast<std::size_t>(position)]
               : nullptr;
}

QString textAt(const std::vector<std::string>& texts, int64_t position) {
    const std::string* text = at(texts, position);
    return text ? models::toShortQString(*text) : QString();
}

int32_t couplingOf(const Train& train, Side side) {
    return side == Side::arriving ? train.coupledWith : train.toBeCoupledWith;
}

// One slot of the coupled chain: the train and whether it is the strip's own train.
struct Slot {
    const Train* train = nullptr;
    bool own = false;
};

QString stationText(const TimetableContent& c, int64_t position) {
    return textAt(c.stationNames, position);
}

// From and to stations of a train as one side of the strip shows them.
std::pair<QString, QString> stations(const TimetableContent& c, const Train& u, Side side) {
    const std::optional<RunType> type = runTypeOf(u.runType);
    if (!type) return {};
    switch (*type) {
        case RunType::ends:
        case RunType::starts:
        case RunType::splitPartEnds:
        case RunType::joinedPartStarts:
            return side == Side::arriving
                       ? std::pair{stationText(c, u.originStation), stationText(c, 0)}
                       : std::pair{stationText(c, 0), stationText(c, u.destinationStation)};
        case RunType::passesThrough:
        case RunType::splitPart:
        case RunType::doesNotStop:
            return {stationText(c, u.originStation), stationText(c, u.destinationStation)};
    }
    return {};
}

ui::StripEntry trainEntry(const TimetableContent& c, const Train& u, Side side, int slot,
                          bool coupled, bool dialogHints) {
    const bool arriving = side == Side::arriving;
    const QString category =
        QString::fromStdString(categoryName(arriving ? u.arrivalCategory : u.departureCategory));
    const QString number =
        QStringLiteral("Nr: %1, ").arg(arriving ? u.arrivalNumber : u.departureNumber);
    const QString time =
        QString::fromStdString(timeText(arriving ? u.arrivalTime : u.departureTime));
    const QString coach = coupled ? QStringLiteral(", (%1)").arg(slot) : QString();
    const auto [from, to] = stations(c, u, side);
    const QString heading = arriving && !coupled ? category : category + QStringLiteral(", ");
    ui::StripEntry entry;
    const int32_t vehicle = u.symbolUnit != 0 ? u.symbolUnit : u.symbolVehicle;
    if (isVehicleNumber(c, vehicle)) entry.pictureName = models::toQString(vehicleName(c, vehicle));
    entry.label = heading + '\n' + number + time + coach + '\n' + from + '\n' + to;
    const QString hintHead =
        arriving && !dialogHints ? category + QStringLiteral(", ") : heading + '\n';
    entry.toolTip = hintHead + number + time + coach + '\n' + from + QStringLiteral(" - ") + to;
    return entry;
}

ui::StripEntry locomotiveEntry(const TimetableContent& c, int64_t type, int64_t depot) {
    ui::StripEntry entry;
    const LocomotiveType* locomotive = at(c.locomotiveTypes, type - 1);
    if (locomotive) entry.pictureName = models::toQString(locomotive->pictureName());
    entry.label = models::toShortQString(typeNameOrPlaceholder(c, type)) + '\n' +
                  models::toShortQString(depotNameOrPlaceholder(c, depot));
    entry.toolTip = entry.label;
    return entry;
}

}  // namespace

QVector<ui::StripEntry> passageStrip(const TimetableContent& c, Side side, int64_t train,
                                     const std::vector<LocomotivePassage>& passages,
                                     int currentPassage, const EnteredLocomotive* entered) {
    const bool dialogHints = entered != nullptr;

    // The train and the trains coupled to it, by coach slot. The chain is expected to lead
    // back to t; one that never does is cut after as many steps as there are trains.
    std::vector<Slot> chain;
    int chainCount = 0;
    bool coupled = false;
    if (const Train* own = at(c.trains, train)) {
        if (couplingOf(*own, side) == 0) {
            chain.push_back({own, true});
        } else {
            coupled = true;
            int64_t u = train;
            for (std::size_t step = 0; step < c.trains.size(); ++step) {
                const Train* member = at(c.trains, u);
                if (!member) break;
                const int64_t field = magnitude(couplingOf(*member, side));
                const auto slot = static_cast<std::size_t>(couplingCoach(field));
                if (slot > 0) {
                    if (slot > chain.size()) chain.resize(slot);
                    chain[slot - 1] = {member, u == train};
                    ++chainCount;
                }
                u = couplingTrain(field);
                if (u == train) break;
            }
        }
    }

    // The locomotives of the passages on this side, in passage order.
    struct Locomotive {
        ui::StripEntry entry;
        bool current;
    };
    std::vector<Locomotive> locomotives;
    for (std::size_t i = 0; i < passages.size(); ++i) {
        const LocomotivePassage& p = passages[i];
        if (magnitude(side == Side::arriving ? p.arrivingTrain : p.departingTrain) != train)
            continue;
        locomotives.push_back({locomotiveEntry(c, magnitude(p.locomotiveType), magnitude(p.depot)),
                               !entered && static_cast<int>(i) == currentPassage});
    }
    if (entered) {
        const LocomotivePassage* standsFor =
            entered->standsFor >= 0 ? at(passages, entered->standsFor) : nullptr;
        const bool shown =
            standsFor && magnitude(side == Side::arriving ? standsFor->arrivingTrain
                                                          : standsFor->departingTrain) == train;
        if (!shown) {
            locomotives.insert(locomotives.begin(),
                               {locomotiveEntry(c, entered->type, entered->depot), true});
        }
    }

    QVector<ui::StripEntry> list;
    for (Locomotive& locomotive : locomotives) {
        locomotive.entry.bold = locomotive.current && locomotives.size() > 1;
        list.append(locomotive.entry);
    }
    for (std::size_t s = 0; s < chain.size(); ++s) {
        if (!chain[s].train) continue;  // a slot no train of the chain fills
        ui::StripEntry entry =
            trainEntry(c, *chain[s].train, side, static_cast<int>(s) + 1, coupled, dialogHints);
        entry.bold = chain[s].own && chainCount > 1;
        list.append(entry);
    }
    // Arriving strips read from the trains to the locomotives, departing ones the other way.
    if (side == Side::arriving) std::reverse(list.begin(), list.end());
    return list;
}

}  // namespace rylmo::passages
