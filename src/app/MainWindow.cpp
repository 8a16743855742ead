#include "app/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/AboutBox.h"
#include "app/FolderSettings.h"
#include "app/OptionsDialog.h"
#include "coaches/CoachCommands.h"
#include "document/Problem.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"
#include "document/SaveCheck.h"
#include "editing/ProblemChecker.h"
#include "editing/TrainFilterModel.h"
#include "editing/TrainListModel.h"
#include "locomotives/LocomotiveCommands.h"
#include "passages/PassageCommands.h"
#include "texts/TextCommands.h"
#include "trains/TrainCommands.h"
#include "ui/Artwork.h"
#include "ui/BusyCursor.h"
#include "ui/DocumentText.h"
#include "ui/ErrorHandler.h"
#include "ui/Prompter.h"

namespace rylmo::app {

namespace {

const QString kOpenFilter = QStringLiteral("Rozkład jazdy (*.roz)|*.roz|Wszystkie pliki (*.*)|*.*");
const QString kSaveFilter = QStringLiteral("Rozkład jazdy dla Trakovil-a 1.6x|*.roz");

QString title() {
    return QCoreApplication::applicationName();
}

std::string documentPath(const Timetable& document) {
    return document.fileFolder + document.fileName;
}

// What the user does to make a document writable that is not: which window fills or mends
// the part the writer refuses.
QString mendHint(const Problem& problem) {
    const QString section = QString::fromUtf8(sectionTitle(problem.section));
    switch (problem.section) {
        case Section::generalData:
            if (problem.field == fieldOf(GeneralField::startTime)) {
                return QStringLiteral("Popraw „Godzina rozpoczęcia” w oknie Ogólne.");
            }
            if (problem.field == fieldOf(GeneralField::authorInfo)) {
                return QStringLiteral("Popraw „Informacje o autorze” w oknie Ogólne.");
            }
            return QStringLiteral("Uzupełnij „Obraz stacji” w oknie Ogólne.");
        case Section::depotNames:
        case Section::stationNames:
        case Section::trainNames:
            return QStringLiteral("Popraw stronę „") + section + QStringLiteral("” w oknie Nazwy.");
        default:
            return QStringLiteral("Popraw tę pozycję w oknie ") + section + QLatin1Char('.');
    }
}

// The folder (with its trailing separator) and the name of a document file.
std::pair<std::string, std::string> documentFile(const QString& path) {
    const QFileInfo info(path);
    std::string folder = QDir::toNativeSeparators(info.absolutePath()).toStdString();
    if (!folder.ends_with(QDir::separator().toLatin1())) folder += QDir::separator().toLatin1();
    return {folder, info.fileName().toStdString()};
}

}  // namespace

MainWindow::MainWindow(const QString& settingsPath, const QString& fallbackSettingsPath,
                       QWidget* parent)
    : QMainWindow(parent),
      m_settings(settingsPath.toStdString(), fallbackSettingsPath.toStdString()) {
    setObjectName(QStringLiteral("MainWindow"));
    resize(800, 542);
    setWindowIcon(ui::applicationIcon());
    m_session.setRollingStockFolder(defaultRollingStockFolder);
    setWindowTitle(title());

    createActions();
    createProblemsPanel();
    createMenus();
    createToolBar();
    createTrainList();
    createStatusBar();

    connect(&m_session, &editing::EditingSession::modifiedChanged, this,
            [this] { refreshStates(); });
    connect(&m_session, &editing::EditingSession::frameChanged, this, [this] {
        refreshCaption();
        refreshStates();
    });
    m_session.setRollingStockFolder(
        folderInUse(rollingStockFolderSetting(m_settings)).toStdString());
    refreshStates();
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::command(const char* name, const QString& caption, const QString& hint) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    // The hint is the tool button's tooltip; the status bar keeps its panels.
    if (!hint.isEmpty()) action->setToolTip(hint);
    return action;
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

    // The readable train list, kept in the settings so that the choice survives a restart.
    m_readableList = command("readableList", QStringLiteral("Lista czytelna"), {});
    m_readableList->setCheckable(true);
    m_readableList->setChecked(m_settings.readString("Widok", "ListaCzytelna", "0") == "1");
    m_session.trainListModel()->setReadable(m_readableList->isChecked());
    connect(m_readableList, &QAction::toggled, this, [this](bool readable) {
        m_session.trainListModel()->setReadable(readable);
        fitTrainColumns();
        ui::guarded(
            this, [&] { m_settings.writeString("Widok", "ListaCzytelna", readable ? "1" : "0"); });
    });

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
                   [this] { trains::deleteTrain(m_session, this, selectedTrain()); });
    connectCommand(m_locomotiveTypes, [this] {
        locomotives::showLocomotiveTypes(m_session, this, m_locomotiveTypes->text());
    });
    connectCommand(m_depot, [this] { locomotives::showDepot(m_session, this, m_depot->text()); });
    connectCommand(m_probabilityTable, [this] {
        passages::showProbabilityTable(m_session, this, m_probabilityTable->text());
    });
    connectCommand(m_passages,
                   [this] { passages::showPassages(m_session, this, m_passages->text()); });
    connectCommand(m_coaches, [this] { coaches::showCoaches(m_session, this, m_coaches->text()); });
    connectCommand(m_compositions, [this] {
        coaches::showCompositions(m_session, this, m_compositions->text(), m_coaches->text(),
                                  m_locomotiveTypes->text());
    });
    connectCommand(m_names, [this] { texts::editNames(m_session, this, m_names->text()); });
    connectCommand(m_generalData, [this] {
        texts::editGeneralData(m_session, this, m_generalData->text(),
                               folderInUse(stationFolderSetting(m_settings)));
    });
    connect(m_options, &QAction::triggered, this, [this] { showOptions(); });
    connect(m_about, &QAction::triggered, this, [this] { showAbout(); });
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
    fileMenu->addAction(m_exit);

    menuBar()->addMenu(QStringLiteral("Edycja"))->addActions({m_undo, m_redo});
    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("Widok"));
    viewMenu->addAction(m_readableList);
    viewMenu->addAction(m_problemsDock->toggleViewAction());

    QMenu* dataMenu = menuBar()->addMenu(QStringLiteral("Dane"));
    dataMenu->addActions({m_addTrain, m_editTrain});
    dataMenu->addSeparator();
    dataMenu->addAction(m_deleteTrain);
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

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(true);
    for (int width : {100, 50, 50, 50}) {
        auto* panel = new QLabel(bar);
        panel->setFixedWidth(width);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel);
        if (!m_versionPanel) {
            panel->setAlignment(Qt::AlignCenter);
            m_versionPanel = panel;
        }
    }
    m_versionPanel->setObjectName(QStringLiteral("versionPanel"));
}

void MainWindow::createTrainList() {
    auto* workspace = new QWidget(this);
    workspace->setAutoFillBackground(true);
    workspace->setBackgroundRole(QPalette::Dark);
    setCentralWidget(workspace);

    m_trainFilter = new editing::TrainFilterModel(m_session.trainListModel(), this);
    m_trainList = new QTableView(workspace);
    m_trainList->setObjectName(QStringLiteral("trainList"));
    m_trainList->setModel(m_trainFilter);
    m_trainList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_trainList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_trainList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_trainList->setShowGrid(false);
    m_trainList->setWordWrap(false);
    m_trainList->verticalHeader()->hide();
    m_trainList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_trainList->verticalHeader()->setDefaultSectionSize(m_trainList->fontMetrics().height() + 4);
    m_trainList->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_trainList->horizontalHeader()->setMinimumSectionSize(20);
    m_trainList->horizontalHeader()->setDefaultSectionSize(50);
    m_trainList->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_trainList->horizontalHeader()->setHighlightSections(false);
    // A click on a header sorts by that column, a second one reverses it; "Indeks" rising is
    // the file order, which needs no sorting at all.
    QHeaderView* header = m_trainList->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(0, Qt::AscendingOrder);
    connect(header, &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) {
                const ui::BusyCursor busy;
                if (column == 0 && order == Qt::AscendingOrder) {
                    m_trainFilter->sort(-1);
                } else {
                    m_trainFilter->sort(column, order);
                }
            });
    m_trainList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_trainList->hide();

    // "Szukaj": the rows whose texts hold what is typed, whatever its case and diacritics.
    m_searchBar = new QWidget(workspace);
    m_searchBar->setAutoFillBackground(true);
    m_searchBar->setBackgroundRole(QPalette::Window);
    m_search = new QLineEdit(m_searchBar);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(QStringLiteral("pociąg, stacja, godzina..."));
    auto* searchLabel = new QLabel(QStringLiteral("&Szukaj:"), m_searchBar);
    searchLabel->setBuddy(m_search);
    auto* searchLayout = new QHBoxLayout(m_searchBar);
    searchLayout->setContentsMargins(4, 2, 4, 2);
    searchLayout->addWidget(searchLabel);
    searchLayout->addWidget(m_search, 1);
    m_searchBar->hide();
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_trainFilter->setSearch(text);
        refreshStates();
    });
    auto* findAction = new QAction(this);
    findAction->setShortcut(QKeySequence::Find);
    addAction(findAction);
    connect(findAction, &QAction::triggered, this, [this] {
        if (m_searchBar->isHidden()) return;
        m_search->setFocus();
        m_search->selectAll();
    });

    auto* layout = new QVBoxLayout(workspace);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_searchBar);
    layout->addWidget(m_trainList);

    m_trainMenu = new QMenu(this);
    m_trainMenu->setObjectName(QStringLiteral("trainMenu"));
    m_trainMenu->addActions({m_addTrain, m_editTrain});
    m_trainMenu->addSeparator();
    m_trainMenu->addAction(m_deleteTrain);
    connect(m_trainList, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        m_trainMenu->popup(m_trainList->viewport()->mapToGlobal(at));
    });
    connect(m_trainList, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && selectedTrain() >= 0) m_editTrain->trigger();
    });
    connect(m_trainList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { refreshStates(); });
    QAbstractItemModel* trains = m_session.trainListModel();
    connect(trains, &QAbstractItemModel::modelReset, this, [this] { refreshStates(); });
    connect(trains, &QAbstractItemModel::rowsRemoved, this, [this] { refreshStates(); });
    connect(trains, &QAbstractItemModel::rowsInserted, this, [this] { refreshStates(); });
}

// Column widths that show the texts of each mode whole.
void MainWindow::fitTrainColumns() {
    QHeaderView* header = m_trainList->horizontalHeader();
    if (!m_session.trainListModel()->isReadable()) {
        for (int column = 0; column < header->count(); ++column)
            header->resizeSection(column, column == 0 ? 60 : 50);
        return;
    }
    const int widths[] = {60, 150, 70, 70, 130, 130, 85, 70, 70, 130, 130, 85, 90, 55, 140, 100};
    for (int column = 0; column < header->count() && column < int(std::size(widths)); ++column) {
        header->resizeSection(column, widths[column]);
    }
}

void MainWindow::createProblemsPanel() {
    m_problems = new editing::ProblemChecker(m_session, this);
    m_session.trainListModel()->setProblems(m_problems);
    m_problemsDock = new QDockWidget(QStringLiteral("Problemy"), this);
    m_problemsDock->setObjectName(QStringLiteral("problems"));
    m_problemsDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                                QDockWidget::DockWidgetFloatable);
    auto* list = new QTableView(m_problemsDock);
    list->setObjectName(QStringLiteral("problemList"));
    list->setModel(m_problems);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    list->setColumnWidth(0, 170);
    list->setColumnWidth(1, 60);
    // At least four rows of findings show whatever the dock's first height.
    list->setMinimumHeight(list->horizontalHeader()->sizeHint().height() +
                           4 * list->verticalHeader()->defaultSectionSize() +
                           2 * list->frameWidth());
    m_problemsDock->setWidget(list);
    // The title bar's buttons carry Qt's own tooltips, which its Polish translation lacks.
    const std::pair<const char*, QString> buttonTips[] = {
        {"qt_dockwidget_closebutton", QStringLiteral("Zamknij panel")},
        {"qt_dockwidget_floatbutton",
         QStringLiteral("Odłącz panel od okna lub przyłącz go z powrotem")}};
    for (const auto& [name, tip] : buttonTips) {
        if (auto* button = m_problemsDock->findChild<QAbstractButton*>(QString::fromLatin1(name)))
            button->setToolTip(tip);
    }
    addDockWidget(Qt::BottomDockWidgetArea, m_problemsDock);
    resizeDocks({m_problemsDock}, {list->minimumHeight() + 30}, Qt::Vertical);
    connect(m_problems, &editing::ProblemChecker::problemsChanged, this, [this] {
        const std::size_t listed = m_problems->problems().size();
        const std::size_t total = m_problems->total();
        m_problemsDock->setWindowTitle(
            total == listed
                ? QStringLiteral("Problemy (%1)").arg(total)
                : QStringLiteral("Problemy (%1, pokazano pierwsze %2)").arg(total).arg(listed));
    });
    connect(list, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        ui::guarded(this, [&] { goToProblem(index.row()); });
    });
}

void MainWindow::goToProblem(int row) {
    const std::vector<Problem>& problems = m_problems->problems();
    if (row < 0 || static_cast<std::size_t>(row) >= problems.size()) return;
    const Problem& problem = problems[static_cast<std::size_t>(row)];
    const int entry = problem.entry == Problem::wholeSection ? -1 : static_cast<int>(problem.entry);
    switch (problem.section) {
        case Section::trains:
            // The train may be hidden by the search: show every train first.
            if (m_trainFilter->rowOf(entry) < 0) m_search->clear();
            selectTrain(entry);
            if (selectedTrain() == entry) m_editTrain->trigger();
            return;
        case Section::locomotiveTypes:
            locomotives::showLocomotiveTypes(m_session, this, m_locomotiveTypes->text(), entry);
            return;
        case Section::depot:
            locomotives::showDepot(m_session, this, m_depot->text(), entry);
            return;
        case Section::passages:
            passages::showPassages(m_session, this, m_passages->text(), entry);
            return;
        case Section::probabilities:
            passages::showProbabilityTable(m_session, this, m_probabilityTable->text(), entry);
            return;
        case Section::coaches:
            coaches::showCoaches(m_session, this, m_coaches->text(), entry);
            return;
        case Section::compositions:
            coaches::showCompositions(m_session, this, m_compositions->text(), m_coaches->text(),
                                      m_locomotiveTypes->text(), entry);
            return;
        case Section::generalData:
            m_generalData->trigger();
            return;
        case Section::depotNames:
        case Section::stationNames:
        case Section::trainNames:
            texts::editNames(m_session, this, m_names->text(),
                             QString::fromUtf8(sectionTitle(problem.section)));
            return;
    }
}

int MainWindow::selectedTrain() const {
    const QModelIndexList rows = m_trainList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : m_trainFilter->trainAt(rows.constFirst().row());
}

void MainWindow::selectTrain(int train) {
    const int row = m_trainFilter->rowOf(train);
    if (row < 0) return;
    m_trainList->selectRow(row);
    m_trainList->scrollTo(m_trainFilter->index(row, 0));
}

void MainWindow::showTrainList() {
    if (m_trainList->isHidden()) fitTrainColumns();
    m_trainList->show();
    m_searchBar->show();
}

void MainWindow::refreshStates() {
    const bool shown = !m_trainList->isHidden();
    m_saveDocument->setEnabled(m_session.isModified());
    for (QAction* action :
         {m_saveDocumentAs, m_addTrain, m_locomotiveTypes, m_depot, m_passages, m_probabilityTable,
          m_coaches, m_compositions, m_names, m_generalData}) {
        action->setEnabled(shown);
    }
    const bool selected = shown && selectedTrain() >= 0;
    m_editTrain->setEnabled(selected);
    m_deleteTrain->setEnabled(selected);
    const int version = m_session.content().version;
    m_versionPanel->setText(version == 1   ? QStringLiteral("1.44")
                            : version == 2 ? QStringLiteral("1.61")
                                           : QString());
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

bool MainWindow::askToSave(bool continueWhenSaveCancelled) {
    if (!m_session.isModified()) return true;
    const auto answer = ui::prompter().message(
        this, QMessageBox::Question,
        QStringLiteral("Zapisać zmiany w dokumencie ") +
            QString::fromStdString(m_session.document().fileName) + QStringLiteral("?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::No) return true;
    switch (save()) {
        case Outcome::done:
            return true;
        case Outcome::cancelled:
            return continueWhenSaveCancelled;
        case Outcome::failed:
            return false;
    }
    return false;
}

bool MainWindow::writeTo(const QString& path) {
    // The document is named after the file only once the file is written, so that a failed
    // save leaves it named after the file it came from, modified, with its undo history.
    return ui::guarded(this, [&] {
        const ui::BusyCursor busy;
        saveTimetableFile(m_session.content(), path.toStdString());
        const auto [folder, name] = documentFile(path);
        m_session.markSaved(folder, name);
    });
}

bool MainWindow::canBeWritten() {
    const std::vector<Problem> problems = unsavableParts(m_session.content());
    if (problems.empty()) return true;
    ui::showError(this, QStringLiteral("Nie można zapisać rozkładu: ") +
                            QString::fromStdString(problems.front().message) +
                            QStringLiteral(". ") + mendHint(problems.front()));
    return false;
}

MainWindow::Outcome MainWindow::save() {
    // Asking for a file name is pointless while the document cannot be written.
    if (!canBeWritten()) return Outcome::failed;
    if (m_session.document().untitled) return saveAs();
    return writeTo(QString::fromStdString(documentPath(m_session.document()))) ? Outcome::done
                                                                               : Outcome::failed;
}

MainWindow::Outcome MainWindow::saveAs() {
    if (!canBeWritten()) return Outcome::failed;
    const QString path =
        ui::prompter().saveFileName(this, kSaveFilter, QStringLiteral("roz"), fileDialogFolder());
    if (path.isEmpty()) return Outcome::cancelled;
    return writeTo(path) ? Outcome::done : Outcome::failed;
}

// The open and save dialogs start where the timetable is, else in the station folder.
QString MainWindow::fileDialogFolder() const {
    const std::string& folder = m_session.document().fileFolder;
    return folder.empty() ? folderInUse(stationFolderSetting(m_settings))
                          : QString::fromStdString(folder);
}

void MainWindow::newDocument() {
    showTrainList();
    m_session.startUntitled();
}

void MainWindow::openDocument() {
    if (!askToSave(true)) return;
    const QString path = ui::prompter().openFileName(this, kOpenFilter, fileDialogFolder());
    if (path.isEmpty()) return;
    openFile(path);
}

void MainWindow::openFile(const QString& path) {
    ui::guarded(this, [&] {
        const ui::BusyCursor busy;
        TimetableContent content = readTimetableFile(path.toStdString());
        const auto [folder, name] = documentFile(path);
        m_session.open(std::move(content), folder, name);
        showTrainList();
        refreshStates();
    });
}

void MainWindow::saveDocument() {
    save();
}

void MainWindow::saveDocumentAs() {
    saveAs();
}

void MainWindow::showOptions() {
    OptionsDialog dialog(m_session.document().rollingStockFolder, m_settings, this);
    dialog.setWindowTitle(m_options->text());
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    ui::guarded(this, [&] { storeFolderSettings(dialog, m_session, m_settings); });
}

void MainWindow::showAbout() {
    AboutBox dialog(this);
    dialog.setWindowTitle(m_about->text());
    ui::prompter().exec(dialog);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing asks about unsaved changes; a save that is cancelled or fails keeps the window.
    if (askToSave(false)) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace rylmo::app
