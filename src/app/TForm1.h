#pragma once

#include <QMainWindow>

#include "app/ProfileFile.h"
#include "document/Timetable.h"

class QAction;
class QLabel;
class QMenu;
class QTableView;

namespace rylmo::app {

class TrainListModel;

// The main window: owner of the one timetable document, its menus, tool bar, train list
// and status bar, and the document commands.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // settingsPath is the Rylmo.ini to use.
    explicit TForm1(const QString& settingsPath, QWidget* parent = nullptr);
    ~TForm1() override;

    Timetable& document() { return m_document; }
    ProfileFile& settings() { return m_settings; }
    QTableView* trainList() const { return ListView1; }
    TrainListModel* trainModel() const { return m_trainModel; }

    // The selected train, or -1.
    int selectedTrain() const;

    // Opens path as if it had been chosen in the open dialog.
    void openFile(const QString& path);

    // Enabled states of the commands and the version panel, from the current state.
    void refreshStates();

    // The document commands. Each shows its own failures.
    void NewExecute();
    void OpenExecute();
    void SaveExecute();
    void SaveAsExecute();
    void OptionExecute();
    void InfoExecute();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Outcome { done, cancelled, failed };

    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createTrainList();
    QAction* command(const char* name, const QString& caption, const QString& hint);

    // Asks whether to save unsaved changes; false when the command asking must stop.
    bool askToSave(bool continueWhenSaveCancelled);
    Outcome save();
    Outcome saveAs();
    void writeTo(const QString& path);
    void setFile(const QString& path);
    void showTrainList();

    Timetable m_document;
    ProfileFile m_settings;
    TrainListModel* m_trainModel = nullptr;

    QTableView* ListView1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QLabel* m_versionPanel = nullptr;

    QAction* New = nullptr;
    QAction* Open = nullptr;
    QAction* Save = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Exit = nullptr;
    QAction* TrAdd = nullptr;
    QAction* TrEd = nullptr;
    QAction* TrDel = nullptr;
    QAction* Loko = nullptr;
    QAction* Enginer = nullptr;
    QAction* Passage = nullptr;
    QAction* Prob = nullptr;
    QAction* Coach = nullptr;
    QAction* Store = nullptr;
    QAction* Names = nullptr;
    QAction* General = nullptr;
    QAction* Option = nullptr;
    QAction* Help = nullptr;
    QAction* Info = nullptr;
};

}  // namespace rylmo::app
