#include "document/ReferenceChanges.h"

#include <cstdlib>
#include <exception>
#include <optional>
#include <string_view>

#include "document/Codes.h"
#include "document/Tokens.h"

namespace rylmo {

bool ReferenceEffects::any() const {
    return passagesRemoved + depotEntriesRemoved + probabilityValuesRemoved + couplingsCleared +
               symbolsCleared + trainCompositionsCleared + compositionsThinned +
               probabilityIndexesCleared + trainNamesCleared + depotMarksLost + invalidated +
               renumbered >
           0;
}

namespace {

enum class Fate { untouched, moved, gone };

// Follows a reference to the entry at value - base of the renumbered list. A value that
// names no entry is left as it is.
Fate follow(int32_t& value, const Renumbering& r, int base) {
    const int64_t at = static_cast<int64_t>(value) - base;
    if (!r.contains(at)) return Fate::untouched;
    const int32_t to = r.to(static_cast<std::size_t>(at));
    if (to == Renumbering::gone) return Fate::gone;
    if (to + base == value) return Fate::untouched;
    value = to + base;
    return Fate::moved;
}

// A field with a "none" value: a reference to a gone entry takes it. Returns whether it did.
bool followOrClear(int32_t& value, const Renumbering& r, int base, int32_t none,
                   ReferenceEffects& e) {
    switch (follow(value, r, base)) {
        case Fate::moved:
            ++e.renumbered;
            return false;
        case Fate::gone:
            value = none;
            return true;
        case Fate::untouched:
            return false;
    }
    return false;
}

// A field without a "none" value: a reference to a gone entry takes -1.
void followOrInvalidate(int32_t& value, const Renumbering& r, int base, ReferenceEffects& e) {
    if (followOrClear(value, r, base, -1, e)) ++e.invalidated;
}

// The numbers of the rolling stock (types, then coaches) renumbered by a change of the types
// or of the coaches.
Renumbering vehicleRenumbering(const TimetableContent& c, Section list, const Renumbering& r) {
    const std::size_t types = c.locomotiveTypes.size();
    const std::size_t coaches = c.coaches.size();
    std::vector<int> gone;
    const std::size_t offset = list == Section::locomotiveTypes ? 0 : types;
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (r.to(i) == Renumbering::gone) gone.push_back(static_cast<int>(offset + i));
    }
    return Renumbering::deleting(types + coaches, gone);
}

// The composition text with its vehicles renumbered, and the runs of gone vehicles taken out;
// nothing when it does not change or does not read. Runs are changed where they stand, so
// the rest of the text stays byte for byte.
std::optional<std::string> renumberedComposition(std::string_view text, const Renumbering& r,
                                                 bool& thinned) {
    struct Token {
        std::size_t begin;  // where the token starts
        std::size_t next;   // where the token after it starts
        std::string_view text;
    };
    std::vector<Token> tokens;
    TokenScanner scanner(text);
    while (!scanner.atEnd()) {
        const std::string_view token = scanner.take(',');
        if (token == "0") break;
        const auto begin = static_cast<std::size_t>(token.data() - text.data());
        tokens.push_back({begin, text.size() - scanner.remaining(), token});
    }
    std::string result;
    std::size_t copied = 0;
    bool changed = false;
    try {
        for (std::size_t i = 0; i + 1 < tokens.size(); i += 2) {
            parseInteger(tokens[i].text);
            const Token& vehicleToken = tokens[i + 1];
            int32_t vehicle = parseInteger(vehicleToken.text);
            const Fate fate = follow(vehicle, r, 1);
            if (fate == Fate::untouched) continue;
            changed = true;
            if (fate == Fate::gone) {
                thinned = true;
                result.append(text.substr(copied, tokens[i].begin - copied));
                copied = vehicleToken.next;
            } else {
                result.append(text.substr(copied, vehicleToken.begin - copied));
                result += std::to_string(vehicle);
                copied = vehicleToken.begin + vehicleToken.text.size();
            }
        }
    } catch (const std::exception&) {
        return std::nullopt;  // a composition that does not read refers to nothing
    }
    if (!changed) return std::nullopt;
    result.append(text.substr(copied));
    return result;
}

// The probability entry without the values of gone types; nothing when none of them has one.
std::optional<std::string> withoutGoneTypes(std::string_view text, const Renumbering& types,
                                            int& removed) {
    TokenScanner scanner(text);
    scanner.skipBlanks();
    std::string result(text.substr(0, text.size() - scanner.remaining()));
    bool changed = false;
    for (std::size_t type = 0; !scanner.atEnd(); ++type) {
        const std::size_t begin = text.size() - scanner.remaining();
        scanner.take(',', ' ');
        const std::size_t end = text.size() - scanner.remaining();
        if (type < types.size() && types.to(type) == Renumbering::gone) {
            changed = true;
            ++removed;
        } else {
            result.append(text.substr(begin, end - begin));
        }
    }
    if (!changed) return std::nullopt;
    return result;
}

template <class Record, class Update>
void changeRecords(const std::vector<Record>& records, std::vector<int>& rows,
                   std::vector<Record>& changed, Update update) {
    // A deleted type may change every train: room for all, rather than copies as it grows.
    rows.reserve(rows.size() + records.size());
    changed.reserve(changed.size() + records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        Record record = records[i];
        if (!update(record, i)) continue;
        if (record == records[i]) continue;
        rows.push_back(static_cast<int>(i));
        changed.push_back(std::move(record));
    }
}

// Removes the passages of gone trains and renumbers the others' trains.
void followTrains(const TimetableContent& c, const Renumbering& r, ReferenceChanges& out) {
    ReferenceEffects& e = out.effects;
    changeRecords(c.trains, out.trainRows, out.trains, [&](Train& t, std::size_t i) {
        if (r.to(i) == Renumbering::gone) return false;
        for (int32_t* code : {&t.coupledWith, &t.toBeCoupledWith}) {
            if (!isCouplingCode(*code)) continue;
            int32_t train = couplingTrain(*code);
            const Fate fate = follow(train, r, 0);
            if (fate == Fate::gone) {
                *code = 0;
                ++e.couplingsCleared;
            } else if (fate == Fate::moved) {
                *code = couplingCode(train, couplingCoach(*code));
                ++e.renumbered;
            }
        }
        return true;
    });
    for (std::size_t i = 0; i < c.passages.size(); ++i) {
        LocomotivePassage p = c.passages[i];
        const int64_t arriving = std::llabs(static_cast<int64_t>(p.arrivingTrain));
        auto trainGone = [&r](int64_t train) {
            return r.contains(train) && r.to(static_cast<std::size_t>(train)) == Renumbering::gone;
        };
        if (trainGone(arriving) || trainGone(p.departingTrain)) {
            out.removedPassages.push_back(static_cast<int>(i));
            ++e.passagesRemoved;
            continue;
        }
        if (r.contains(arriving)) {
            const int32_t to = r.to(static_cast<std::size_t>(arriving));
            if (to != arriving) {
                ++e.renumbered;
                if (p.arrivingTrain < 0 && to == 0) ++e.depotMarksLost;
                p.arrivingTrain = p.arrivingTrain < 0 ? -to : to;
            }
        }
        if (follow(p.departingTrain, r, 0) == Fate::moved) ++e.renumbered;
        if (!(p == c.passages[i])) {
            out.passageRows.push_back(static_cast<int>(i));
            out.passages.push_back(p);
        }
    }
}

void followVehicles(const TimetableContent& c, Section list, const Renumbering& r,
                    ReferenceChanges& out) {
    ReferenceEffects& e = out.effects;
    const Renumbering vehicles = vehicleRenumbering(c, list, r);
    const bool types = list == Section::locomotiveTypes;
    changeRecords(c.trains, out.trainRows, out.trains, [&](Train& t, std::size_t) {
        bool cleared = types && followOrClear(t.symbolUnit, r, 1, 0, e);
        cleared = followOrClear(t.symbolVehicle, vehicles, 1, 0, e) || cleared;
        if (cleared) ++e.symbolsCleared;
        return true;
    });
    for (std::size_t i = 0; i < c.compositions.size(); ++i) {
        bool thinned = false;
        auto text = renumberedComposition(c.compositions[i], vehicles, thinned);
        if (!text) continue;
        if (thinned) ++e.compositionsThinned;
        out.compositionRows.push_back(static_cast<int>(i));
        out.compositions.push_back(std::move(*text));
    }
    if (!types) return;
    for (std::size_t i = 0; i < c.depot.size(); ++i) {
        DepotEntry entry = c.depot[i];
        const Fate fate = follow(entry.locomotiveType, r, 1);
        if (fate == Fate::gone) {
            out.removedDepotEntries.push_back(static_cast<int>(i));
            ++e.depotEntriesRemoved;
        } else if (fate == Fate::moved) {
            ++e.renumbered;
            out.depotRows.push_back(static_cast<int>(i));
            out.depot.push_back(entry);
        }
    }
    changeRecords(c.passages, out.passageRows, out.passages,
                  [&](LocomotivePassage& p, std::size_t) {
                      followOrInvalidate(p.locomotiveType, r, 1, e);
                      return true;
                  });
    for (std::size_t i = 0; i < c.probabilities.size(); ++i) {
        auto text = withoutGoneTypes(c.probabilities[i], r, e.probabilityValuesRemoved);
        if (!text) continue;
        out.probabilityRows.push_back(static_cast<int>(i));
        out.probabilities.push_back(std::move(*text));
    }
}

void followCompositions(const TimetableContent& c, const Renumbering& r, ReferenceChanges& out) {
    ReferenceEffects& e = out.effects;
    changeRecords(c.trains, out.trainRows, out.trains, [&](Train& t, std::size_t) {
        if (t.composition == 0) return false;  // none
        // Composition 0 cannot be named: a train whose composition moves there loses it.
        if (followOrClear(t.composition, r, 0, 0, e) || t.composition == 0) {
            t.composition = 0;
            ++e.trainCompositionsCleared;
        }
        return true;
    });
}

void followNames(const TimetableContent& c, Section list, const Renumbering& r,
                 ReferenceChanges& out) {
    ReferenceEffects& e = out.effects;
    if (list == Section::depotNames) {
        changeRecords(c.trains, out.trainRows, out.trains, [&](Train& t, std::size_t) {
            // The unit's depot means something only with a unit.
            if (t.symbolUnit == 0) return false;
            followOrInvalidate(t.unitDepot, r, 0, e);
            return true;
        });
        changeRecords(c.depot, out.depotRows, out.depot, [&](DepotEntry& d, std::size_t) {
            followOrInvalidate(d.depot, r, 0, e);
            return true;
        });
        changeRecords(c.passages, out.passageRows, out.passages,
                      [&](LocomotivePassage& p, std::size_t) {
                          followOrInvalidate(p.depot, r, 0, e);
                          return true;
                      });
    } else if (list == Section::stationNames) {
        changeRecords(c.trains, out.trainRows, out.trains, [&](Train& t, std::size_t) {
            followOrInvalidate(t.originStation, r, 0, e);
            followOrInvalidate(t.destinationStation, r, 0, e);
            return true;
        });
    } else {
        changeRecords(c.trains, out.trainRows, out.trains, [&](Train& t, std::size_t) {
            bool cleared = followOrClear(t.arrivalTrainName, r, 1, 0, e);
            cleared = followOrClear(t.departureTrainName, r, 1, 0, e) || cleared;
            if (cleared) ++e.trainNamesCleared;
            return true;
        });
    }
}

}  // namespace

ReferenceChanges referenceChanges(const TimetableContent& content, Section list,
                                  const Renumbering& renumbering) {
    ReferenceChanges out;
    if (!renumbering.changesAnything()) return out;
    switch (list) {
        case Section::trains:
            followTrains(content, renumbering, out);
            break;
        case Section::locomotiveTypes:
        case Section::coaches:
            followVehicles(content, list, renumbering, out);
            break;
        case Section::compositions:
            followCompositions(content, renumbering, out);
            break;
        case Section::probabilities:
            changeRecords(content.passages, out.passageRows, out.passages,
                          [&](LocomotivePassage& p, std::size_t) {
                              if (followOrClear(p.probabilityIndex, renumbering, 1, 0, out.effects))
                                  ++out.effects.probabilityIndexesCleared;
                              return true;
                          });
            break;
        case Section::depotNames:
        case Section::stationNames:
        case Section::trainNames:
            followNames(content, list, renumbering, out);
            break;
        default:
            break;
    }
    return out;
}

}  // namespace rylmo
