// The main window's train list: the view over the session's trains, sorted and searched, and
// the selection that the train commands act on.
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/MainWindow.h"
#include "document/TrainClipboard.h"
#include "editing/ProblemChecker.h"
#include "editing/TrainFilterModel.h"
#include "editing/TrainListModel.h"
#include "trains/PlatformChart.h"
#include "trains/TrainCommands.h"
#include "ui/BusyCursor.h"
#include "ui/Controls.h"
#include "ui/ErrorHandler.h"

namespace rylmo::app {

void MainWindow::createTrainTable(QWidget* workspace) {
    m_trainFilter = new editing::TrainFilterModel(m_session.trainListModel(), this);
    m_trainList = new QTableView(workspace);
    m_trainList->setObjectName(QStringLiteral("trainList"));
    m_trainList->setModel(m_trainFilter);
    m_trainFilter->followSelection(m_trainList->selectionModel());
    m_trainList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_trainList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_trainList->setTabKeyNavigation(false);  // rows are chosen whole: Tab leaves the list
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
    // The file order shows no arrow, so that "Indeks" fits its 50 pixels whole.
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setSortIndicator(0, Qt::AscendingOrder);
    connect(header, &QHeaderView::sortIndicatorChanged, this,
            [this, header](int column, Qt::SortOrder order) {
                const ui::BusyCursor busy;
                const bool fileOrder = column == 0 && order == Qt::AscendingOrder;
                header->setSortIndicatorShown(!fileOrder);
                m_trainFilter->sort(fileOrder ? -1 : column, order);
            });
    m_trainList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_trainList->hide();
}

void MainWindow::createSearchBar(QWidget* workspace) {
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
}

void MainWindow::createTrainList() {
    auto* workspace = new QWidget(this);
    workspace->setAutoFillBackground(true);
    workspace->setBackgroundRole(QPalette::Dark);
    setCentralWidget(workspace);

    createTrainTable(workspace);

    createSearchBar(workspace);

    auto* layout = new QVBoxLayout(workspace);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_searchBar);
    layout->addWidget(m_trainList);
    createPlatformChart(workspace);
    layout->addWidget(m_chartBar);
    layout->addWidget(m_chart);

    m_trainMenu = new QMenu(this);
    m_trainMenu->setObjectName(QStringLiteral("trainMenu"));
    m_trainMenu->addActions({m_addTrain, m_editTrain});
    m_trainMenu->addSeparator();
    m_trainMenu->addActions({m_deleteTrain, m_copyTrains, m_shiftTrains});
    m_trainMenu->addSeparator();
    m_trainMenu->addActions({m_copy, m_paste});
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
        for (int column = 0; column < header->count(); ++column) header->resizeSection(column, 50);
        return;
    }
    const int widths[] = {50, 150, 70, 70, 130, 130, 85, 70, 70, 130, 130, 85, 90, 55, 140, 100};
    for (int column = 0; column < header->count() && column < int(std::size(widths)); ++column) {
        header->resizeSection(column, widths[column]);
    }
}

// Above the chart: the dwell times it and the platform check use, kept in the settings
// [Wykres] section, and "Dopasuj".
void MainWindow::createChartBar(QWidget* workspace) {
    m_chartBar = new QWidget(workspace);
    m_chartBar->setAutoFillBackground(true);
    m_chartBar->setBackgroundRole(QPalette::Window);
    m_chartBar->hide();
    const auto minutes = [this](const char* name, const char* key) {
        QSpinBox* box = ui::spinEdit(name, 180);
        box->setSuffix(QStringLiteral(" min"));
        box->setValue(std::clamp(
            QString::fromStdString(m_settings.readString("Wykres", key, "10")).toInt(), 0, 180));
        return box;
    };
    QSpinBox* afterArrival = minutes("dwellAfterArrival", "PostojPoPrzyjezdzie");
    QSpinBox* beforeDeparture = minutes("dwellBeforeDeparture", "PostojPrzedOdjazdem");
    auto* fit = new QPushButton(m_fitChart->text(), m_chartBar);
    connect(fit, &QPushButton::clicked, m_fitChart, &QAction::trigger);
    auto* layout = new QHBoxLayout(m_chartBar);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(ui::captionFor(QStringLiteral("Postój po przyjeździe"), afterArrival));
    layout->addWidget(afterArrival);
    layout->addWidget(ui::captionFor(QStringLiteral("przed odjazdem"), beforeDeparture));
    layout->addWidget(beforeDeparture);
    layout->addStretch();
    layout->addWidget(fit);
    const auto apply = [this, afterArrival, beforeDeparture] {
        const DwellTimes dwell{afterArrival->value(), beforeDeparture->value()};
        m_chart->setDwellTimes(dwell);
        m_problems->setDwellTimes(dwell);
        ui::guarded(this, [&] {
            m_settings.writeString("Wykres", "PostojPoPrzyjezdzie",
                                   std::to_string(dwell.afterArrival));
            m_settings.writeString("Wykres", "PostojPrzedOdjazdem",
                                   std::to_string(dwell.beforeDeparture));
        });
    };
    for (QSpinBox* box : {afterArrival, beforeDeparture})
        connect(box, &QSpinBox::valueChanged, this, apply);
    const DwellTimes stored{afterArrival->value(), beforeDeparture->value()};
    m_chart->setDwellTimes(stored);
    m_problems->setDwellTimes(stored);
}

int MainWindow::selectedTrain() const {
    const std::vector<int> trains = selectedTrains();
    return trains.empty() ? -1 : trains.front();
}

std::vector<int> MainWindow::selectedTrains() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : m_trainList->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<int> trains;
    trains.reserve(rows.size());
    for (int row : rows) {
        if (const int train = m_trainFilter->trainAt(row); train >= 0) trains.push_back(train);
    }
    return trains;
}

void MainWindow::copySelectedTrains() {
    const std::vector<int> trains = selectedTrains();
    if (trains.empty()) return;
    // As the list shows them, header first: a spreadsheet takes this.
    const QAbstractItemModel* model = m_trainFilter;
    QString table;
    for (int column = 0; column < model->columnCount(); ++column) {
        table += (column > 0 ? QStringLiteral("\t") : QString()) +
                 model->headerData(column, Qt::Horizontal).toString();
    }
    for (int train : trains) {
        table += QStringLiteral("\r\n");
        const int row = m_trainFilter->rowOf(train);
        for (int column = 0; column < model->columnCount(); ++column) {
            table += (column > 0 ? QStringLiteral("\t") : QString()) +
                     model->index(row, column).data().toString();
        }
    }
    table += QStringLiteral("\r\n");
    auto* copied = new QMimeData;
    copied->setText(table);
    copied->setData(
        QString::fromLatin1(trains::trainsMimeType),
        QByteArray::fromStdString(trainClipboardText(
            m_session.content().trains, std::vector<std::size_t>(trains.begin(), trains.end()))));
    QGuiApplication::clipboard()->setMimeData(copied);
}

void MainWindow::pasteTrains() {
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    if (!held) return;
    const QString type = QString::fromLatin1(trains::trainsMimeType);
    const QString text = held->hasFormat(type) ? QString::fromUtf8(held->data(type)) : held->text();
    const std::size_t before = m_session.content().trains.size();
    trains::pasteTrains(m_session, this, text);
    selectAppendedTrains(before);
}

void MainWindow::selectAppendedTrains(std::size_t count) {
    const std::size_t after = m_session.content().trains.size();
    std::vector<int> appended;
    for (std::size_t train = count; train < after; ++train)
        appended.push_back(static_cast<int>(train));
    selectTrains(appended);
}

void MainWindow::selectTrains(const std::vector<int>& trains) {
    if (trains.empty()) return;
    if (std::any_of(trains.begin(), trains.end(),
                    [this](int train) { return m_trainFilter->rowOf(train) < 0; })) {
        m_search->clear();
    }
    std::vector<int> rows;
    for (int train : trains)
        if (const int row = m_trainFilter->rowOf(train); row >= 0) rows.push_back(row);
    if (rows.empty()) return;
    const int first = rows.front();
    std::sort(rows.begin(), rows.end());
    QItemSelection chosen;
    const int lastColumn = m_trainFilter->columnCount() - 1;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1) ++end;
        chosen.select(m_trainFilter->index(rows[i], 0),
                      m_trainFilter->index(rows[end - 1], lastColumn));
        i = end;
    }
    QItemSelectionModel* selection = m_trainList->selectionModel();
    selection->setCurrentIndex(m_trainFilter->index(first, 0), QItemSelectionModel::NoUpdate);
    selection->select(chosen, QItemSelectionModel::ClearAndSelect);
    m_trainList->scrollTo(m_trainFilter->index(first, 0));
}

void MainWindow::selectTrain(int train) {
    if (m_trainFilter->rowOf(train) < 0) m_search->clear();  // a search may hide the train
    const int row = m_trainFilter->rowOf(train);
    if (row < 0) return;
    m_trainList->selectRow(row);
    m_trainList->scrollTo(m_trainFilter->index(row, 0));
}

void MainWindow::showTrainList() {
    m_documentShown = true;
    showChosenView();
}

void MainWindow::showChosenView() {
    if (!m_documentShown) return;
    const bool chart = m_showChart->isChecked();
    if (!chart && m_trainList->isHidden()) fitTrainColumns();
    // The view shown takes the focus before the other hides: a list that hides with the focus
    // would pass it on with a Tab of its own, which moves its current row and its selection.
    if (chart) {
        m_chartBar->show();
        m_chart->show();
    } else {
        m_searchBar->show();
        m_trainList->show();
    }
    (chart ? static_cast<QWidget*>(m_chart) : m_trainList)->setFocus();
    m_trainList->setVisible(!chart);
    m_searchBar->setVisible(!chart);
    m_chartBar->setVisible(chart);
    m_chart->setVisible(chart);
    refreshStates();
}

// The chart acts on its trains as the list does: a click selects the train in the list, a
// double-click edits it, the context menu and Delete act on it.
void MainWindow::createPlatformChart(QWidget* workspace) {
    m_chart = new trains::PlatformChart(m_session, workspace);
    m_chart->hide();
    m_chart->setReadable(m_readableList->isChecked());
    m_chart->setProblems(m_problems);
    createChartBar(workspace);
    connect(m_chart, &trains::PlatformChart::trainClicked, this,
            [this](int train) { selectTrain(train); });
    connect(m_chart, &trains::PlatformChart::trainActivated, this, [this](int train) {
        selectTrain(train);
        if (selectedTrain() == train) m_editTrain->trigger();
    });
    connect(m_chart, &trains::PlatformChart::deleteRequested, this, [this](int train) {
        selectTrain(train);
        if (selectedTrain() == train) m_deleteTrain->trigger();
    });
    connect(m_chart, &trains::PlatformChart::menuRequested, this,
            [this](int, const QPoint& at) { m_trainMenu->popup(at); });
    connect(m_trainList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_chart->setChosenTrain(selectedTrain()); });
}

}  // namespace rylmo::app
