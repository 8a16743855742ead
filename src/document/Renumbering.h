#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rylmo {

// Where each entry of a list goes when entries are deleted (or, for the name lists edited as
// text, deleted and inserted): the new 0-based position of every old entry, or gone.
class Renumbering {
public:
    static constexpr int32_t gone = -1;

    Renumbering() = default;
    // The list of count entries less the entries at rows (0-based, any order; rows outside
    // the list are ignored).
    static Renumbering deleting(std::size_t count, const std::vector<int>& rows);
    // The list before, edited into the list after: lines kept or changed in place keep their
    // entry, lines taken out are gone, lines put in move the ones after them. The alignment
    // changes as few lines as it can (a changed line counts as kept); a change too large to
    // align line by line keeps the lines of its region by their place.
    static Renumbering aligning(const std::vector<std::string>& before,
                                const std::vector<std::string>& after);

    std::size_t size() const { return m_to.size(); }
    // The new position of old entry at (0-based, within size()), or gone.
    int32_t to(std::size_t at) const { return m_to[at]; }
    bool contains(int64_t at) const { return at >= 0 && static_cast<uint64_t>(at) < m_to.size(); }
    std::size_t goneCount() const { return m_gone; }
    // Whether any entry is gone or moved.
    bool changesAnything() const { return m_changes; }

private:
    explicit Renumbering(std::vector<int32_t> to);

    std::vector<int32_t> m_to;
    std::size_t m_gone = 0;
    bool m_changes = false;
};

}  // namespace rylmo
