#include "editing/ReadableListSheet.h"

#include <algorithm>

#include "editing/TrainTexts.h"

namespace rylmo::editing {

Sheet readableListSheet(const TimetableContent& content, const SheetFilter& filter) {
    Sheet sheet;
    sheet.kind = "Lista pociągów";
    sheet.station = stationOf(content);
    sheet.window = timeWindowText(content, filter.window);
    for (int column = 0; column < TrainTexts::columns; ++column) {
        const QString header = TrainTexts::header(column);
        sheet.columns.push_back(
            {header.toStdString(), std::max(4, static_cast<int>(header.size()) + 1)});
    }
    const TrainTexts texts(content);
    for (std::size_t train : listedTrains(content, filter)) {
        SheetRow row{train, -1, {}};
        row.cells.reserve(TrainTexts::columns);
        for (int column = 0; column < TrainTexts::columns; ++column) {
            row.cells.push_back(texts.cell(content.trains[train], static_cast<int>(train), column)
                                    .text.toStdString());
        }
        sheet.rows.push_back(std::move(row));
    }
    // Each column as wide as its longest text, up to a long name's share.
    constexpr std::size_t widest = 24;
    for (const SheetRow& row : sheet.rows) {
        for (std::size_t column = 0; column < row.cells.size(); ++column) {
            SheetColumn& shown = sheet.columns[column];
            const auto length = static_cast<int>(std::min(widest, row.cells[column].size()));
            shown.width = std::max(shown.width, length);
        }
    }
    return sheet;
}

}  // namespace rylmo::editing
