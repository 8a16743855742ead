#pragma once

#include <QMainWindow>

#include "app/ProfileFile.h"
#include "document/Timetable.h"
#include "editing/EditingSession.h"

class QAction;
class QDockWidget;
class QLineEdit;
class QLabel;
class QMenu;
class QTableView;

namespace rylmo::editing {
class ProblemChecker;
class TrainFilterModel;
}  // namespace rylmo::editing

namespace rylmo::trains {
class PlatformChart;
}

namespace rylmo::app {

// The main window: the editing session's timetable with its menus, tool bar, train list and
// status bar, and the document commands.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // settingsPath is the Rylmo.ini to use; keys it lacks are read from fallbackSettingsPath.
    explicit MainWindow(const QString& settingsPath, const QString& fallbackSettingsPath = {},
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    editing::EditingSession& session() { return m_session; }
    const Timetable& document() const { return m_session.document(); }
    ProfileFile& settings() { return m_settings; }
    QTableView* trainList() const { return m_trainList; }
    trains::PlatformChart* platformChart() const { return m_chart; }
    editing::TrainListModel* trainModel() const { return m_session.trainListModel(); }

    // The selected train (its 0-based position in the timetable, whatever the sorting and the
    // search), or -1; and selecting one.
    int selectedTrain() const;
    // The selected trains, in the order of the list's rows.
    std::vector<int> selectedTrains() const;
    void selectTrain(int train);
    // Selects the trains (clearing a search that hides any) and shows the first of them.
    void selectTrains(const std::vector<int>& trains);
    editing::ProblemChecker& problems() { return *m_problems; }
    QDockWidget* problemsDock() const { return m_problemsDock; }

    // Opens the window that shows a finding of the problems panel, at its entry.
    void goToProblem(int row);

    // Opens path as if it had been chosen in the open dialog.
    void openFile(const QString& path);

    // Enabled states of the commands and the version panel, from the current state.
    void refreshStates();

    // The document commands. Each shows its own failures.
    void newDocument();
    void openDocument();
    void saveDocument();
    void saveDocumentAs();
    void showOptions();
    void showAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Outcome { done, cancelled, failed };

    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createTrainList();
    void createViewActions();
    void createPlatformChart(QWidget* workspace);
    void createChartBar(QWidget* workspace);
    // Shows the train list or the platform chart, as "Widok" chooses.
    void showChosenView();
    // "Eksportuj wykres...": the platform chart of the whole day as PDF or PNG.
    void exportChart();
    void createTrainTable(QWidget* workspace);
    // Ctrl+C: the selected trains as the list shows them (for a spreadsheet) and in the
    // program's own format; Ctrl+V: appends the trains of the clipboard.
    void copySelectedTrains();
    void pasteTrains();
    // Selects the trains appended after the first count, so that the next step acts on them.
    void selectAppendedTrains(std::size_t count);
    void createSearchBar(QWidget* workspace);
    void createProblemsPanel();
    void showTrainList();
    void fitTrainColumns();
    QAction* command(const char* name, const QString& caption, const QString& hint);
    // Runs a command that works on the session, showing its failure.
    void connectCommand(QAction* action, std::function<void()> run);

    // Asks whether to save unsaved changes; false when the command asking must stop.
    bool askToSave(bool continueWhenSaveCancelled);
    // Says what is missing when the document cannot be written.
    bool canBeWritten();
    Outcome save();
    Outcome saveAs();
    QString fileDialogFolder() const;
    // Writes the document to path and names it after path; false (and shown) on failure.
    bool writeTo(const QString& path);
    void refreshCaption();

    editing::EditingSession m_session;
    ProfileFile m_settings;

    editing::TrainFilterModel* m_trainFilter = nullptr;
    editing::ProblemChecker* m_problems = nullptr;
    QTableView* m_trainList = nullptr;
    trains::PlatformChart* m_chart = nullptr;
    QWidget* m_chartBar = nullptr;
    bool m_documentShown = false;  // a document is open or new: the list or the chart shows
    QWidget* m_searchBar = nullptr;
    QLineEdit* m_search = nullptr;
    QDockWidget* m_problemsDock = nullptr;
    QAction* m_readableList = nullptr;
    QAction* m_showList = nullptr;
    QAction* m_showChart = nullptr;
    QAction* m_fitChart = nullptr;
    QAction* m_exportChart = nullptr;
    QMenu* m_trainMenu = nullptr;
    QLabel* m_versionPanel = nullptr;
    QLabel* m_selectionPanel = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_copyTrains = nullptr;
    QAction* m_shiftTrains = nullptr;

    QAction* m_newDocument = nullptr;
    QAction* m_openDocument = nullptr;
    QAction* m_saveDocument = nullptr;
    QAction* m_saveDocumentAs = nullptr;
    QAction* m_exit = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_addTrain = nullptr;
    QAction* m_editTrain = nullptr;
    QAction* m_deleteTrain = nullptr;
    QAction* m_locomotiveTypes = nullptr;
    QAction* m_depot = nullptr;
    QAction* m_passages = nullptr;
    QAction* m_probabilityTable = nullptr;
    QAction* m_coaches = nullptr;
    QAction* m_compositions = nullptr;
    QAction* m_names = nullptr;
    QAction* m_generalData = nullptr;
    QAction* m_options = nullptr;
    QAction* m_help = nullptr;
    QAction* m_about = nullptr;
};

}  // namespace rylmo::app
