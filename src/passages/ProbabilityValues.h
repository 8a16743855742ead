#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rylmo::passages {

// The working values of a probability entry while it is edited: one percentage per
// locomotive type. No type can be raised beyond what is still missing to 100; once the sum
// is 100, a type at 0 stays at 0 until another type is lowered.
class ProbabilityValues {
public:
    // stored are the entry's values: missing ones read as 0. Values beyond the types are not
    // edited and not written back; extraCount() and extraSum() say what they were.
    ProbabilityValues(int typeCount, const std::vector<int32_t>& stored = {});

    int typeCount() const { return static_cast<int>(m_values.size()); }
    int32_t value(int type) const { return m_values.at(static_cast<std::size_t>(type)); }
    // The total of the types' values, as a 64-bit number since stored values may be anything.
    int64_t sum() const;
    bool complete() const { return sum() == 100; }

    struct Limits {
        int32_t maximum;  // the minimum is 0
        bool enabled;
    };
    // The spin edit's range for a type. A sum above 100 (read from a file) never lowers the
    // type's own value: it only keeps it from being raised.
    Limits limitsFor(int type) const;

    // Sets a type's value as the spin edit gives it; a value beyond the limits is brought
    // within them, as when a typed number loses the focus.
    void set(int type, int64_t value);

    // The entry's text: the types' values, each followed by a comma.
    std::string text() const;

    int extraCount() const { return m_extraCount; }
    int64_t extraSum() const { return m_extraSum; }

private:
    std::vector<int32_t> m_values;
    int m_extraCount = 0;
    int64_t m_extraSum = 0;
};

}  // namespace rylmo::passages
