#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace rylmo {

// How the file packs two numbers into one field.

// A time of day: hour × 100 + minute.
inline constexpr int32_t timeOfDay(int32_t hour, int32_t minute) {
    return hour * 100 + minute;
}
inline constexpr int32_t hourOf(int32_t time) {
    return time / 100;
}
inline constexpr int32_t minuteOf(int32_t time) {
    return time % 100;
}
inline constexpr int32_t minutesPerDay = 24 * 60;
// The minutes from midnight of a time of day (its range unchecked).
inline constexpr int32_t minuteOfDay(int32_t time) {
    return hourOf(time) * 60 + minuteOf(time);
}
// A minute counted from any midnight, before or after, as the time of day it falls on.
inline constexpr int32_t timeOfMinute(int64_t minutes) {
    const auto wrapped =
        static_cast<int32_t>(((minutes % minutesPerDay) + minutesPerDay) % minutesPerDay);
    return timeOfDay(wrapped / 60, wrapped % 60);
}

// A span of minutes [start, end), start within the day, cut at midnight: the part up to
// midnight, and the part from 0:00 the next morning (empty unless the span runs over
// midnight; never more than a day).
struct DayPiece {
    int32_t start = 0;
    int32_t end = 0;
};
struct DayPieces {
    DayPiece evening;
    DayPiece morning;
};
inline constexpr DayPieces dayPiecesOf(int32_t start, int32_t end) {
    return {{start, std::min(end, minutesPerDay)},
            {0, end > minutesPerDay ? std::min(end - minutesPerDay, minutesPerDay) : 0}};
}

// A coupling: the train it leads to × 10 + the coach slot (1..9) of the train it is stored in.
inline constexpr int32_t couplingCode(int32_t train, int32_t coach) {
    return train * 10 + coach;
}
template <class Integer>
constexpr Integer couplingTrain(Integer code) {
    return code / 10;
}
template <class Integer>
constexpr Integer couplingCoach(Integer code) {
    return code % 10;
}
// Whether a coupling field names a train at all (0 and codes without a coach do not).
inline constexpr bool isCouplingCode(int32_t code) {
    return code > 0 && couplingCoach(code) != 0;
}

// A stand coordinate (of a train or a depot entry): its distance, negative when the consist is
// coupled from the right.
inline constexpr int32_t standCoordinate(int32_t distance, bool fromRight) {
    return fromRight ? -distance : distance;
}
inline constexpr bool standsFromRight(int32_t coordinate) {
    return coordinate < 0;
}
inline constexpr int64_t standDistance(int32_t coordinate) {
    return coordinate < 0 ? -int64_t{coordinate} : coordinate;
}

// A train can run as a self-propelled unit of a locomotive type of kind 1 (electric multiple
// unit) or 2 (rail bus) only.
inline bool isSelfPropelledKind(std::string_view kind) {
    return kind == "1" || kind == "2";
}

}  // namespace rylmo
