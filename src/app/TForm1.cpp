#include "app/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/ErrorHandler.h"
#include "app/FolderSettings.h"
#include "app/TFAbout.h"
#include "app/TFOption.h"
#include "app/TrainListModel.h"
#include "document/RozReader.h"
#include "document/RozWriter.h"
#include "trains/TrainCommands.h"
#include "ui/Artwork.h"
#include "ui/BusyCursor.h"
#include "ui/DocumentText.h"
#include "ui/Prompter.h"

namespace rylmo::app {

namespace {

const QString kOpenFilter = QStringLiteral("Rozkład jazdy (*.roz)|*.roz|Wszystkie pliki (*.*)|*.*");
const QString kSaveFilter = QStringLiteral("Rozkład jazdy dla Trakovil-a 1.6x|*.roz");

QString title() { return QCoreApplication::applicationName(); }

std::string documentPath(const Timetable& document) {
    return document.fileFolder + document.fileName;
}

}  // namespace

TForm1::TForm1(const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent), m_settings(settingsPath.toStdString()) {
    setObjectName(QStringLiteral("TForm1"));
    resize(800, 542);
    setWindowIcon(ui::applicationIcon());
    m_document.rollingStockFolder = defaultRollingStockFolder;
    setWindowTitle(title());

    createActions();
    createMenus();
    createToolBar();
    createTrainList();
    createStatusBar();

    m_document.rollingStockFolder =
        m_settings.readString("Program", "Tabor", defaultRollingStockFolder);
    refreshStates();
}

TForm1::~TForm1() = default;

QAction* TForm1::command(const char* name, const QString& caption, const QString& hint) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    // The hint is the tool button's tooltip; the status bar keeps its panels.
    if (!hint.isEmpty()) action->setToolTip(hint);
    return action;
}

void TForm1::createActions() {
    New = command("New", "Nowy", "Nowy");
    New->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    New->setIcon(ui::newDocumentIcon());
    Open = command("Open", "Otwórz", "Otwórz");
    Open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Open->setIcon(ui::openDocumentIcon());
    Save = command("Save", "Zapisz", "Zapisz");
    Save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Save->setIcon(ui::saveDocumentIcon());
    SaveAs = command("SaveAs", "Zapisz jako...", "Zapisz jako");
    Exit = command("Exit", "Zakończ", "Zakończ");
    TrAdd = command("TrAdd", "Dodaj pociąg", {});
    TrEd = command("TrEd", "Edytuj pociąg", {});
    TrDel = command("TrDel", "Usuń pociąg", {});
    Loko = command("Loko", "Lokomotywy", "Lokomotywy");
    Enginer = command("Enginer", "Lokomotywownia", "Lokomotywownia");
    Passage = command("Passage", "Przejścia lokomotyw", "Przejścia lokomotyw");
    Prob = command("Prob", "Tablica prawdopodobieństwa", {});
    Coach = command("Coach", "Wagony", "Wagony");
    Store = command("Store", "Skład pociągów", "Skład pociągu");
    Names = command("Names", "Nazwy", "Nazwy");
    General = command("General", "Ogólne", "Dane ogólne");
    Option = command("Option", "Opcje...", "Opcje");
    Help = command("Help", title() + " - Pomoc...", {});
    Help->setShortcut(QKeySequence(Qt::Key_F1));
    Info = command("Info", title() + " - Informacje...", "Informacje");

    connect(New, &QAction::triggered, this, [this] { NewExecute(); });
    connect(Open, &QAction::triggered, this, [this] { OpenExecute(); });
    connect(Save, &QAction::triggered, this, [this] { SaveExecute(); });
    connect(SaveAs, &QAction::triggered, this, [this] { SaveAsExecute(); });
    connect(Exit, &QAction::triggered, this, &QWidget::close);
    connect(TrAdd, &QAction::triggered, this, [this] { guarded(this, [this] { trains::TrAddExecute(*this); }); });
    connect(TrEd, &QAction::triggered, this, [this] { guarded(this, [this] { trains::TrEdExecute(*this); }); });
    connect(TrDel, &QAction::triggered, this, [this] { guarded(this, [this] { trains::TrDelExecute(*this); }); });
    connect(Option, &QAction::triggered, this, [this] { OptionExecute(); });
    connect(Info, &QAction::triggered, this, [this] { InfoExecute(); });
}

void TForm1::createMenus() {
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("Plik"));
    fileMenu->addActions({New, Open});
    fileMenu->addSeparator();
    fileMenu->addActions({Save, SaveAs});
    fileMenu->addSeparator();
    fileMenu->addAction(Exit);

    QMenu* dataMenu = menuBar()->addMenu(QStringLiteral("Dane"));
    dataMenu->addActions({TrAdd, TrEd});
    dataMenu->addSeparator();
    dataMenu->addAction(TrDel);
    dataMenu->addSeparator();
    dataMenu->addActions({Loko, Enginer, Passage});
    dataMenu->addSeparator();
    dataMenu->addAction(Prob);
    dataMenu->addSeparator();
    dataMenu->addActions({Coach, Store});
    dataMenu->addSeparator();
    dataMenu->addAction(Names);
    dataMenu->addSeparator();
    dataMenu->addAction(General);

    menuBar()->addMenu(QStringLiteral("Narzędzia"))->addAction(Option);

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("Pomoc"));
    helpMenu->addAction(Help);
    helpMenu->addSeparator();
    helpMenu->addAction(Info);
}

void TForm1::createToolBar() {
    auto* toolBar = new QToolBar(QStringLiteral("Standardowy"), this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(true);
    toolBar->setFloatable(true);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->addActions({New, Open, Save});
    toolBar->addSeparator();
    addToolBar(Qt::TopToolBarArea, toolBar);
}

void TForm1::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
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
    m_versionPanel->setObjectName(QStringLiteral("StatusPanel1"));
}

void TForm1::createTrainList() {
    auto* workspace = new QWidget(this);
    workspace->setAutoFillBackground(true);
    workspace->setBackgroundRole(QPalette::Dark);
    setCentralWidget(workspace);

    m_trainModel = new TrainListModel(m_document.content.trains, this);
    ListView1 = new QTableView(workspace);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(m_trainModel);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(false);
    ListView1->setWordWrap(false);
    ListView1->verticalHeader()->hide();
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->verticalHeader()->setDefaultSectionSize(ListView1->fontMetrics().height() + 4);
    ListView1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    ListView1->horizontalHeader()->setMinimumSectionSize(20);
    ListView1->horizontalHeader()->setDefaultSectionSize(50);
    ListView1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ListView1->horizontalHeader()->setHighlightSections(false);
    ListView1->setSortingEnabled(false);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView1->hide();

    auto* layout = new QVBoxLayout(workspace);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({TrAdd, TrEd});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(TrDel);
    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(ListView1->viewport()->mapToGlobal(at));
    });
    connect(ListView1, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && selectedTrain() >= 0) TrEd->trigger();
    });
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { refreshStates(); });
    connect(m_trainModel, &QAbstractItemModel::modelReset, this, [this] { refreshStates(); });
    connect(m_trainModel, &QAbstractItemModel::rowsRemoved, this, [this] { refreshStates(); });
}

int TForm1::selectedTrain() const {
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void TForm1::refreshStates() {
    const bool shown = !ListView1->isHidden();
    Save->setEnabled(m_document.modified);
    for (QAction* action : {SaveAs, TrAdd, Loko, Enginer, Passage, Prob, Coach, Store, Names, General}) {
        action->setEnabled(shown);
    }
    const bool selected = shown && selectedTrain() >= 0;
    TrEd->setEnabled(selected);
    TrDel->setEnabled(selected);
    const int version = m_document.content.version;
    m_versionPanel->setText(version == 1   ? QStringLiteral("1.44")
                            : version == 2 ? QStringLiteral("1.61")
                                           : QString());
}

void TForm1::showTrainList() { ListView1->show(); }

void TForm1::setFile(const QString& path) {
    m_document.untitled = path.isEmpty();
    m_document.modified = false;
    if (path.isEmpty()) {
        m_document.fileFolder.clear();
        m_document.fileName.clear();
        setWindowTitle(title() + QStringLiteral(" - Nowa stacja"));
    } else {
        const QFileInfo info(path);
        m_document.fileFolder = QDir::toNativeSeparators(info.absolutePath()).toStdString();
        if (!m_document.fileFolder.ends_with(QDir::separator().toLatin1())) {
            m_document.fileFolder += QDir::separator().toLatin1();
        }
        m_document.fileName = info.fileName().toStdString();
        setWindowTitle(title() + QStringLiteral(" - ") + info.fileName());
    }
    refreshStates();
}

bool TForm1::askToSave(bool continueWhenSaveCancelled) {
    if (!m_document.modified) return true;
    const auto answer = ui::prompter().message(
        this, QMessageBox::Question,
        QStringLiteral("Zapisać zmiany w dokumencie ") + QString::fromStdString(m_document.fileName) +
            QStringLiteral("?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::No) return true;
    switch (save()) {
        case Outcome::done: return true;
        case Outcome::cancelled: return continueWhenSaveCancelled;
        case Outcome::failed: return false;
    }
    return false;
}

void TForm1::writeTo(const QString& path) {
    const ui::BusyCursor busy;
    saveTimetableFile(m_document.content, path.toStdString());
}

TForm1::Outcome TForm1::save() {
    if (m_document.untitled) return saveAs();
    const bool written = guarded(this, [this] {
        writeTo(QString::fromStdString(documentPath(m_document)));
        m_document.modified = false;
    });
    refreshStates();
    return written ? Outcome::done : Outcome::failed;
}

TForm1::Outcome TForm1::saveAs() {
    const QString path = ui::prompter().saveFileName(this, kSaveFilter, QStringLiteral("roz"));
    if (path.isEmpty()) return Outcome::cancelled;
    // The file name changes only once the file is written, so that a failed save leaves the
    // document named after the file it came from.
    if (!guarded(this, [&] { writeTo(path); })) return Outcome::failed;
    setFile(path);
    return Outcome::done;
}

void TForm1::NewExecute() {
    showTrainList();
    setFile(QString());
}

void TForm1::OpenExecute() {
    if (!askToSave(true)) return;
    const QString path = ui::prompter().openFileName(this, kOpenFilter);
    if (path.isEmpty()) return;
    openFile(path);
}

void TForm1::openFile(const QString& path) {
    guarded(this, [&] {
        const ui::BusyCursor busy;
        TimetableContent content = readTimetableFile(path.toStdString());
        m_trainModel->replaceTrains([&] { m_document.content = std::move(content); });
        showTrainList();
        setFile(path);
    });
}

void TForm1::SaveExecute() { save(); }

void TForm1::SaveAsExecute() { saveAs(); }

void TForm1::OptionExecute() {
    TFOption dialog(m_document.rollingStockFolder, m_settings, this);
    dialog.setWindowTitle(Option->text());
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    guarded(this, [&] { storeFolderSettings(dialog, m_document, m_settings); });
}

void TForm1::InfoExecute() {
    TFAbout dialog(this);
    dialog.setWindowTitle(Info->text());
    ui::prompter().exec(dialog);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing asks about unsaved changes; a save that is cancelled or fails keeps the window.
    if (askToSave(false)) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace rylmo::app
