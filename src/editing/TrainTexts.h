#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "document/Timetable.h"

namespace rylmo::editing {

// What one cell of the train list shows: its text, and whether it names something that does
// not exist (shown as "?" and the number).
struct TrainCell {
    QString text;
    bool unknown = false;
};

// The trains as a reader sees them: times as times, names instead of positions. Built for
// one state of the document's name lists; names sort in Polish alphabetical order.
class TrainTexts {
public:
    explicit TrainTexts(const TimetableContent& content);

    static constexpr int columns = 16;
    static QString header(int column);
    static QString headerTip(int column);

    // folded gives the text as searches compare it.
    TrainCell cell(const Train& train, int row, int column, bool folded = false) const;
    // The cell's sort value alone, as cheap as sorting a hundred thousand rows needs.
    qint64 sortKey(const Train& train, int row, int column) const;
    // Every text of the train's row but its position, folded for searching.
    QString searchText(const Train& train) const;

private:
    struct Names {
        QStringList texts;
        QStringList folded;         // the texts as searches compare them
        std::vector<qint64> ranks;  // alphabetical rank of each text
    };
    static TrainCell named(const Names& names, int64_t position, bool folded);

    Names m_runTypes;
    Names m_statuses;
    Names m_stations;
    Names m_vehicles;
    Names m_categories;
    std::vector<int32_t> m_categoryCodes;
    std::vector<QString> m_compositions;  // the vehicles' names of each composition
};

// Lower case without Polish (or other) diacritics: "Łódź" gives "lodz".
QString foldForSearch(const QString& text);

}  // namespace rylmo::editing
