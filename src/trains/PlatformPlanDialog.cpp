#include "trains/PlatformPlanDialog.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "document/PlatformPlanText.h"
#include "document/PolishCount.h"
#include "document/TimeText.h"
#include "trains/ChartMoves.h"
#include "ui/Controls.h"

namespace rylmo::trains {

namespace {

QString spanOf(const PlatformInterval& stay) {
    return QStringLiteral("%1–%2").arg(QString::fromStdString(minuteText(stay.start)),
                                       QString::fromStdString(minuteText(stay.end)));
}

constexpr int listedUnplaced = 12;  // trains named in the summary; the rest are counted

}  // namespace

// The moved stays of a plan: train number, index, times, platform now and proposed; sorted
// by the numbers behind the texts.
class PlanMovesModel : public QAbstractTableModel {
public:
    PlanMovesModel(const TimetableContent& content, QObject* parent)
        : QAbstractTableModel(parent), m_content(content) {}

    void setPlan(const PlatformPlan* plan) {
        beginResetModel();
        m_plan = plan;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_plan ? 0 : static_cast<int>(m_plan->moves.size());
    }
    int columnCount(const QModelIndex& = {}) const override { return 5; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char* const captions[] = {"Pociąg", "Indeks", "Postój", "Peron teraz",
                                               "Peron proponowany"};
        return QString::fromUtf8(captions[section]);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!m_plan || (role != Qt::DisplayRole && role != Qt::UserRole)) return {};
        const StayPlacement& move = m_plan->moves[static_cast<std::size_t>(index.row())];
        const PlatformInterval& stay = m_plan->stays[move.stay];
        const bool sorting = role == Qt::UserRole;
        switch (index.column()) {
            case 0:
                return stayNumber(m_content, stay);
            case 1:
                return static_cast<qulonglong>(stay.train);
            case 2:
                return sorting ? QVariant(stay.start) : QVariant(spanOf(stay));
            case 3:
                return stay.platform;
            default:
                return move.platform;
        }
    }

private:
    const TimetableContent& m_content;
    const PlatformPlan* m_plan = nullptr;
};

PlatformPlanDialog::PlatformPlanDialog(const TimetableContent& content, std::vector<bool> movable,
                                       DwellTimes dwell, QWidget* parent)
    : QDialog(parent), m_content(content) {
    setWindowTitle(QStringLiteral("Rozdziel perony"));
    m_request.dwell = dwell;
    const std::size_t chosen =
        static_cast<std::size_t>(std::count(movable.begin(), movable.end(), true));
    m_request.movable = std::move(movable);
    const PlatformSet used = usedPlatforms(platformOccupancy(content, dwell));
    auto* scope = new QLabel(
        chosen == 0 ? QStringLiteral("Pociągi: wszystkie (%1)").arg(content.trains.size())
                    : QStringLiteral("Pociągi: zaznaczone (%1); pozostałe zostają na swoich "
                                     "peronach")
                          .arg(chosen));
    auto* platformRow = new QHBoxLayout;
    platformRow->addWidget(new QLabel(QStringLiteral("Perony:")));
    for (int32_t p = limits::minPlatform; p <= limits::maxPlatform; ++p) {
        auto* box = new QCheckBox(QStringLiteral("&%1").arg(p));
        box->setObjectName(QStringLiteral("platform%1").arg(p));
        box->setChecked(used.test(static_cast<std::size_t>(p)));
        connect(box, &QCheckBox::toggled, this, &PlatformPlanDialog::propose);
        m_platforms[static_cast<std::size_t>(p)] = box;
        platformRow->addWidget(box);
    }
    platformRow->addStretch();
    m_moves = new PlanMovesModel(content, this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSortRole(Qt::UserRole);
    m_sorted->setSourceModel(m_moves);
    m_table = ui::named(new QTableView, "planMoves");
    m_table->setModel(m_sorted);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumSize(520, 260);
    m_summary = ui::named(new QLabel, "planSummary");
    m_summary->setWordWrap(true);
    const ui::DialogButtons confirm = ui::dialogButtons(*this);
    m_ok = confirm.ok;
    QPushButton* cancel = confirm.cancel;
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scope);
    layout->addLayout(platformRow);
    layout->addWidget(m_table);
    layout->addWidget(m_summary);
    layout->addLayout(ui::buttonRow({}, {m_ok, cancel}));
    propose();
    m_table->resizeColumnsToContents();
}

PlatformPlanDialog::~PlatformPlanDialog() = default;

void PlatformPlanDialog::propose() {
    m_request.allowed.reset();
    for (int32_t p = limits::minPlatform; p <= limits::maxPlatform; ++p) {
        if (m_platforms[static_cast<std::size_t>(p)]->isChecked())
            m_request.allowed.set(static_cast<std::size_t>(p));
    }
    m_moves->setPlan(nullptr);
    m_plan = planPlatforms(m_content, m_request, listedUnplaced);
    m_moves->setPlan(&m_plan);
    m_summary->setText(summary());
    m_ok->setEnabled(m_request.allowed.any());
}

QString PlatformPlanDialog::summary() const {
    if (m_request.allowed.none()) return QStringLiteral("Zaznacz perony, których można użyć.");
    QString text =
        m_plan.movedTrains == 0
            ? QStringLiteral("Żaden pociąg nie zmieni peronu.")
            : QStringLiteral("Zmienią peron: %1.")
                  .arg(QString::fromStdString(polishCount(static_cast<int64_t>(m_plan.movedTrains),
                                                          "pociąg", "pociągi", "pociągów")));
    if (m_plan.unplacedTrains == 0) return text;
    QStringList named;
    for (const UnplacedTrain& train : m_plan.unplaced) {
        named << QStringLiteral("%1 (%2: %3)")
                     .arg(stayNumber(m_content, m_plan.stays[train.stay]))
                     .arg(QString::fromStdString(minuteText(train.minute)))
                     .arg(QString::fromStdString(crowdText(train, m_request.allowed.count())));
    }
    if (m_plan.unplacedTrains > m_plan.unplaced.size())
        named << QStringLiteral("i %1 innych").arg(m_plan.unplacedTrains - m_plan.unplaced.size());
    return text + QStringLiteral("\nBez wolnego peronu (zostają na swoich, w konflikcie): ") +
           named.join(QStringLiteral(", ")) + QLatin1Char('.');
}

std::vector<TrainChange> PlatformPlanDialog::changes() const {
    return planChanges(m_content, m_plan);
}

}  // namespace rylmo::trains
