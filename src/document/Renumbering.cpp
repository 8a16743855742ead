#include "document/Renumbering.h"

#include <algorithm>

namespace rylmo {

namespace {

// Regions of more changed lines than this (old × new) are kept by place instead of aligned:
// the alignment needs a table of that many cells.
constexpr std::size_t alignedCellLimit = 4'000'000;

}  // namespace

Renumbering::Renumbering(std::vector<int32_t> to) : m_to(std::move(to)) {
    for (std::size_t i = 0; i < m_to.size(); ++i) {
        if (m_to[i] == gone) {
            ++m_gone;
            m_changes = true;
        } else if (static_cast<std::size_t>(m_to[i]) != i) {
            m_changes = true;
        }
    }
}

Renumbering Renumbering::deleting(std::size_t count, const std::vector<int>& rows) {
    std::vector<int32_t> to(count, 0);
    for (int row : rows) {
        if (row >= 0 && static_cast<std::size_t>(row) < count)
            to[static_cast<std::size_t>(row)] = gone;
    }
    int32_t next = 0;
    for (int32_t& place : to) {
        if (place != gone) place = next++;
    }
    return Renumbering(std::move(to));
}

Renumbering Renumbering::aligning(const std::vector<std::string>& before,
                                  const std::vector<std::string>& after) {
    const std::size_t n = before.size();
    const std::size_t m = after.size();
    std::size_t prefix = 0;
    while (prefix < n && prefix < m && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < n - prefix && suffix < m - prefix &&
           before[n - 1 - suffix] == after[m - 1 - suffix]) {
        ++suffix;
    }
    std::vector<int32_t> to(n, gone);
    for (std::size_t i = 0; i < prefix; ++i) to[i] = static_cast<int32_t>(i);
    for (std::size_t k = 0; k < suffix; ++k) to[n - 1 - k] = static_cast<int32_t>(m - 1 - k);

    // The changed region: old lines [prefix, oldEnd), new lines [prefix, newEnd).
    const std::size_t rows = n - suffix - prefix;
    const std::size_t columns = m - suffix - prefix;
    if (rows == 0 || columns == 0) return Renumbering(std::move(to));
    if (rows > alignedCellLimit / columns) {
        for (std::size_t i = 0; i < std::min(rows, columns); ++i)
            to[prefix + i] = static_cast<int32_t>(prefix + i);
        return Renumbering(std::move(to));
    }
    // Edit distance of the two regions, a line changed in place costing as much as one taken
    // out or put in, so that a renamed entry keeps its references.
    const std::size_t width = columns + 1;
    std::vector<uint32_t> cost((rows + 1) * width);
    for (std::size_t j = 0; j <= columns; ++j) cost[j] = static_cast<uint32_t>(j);
    for (std::size_t i = 1; i <= rows; ++i) {
        cost[i * width] = static_cast<uint32_t>(i);
        for (std::size_t j = 1; j <= columns; ++j) {
            const bool same = before[prefix + i - 1] == after[prefix + j - 1];
            const uint32_t diagonal = cost[(i - 1) * width + j - 1] + (same ? 0 : 1);
            const uint32_t taken = cost[(i - 1) * width + j] + 1;
            const uint32_t put = cost[i * width + j - 1] + 1;
            cost[i * width + j] = std::min({diagonal, taken, put});
        }
    }
    std::size_t i = rows;
    std::size_t j = columns;
    while (i > 0 && j > 0) {
        // Of equal ways, the one that keeps equal lines together, then the one that takes out
        // later lines and renames earlier ones.
        const bool same = before[prefix + i - 1] == after[prefix + j - 1];
        const uint32_t here = cost[i * width + j];
        const bool diagonal = here == cost[(i - 1) * width + j - 1] + (same ? 0 : 1);
        if (diagonal && same) {
            to[prefix + i - 1] = static_cast<int32_t>(prefix + j - 1);
            --i;
            --j;
        } else if (here == cost[(i - 1) * width + j] + 1) {
            --i;  // taken out: stays gone
        } else if (diagonal) {
            to[prefix + i - 1] = static_cast<int32_t>(prefix + j - 1);
            --i;
            --j;
        } else {
            --j;
        }
    }
    return Renumbering(std::move(to));
}

}  // namespace rylmo
