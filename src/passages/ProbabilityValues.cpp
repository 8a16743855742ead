#include "passages/ProbabilityValues.h"

#include <algorithm>
#include <numeric>

#include "document/FieldLimits.h"
#include "document/ProbabilityText.h"

namespace rylmo::passages {

ProbabilityValues::ProbabilityValues(int typeCount, const std::vector<int32_t>& stored)
    : m_values(static_cast<std::size_t>(std::max(typeCount, 0)), 0) {
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (i < m_values.size()) {
            m_values[i] = stored[i];
        } else {
            ++m_extraCount;
            m_extraSum += stored[i];
        }
    }
}

int64_t ProbabilityValues::sum() const {
    return std::accumulate(m_values.begin(), m_values.end(), int64_t{0});
}

ProbabilityValues::Limits ProbabilityValues::limitsFor(int type) const {
    const int64_t own = value(type);
    const int64_t total = sum();
    if (total == limits::maxPercent) return {static_cast<int32_t>(own), own != 0};
    const int64_t maximum = std::max(own, own + (limits::maxPercent - total));
    return {static_cast<int32_t>(
                std::clamp<int64_t>(maximum, 0, std::max<int64_t>(own, limits::maxPercent))),
            true};
}

void ProbabilityValues::set(int type, int64_t value) {
    const Limits limits = limitsFor(type);
    m_values.at(static_cast<std::size_t>(type)) =
        static_cast<int32_t>(std::clamp<int64_t>(value, 0, limits.maximum));
}

std::string ProbabilityValues::text() const {
    return probabilityEntryText(m_values);
}

}  // namespace rylmo::passages
