#include "trains/TFTrain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "document/CompositionText.h"
#include "document/LocomotiveKinds.h"
#include "document/RollingStock.h"
#include "document/TrainCategories.h"
#include "ui/DocumentText.h"
#include "ui/NumberListModel.h"
#include "ui/PictureStrip.h"
#include "ui/RollingStockPicture.h"

namespace rylmo::trains {

namespace {

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Dependent controls are drawn in the button-face colour while they are disabled.
void greyWhenDisabled(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Button));
    widget->setPalette(palette);
}

QComboBox* list(const char* name, const QStringList& items = {}) {
    auto* combo = named(new QComboBox, name);
    combo->setEditable(false);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

QSpinBox* spin(const char* name, int maximum) {
    auto* box = named(new QSpinBox, name);
    box->setRange(0, maximum);
    box->setValue(0);
    // A typed value outside the range is brought to the nearer bound when the focus leaves.
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    box->setKeyboardTracking(false);
    return box;
}

QLabel* caption(const QString& text, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QFrame* separator() {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QStringList documentTexts(const std::vector<std::string>& texts) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) items << ui::toQString(text);
    return items;
}

QStringList numbered(int first, int last, const QString& suffix = {}) {
    QStringList items;
    for (int i = first; i <= last; ++i) items << QString::number(i) + suffix;
    return items;
}

void select(QComboBox* combo, int selection) {
    combo->setCurrentIndex(selection >= 0 && selection < combo->count() ? selection : -1);
}

// One side of the "Pociąg" page: arrival or departure, built alike.
struct SideControls {
    QSpinBox* hour;
    QSpinBox* minute;
    QComboBox* category;
    QComboBox* station;
    QSpinBox* point;
    QComboBox* platform;
    QSpinBox* number;
    QComboBox* trainName;
};

QGroupBox* sideGroup(const QString& title, const SideControls& c, const QString& stationLabel,
                     const QString& pointLabel, const QString& platformLabel) {
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    auto* time = new QHBoxLayout;
    time->addWidget(c.hour);
    time->addWidget(new QLabel(QStringLiteral(" : ")));
    time->addWidget(c.minute);
    time->addStretch();
    grid->addWidget(caption(QStringLiteral("Godzina"), c.hour), 0, 0);
    grid->addWidget(caption(QStringLiteral("Rodzaj pociągu"), c.category), 0, 1);
    grid->addLayout(time, 1, 0);
    grid->addWidget(c.category, 1, 1);
    grid->addWidget(caption(stationLabel, c.station), 2, 0, 1, 2);
    grid->addWidget(c.station, 3, 0, 1, 2);
    grid->addWidget(separator(), 4, 0, 1, 2);
    grid->addWidget(caption(pointLabel, c.point), 5, 0);
    grid->addWidget(c.point, 5, 1);
    grid->addWidget(caption(platformLabel, c.platform), 6, 0);
    grid->addWidget(c.platform, 6, 1);
    grid->addWidget(separator(), 7, 0, 1, 2);
    grid->addWidget(caption(QStringLiteral("Numer pociągu"), c.number), 8, 0);
    grid->addWidget(caption(QStringLiteral("Nazwa pociągu"), c.trainName), 8, 1);
    grid->addWidget(c.number, 9, 0);
    grid->addWidget(c.trainName, 9, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(10, 1);
    return group;
}

}  // namespace

TFTrain::TFTrain(const Timetable& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_sizes(TrainListSizes::of(document.content)) {
    setObjectName(QStringLiteral("TFTrain"));

    PageControl1 = named(new QTabWidget, "PageControl1");
    auto* general = new QWidget;
    auto* trainPage = new QWidget;
    PageControl1->addTab(general, QStringLiteral("Informacje ogólne"));
    PageControl1->addTab(trainPage, QStringLiteral("Pociąg"));
    buildGeneralPage(general);
    buildTrainPage(trainPage);

    Button1 = named(new QPushButton(QStringLiteral("OK")), "Button1");
    Button2 = named(new QPushButton(QStringLiteral("Anuluj")), "Button2");
    for (QPushButton* button : {Button1, Button2}) {
        // Enter must not confirm the dialog.
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setMinimumSize(75, 25);
    }
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);

    for (QComboBox* combo : {ComboBox4, ComboBox5, ComboBox10, ComboBox11}) {
        connect(combo, &QComboBox::currentIndexChanged, this, &TFTrain::refreshStates);
    }
    for (QCheckBox* box : {CheckBox1, CheckBox3, CheckBox4}) {
        connect(box, &QCheckBox::toggled, this, &TFTrain::refreshStates);
    }
    connect(ComboBox8, &QComboBox::activated, this, &TFTrain::ComboBox8Change);
    connect(TrackBar1, &QSlider::valueChanged, this, &TFTrain::TrackBar1Change);

    setFixedSize(738, 523);
    PageControl1->setCurrentIndex(0);
    refreshStates();
}

void TFTrain::buildGeneralPage(QWidget* page) {
    const TimetableContent& c = m_document.content;

    ComboBox1 = list("ComboBox1", {QStringLiteral("0 - pociąg kończy bieg na stacji"),
                                   QStringLiteral("1 - pociąg rozpoczyna bieg na stacji"),
                                   QStringLiteral("2 - pociąg przelotowy"),
                                   QStringLiteral("3 - drugi i kolejne człony pociągu rozłączanego"),
                                   QStringLiteral("4 - drugi i kolejne człony pociągu rozłączanego kończący bieg na stacji"),
                                   QStringLiteral("5 - pociąg nie zatrzymuje się na stacji"),
                                   QStringLiteral("6 - drugi i kolejne człony pociągu łączonego rozpoczynającego bieg na stacji")});
    ComboBox1->setFixedWidth(497);
    ComboBox2 = list("ComboBox2", {QStringLiteral("0 - przyjedzie"), QStringLiteral("1 - jest już na stacji")});
    auto* generalData = new QGroupBox(QStringLiteral(" Dane ogólne "));
    auto* dataGrid = new QGridLayout(generalData);
    dataGrid->addWidget(caption(QStringLiteral("Rodzaj pociągu"), ComboBox1), 0, 0);
    dataGrid->addWidget(caption(QStringLiteral("Status pociągu"), ComboBox2), 0, 1);
    dataGrid->addWidget(ComboBox1, 1, 0);
    dataGrid->addWidget(ComboBox2, 1, 1);
    dataGrid->setColumnStretch(1, 1);

    QStringList vehicles;
    for (const LocomotiveType& type : c.locomotiveTypes) vehicles << ui::toQString(type.pictureName);
    vehicles << documentTexts(c.coaches);
    ComboBox8 = list("ComboBox8", vehicles);
    ComboBox3 = list("ComboBox3", documentTexts(c.depotNames));
    greyWhenDisabled(ComboBox3);
    ComboBox3->setEnabled(false);

    SymbolImage = named(new QLabel, "SymbolImage");
    SymbolImage->setAlignment(Qt::AlignCenter);
    auto* symbolArea = named(new QScrollArea, "ScrollBox2");
    symbolArea->setWidget(SymbolImage);
    symbolArea->setWidgetResizable(true);
    symbolArea->setFrameShape(QFrame::NoFrame);
    Label7 = named(new QLabel, "Label7");
    Label7->setAlignment(Qt::AlignCenter);
    Label7->setFixedHeight(21);
    auto* symbolFrame = new QFrame;
    symbolFrame->setFrameShape(QFrame::StyledPanel);
    symbolFrame->setFixedSize(665, 89);
    symbolFrame->setBackgroundRole(QPalette::Base);
    symbolFrame->setAutoFillBackground(true);
    auto* symbolLayout = new QVBoxLayout(symbolFrame);
    symbolLayout->setContentsMargins(1, 1, 1, 1);
    symbolLayout->setSpacing(0);
    symbolLayout->addWidget(symbolArea, 1);
    symbolLayout->addWidget(Label7);

    auto* consist = new QGroupBox(QStringLiteral(" Skład "));
    auto* consistGrid = new QGridLayout(consist);
    consistGrid->addWidget(caption(QStringLiteral("Wagon symbolizujący"), ComboBox8), 0, 0);
    consistGrid->addWidget(caption(QStringLiteral("Lokomotywownia"), ComboBox3), 0, 1);
    consistGrid->addWidget(ComboBox8, 1, 0);
    consistGrid->addWidget(ComboBox3, 1, 1);
    consistGrid->addWidget(symbolFrame, 2, 0, 1, 2, Qt::AlignHCenter);

    TrackBar1 = named(new QSlider(Qt::Horizontal), "TrackBar1");
    TrackBar1->setTickPosition(QSlider::TicksBothSides);
    TrackBar1->setSingleStep(1);
    TrackBar1->setPageStep(1);
    TrackBar1->setMinimum(0);
    if (m_sizes.compositions > 0) {
        TrackBar1->setMaximum(m_sizes.compositions - 1);
    } else {
        TrackBar1->setMaximum(1);
        TrackBar1->setEnabled(false);
    }
    TrackBar1->setValue(0);
    Label19 = named(new QLabel, "Label19");
    ScrollBox1 = named(new ui::PictureStrip, "ScrollBox1");
    ScrollBox1->setStripLayout({8, 4});
    ScrollBox1->setFixedSize(665, 73);

    auto* compositions = new QGroupBox(QStringLiteral(" Zestawienie wagonów "));
    auto* compositionLayout = new QVBoxLayout(compositions);
    compositionLayout->addWidget(TrackBar1);
    compositionLayout->addWidget(Label19);
    compositionLayout->addWidget(ScrollBox1, 0, Qt::AlignHCenter);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(generalData);
    layout->addWidget(consist);
    layout->addWidget(compositions);
    layout->addStretch();
}

void TFTrain::buildTrainPage(QWidget* page) {
    const TimetableContent& c = m_document.content;
    QStringList categories;
    for (const TrainCategory& category : trainCategories) categories << QString::fromUtf8(category.name);
    const QStringList stations = documentTexts(c.stationNames);
    const QStringList trainNames = QStringList{QStringLiteral("Brak")} + documentTexts(c.trainNames);
    const QStringList platforms = QStringList{QStringLiteral("brak/tor towarowy")} + numbered(1, 9);

    SpinEdit1 = spin("SpinEdit1", 23);
    SpinEdit2 = spin("SpinEdit2", 59);
    SpinEdit3 = spin("SpinEdit3", 23);
    SpinEdit4 = spin("SpinEdit4", 59);
    ComboBox4 = list("ComboBox4", categories);
    ComboBox10 = list("ComboBox10", categories);
    ComboBox5 = list("ComboBox5", stations);
    ComboBox11 = list("ComboBox11", stations);
    SpinEdit5 = spin("SpinEdit5", limits::maxPoint);
    SpinEdit6 = spin("SpinEdit6", limits::maxPoint);
    ComboBox7 = list("ComboBox7", platforms);
    ComboBox9 = list("ComboBox9", platforms);
    SpinEdit7 = spin("SpinEdit7", limits::maxTrainNumber);
    SpinEdit8 = spin("SpinEdit8", limits::maxTrainNumber);
    ComboBox6 = list("ComboBox6", trainNames);
    ComboBox12 = list("ComboBox12", trainNames);
    for (QComboBox* stationList : {ComboBox5, ComboBox11, ComboBox6, ComboBox12}) {
        ui::makeLargeList(stationList, 20);
    }

    auto* arrival = sideGroup(QStringLiteral(" Przyjazd "),
                              {SpinEdit1, SpinEdit2, ComboBox4, ComboBox5, SpinEdit5, ComboBox7,
                               SpinEdit7, ComboBox6},
                              QStringLiteral("Stacja początkowa"), QStringLiteral("Punkt wjazdowy"),
                              QStringLiteral("Wjedzie na peron/tor"));
    auto* departure = sideGroup(QStringLiteral("Odjazd "),
                                {SpinEdit3, SpinEdit4, ComboBox10, ComboBox11, SpinEdit6, ComboBox9,
                                 SpinEdit8, ComboBox12},
                                QStringLiteral("Stacja docelowa"), QStringLiteral("Punkt wyjazdowy"),
                                QStringLiteral("Odjedzie z peronu/toru"));

    CheckBox1 = named(new QCheckBox(QStringLiteral("Ustaw skład w wyznaczonym punkcie")), "CheckBox1");
    SpinEdit10 = spin("SpinEdit10", limits::maxPoint);
    CheckBox2 = named(new QCheckBox(QStringLiteral("Połącz ze składem z prawej strony")), "CheckBox2");
    ComboBox13 = list("ComboBox13", QStringList{QStringLiteral("0 - lewa strona")} + numbered(1, 8) +
                                        QStringList{QStringLiteral("9 - prawa strona")});
    SpinEdit9 = spin("SpinEdit9", limits::maxTrackNumber);
    auto* stand = new QGroupBox(QStringLiteral(" Miejsce postoju "));
    auto* standGrid = new QGridLayout(stand);
    standGrid->addWidget(CheckBox1, 0, 0, 1, 2);
    standGrid->addWidget(caption(QStringLiteral("Wspórzędna punktu"), SpinEdit10), 1, 0);
    standGrid->addWidget(SpinEdit10, 1, 1);
    standGrid->addWidget(CheckBox2, 2, 0, 1, 2);
    standGrid->addWidget(caption(QStringLiteral("Pozycja"), ComboBox13), 3, 0);
    standGrid->addWidget(ComboBox13, 3, 1);
    standGrid->addWidget(caption(QStringLiteral("Numer w grupie torów"), SpinEdit9), 4, 0);
    standGrid->addWidget(SpinEdit9, 4, 1);
    standGrid->setRowStretch(5, 1);

    auto* trainIndexes = new ui::NumberListModel(m_sizes.trains, this);
    const QStringList coaches = numbered(1, 9, QStringLiteral(" wagon"));
    CheckBox3 = named(new QCheckBox(QStringLiteral("Skład jest połączony z inny składem")), "CheckBox3");
    CheckBox4 = named(new QCheckBox(QStringLiteral("Skład bedzie łączony z innym składem")), "CheckBox4");
    ComboBox16 = list("ComboBox16");
    ComboBox17 = list("ComboBox17");
    for (QComboBox* indexList : {ComboBox16, ComboBox17}) {
        ui::makeLargeList(indexList, 7);
        indexList->setModel(trainIndexes);
        indexList->setCurrentIndex(-1);
    }
    ComboBox14 = list("ComboBox14", coaches);
    ComboBox15 = list("ComboBox15", coaches);
    auto* coupling = new QGroupBox(QStringLiteral(" Składy łączone/rozłączane "));
    auto* couplingGrid = new QGridLayout(coupling);
    couplingGrid->addWidget(CheckBox3, 0, 0, 1, 2);
    couplingGrid->addWidget(caption(QStringLiteral("Indeks pociągu"), ComboBox16), 1, 0);
    couplingGrid->addWidget(caption(QStringLiteral("Numer wagonu"), ComboBox14), 1, 1);
    couplingGrid->addWidget(ComboBox16, 2, 0);
    couplingGrid->addWidget(ComboBox14, 2, 1);
    couplingGrid->addWidget(separator(), 3, 0, 1, 2);
    couplingGrid->addWidget(CheckBox4, 4, 0, 1, 2);
    couplingGrid->addWidget(caption(QStringLiteral("Indeks pociągu"), ComboBox17), 5, 0);
    couplingGrid->addWidget(caption(QStringLiteral("Numer wagonu"), ComboBox15), 5, 1);
    couplingGrid->addWidget(ComboBox17, 6, 0);
    couplingGrid->addWidget(ComboBox15, 6, 1);
    couplingGrid->setRowStretch(7, 1);

    for (QWidget* dependent : std::initializer_list<QWidget*>{SpinEdit10, SpinEdit9, ComboBox13,
                                                              ComboBox16, ComboBox14, ComboBox17, ComboBox15}) {
        greyWhenDisabled(dependent);
    }

    auto* grid = new QGridLayout(page);
    grid->addWidget(arrival, 0, 0, 1, 2);
    grid->addWidget(departure, 0, 2);
    grid->addWidget(stand, 1, 0);
    grid->addWidget(coupling, 1, 1, 1, 2);
    grid->setColumnStretch(0, 249);
    grid->setColumnStretch(1, 96);
    grid->setColumnStretch(2, 345);
}

void TFTrain::setForm(const TrainForm& f) {
    select(ComboBox1, f.runType);
    select(ComboBox2, f.status);
    m_composition = f.composition;
    TrackBar1->setValue(std::clamp(f.composition, TrackBar1->minimum(), TrackBar1->maximum()));
    select(ComboBox8, f.vehicle);
    select(ComboBox3, f.depot);
    select(ComboBox7, f.arrivalPlatform);
    select(ComboBox9, f.departurePlatform);
    SpinEdit5->setValue(f.entryPoint);
    SpinEdit6->setValue(f.exitPoint);
    CheckBox1->setChecked(f.standSet);
    CheckBox2->setChecked(f.coupleRight);
    SpinEdit10->setValue(f.standCoordinate);
    select(ComboBox13, f.standPosition);
    SpinEdit9->setValue(f.standTrackNumber);
    CheckBox3->setChecked(f.coupled);
    select(ComboBox16, f.coupledTrain);
    select(ComboBox14, f.coupledCoach);
    CheckBox4->setChecked(f.toBeCoupled);
    select(ComboBox17, f.toBeCoupledTrain);
    select(ComboBox15, f.toBeCoupledCoach);
    select(ComboBox5, f.originStation);
    SpinEdit1->setValue(f.arrivalHour);
    SpinEdit2->setValue(f.arrivalMinute);
    SpinEdit3->setValue(f.departureHour);
    SpinEdit4->setValue(f.departureMinute);
    select(ComboBox4, f.arrivalCategory);
    select(ComboBox10, f.departureCategory);
    select(ComboBox6, f.arrivalTrainName);
    select(ComboBox12, f.departureTrainName);
    select(ComboBox11, f.destinationStation);
    SpinEdit7->setValue(f.arrivalNumber);
    SpinEdit8->setValue(f.departureNumber);
}

TrainForm TFTrain::form() const {
    TrainForm f;
    f.runType = ComboBox1->currentIndex();
    f.status = ComboBox2->currentIndex();
    f.vehicle = ComboBox8->currentIndex();
    f.depot = ComboBox3->currentIndex();
    f.composition = m_composition;
    f.arrivalHour = SpinEdit1->value();
    f.arrivalMinute = SpinEdit2->value();
    f.departureHour = SpinEdit3->value();
    f.departureMinute = SpinEdit4->value();
    f.arrivalCategory = ComboBox4->currentIndex();
    f.departureCategory = ComboBox10->currentIndex();
    f.originStation = ComboBox5->currentIndex();
    f.destinationStation = ComboBox11->currentIndex();
    f.entryPoint = SpinEdit5->value();
    f.exitPoint = SpinEdit6->value();
    f.arrivalPlatform = ComboBox7->currentIndex();
    f.departurePlatform = ComboBox9->currentIndex();
    f.arrivalNumber = SpinEdit7->value();
    f.departureNumber = SpinEdit8->value();
    f.arrivalTrainName = ComboBox6->currentIndex();
    f.departureTrainName = ComboBox12->currentIndex();
    f.standSet = CheckBox1->isChecked();
    f.standCoordinate = SpinEdit10->value();
    f.coupleRight = CheckBox2->isChecked();
    f.standPosition = ComboBox13->currentIndex();
    f.standTrackNumber = SpinEdit9->value();
    f.coupled = CheckBox3->isChecked();
    f.coupledTrain = ComboBox16->currentIndex();
    f.coupledCoach = ComboBox14->currentIndex();
    f.toBeCoupled = CheckBox4->isChecked();
    f.toBeCoupledTrain = ComboBox17->currentIndex();
    f.toBeCoupledCoach = ComboBox15->currentIndex();
    return f;
}

Train TFTrain::train() const { return trainFromForm(form(), depotAvailable(), TrainCopy); }

bool TFTrain::depotAvailable() const { return ComboBox3->isEnabled(); }

void TFTrain::FillDefaults() {
    setForm(defaultForm(m_sizes));
    TrackBar1Change();
    ComboBox8Change();
}

void TFTrain::FillFromTrain() {
    setForm(formFromTrain(TrainCopy, m_sizes));
    ComboBox3->setEnabled(TrainCopy.symbolUnit != 0);
    TrackBar1Change();
    ComboBox8Change();
}

void TFTrain::ComboBox8Change() {
    const QString name = ComboBox8->currentIndex() >= 0 ? ComboBox8->currentText() : QString();
    const std::string documentName = ui::toDocumentText(name);
    const LocomotiveType* unit = name.isEmpty() ? nullptr : unitTypeNamed(m_document.content, documentName);
    QString text;
    if (unit) {
        const std::string_view kind = kindText(std::string_view(unit->kind));
        text = QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())) + QStringLiteral(" - ") +
               ui::toQString(unit->typeName);
        ComboBox3->setEnabled(true);
        if (ComboBox3->currentIndex() < 0) {
            select(ComboBox3, 0);
        } else {
            select(ComboBox3, TrainCopy.unitDepot);
        }
    } else {
        ComboBox3->setEnabled(false);
        ComboBox3->setCurrentIndex(-1);
    }
    if (name.isEmpty()) {
        SymbolImage->clear();
    } else {
        SymbolImage->setPixmap(
            ui::rollingStockPicture(QString::fromStdString(m_document.rollingStockFolder), name));
    }
    Label7->setText(text);
}

void TFTrain::TrackBar1Change() {
    const int position = TrackBar1->value();
    if (position != std::clamp(m_composition, TrackBar1->minimum(), TrackBar1->maximum())) {
        m_composition = position;
    }
    QVector<ui::StripEntry> entries;
    const TimetableContent& c = m_document.content;
    if (m_composition > 0 && static_cast<std::size_t>(m_composition) < c.compositions.size()) {
        try {
            for (int32_t vehicle : readComposition(c.compositions[static_cast<std::size_t>(m_composition)])) {
                if (isVehicleNumber(c, vehicle)) entries.append({ui::toQString(vehicleName(c, vehicle)), {}, {}, false});
            }
        } catch (const std::exception&) {
            // A composition text that does not read shows no pictures.
        }
    }
    ScrollBox1->setEntries(QString::fromStdString(m_document.rollingStockFolder), entries);
    refreshStates();
}

void TFTrain::refreshStates() {
    if (m_sizes.compositions == 0) {
        Label19->setText(QStringLiteral("Nie zdefiniowano zestawień składów"));
    } else if (TrackBar1->value() == 0) {
        Label19->setText(QStringLiteral("0 - brak widoku składu"));
    } else {
        Label19->setText(QStringLiteral("Zestwanie składu nr ") + QString::number(TrackBar1->value()));
    }
    const bool stand = CheckBox1->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{SpinEdit10, SpinEdit9, ComboBox13, CheckBox2}) {
        w->setEnabled(stand);
    }
    ComboBox16->setEnabled(CheckBox3->isChecked());
    ComboBox14->setEnabled(CheckBox3->isChecked());
    ComboBox17->setEnabled(CheckBox4->isChecked());
    ComboBox15->setEnabled(CheckBox4->isChecked());
    Button1->setEnabled(ComboBox4->currentIndex() >= 0 && ComboBox5->currentIndex() >= 0 &&
                        ComboBox10->currentIndex() >= 0 && ComboBox11->currentIndex() >= 0);
}

}  // namespace rylmo::trains
