#include "coaches/CompositionRow.h"

#include <algorithm>

#include "document/CompositionText.h"

namespace rylmo::coaches {

void CompositionRow::moveTo(int position) {
    m_position = std::clamp(position, 1, maximum());
}

void CompositionRow::insert(int32_t vehicle) {
    m_vehicles.insert(m_vehicles.begin() + (m_position - 1), vehicle);
}

void CompositionRow::removeShown() {
    if (m_vehicles.empty()) return;
    m_vehicles.erase(m_vehicles.begin() + (m_position - 1));
    moveTo(m_position);
}

void CompositionRow::changeShown(int32_t vehicle) {
    if (!m_vehicles.empty()) m_vehicles[static_cast<std::size_t>(m_position) - 1] = vehicle;
}

std::string CompositionRow::text() const {
    return compositionText(m_vehicles);
}

}  // namespace rylmo::coaches
