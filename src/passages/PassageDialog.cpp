#include "passages/PassageDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstdlib>

#include "document/EntryNames.h"
#include "document/ProbabilityText.h"
#include "document/Tokens.h"
#include "models/DocumentText.h"
#include "models/DocumentTextsModel.h"
#include "models/NumberListModel.h"
#include "passages/PassageStrip.h"
#include "ui/Controls.h"
#include "ui/FixedSize.h"
#include "ui/PictureStrip.h"

namespace rylmo::passages {

namespace {

QSlider* slider(const char* name, int maximum) {
    QSlider* s = ui::trackBar(name, 1);
    s->setMaximum(std::max(1, maximum));
    return s;
}

// The tokens of a probability entry as texts, as they stand between the delimiters.
QStringList entryTokens(std::string_view text) {
    QStringList tokens;
    TokenScanner scanner(text);
    scanner.skipBlanks();
    while (!scanner.atEnd()) {
        tokens << models::toQString(scanner.take(',', ' '));
        scanner.skipBlanks();
    }
    return tokens;
}

}  // namespace

PassageDialog::PassageDialog(const Timetable& document, int standsFor, QWidget* parent)
    : QDialog(parent),
      m_document(document),
      m_sizes(PassageSizes::of(document.content)),
      m_standsFor(standsFor) {
    setObjectName(QStringLiteral("PassageDialog"));
    setWindowTitle(QStringLiteral("FPassAdd"));  // kept on purpose: the title authors know
    const TimetableContent& c = document.content;

    m_type = ui::documentList(
        "type", new models::DocumentTextsModel(
                    {}, c.locomotiveTypes.size(),
                    [&c](std::size_t i) { return c.locomotiveTypes[i].typeName(); }, this));
    m_depot = ui::documentList("depot", new models::DocumentTextsModel(c.depotNames, this));
    m_fromAssignedDepot =
        ui::named(new QCheckBox(QStringLiteral("Lokomotywa z lokomotywowni przypisanej")),
                  "fromAssignedDepot");
    m_assignedDepotHint = ui::hintLabel("assignedDepotHint");
    m_skipTable = ui::named(new QCheckBox(QStringLiteral("Nie używaj tablicy prawdopodobieństwa")),
                            "skipTable");
    m_tableCaption = ui::named(new QLabel(QStringLiteral("Indeks tablicy")), "tableCaption");
    m_probability = slider("probability", m_sizes.probabilities);
    m_grid = ui::named(new QTableWidget(1, 0), "probabilityGrid");
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setDefaultSectionSize(50);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(18);
    m_grid->setFixedHeight(2 * 18 + 22);
    m_arrivingCaption = ui::named(new QLabel, "arrivingCaption");
    m_arrivingTrain = slider("arrivingTrain", m_sizes.trains);
    m_arrivingStrip = ui::named(new ui::PictureStrip, "arrivingStrip");
    m_departingCaption = ui::named(new QLabel, "departingCaption");
    m_departingTrain = slider("departingTrain", m_sizes.trains);
    m_departingStrip = ui::named(new ui::PictureStrip, "departingStrip");
    for (ui::PictureStrip* strip : {m_arrivingStrip, m_departingStrip}) {
        strip->setStripLayout(passageStripLayout);
        strip->setMinimumHeight(130);
    }
    const ui::DialogButtons confirm = ui::dialogButtons(*this);
    m_ok = confirm.ok;
    m_ok->setDefault(true);
    m_cancel = confirm.cancel;

    const bool table = m_sizes.probabilities > 0;
    m_skipTable->setEnabled(table);
    m_probability->setVisible(table);
    m_probability->setEnabled(table);
    m_grid->setVisible(table);
    m_grid->setEnabled(table);
    if (!table)
        m_tableCaption->setText(QStringLiteral("Nie zdefiniowano tablicy prawdopodobieństwa."));

    auto* locomotive = new QGroupBox(QStringLiteral(" Lokomotywa "));
    auto* locomotiveLayout = new QGridLayout(locomotive);
    locomotiveLayout->addWidget(ui::captionFor(QStringLiteral("Typ"), m_type), 0, 0);
    locomotiveLayout->addWidget(m_type, 0, 1);
    locomotiveLayout->addWidget(ui::captionFor(QStringLiteral("Lokomotywownia"), m_depot), 1, 0);
    locomotiveLayout->addWidget(m_depot, 1, 1);
    locomotiveLayout->addWidget(m_fromAssignedDepot, 2, 0, 1, 2);
    locomotiveLayout->addWidget(m_assignedDepotHint, 3, 0, 1, 2);
    locomotiveLayout->addWidget(m_skipTable, 4, 0, 1, 2);
    locomotiveLayout->setColumnStretch(1, 1);
    auto* probabilities = new QGroupBox(QStringLiteral(" Tablica prawdopodobieństwa "));
    auto* probabilitiesLayout = new QVBoxLayout(probabilities);
    probabilitiesLayout->addWidget(m_tableCaption);
    probabilitiesLayout->addWidget(m_probability);
    probabilitiesLayout->addWidget(m_grid);
    probabilitiesLayout->addStretch();
    auto* trains = new QGroupBox(QStringLiteral(" Pociągi "));
    auto* trainsLayout = new QVBoxLayout(trains);
    trainsLayout->addWidget(m_arrivingCaption);
    trainsLayout->addWidget(m_arrivingTrain);
    trainsLayout->addWidget(m_arrivingStrip);
    trainsLayout->addWidget(m_departingCaption);
    trainsLayout->addWidget(m_departingTrain);
    trainsLayout->addWidget(m_departingStrip);
    auto* top = new QHBoxLayout;
    top->addWidget(locomotive, 1);
    top->addWidget(probabilities, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top);
    layout->addWidget(trains, 1);
    layout->addLayout(ui::buttonRow({}, {m_ok, m_cancel}));
    ui::makeFixedSize(*this, 760, 600);

    connect(m_type, &QComboBox::activated, this, &PassageDialog::typeChosen);
    connect(m_depot, &QComboBox::activated, this, &PassageDialog::depotChosen);
    connect(m_arrivingTrain, &QSlider::valueChanged, this, [this] {
        rebuildStrip(true);
        refreshStates();
    });
    connect(m_departingTrain, &QSlider::valueChanged, this, [this] {
        rebuildStrip(false);
        refreshStates();
    });
    connect(m_probability, &QSlider::valueChanged, this, &PassageDialog::refreshGrid);
    connect(m_skipTable, &QCheckBox::toggled, this, [this](bool skip) {
        m_probability->setEnabled(!skip);
        m_grid->setEnabled(!skip);
    });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_original = plainPassage(m_shown, m_sizes);
    refreshStates();
}

void PassageDialog::fillFromPassage(const LocomotivePassage& passage) {
    m_original = passage;
    m_shown = formFromPassage(passage, m_sizes);
    const PassageForm& f = m_shown;
    if (f.typeItem == m_sizes.types) {
        ui::showUnknownItem(
            m_type,
            models::toQString(unknownTypeText(std::llabs(int64_t{passage.locomotiveType}))));
    }
    if (f.depotItem == m_sizes.depots) {
        ui::showUnknownItem(
            m_depot, models::toQString(unknownDepotText(std::llabs(int64_t{passage.depot}))));
    }
    {
        const QSignalBlocker quietArriving(m_arrivingTrain);
        const QSignalBlocker quietDeparting(m_departingTrain);
        const QSignalBlocker quietProbability(m_probability);
        m_type->setCurrentIndex(f.typeItem);
        m_depot->setCurrentIndex(f.depotItem);
        fillSlider(m_arrivingTrain, f.arrivingSlider);
        fillSlider(m_departingTrain, f.departingSlider);
        fillSlider(m_probability, f.probabilitySlider);
    }
    m_fromAssignedDepot->setChecked(f.fromAssignedDepot);
    m_skipTable->setChecked(f.skipTable);
    liveWrite();
    if (m_sizes.probabilities > 0) refreshGrid();
}

// Position 0 stands for a stored number that names no entry; it is there only then.
void PassageDialog::fillSlider(QSlider* slider, int position) {
    if (position == 0) slider->setMinimum(0);
    slider->setValue(position);
}

PassageForm PassageDialog::form() const {
    PassageForm f;
    f.typeItem = m_type->currentIndex();
    f.depotItem = m_depot->currentIndex();
    f.arrivingSlider = m_arrivingTrain->value();
    f.departingSlider = m_departingTrain->value();
    f.fromAssignedDepot = m_fromAssignedDepot->isChecked() && assignedDepotPossible(f);
    f.skipTable = m_skipTable->isChecked();
    f.probabilitySlider = m_probability->value();
    return f;
}

void PassageDialog::typeChosen() {
    if (m_depot->currentIndex() < 0 && m_depot->count() > 0) m_depot->setCurrentIndex(0);
    liveWrite();
}

void PassageDialog::depotChosen() {
    if (m_type->currentIndex() < 0 && m_type->count() > 0) m_type->setCurrentIndex(0);
    liveWrite();
}

// The passage stood for now holds the chosen type and depot and the trains the sliders show,
// as the preview shows it; both strips follow.
void PassageDialog::liveWrite() {
    m_live = passage();
    rebuildStrip(true);
    rebuildStrip(false);
    refreshStates();
}

int64_t PassageDialog::shownTrain(bool arriving) const {
    const QSlider* slider = arriving ? m_arrivingTrain : m_departingTrain;
    if (slider->value() >= 1 || !m_live) return slider->value() - 1;
    return std::llabs(int64_t{arriving ? m_live->arrivingTrain : m_live->departingTrain});
}

void PassageDialog::rebuildStrip(bool arriving) {
    ui::PictureStrip* strip = arriving ? m_arrivingStrip : m_departingStrip;
    if (m_type->currentIndex() < 0) {
        strip->clear();
        return;
    }
    const LocomotivePassage live = passage();
    const std::vector<LocomotivePassage>& stored = m_document.content.passages;
    const bool replaces = m_standsFor >= 0 && static_cast<std::size_t>(m_standsFor) < stored.size();
    std::vector<LocomotivePassage> edited;
    if (replaces) {
        edited = stored;
        edited[static_cast<std::size_t>(m_standsFor)] = live;
    }
    const EnteredLocomotive entered{std::llabs(int64_t{live.locomotiveType}),
                                    std::llabs(int64_t{live.depot}), replaces ? m_standsFor : -1};
    strip->setEntries(QString::fromStdString(m_document.rollingStockFolder),
                      passageStrip(m_document.content, arriving ? Side::arriving : Side::departing,
                                   shownTrain(arriving), replaces ? edited : stored, -1, &entered));
}

void PassageDialog::refreshGrid() {
    const TimetableContent& c = m_document.content;
    const int position = m_probability->value();
    // Position 0 shows a stored entry number that names no entry: no values.
    const QStringList tokens =
        position >= 1 && static_cast<std::size_t>(position) <= c.probabilities.size()
            ? entryTokens(c.probabilities[static_cast<std::size_t>(position) - 1])
            : QStringList();
    m_grid->setColumnCount(static_cast<int>(c.locomotiveTypes.size()));
    QStringList headers;
    for (const LocomotiveType& type : c.locomotiveTypes)
        headers << models::toShortQString(type.typeName());
    m_grid->setHorizontalHeaderLabels(headers);
    for (int k = 0; k < m_grid->columnCount(); ++k) {
        // An entry with fewer values than types leaves the other cells empty.
        m_grid->setItem(0, k, new QTableWidgetItem(k < tokens.size() ? tokens[k] : QString()));
    }
}

void PassageDialog::refreshStates() {
    const bool chosen = m_type->currentIndex() >= 0;
    const bool trains = m_sizes.trains > 0;
    m_arrivingTrain->setEnabled(chosen && trains);
    m_departingTrain->setEnabled(chosen && trains);
    auto caption = [this](bool arriving) {
        const QString head = arriving ? QStringLiteral("Indeks pociągu przyjeżdzającego")
                                      : QStringLiteral("Indeks pociągu odjeżdzającego");
        if (!m_arrivingTrain->isEnabled()) return head + QStringLiteral("...");
        const int64_t train = shownTrain(arriving);
        const QString unknown =
            train < m_sizes.trains ? QString() : QStringLiteral(" (nie ma takiego pociągu)");
        return head + QStringLiteral(" %1").arg(train) + unknown;
    };
    m_arrivingCaption->setText(caption(true));
    m_departingCaption->setText(caption(false));
    const bool assignedPossible = assignedDepotPossible(form());
    m_fromAssignedDepot->setEnabled(assignedPossible);
    m_assignedDepotHint->setText(
        assignedPossible ? QString()
                         : QStringLiteral("Pociąg 0 nie może mieć lokomotywy z lokomotywowni "
                                          "przypisanej."));
    m_ok->setEnabled(trains && !m_type->currentText().isEmpty() &&
                     !m_depot->currentText().isEmpty());
}

}  // namespace rylmo::passages
