#include "app/TrainListPane.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "editing/EditingSession.h"
#include "editing/TrainFilterModel.h"
#include "editing/TrainListModel.h"
#include "trains/TrainClipboard.h"
#include "ui/BusyCursor.h"

namespace rylmo::app {

TrainListPane::TrainListPane(editing::EditingSession& session, QWidget* parent)
    : QWidget(parent), m_session(session) {
    createTable();
    createSearchBar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_searchBar);
    layout->addWidget(m_table);
    setFocusProxy(m_table);
}

void TrainListPane::createTable() {
    m_arranged = new editing::TrainFilterModel(m_session.trainListModel(), this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("trainList"));
    m_table->setModel(m_arranged);
    m_arranged->followSelection(m_table->selectionModel());
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setTabKeyNavigation(false);  // rows are chosen whole: Tab leaves the list
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setMinimumSectionSize(20);
    header->setDefaultSectionSize(50);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    // A click on a header sorts by that column, a second one reverses it; "Indeks" rising is
    // the file order, which needs no sorting and shows no arrow, so that "Indeks" fits its 50
    // pixels whole.
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setSortIndicator(0, Qt::AscendingOrder);
    connect(header, &QHeaderView::sortIndicatorChanged, this,
            [this, header](int column, Qt::SortOrder order) {
                const ui::BusyCursor busy;
                const bool fileOrder = column == 0 && order == Qt::AscendingOrder;
                header->setSortIndicatorShown(!fileOrder);
                m_arranged->sort(fileOrder ? -1 : column, order);
            });
    m_table->installEventFilter(this);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (m_menu) m_menu->popup(m_table->viewport()->mapToGlobal(at));
    });
    connect(m_table, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && selectedTrain() >= 0) emit trainActivated();
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TrainListPane::selectionChanged);
    QAbstractItemModel* trains = m_session.trainListModel();
    for (auto signal : {&QAbstractItemModel::rowsRemoved, &QAbstractItemModel::rowsInserted})
        connect(trains, signal, this, &TrainListPane::selectionChanged);
    connect(trains, &QAbstractItemModel::modelReset, this, &TrainListPane::selectionChanged);
}

// Delete in the list deletes the selected trains, as the chart's Delete does; elsewhere (the
// search field) it stays the key's own.
bool TrainListPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier &&
            !selectedTrains().empty()) {
            emit deleteRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// "Szukaj": the rows whose texts hold what is typed, whatever its case and diacritics.
void TrainListPane::createSearchBar() {
    m_searchBar = new QWidget(this);
    m_searchBar->setAutoFillBackground(true);
    m_searchBar->setBackgroundRole(QPalette::Window);
    m_search = new QLineEdit(m_searchBar);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(QStringLiteral("pociąg, stacja, godzina..."));
    auto* searchLabel = new QLabel(QStringLiteral("&Szukaj:"), m_searchBar);
    searchLabel->setBuddy(m_search);
    auto* layout = new QHBoxLayout(m_searchBar);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(searchLabel);
    layout->addWidget(m_search, 1);
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_arranged->setSearch(text);
        emit selectionChanged();
    });
    auto* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    addAction(find);
    connect(find, &QAction::triggered, this, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
}

void TrainListPane::fitColumns() {
    QHeaderView* header = m_table->horizontalHeader();
    if (!m_session.trainListModel()->isReadable()) {
        for (int column = 0; column < header->count(); ++column) header->resizeSection(column, 50);
        return;
    }
    const int widths[] = {50, 150, 70, 70, 130, 130, 85, 70, 70, 130, 130, 85, 90, 55, 140, 100};
    for (int column = 0; column < header->count() && column < int(std::size(widths)); ++column) {
        header->resizeSection(column, widths[column]);
    }
}

int TrainListPane::selectedTrain() const {
    const std::vector<int> trains = selectedTrains();
    return trains.empty() ? -1 : trains.front();
}

std::vector<int> TrainListPane::selectedTrains() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : m_table->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<int> trains;
    trains.reserve(rows.size());
    for (int row : rows) {
        if (const int train = m_arranged->trainAt(row); train >= 0) trains.push_back(train);
    }
    return trains;
}

void TrainListPane::copySelectedTrains() const {
    const std::vector<int> trains = selectedTrains();
    std::vector<int> rows;
    rows.reserve(trains.size());
    for (int train : trains) rows.push_back(m_arranged->rowOf(train));
    trains::copyTrains(m_session, *m_arranged, rows, trains);
}

void TrainListPane::selectAppendedTrains(std::size_t count) {
    const std::size_t after = m_session.content().trains.size();
    std::vector<int> appended;
    for (std::size_t train = count; train < after; ++train)
        appended.push_back(static_cast<int>(train));
    selectTrains(appended);
}

void TrainListPane::selectTrains(const std::vector<int>& trains) {
    if (trains.empty()) return;
    if (std::any_of(trains.begin(), trains.end(),
                    [this](int train) { return m_arranged->rowOf(train) < 0; })) {
        m_search->clear();
    }
    std::vector<int> rows;
    for (int train : trains)
        if (const int row = m_arranged->rowOf(train); row >= 0) rows.push_back(row);
    if (rows.empty()) return;
    const int first = rows.front();
    std::sort(rows.begin(), rows.end());
    QItemSelection chosen;
    const int lastColumn = m_arranged->columnCount() - 1;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1) ++end;
        chosen.select(m_arranged->index(rows[i], 0), m_arranged->index(rows[end - 1], lastColumn));
        i = end;
    }
    QItemSelectionModel* selection = m_table->selectionModel();
    selection->setCurrentIndex(m_arranged->index(first, 0), QItemSelectionModel::NoUpdate);
    selection->select(chosen, QItemSelectionModel::ClearAndSelect);
    m_table->scrollTo(m_arranged->index(first, 0));
}

void TrainListPane::selectTrain(int train) {
    if (train < 0) {
        m_table->clearSelection();
        return;
    }
    if (m_arranged->rowOf(train) < 0) m_search->clear();  // a search may hide the train
    const int row = m_arranged->rowOf(train);
    if (row < 0) return;
    m_table->selectRow(row);
    m_table->scrollTo(m_arranged->index(row, 0));
}

}  // namespace rylmo::app
