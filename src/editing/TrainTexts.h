#pragma once

#include <QString>
#include <QStringList>
#include <mutex>
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
// one state of the document's name lists, holding only the names the trains use, so that a
// list of a million names costs nothing it does not show; names sort in Polish alphabetical
// order, and a long name is cut short.
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
    // Whether every name the train refers to was gathered; a train changed to use a name no
    // train used before needs the texts built again.
    bool covers(const Train& train) const;

private:
    // Some entries of a list, by position: those marked, then gathered.
    struct Names {
        Names(std::size_t listSize, bool all) : places(listSize, all ? 0 : -1) {}
        std::vector<int32_t> places;  // by position: the place among the texts, or -1
        QStringList texts;
        // Made when first needed, by the first search or sort (once, whichever thread asks).
        mutable QStringList folded;         // the texts as searches compare them
        mutable std::vector<qint64> ranks;  // alphabetical rank of each text among the gathered

        int64_t listSize() const { return static_cast<int64_t>(places.size()); }
        // The entry's place among the gathered, or -1.
        qsizetype slotOf(int64_t position) const;
        bool covers(int64_t position) const;
        void mark(int64_t position);
        template <class TextAt>
        void gather(TextAt textAt);
    };
    static TrainCell named(const Names& names, int64_t position, bool folded);
    void foldOnce() const;
    void rankOnce() const;

    Names m_runTypes;
    Names m_statuses;
    Names m_stations;
    Names m_vehicles;
    Names m_categories;
    std::vector<int32_t> m_categoryCodes;
    Names m_compositions;  // the vehicles' names of each composition
    mutable std::once_flag m_folded;
    mutable std::once_flag m_ranked;
};

// Lower case without Polish (or other) diacritics: "Łódź" gives "lodz".
QString foldForSearch(const QString& text);

}  // namespace rylmo::editing
