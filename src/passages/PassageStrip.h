#pragma once

#include <QVector>
#include <cstdint>
#include <vector>

#include "document/Timetable.h"
#include "ui/PictureStrip.h"

namespace rylmo::passages {

enum class Side { arriving, departing };

// The locomotive being entered in the passage dialog: its type (1-based) and depot numbers,
// and the passage it stands for (-1 when it is a new one, shown beside all passages).
struct EnteredLocomotive {
    int64_t type = 0;
    int64_t depot = 0;
    int standsFor = -1;
};

// The strip of one side of a passage, left to right: the train t with the trains coupled to
// it and the locomotives that passages bring with it (arriving) or take away (departing).
// passages are the passages to show; currentPassage marks one of them (-1 for none). With
// entered (the passage dialog), the locomotive being entered is added unless the passage it
// stands for already shows it on this side, and train hints take the dialog's form.
// Nothing is read out of range: numbers with no entry show placeholders, as do missing pictures.
QVector<ui::StripEntry> passageStrip(const TimetableContent& content, Side side, int64_t train,
                                     const std::vector<LocomotivePassage>& passages,
                                     int currentPassage,
                                     const EnteredLocomotive* entered = nullptr);

// Where the passage strips place pictures and labels.
inline constexpr ui::StripLayout passageStripLayout{10, 2, 48, false, true};

}  // namespace rylmo::passages
