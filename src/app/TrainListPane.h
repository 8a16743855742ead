#pragma once

#include <QWidget>
#include <cstddef>
#include <vector>

class QLineEdit;
class QMenu;
class QTableView;

namespace rylmo::editing {
class EditingSession;
class TrainFilterModel;
}  // namespace rylmo::editing

namespace rylmo::app {

// The main window's train list: the search bar ("Szukaj") over the table of the session's
// trains, sorted by a click on a header and searched; the selection the train commands act on;
// the context menu; Ctrl+C of the selected trains.
class TrainListPane : public QWidget {
    Q_OBJECT
public:
    TrainListPane(editing::EditingSession& session, QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }
    void setMenu(QMenu* menu) { m_menu = menu; }

    // The selected train (its 0-based position in the timetable, whatever the sorting and the
    // search), or -1; the selected trains, in the order of the rows.
    int selectedTrain() const;
    std::vector<int> selectedTrains() const;
    // Selects the train or trains (clearing a search that hides any) and shows the first; -1
    // selects none.
    void selectTrain(int train);
    void selectTrains(const std::vector<int>& trains);
    // Selects the trains appended after the first count, so that the next step acts on them.
    void selectAppendedTrains(std::size_t count);

    // The selected trains onto the clipboard, as the list shows them and in the own format.
    void copySelectedTrains() const;
    // Column widths that show the texts of the list's mode whole.
    void fitColumns();

signals:
    void selectionChanged();
    // A row was double-clicked.
    void trainActivated();
    // Delete was pressed in the list with trains selected.
    void deleteRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createTable();
    void createSearchBar();

    editing::EditingSession& m_session;
    editing::TrainFilterModel* m_arranged = nullptr;
    QTableView* m_table = nullptr;
    QWidget* m_searchBar = nullptr;
    QLineEdit* m_search = nullptr;
    QMenu* m_menu = nullptr;
};

}  // namespace rylmo::app
