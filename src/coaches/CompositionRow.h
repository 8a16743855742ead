#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rylmo::coaches {

// The composition editor's row of vehicle numbers and the 1-based position of the vehicle
// it shows, with the editor's row operations.
class CompositionRow {
public:
    explicit CompositionRow(std::vector<int32_t> vehicles = {}) : m_vehicles(std::move(vehicles)) {}

    const std::vector<int32_t>& vehicles() const { return m_vehicles; }
    bool empty() const { return m_vehicles.empty(); }
    int position() const { return m_position; }
    // The track bar's maximum: the row length, and 1 for an empty row.
    int maximum() const { return m_vehicles.empty() ? 1 : static_cast<int>(m_vehicles.size()); }
    // The vehicle at the position; 0 for an empty row.
    int32_t shown() const {
        return m_vehicles.empty() ? 0 : m_vehicles[static_cast<std::size_t>(m_position) - 1];
    }

    // Shows the vehicle at position, brought within 1..maximum.
    void moveTo(int position);
    // Inserts vehicle before the shown one, which moves right; the inserted one is shown.
    void insert(int32_t vehicle);
    // Removes the shown vehicle; the position stays, brought within the shorter row.
    void removeShown();
    // Whether "Zmień" would change anything, and the change itself.
    bool canChangeTo(int32_t vehicle) const { return !empty() && vehicle != shown(); }
    void changeShown(int32_t vehicle);

    // The row as stored: run lengths and vehicle numbers, then "0,".
    std::string text() const;

private:
    std::vector<int32_t> m_vehicles;
    int m_position = 1;
};

}  // namespace rylmo::coaches
