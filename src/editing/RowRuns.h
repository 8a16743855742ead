#pragma once

#include <utility>
#include <vector>

namespace rylmo::editing {

// The runs of consecutive rows among ascending rows, as (first row, count), ascending: how
// the views hear of rows inserted or removed.
inline std::vector<std::pair<int, int>> runsOf(const std::vector<int>& rows) {
    std::vector<std::pair<int, int>> runs;
    for (int row : rows) {
        if (!runs.empty() && runs.back().first + runs.back().second == row) {
            ++runs.back().second;
        } else {
            runs.emplace_back(row, 1);
        }
    }
    return runs;
}

}  // namespace rylmo::editing
