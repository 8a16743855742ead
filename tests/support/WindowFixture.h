#pragma once

#include <QAbstractItemModel>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <filesystem>
#include <tuple>

#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "app/MainWindow.h"
#include "editing/ProblemChecker.h"

namespace rylmo::test {

inline QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Three trains on platform 1 whose names, times and numbers sort differently by each column.
inline TimetableContent listContent() {
    TimetableContent c = workedExample();
    // Windows-1250, as in the file: Łódź, Lublin, Aleksandrów, Ąbrowa.
    c.stationNames = {"Wola",
                      "\xa3\xf3"
                      "d\x9f",
                      "Lublin", "Aleksandr\xf3w",
                      "\xa5"
                      "browa"};
    Train t = c.trains[0];
    c.trains.clear();
    for (const auto& [time, origin, number] :
         {std::tuple{1005, 1, 300}, std::tuple{705, 2, 100}, std::tuple{930, 4, 200}}) {
        t.arrivalTime = time;
        t.departureTime = time + 5;  // each on platform 1 at its own time
        t.originStation = origin;
        t.arrivalNumber = number;
        c.trains.push_back(t);
    }
    return c;
}

// The main window over listContent, its settings in a fresh folder.
struct WindowFixture {
    TempFolder folder;
    ScriptedPrompter prompter;
    app::MainWindow window{qpath(folder / "Rylmo.ini")};

    WindowFixture() {
        window.session().open(listContent(), "/tmp/", "a.roz");
        window.newDocument();
        window.problems().checkNow();
    }
    QTableView* list() { return window.trainList(); }
    QStringList column(int column) {
        QStringList texts;
        for (int row = 0; row < list()->model()->rowCount(); ++row)
            texts << list()->model()->index(row, column).data().toString();
        return texts;
    }
    void sortBy(int column, Qt::SortOrder order = Qt::AscendingOrder) {
        list()->sortByColumn(column, order);
    }
};

}  // namespace rylmo::test
