#pragma once

#include <QVector>
#include <cstdint>
#include <vector>

#include "document/Timetable.h"
#include "ui/PictureStrip.h"

namespace rylmo::coaches {

// The strip entries of a composition row: each vehicle by its name; a number that names no
// type and no coach stands as a placeholder showing the number.
QVector<ui::StripEntry> compositionStripEntries(const TimetableContent& content,
                                                const std::vector<int32_t>& row);

}  // namespace rylmo::coaches
