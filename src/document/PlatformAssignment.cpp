#include "document/PlatformAssignment.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

#include "document/Codes.h"
#include "document/PlacementDay.h"
#include "document/PlacementUnits.h"

namespace rylmo {

namespace {

using namespace placement;

constexpr std::size_t searchBudget = 200000;  // nodes of one block's exhaustive search

constexpr int32_t unplaced = 0;

// How good a block's placement is: fewer stays left without a platform first, then fewer
// trains moved.
struct Cost {
    int64_t unplaced = 0;  // trains
    int64_t moved = 0;     // trains
    auto operator<=>(const Cost&) const = default;
};

class Planner {
public:
    Planner(const TimetableContent& content, const PlacementRequest& request)
        : m_content(content), m_request(request), m_consists(content.trains) {}

    PlatformPlan plan(std::size_t listed) {
        PlatformPlan result;
        result.stays = platformOccupancy(m_content, m_request.dwell);
        m_stays = &result.stays;
        buildUnits();
        cutTheDay();
        placeUnits();
        collect(result, listed);
        return result;
    }

private:
    bool movableTrain(std::size_t train) const {
        return m_request.movable.empty() ||
               (train < m_request.movable.size() && m_request.movable[train]);
    }

    // Each platform's stays in order of start; those of one consist that overlap become one
    // unit.
    void buildUnits() {
        const std::vector<PlatformInterval>& stays = *m_stays;
        m_unitOf.assign(stays.size(), 0);
        const auto byPlatform = intervalsByPlatform(stays);
        // Each consist's latest unit (consists are named by a train); a unit of another
        // platform is no unit of this one.
        std::vector<std::size_t> latestUnit(m_content.trains.size(), SIZE_MAX);
        for (const std::vector<std::size_t>& positions : byPlatform) {
            for (std::size_t k : positions) {
                const PlatformInterval& stay = stays[k];
                const std::size_t consist = m_consists.of(stay.train);
                const std::size_t latest = latestUnit[consist];
                if (latest != SIZE_MAX && m_units[latest].platform == stay.platform &&
                    m_units[latest].end > stay.start) {
                    Unit& unit = m_units[latest];
                    unit.end = std::max(unit.end, stay.end);
                    unit.firstStay = std::min(unit.firstStay, k);
                    m_unitOf[k] = latest;
                    continue;
                }
                Unit unit;
                unit.platform = stay.platform;
                unit.start = stay.start;
                unit.end = stay.end;
                unit.consist = consist;
                unit.firstStay = k;
                m_unitOf[k] = m_units.size();
                latestUnit[consist] = m_units.size();
                m_units.push_back(std::move(unit));
            }
        }
        // Trains counted once per unit; a unit moves when any of its trains may.
        std::vector<std::size_t> lastUnitOfTrain(m_content.trains.size(), SIZE_MAX);
        std::vector<std::size_t> firstStayOfTrain(m_content.trains.size(), SIZE_MAX);
        std::vector<std::pair<std::size_t, std::size_t>> siblings;  // both ways
        for (std::size_t k = 0; k < stays.size(); ++k) {
            const std::size_t train = stays[k].train;
            Unit& unit = m_units[m_unitOf[k]];
            if (movableTrain(train)) unit.movable = true;
            if (lastUnitOfTrain[train] != m_unitOf[k]) ++unit.trains;
            if (firstStayOfTrain[train] == SIZE_MAX) {
                firstStayOfTrain[train] = k;
            } else if (m_unitOf[firstStayOfTrain[train]] != m_unitOf[k] &&
                       changesPlatform(m_content.trains[train])) {
                const std::size_t a = m_unitOf[firstStayOfTrain[train]];
                const std::size_t b = m_unitOf[k];
                siblings.emplace_back(a, b);
                siblings.emplace_back(b, a);
            }
            lastUnitOfTrain[train] = m_unitOf[k];
        }
        // Each unit's siblings in one list, in order of unit: no vector per unit.
        std::sort(siblings.begin(), siblings.end());
        m_siblingsFrom.assign(m_units.size() + 1, 0);
        for (const auto& [unit, sibling] : siblings) ++m_siblingsFrom[unit + 1];
        for (std::size_t u = 1; u < m_siblingsFrom.size(); ++u)
            m_siblingsFrom[u] += m_siblingsFrom[u - 1];
        m_siblings.clear();
        for (const auto& [unit, sibling] : siblings) m_siblings.push_back(sibling);
        m_original.resize(m_units.size());
        for (std::size_t u = 0; u < m_units.size(); ++u) m_original[u] = m_units[u].platform;
        m_current = m_original;
    }

    // The line starts at the minute of the day that the fewest movable units run over.
    void cutTheDay() {
        m_cut = quietestMinute(m_units);
        startLineAt(m_units, m_cut);
    }

    bool siblingAllows(std::size_t u, int32_t platform) const {
        for (std::size_t i = m_siblingsFrom[u]; i < m_siblingsFrom[u + 1]; ++i) {
            const std::size_t s = m_siblings[i];
            if (m_original[s] == platform || m_current[s] == platform) return false;
        }
        return true;
    }

    // Whether the unit may take the platform at all: allowed, not its train's other platform,
    // free of the stays that do not move.
    bool mayTake(std::size_t u, int32_t platform) const {
        return m_request.allowed.test(static_cast<std::size_t>(platform)) &&
               siblingAllows(u, platform) && !m_obstacles.blocks(platform, m_units[u]);
    }

    void placeUnits() {
        std::vector<std::size_t> overCut;
        std::vector<std::size_t> line;
        for (std::size_t u = 0; u < m_units.size(); ++u) {
            if (!m_units[u].movable) {
                m_obstacles.add(m_units[u]);
            } else if (m_units[u].overCut()) {
                overCut.push_back(u);
            } else {
                line.push_back(u);
            }
        }
        m_obstacles.index();
        const auto inOrder = [this](std::size_t a, std::size_t b) {
            const Unit& ua = m_units[a];
            const Unit& ub = m_units[b];
            return ua.start != ub.start ? ua.start < ub.start : ua.firstStay < ub.firstStay;
        };
        std::sort(overCut.begin(), overCut.end(), inOrder);
        std::sort(line.begin(), line.end(), inOrder);
        placeOverCut(overCut);
        m_obstacles.index();
        for (std::size_t first = 0; first < line.size();) {
            std::size_t last = first + 1;
            int32_t reach = m_units[line[first]].end;
            while (last < line.size() && m_units[line[last]].start < reach)
                reach = std::max(reach, m_units[line[last++]].end);
            m_scratch.block.assign(line.begin() + static_cast<std::ptrdiff_t>(first),
                                   line.begin() + static_cast<std::ptrdiff_t>(last));
            placeBlock(m_scratch.block);
            first = last;
        }
    }

    // Units over the cut all meet there: each keeps its platform when no other one took it,
    // else takes the lowest free one.
    void placeOverCut(const std::vector<std::size_t>& units) {
        std::vector<std::size_t> placed;
        const auto fits = [&](std::size_t u, int32_t platform) {
            if (!mayTake(u, platform)) return false;
            for (std::size_t other : placed) {
                if (m_current[other] == platform && m_units[other].consist != m_units[u].consist &&
                    meet(m_units[other], m_units[u])) {
                    return false;
                }
            }
            return true;
        };
        for (std::size_t u : units) {
            int32_t chosen = fits(u, m_original[u]) ? m_original[u] : unplaced;
            for (int32_t p = limits::minPlatform; chosen == unplaced && p <= limits::maxPlatform;
                 ++p) {
                if (fits(u, p)) chosen = p;
            }
            if (chosen == unplaced) {
                m_unplaced.push_back(u);
                continue;
            }
            m_current[u] = chosen;
            placed.push_back(u);
        }
        for (std::size_t u : placed) {
            Unit moved = m_units[u];
            moved.platform = m_current[u];
            m_obstacles.add(moved);
        }
    }

    enum class Fit { plain, leavingClaimed };

    // When the next unit after block[i] that holds platform p now comes while block[i] is
    // still there: its start; INT32_MAX when none does.
    int32_t claimOf(const std::array<std::vector<std::size_t>, platformSlots>& holders,
                    std::array<std::size_t, platformSlots>& nextHolder,
                    const std::vector<std::size_t>& block, std::size_t i, int32_t p) const {
        const auto slot = static_cast<std::size_t>(p);
        std::size_t& next = nextHolder[slot];
        while (next < holders[slot].size() && holders[slot][next] <= i) ++next;
        if (next == holders[slot].size()) return INT32_MAX;
        const int32_t start = m_units[block[holders[slot][next]]].start;
        return start < m_units[block[i]].end ? start : INT32_MAX;
    }

    // A first fit over the block in order: the cost, with m_current holding the choice and
    // unplacedOut the units left without a platform.
    Cost firstFit(const std::vector<std::size_t>& block, Fit fit,
                  std::vector<std::size_t>& unplacedOut) {
        std::array<LatestEnds, platformSlots> latest;
        // For each platform, the units of the block that hold it now, in order: the next one
        // still to come claims it from its start.
        std::array<std::vector<std::size_t>, platformSlots>& holders = m_scratch.holders;
        for (std::vector<std::size_t>& held : holders) held.clear();
        std::array<std::size_t, platformSlots> nextHolder{};
        unplacedOut.clear();
        if (fit == Fit::leavingClaimed) {
            for (std::size_t i = 0; i < block.size(); ++i)
                holders[static_cast<std::size_t>(m_original[block[i]])].push_back(i);
        }
        Cost cost;
        for (std::size_t i = 0; i < block.size(); ++i) {
            const std::size_t u = block[i];
            const Unit& unit = m_units[u];
            const auto free = [&](int32_t p) {
                return latest[static_cast<std::size_t>(p)].otherThan(unit.consist) <= unit.start &&
                       mayTake(u, p);
            };
            int32_t chosen = free(m_original[u]) ? m_original[u] : unplaced;
            int32_t latestClaim = INT32_MIN;
            for (int32_t p = limits::minPlatform;
                 chosen != m_original[u] && p <= limits::maxPlatform; ++p) {
                if (!free(p)) continue;
                if (fit == Fit::plain) {
                    chosen = p;
                    break;
                }
                // The platform's next holder after this unit would have to move if it comes
                // before this unit leaves: a platform nobody claims, else the one claimed
                // latest.
                const int32_t claim = claimOf(holders, nextHolder, block, i, p);
                if (claim > latestClaim) {
                    latestClaim = claim;
                    chosen = p;
                }
            }
            if (chosen == unplaced) {
                cost.unplaced += unit.trains;
                unplacedOut.push_back(u);
                m_current[u] = m_original[u];
                continue;
            }
            if (chosen != m_original[u]) cost.moved += unit.trains;
            m_current[u] = chosen;
            latest[static_cast<std::size_t>(chosen)].offer(unit.end, unit.consist);
        }
        return cost;
    }

    // The fewest moves for a small block, by trying every platform for every unit in order,
    // cut off where it can no longer beat the best found; false when the search ran out of
    // its budget.
    bool searchBlock(const std::vector<std::size_t>& block, Cost& best,
                     std::vector<int32_t>& bestChoice) {
        std::vector<int32_t>& choice = m_scratch.searchChoice;
        choice.assign(block.size(), unplaced);
        std::size_t nodes = 0;
        bool complete = true;
        const auto visit = [&](const auto& self, std::size_t i, Cost cost) -> void {
            if (!(cost < best)) return;  // only what beats the best so far
            if (++nodes > searchBudget) {
                complete = false;
                return;
            }
            if (i == block.size()) {
                best = cost;
                bestChoice = choice;
                return;
            }
            const std::size_t u = block[i];
            const Unit& unit = m_units[u];
            const auto fits = [&](int32_t p) {
                if (!mayTake(u, p)) return false;
                for (std::size_t j = 0; j < i; ++j) {
                    const Unit& other = m_units[block[j]];
                    if (choice[j] == p && other.consist != unit.consist && other.end > unit.start)
                        return false;
                }
                return true;
            };
            const auto tryPlatform = [&](int32_t p, Cost next) {
                if (!complete || !fits(p)) return;
                choice[i] = p;
                m_current[u] = p;
                self(self, i + 1, next);
                m_current[u] = m_original[u];
                choice[i] = unplaced;
            };
            tryPlatform(m_original[u], cost);
            for (int32_t p = limits::minPlatform; p <= limits::maxPlatform; ++p) {
                if (p != m_original[u]) tryPlatform(p, {cost.unplaced, cost.moved + unit.trains});
            }
            if (complete) self(self, i + 1, {cost.unplaced + unit.trains, cost.moved});
        };
        visit(visit, 0, {});
        return complete;
    }

    void placeBlock(const std::vector<std::size_t>& block) {
        Scratch& x = m_scratch;
        const auto keepChoice = [&] {
            x.bestChoice.resize(block.size());
            for (std::size_t i = 0; i < block.size(); ++i) x.bestChoice[i] = m_current[block[i]];
        };
        const auto restore = [&] {
            for (std::size_t u : block) m_current[u] = m_original[u];
        };
        Cost best = firstFit(block, Fit::plain, x.bestUnplaced);
        keepChoice();
        restore();
        if (!m_request.firstFitOnly && !(best == Cost{})) {
            const Cost claimed = firstFit(block, Fit::leavingClaimed, x.unplacedClaimed);
            if (claimed < best) {
                best = claimed;
                keepChoice();
                std::swap(x.bestUnplaced, x.unplacedClaimed);
            }
            restore();
            Cost bound = best;
            if (block.size() <= exactBlock && searchBlock(block, bound, x.searchBest) &&
                bound < best) {
                best = bound;
                x.bestChoice = x.searchBest;
                x.bestUnplaced.clear();
                for (std::size_t i = 0; i < block.size(); ++i) {
                    if (x.searchBest[i] == unplaced) x.bestUnplaced.push_back(block[i]);
                }
            }
            restore();
        }
        for (std::size_t i = 0; i < block.size(); ++i) {
            m_current[block[i]] =
                x.bestChoice[i] == unplaced ? m_original[block[i]] : x.bestChoice[i];
        }
        m_unplaced.insert(m_unplaced.end(), x.bestUnplaced.begin(), x.bestUnplaced.end());
    }

    void collect(PlatformPlan& result, std::size_t listed) {
        std::vector<bool> trainMoved(m_content.trains.size(), false);
        for (std::size_t k = 0; k < m_stays->size(); ++k) {
            const std::size_t u = m_unitOf[k];
            if (m_current[u] == m_original[u]) continue;
            result.moves.push_back({k, m_current[u]});
            const std::size_t train = (*m_stays)[k].train;
            if (!trainMoved[train]) ++result.movedTrains;
            trainMoved[train] = true;
        }
        std::vector<bool> unplacedUnit(m_units.size(), false);
        for (std::size_t u : m_unplaced) unplacedUnit[u] = true;
        const std::vector<int32_t> need = unitsAtEachMinute(m_units);
        std::vector<bool> named(m_content.trains.size(), false);
        for (std::size_t k = 0; k < m_stays->size(); ++k) {
            const std::size_t u = m_unitOf[k];
            const std::size_t train = (*m_stays)[k].train;
            if (!unplacedUnit[u] || named[train]) continue;
            named[train] = true;
            ++result.unplacedTrains;
            if (result.unplaced.size() >= listed) continue;
            // The busiest minute of the unit's stay on the line, told as a time of day.
            const Unit& unit = m_units[u];
            int32_t busiest = unit.start % minutesPerDay;
            for (int32_t m = unit.start; m < std::min(unit.end, unit.start + minutesPerDay); ++m) {
                const int32_t at = m % minutesPerDay;
                if (need[static_cast<std::size_t>(at)] > need[static_cast<std::size_t>(busiest)])
                    busiest = at;
            }
            result.unplaced.push_back({train, k, (busiest + m_cut) % minutesPerDay,
                                       need[static_cast<std::size_t>(busiest)]});
        }
    }

    const TimetableContent& m_content;
    const PlacementRequest& m_request;
    const Consists m_consists;
    const std::vector<PlatformInterval>* m_stays = nullptr;
    std::vector<Unit> m_units;
    std::vector<std::size_t> m_unitOf;  // by stay
    // The units holding the other stay of a train that changes platforms: unit u's are
    // m_siblings[m_siblingsFrom[u]] up to m_siblings[m_siblingsFrom[u + 1]].
    std::vector<std::size_t> m_siblingsFrom;
    std::vector<std::size_t> m_siblings;
    std::vector<int32_t> m_original;  // by unit
    std::vector<int32_t> m_current;   // by unit: as placed so far
    std::vector<std::size_t> m_unplaced;
    Obstacles m_obstacles;
    int32_t m_cut = 0;
    // Reused from block to block: a day has many blocks, and each allocation costs.
    struct Scratch {
        std::vector<std::size_t> block;
        std::array<std::vector<std::size_t>, platformSlots> holders;
        std::vector<std::size_t> bestUnplaced;
        std::vector<std::size_t> unplacedClaimed;
        std::vector<int32_t> bestChoice;
        std::vector<int32_t> searchChoice;
        std::vector<int32_t> searchBest;
    } m_scratch;
};

}  // namespace

PlatformPlan planPlatforms(const TimetableContent& content, const PlacementRequest& request,
                           std::size_t listed) {
    PlatformPlan plan = Planner(content, request).plan(listed);
    if (request.firstFitOnly || (plan.unplacedTrains == 0 && plan.movedTrains == 0)) return plan;
    // Blocks are chosen one by one, but a train's two stays may lie in two of them: the plain
    // first fit over the whole day is the floor the plan never falls below.
    PlacementRequest plain = request;
    plain.firstFitOnly = true;
    PlatformPlan floor = Planner(content, plain).plan(listed);
    const auto cost = [](const PlatformPlan& p) {
        return std::pair(p.unplacedTrains, p.movedTrains);
    };
    return cost(floor) < cost(plan) ? std::move(floor) : std::move(plan);
}

}  // namespace rylmo
