#pragma once

#include <QColor>

namespace rylmo::models {

// The mark of a train or a value that a finding names: in the list, on the chart, on paper.
inline QColor problemColour() {
    return Qt::red;
}

}  // namespace rylmo::models
