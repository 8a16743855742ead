#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/DocumentCommands.h"
#include "app/TrainListPane.h"
#include "document/Problem.h"
#include "document/ProfileFile.h"
#include "document/Timetable.h"
#include "editing/EditingSession.h"
#include "editing/RecoveryKeeper.h"

class QAction;
class QDockWidget;
class QMenu;
class QTableView;
class QTimer;

namespace rylmo::editing {
class ProblemChecker;
}

namespace rylmo::trains {
class ChartBar;
class PlatformChart;
}  // namespace rylmo::trains

namespace rylmo::app {

class StatusPanels;

// The main window: the editing session's timetable with its menus, tool bar, status bar, the
// problems panel, and either the train list or the platform chart.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // settingsPath is the Rylmo.ini to use; keys it lacks are read from fallbackSettingsPath.
    // Unsaved changes are kept in recoveryFolder (by default the user's data folder).
    explicit MainWindow(const QString& settingsPath, const QString& fallbackSettingsPath = {},
                        const QString& recoveryFolder = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    editing::EditingSession& session() { return m_session; }
    const Timetable& document() const { return m_session.document(); }
    ProfileFile& settings() { return m_settings; }
    QTableView* trainList() const { return m_trainList->table(); }
    trains::PlatformChart* platformChart() const { return m_chart; }
    editing::TrainListModel* trainModel() const { return m_session.trainListModel(); }

    // The selection of the train list (0-based positions in the timetable).
    int selectedTrain() const { return m_trainList->selectedTrain(); }
    std::vector<int> selectedTrains() const { return m_trainList->selectedTrains(); }
    void selectTrain(int train) { m_trainList->selectTrain(train); }
    void selectTrains(const std::vector<int>& trains) { m_trainList->selectTrains(trains); }
    editing::ProblemChecker& problems() { return *m_problems; }
    QDockWidget* problemsDock() const { return m_problemsDock; }

    // Opens the window that shows a finding of the problems panel, at its entry.
    void goToProblem(int row);

    // The document commands. Each shows its own failures.
    void openFile(const QString& path) { m_documents.openFile(path); }
    void newDocument() { m_documents.newDocument(); }
    void openDocument() { m_documents.openDocument(); }
    void saveDocument() { m_documents.save(); }
    void saveDocumentAs() { m_documents.saveAs(); }
    void checkFileOnDisk() { m_documents.checkFileOnDisk(); }
    void offerRecoveries() { m_documents.offerRecoveries(); }
    editing::RecoveryKeeper& recovery() { return m_recovery; }
    void showOptions();
    void showAbout();

    // Enabled states of the commands and the version panel, from the current state.
    void refreshStates();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Coming back to the window looks whether another program changed the open file.
    void changeEvent(QEvent* event) override;

private:
    void createActions();
    void connectActions();
    void createViewActions();
    void createMenus();
    void createToolBar();
    void createProblemsPanel();
    void createWorkspace();
    void createPlatformChart(QWidget* workspace);
    // Once a document is shown on the chart: the part of the day kept for its file, or the
    // hours around the chosen train or the start time.
    void openChartSpan();
    // "Drukuj..." (printing) and "Eksportuj...".
    void printOrExport(bool printing);
    // Shows the train list or the platform chart, as "Widok" chooses.
    void showChosenView();
    void showDocument();
    QAction* command(const char* name, const QString& caption, const QString& hint);
    // Runs a command that works on the session, showing its failure.
    void connectCommand(QAction* action, std::function<void()> run);
    void refreshCaption();
    // Opens the list window of a section at entry (-1: where it opens by itself).
    void showList(Section section, int entry);

    editing::EditingSession m_session;
    editing::RecoveryKeeper m_recovery;
    ProfileFile m_settings;
    DocumentCommands m_documents;

    editing::ProblemChecker* m_problems = nullptr;
    TrainListPane* m_trainList = nullptr;
    trains::PlatformChart* m_chart = nullptr;
    trains::ChartBar* m_chartBar = nullptr;
    std::optional<std::string> m_platformsOf;  // the file the chart's platform count is for
    bool m_chartSpanPending = true;            // the chart has not yet shown the document
    QTimer* m_storeChartSpan = nullptr;
    bool m_documentShown = false;  // a document is open or new: the list or the chart shows
    QDockWidget* m_problemsDock = nullptr;
    QMenu* m_trainMenu = nullptr;
    std::unique_ptr<StatusPanels> m_statusPanels;
    QString m_recoveryProblem;  // the last failure of the recovery copy that was said

    QAction* m_readableList = nullptr;
    QAction* m_showList = nullptr;
    QAction* m_showChart = nullptr;
    QAction* m_fitChart = nullptr;
    QAction* m_print = nullptr;
    QAction* m_exportSheets = nullptr;
    QAction* m_newDocument = nullptr;
    QAction* m_openDocument = nullptr;
    QAction* m_saveDocument = nullptr;
    QAction* m_saveDocumentAs = nullptr;
    QAction* m_exit = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_addTrain = nullptr;
    QAction* m_editTrain = nullptr;
    QAction* m_deleteTrain = nullptr;
    QAction* m_copyTrains = nullptr;
    QAction* m_shiftTrains = nullptr;
    QAction* m_resolvePlatforms = nullptr;
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
