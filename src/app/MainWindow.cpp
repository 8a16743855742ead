#include "app/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/AboutBox.h"
#include "app/OptionsDialog.h"
#include "app/ProblemsPanel.h"
#include "app/Settings.h"
#include "app/StatusPanels.h"
#include "app/UserGuide.h"
#include "document/Problem.h"
#include "editing/ProblemChecker.h"
#include "editing/TrainListModel.h"
#include "texts/TextCommands.h"
#include "trains/ChartBar.h"
#include "trains/PlatformChart.h"
#include "trains/TrainClipboard.h"
#include "trains/TrainCommands.h"
#include "ui/Artwork.h"
#include "ui/ErrorHandler.h"
#include "ui/Prompter.h"

namespace rylmo::app {

namespace {

QString title() {
    return QCoreApplication::applicationName();
}

}  // namespace

MainWindow::MainWindow(const QString& settingsPath, const QString& fallbackSettingsPath,
                       const QString& recoveryFolder, QWidget* parent)
    : QMainWindow(parent),
      m_recovery(m_session, recoveryFolder.isEmpty() ? recoveryFolderPath() : recoveryFolder),
      m_settings(settingsPath.toStdString(), fallbackSettingsPath.toStdString()),
      m_documents(m_session, m_recovery, m_settings, this, [this] { showDocument(); }) {
    setObjectName(QStringLiteral("MainWindow"));
    resize(800, 542);
    setWindowIcon(ui::applicationIcon());
    m_session.setRollingStockFolder(defaultRollingStockFolder);
    setWindowTitle(title());

    createActions();
    connectActions();
    createViewActions();
    createProblemsPanel();
    createMenus();
    createToolBar();
    createWorkspace();
    m_statusPanels = std::make_unique<StatusPanels>(statusBar());
    connect(&m_recovery, &editing::RecoveryKeeper::writeFailed, this, [this](const QString& why) {
        const QString message = QStringLiteral("Nie można zapisać kopii niezapisanych zmian: ") +
                                why +
                                QStringLiteral(
                                    ". Edycja trwa dalej, ale po awarii tych "
                                    "zmian nie będzie można odzyskać.");
        m_statusPanels->showRecoveryProblem(message);
        // Said in full once for each reason; the status bar keeps a short reminder.
        if (why == m_recoveryProblem) return;
        m_recoveryProblem = why;
        ui::prompter().message(this, QMessageBox::Warning, message, QMessageBox::Ok,
                               QMessageBox::Ok);
    });
    connect(&m_recovery, &editing::RecoveryKeeper::written, this, [this] {
        m_statusPanels->showRecoveryProblem({});
        m_recoveryProblem.clear();
    });

    connect(&m_session, &editing::EditingSession::modifiedChanged, this,
            [this] { refreshStates(); });
    connect(&m_session, &editing::EditingSession::frameChanged, this, [this] {
        refreshCaption();
        refreshStates();
    });
    m_session.setRollingStockFolder(
        folderInUse(rollingStockFolderSetting(m_settings)).toStdString());
    m_session.setKeepsReferences(keepsReferencesSetting(m_settings));
    refreshStates();
}

MainWindow::~MainWindow() {
    // The session goes after the window's parts: its last signals (the undo stack cleared as
    // it goes) must not reach them.
    disconnect(&m_session, nullptr, this, nullptr);
}

QAction* MainWindow::command(const char* name, const QString& caption, const QString& hint) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    // The hint is the tool button's tooltip; the status bar keeps its panels.
    if (!hint.isEmpty()) action->setToolTip(hint);
    return action;
}

// "Widok": the train list (Ctrl+1) or the platform chart (Ctrl+2) in the window.
void MainWindow::createViewActions() {
    m_showList = command("showList", QStringLiteral("Lista pociągów"), {});
    m_showList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    m_showChart = command("showChart", QStringLiteral("Zajętość peronów"), {});
    m_showChart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    auto* views = new QActionGroup(this);
    for (QAction* view : {m_showList, m_showChart}) {
        view->setCheckable(true);
        views->addAction(view);
        connect(view, &QAction::triggered, this, [this] { showChosenView(); });
    }
    m_showList->setChecked(true);
    m_fitChart = command("fitChart", QStringLiteral("Dopasuj"), {});
    m_fitChart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(m_fitChart, &QAction::triggered, this, [this] { m_chart->fitDay(); });
    m_print = command("print", QStringLiteral("Drukuj..."), {});
    m_print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(m_print, &QAction::triggered, this, [this] { printOrExport(true); });
    m_exportSheets = command("exportSheets", QStringLiteral("Eksportuj..."), {});
    connect(m_exportSheets, &QAction::triggered, this, [this] { printOrExport(false); });

    // The readable train list, kept in the settings so that the choice survives a restart.
    m_readableList = command("readableList", QStringLiteral("Lista czytelna"), {});
    m_readableList->setCheckable(true);
    m_readableList->setChecked(readableListSetting(m_settings));
    m_session.trainListModel()->setReadable(m_readableList->isChecked());
    connect(m_readableList, &QAction::toggled, this, [this](bool readable) {
        m_session.trainListModel()->setReadable(readable);
        m_chart->setReadable(readable);
        m_trainList->fitColumns();
        ui::guarded(this, [&] { storeReadableList(m_settings, readable); });
    });
}

void MainWindow::createActions() {
    m_newDocument = command("newDocument", "Nowy", "Nowy");
    m_newDocument->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_newDocument->setIcon(ui::newDocumentIcon());
    m_openDocument = command("openDocument", "Otwórz", "Otwórz");
    m_openDocument->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_openDocument->setIcon(ui::openDocumentIcon());
    m_saveDocument = command("saveDocument", "Zapisz", "Zapisz");
    m_saveDocument->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveDocument->setIcon(ui::saveDocumentIcon());
    m_saveDocumentAs = command("saveDocumentAs", "Zapisz jako...", "Zapisz jako");
    m_exit = command("exit", "Zakończ", "Zakończ");
    m_addTrain = command("addTrain", "Dodaj pociąg", {});
    m_editTrain = command("editTrain", "Edytuj pociąg", {});
    m_deleteTrain = command("deleteTrain", "Usuń pociąg", {});
    m_copyTrains = command("copyTrains", "Kopiuj pociągi...", {});
    m_copyTrains->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_shiftTrains = command("shiftTrains", "Przesuń czas...", {});
    m_resolvePlatforms = command("resolvePlatforms", "Rozdziel perony...", {});
    m_copy = command("copy", "Kopiuj", {});
    m_copy->setShortcut(QKeySequence::Copy);
    m_paste = command("paste", "Wklej", {});
    m_paste->setShortcut(QKeySequence::Paste);
    m_locomotiveTypes = command("locomotiveTypes", "Lokomotywy", "Lokomotywy");
    m_depot = command("depot", "Lokomotywownia", "Lokomotywownia");
    m_passages = command("passages", "Przejścia lokomotyw", "Przejścia lokomotyw");
    m_probabilityTable = command("probabilityTable", "Tablica prawdopodobieństwa", {});
    m_coaches = command("coaches", "Wagony", "Wagony");
    m_compositions = command("compositions", "Skład pociągów", "Skład pociągu");
    m_names = command("names", "Nazwy", "Nazwy");
    m_generalData = command("generalData", "Ogólne", "Dane ogólne");
    m_options = command("options", "Opcje...", "Opcje");
    m_help = command("help", title() + " - Pomoc...", {});
    m_help->setShortcut(QKeySequence(Qt::Key_F1));
    m_about = command("about", title() + " - Informacje...", "Informacje");

    // The undo stack names the step: "Cofnij dodanie pociągu", "Ponów usunięcie pociągu 3".
    m_undo = m_session.undoStack().createUndoAction(this, QStringLiteral("Cofnij"));
    m_undo->setObjectName(QStringLiteral("undo"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_undo->setIcon(ui::undoIcon());
    m_redo = m_session.undoStack().createRedoAction(this, QStringLiteral("Ponów"));
    m_redo->setObjectName(QStringLiteral("redo"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_redo->setIcon(ui::redoIcon());
}

// What each command does.
void MainWindow::connectActions() {
    connect(m_newDocument, &QAction::triggered, this, [this] { newDocument(); });
    connect(m_openDocument, &QAction::triggered, this, [this] { openDocument(); });
    connect(m_saveDocument, &QAction::triggered, this, [this] { saveDocument(); });
    connect(m_saveDocumentAs, &QAction::triggered, this, [this] { saveDocumentAs(); });
    connect(m_exit, &QAction::triggered, this, &QWidget::close);
    connectCommand(m_addTrain, [this] { trains::addTrain(m_session, this, m_addTrain->text()); });
    connectCommand(m_editTrain, [this] {
        trains::editTrain(m_session, this, m_editTrain->text(), selectedTrain());
    });
    connectCommand(m_deleteTrain,
                   [this] { trains::deleteTrains(m_session, this, selectedTrains()); });
    connectCommand(m_copyTrains, [this] {
        const std::size_t before = m_session.content().trains.size();
        trains::copyTrains(m_session, this, m_copyTrains->text(), selectedTrains());
        m_trainList->selectAppendedTrains(before);
    });
    connectCommand(m_shiftTrains, [this] {
        trains::shiftTrains(m_session, this, m_shiftTrains->text(), selectedTrains());
    });
    connectCommand(m_resolvePlatforms, [this] {
        trains::resolvePlatforms(m_session, this, selectedTrains(), m_chart->dwellTimes());
    });
    connectCommand(m_copy, [this] { m_trainList->copySelectedTrains(); });
    connectCommand(m_paste, [this] {
        const std::size_t before = m_session.content().trains.size();
        trains::pasteTrains(m_session, this);
        m_trainList->selectAppendedTrains(before);
    });
    const std::pair<QAction*, Section> lists[] = {{m_locomotiveTypes, Section::locomotiveTypes},
                                                  {m_depot, Section::depot},
                                                  {m_probabilityTable, Section::probabilities},
                                                  {m_passages, Section::passages},
                                                  {m_coaches, Section::coaches},
                                                  {m_compositions, Section::compositions}};
    for (const auto& [action, section] : lists)
        connectCommand(action, [this, section = section] { showList(section, -1); });
    connectCommand(m_names, [this] { texts::editNames(m_session, this, m_names->text()); });
    connectCommand(m_generalData, [this] {
        texts::editGeneralData(m_session, this, m_generalData->text(),
                               folderInUse(stationFolderSetting(m_settings)));
    });
    connect(m_options, &QAction::triggered, this, [this] { showOptions(); });
    connect(m_about, &QAction::triggered, this, [this] { showAbout(); });
    connect(m_help, &QAction::triggered, this, [this] { openGuide(this, guideSection(this)); });
    // F1 in a dialog opens the guide at the dialog's own section.
    QCoreApplication::instance()->installEventFilter(new GuideKey(this));
}

void MainWindow::connectCommand(QAction* action, std::function<void()> run) {
    connect(action, &QAction::triggered, this,
            [this, run = std::move(run)] { ui::guarded(this, run); });
}

void MainWindow::createMenus() {
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("Plik"));
    fileMenu->addActions({m_newDocument, m_openDocument});
    fileMenu->addSeparator();
    fileMenu->addActions({m_saveDocument, m_saveDocumentAs});
    fileMenu->addSeparator();
    fileMenu->addActions({m_print, m_exportSheets});
    fileMenu->addSeparator();
    fileMenu->addAction(m_exit);

    QMenu* editMenu = menuBar()->addMenu(QStringLiteral("Edycja"));
    editMenu->addActions({m_undo, m_redo});
    editMenu->addSeparator();
    editMenu->addActions({m_copy, m_paste});
    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("Widok"));
    viewMenu->addActions({m_showList, m_showChart, m_fitChart});
    viewMenu->addSeparator();
    viewMenu->addAction(m_readableList);
    viewMenu->addAction(m_problemsDock->toggleViewAction());

    QMenu* dataMenu = menuBar()->addMenu(QStringLiteral("Dane"));
    dataMenu->addActions({m_addTrain, m_editTrain});
    dataMenu->addSeparator();
    dataMenu->addAction(m_deleteTrain);
    dataMenu->addActions({m_copyTrains, m_shiftTrains, m_resolvePlatforms});
    dataMenu->addSeparator();
    dataMenu->addActions({m_locomotiveTypes, m_depot, m_passages});
    dataMenu->addSeparator();
    dataMenu->addAction(m_probabilityTable);
    dataMenu->addSeparator();
    dataMenu->addActions({m_coaches, m_compositions});
    dataMenu->addSeparator();
    dataMenu->addAction(m_names);
    dataMenu->addSeparator();
    dataMenu->addAction(m_generalData);

    menuBar()->addMenu(QStringLiteral("Narzędzia"))->addAction(m_options);

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("Pomoc"));
    helpMenu->addAction(m_help);
    helpMenu->addSeparator();
    helpMenu->addAction(m_about);
}

void MainWindow::createToolBar() {
    auto* toolBar = new QToolBar(QStringLiteral("Standardowy"), this);
    toolBar->setObjectName(QStringLiteral("standardToolBar"));
    toolBar->setMovable(true);
    toolBar->setFloatable(true);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->addActions({m_newDocument, m_openDocument, m_saveDocument});
    toolBar->addSeparator();
    toolBar->addActions({m_undo, m_redo});
    toolBar->addSeparator();
    addToolBar(Qt::TopToolBarArea, toolBar);
}

void MainWindow::createProblemsPanel() {
    m_problems = new editing::ProblemChecker(m_session, this);
    m_session.trainListModel()->setProblems(m_problems);
    auto* panel = new ProblemsPanel(*m_problems, this);
    m_problemsDock = panel;
    addDockWidget(Qt::BottomDockWidgetArea, panel);
    resizeDocks({panel}, {panel->fittingHeight()}, Qt::Vertical);
    connect(panel, &ProblemsPanel::problemActivated, this,
            [this](int row) { ui::guarded(this, [&] { goToProblem(row); }); });
}

// The train list or the platform chart fills the window; the list's context menu serves the
// chart's bars too.
void MainWindow::createWorkspace() {
    auto* workspace = new QWidget(this);
    workspace->setAutoFillBackground(true);
    workspace->setBackgroundRole(QPalette::Dark);
    setCentralWidget(workspace);
    m_trainMenu = new QMenu(this);
    m_trainMenu->setObjectName(QStringLiteral("trainMenu"));
    m_trainMenu->addActions({m_addTrain, m_editTrain});
    m_trainMenu->addSeparator();
    m_trainMenu->addActions({m_deleteTrain, m_copyTrains, m_shiftTrains});
    m_trainMenu->addSeparator();
    m_trainMenu->addActions({m_copy, m_paste});
    m_trainList = new TrainListPane(m_session, workspace);
    m_trainList->setMenu(m_trainMenu);
    m_trainList->hide();
    connect(m_trainList, &TrainListPane::trainActivated, m_editTrain, &QAction::trigger);
    connect(m_trainList, &TrainListPane::deleteRequested, m_deleteTrain, &QAction::trigger);
    connect(m_trainList, &TrainListPane::selectionChanged, this, [this] { refreshStates(); });
    createPlatformChart(workspace);
    auto* layout = new QVBoxLayout(workspace);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_trainList);
    layout->addWidget(m_chartBar);
    layout->addWidget(m_chart);
}

void MainWindow::showDocument() {
    m_documentShown = true;
    showChosenView();
}

void MainWindow::showChosenView() {
    if (!m_documentShown) return;
    const bool chart = m_showChart->isChecked();
    if (!chart && m_trainList->isHidden()) m_trainList->fitColumns();
    // The view shown takes the focus before the other hides: a list that hides with the focus
    // would pass it on with a Tab of its own, which moves its current row and its selection.
    QWidget* shown = chart ? static_cast<QWidget*>(m_chart) : m_trainList;
    shown->show();
    if (chart) m_chartBar->show();
    shown->setFocus();
    m_trainList->setVisible(!chart);
    m_chartBar->setVisible(chart);
    m_chart->setVisible(chart);
    if (chart) openChartSpan();
    refreshStates();
}

void MainWindow::refreshStates() {
    const bool shown = m_documentShown;
    m_fitChart->setEnabled(shown && m_showChart->isChecked());
    m_saveDocument->setEnabled(m_session.isModified());
    for (QAction* action :
         {m_saveDocumentAs, m_print, m_exportSheets, m_addTrain, m_resolvePlatforms,
          m_locomotiveTypes, m_depot, m_passages, m_probabilityTable, m_coaches, m_compositions,
          m_names, m_generalData, m_paste}) {
        action->setEnabled(shown);
    }
    const std::size_t selected = shown ? selectedTrains().size() : 0;
    m_editTrain->setEnabled(selected == 1);
    for (QAction* action : {m_deleteTrain, m_copyTrains, m_shiftTrains, m_copy})
        action->setEnabled(selected > 0);
    m_statusPanels->show(m_session.content().version, selected);
}

void MainWindow::refreshCaption() {
    const Timetable& document = m_session.document();
    if (document.untitled) {
        setWindowTitle(title() + QStringLiteral(" - Nowa stacja"));
    } else if (!document.fileName.empty()) {
        setWindowTitle(title() + QStringLiteral(" - ") + QString::fromStdString(document.fileName));
    } else {
        setWindowTitle(title());
    }
}

void MainWindow::showOptions() {
    OptionsDialog dialog(m_session.document().rollingStockFolder, m_settings, this);
    dialog.setWindowTitle(m_options->text());
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    ui::guarded(this, [&] {
        storeOptions(
            {dialog.rollingStockFolder(), dialog.stationFolder(), dialog.keepsReferences()},
            m_session, m_settings);
    });
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // After the event: a question is not shown from within the activation itself.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] { ui::guarded(this, [&] { checkFileOnDisk(); }); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing asks about unsaved changes; a save that is cancelled or fails keeps the window.
    if (m_documents.askToSave()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::showAbout() {
    AboutBox dialog(this);
    dialog.setWindowTitle(m_about->text());
    ui::prompter().exec(dialog);
}

}  // namespace rylmo::app
