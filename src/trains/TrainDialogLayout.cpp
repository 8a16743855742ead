// How the train dialog is laid out: its two pages and their groups of controls.
#include "trains/TrainDialog.h"

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
#include <QStringListModel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "document/CompositionText.h"
#include "document/FieldLimits.h"
#include "document/LocomotiveKinds.h"
#include "document/RollingStock.h"
#include "document/RunTypes.h"
#include "document/TrainCategories.h"
#include "editing/EditingSession.h"
#include "models/DocumentText.h"
#include "models/DocumentTextsModel.h"
#include "models/NumberListModel.h"
#include "ui/Controls.h"
#include "ui/FixedSize.h"
#include "ui/PictureStrip.h"
#include "ui/RollingStockPicture.h"

namespace rylmo::trains {

namespace {

using ui::greyWhenDisabled;
using ui::named;

QComboBox* list(const char* name, const QStringList& items = {}) {
    return ui::dropDownList(name, items);
}

QSpinBox* spin(const char* name, int maximum) {
    return ui::spinEdit(name, maximum);
}

QLabel* caption(const QString& text, QWidget* buddy = nullptr) {
    return ui::captionFor(text, buddy);
}

// Two controls side by side in group, each under its caption; more rows may follow.
QGridLayout* captionedPair(QGroupBox* group, const QString& leftCaption, QWidget* left,
                           const QString& rightCaption, QWidget* right) {
    auto* grid = new QGridLayout(group);
    grid->addWidget(caption(leftCaption, left), 0, 0);
    grid->addWidget(caption(rightCaption, right), 0, 1);
    grid->addWidget(left, 1, 0);
    grid->addWidget(right, 1, 1);
    return grid;
}

QFrame* separator() {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QStringList numbered(int first, int last, const QString& suffix = {}) {
    QStringList items;
    for (int i = first; i <= last; ++i) items << QString::number(i) + suffix;
    return items;
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

void TrainDialog::buildGeneralPage(QWidget* page) {
    QStringList runTypes;
    for (int32_t type = 0; type < runTypeCount; ++type)
        runTypes << QString::fromUtf8(runTypeItem(static_cast<RunType>(type)));
    m_runType = list("runType", runTypes);
    m_runType->setFixedWidth(497);
    QStringList statuses;
    for (int32_t status = 0; status < statusCount; ++status)
        statuses << QString::fromUtf8(statusItem(static_cast<Status>(status)));
    m_status = list("status", statuses);
    auto* generalData = new QGroupBox(QStringLiteral(" Dane ogólne "));
    QGridLayout* dataGrid = captionedPair(generalData, QStringLiteral("Rodzaj pociągu"), m_runType,
                                          QStringLiteral("Status pociągu"), m_status);
    dataGrid->setColumnStretch(1, 1);

    QGroupBox* consist = buildConsistGroup();

    QGroupBox* compositions = buildCompositionGroup();

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(generalData);
    layout->addWidget(consist);
    layout->addWidget(compositions);
    layout->addStretch();
}

void TrainDialog::buildTrainPage(QWidget* page) {
    const TimetableContent& c = m_document.content;
    QStringList categories;
    for (const TrainCategory& category : trainCategories)
        categories << QString::fromUtf8(category.name);
    const QStringList platforms = QStringList{QStringLiteral("brak/tor towarowy")} +
                                  numbered(limits::minPlatform, limits::maxPlatform);

    m_arrivalHour = spin("arrivalHour", 23);
    m_arrivalMinute = spin("arrivalMinute", 59);
    m_departureHour = spin("departureHour", 23);
    m_departureMinute = spin("departureMinute", 59);
    m_arrivalCategory = list("arrivalCategory", categories);
    m_departureCategory = list("departureCategory", categories);
    // Both sides share one model of each long name list.
    auto* stationModel = new models::DocumentTextsModel(c.stationNames, this);
    auto* trainNameModel =
        new models::DocumentTextsModel(c.trainNames, this, {QStringLiteral("Brak")});
    m_originStation = ui::documentList("originStation", stationModel);
    m_destinationStation = ui::documentList("destinationStation", stationModel);
    m_entryPoint = spin("entryPoint", limits::maxPoint);
    m_exitPoint = spin("exitPoint", limits::maxPoint);
    m_arrivalPlatform = list("arrivalPlatform", platforms);
    m_departurePlatform = list("departurePlatform", platforms);
    m_arrivalNumber = spin("arrivalNumber", limits::maxTrainNumber);
    m_departureNumber = spin("departureNumber", limits::maxTrainNumber);
    m_arrivalTrainName = ui::documentList("arrivalTrainName", trainNameModel);
    m_departureTrainName = ui::documentList("departureTrainName", trainNameModel);

    auto* arrival =
        sideGroup(QStringLiteral(" Przyjazd "),
                  {m_arrivalHour, m_arrivalMinute, m_arrivalCategory, m_originStation, m_entryPoint,
                   m_arrivalPlatform, m_arrivalNumber, m_arrivalTrainName},
                  QStringLiteral("Stacja początkowa"), QStringLiteral("Punkt wjazdowy"),
                  QStringLiteral("Wjedzie na peron/tor"));
    auto* departure =
        sideGroup(QStringLiteral("Odjazd "),
                  {m_departureHour, m_departureMinute, m_departureCategory, m_destinationStation,
                   m_exitPoint, m_departurePlatform, m_departureNumber, m_departureTrainName},
                  QStringLiteral("Stacja docelowa"), QStringLiteral("Punkt wyjazdowy"),
                  QStringLiteral("Odjedzie z peronu/toru"));

    QGroupBox* stand = buildStandGroup();

    QGroupBox* coupling = buildCouplingGroup();

    for (QWidget* dependent : std::initializer_list<QWidget*>{
             m_standCoordinate, m_standTrackNumber, m_standPosition, m_coupledTrain, m_coupledCoach,
             m_toBeCoupledTrain, m_toBeCoupledCoach}) {
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

QGroupBox* TrainDialog::buildConsistGroup() {
    const TimetableContent& c = m_document.content;
    // Long lists make their items on demand.
    m_symbolVehicle = ui::documentList("symbolVehicle",
                                       new models::DocumentTextsModel(
                                           {}, c.locomotiveTypes.size() + c.coaches.size(),
                                           [&c](std::size_t i) { return vehicleAt(c, i); }, this));
    m_unitDepot = ui::documentList("unitDepot", new models::DocumentTextsModel(c.depotNames, this));
    greyWhenDisabled(m_unitDepot);
    m_unitDepot->setEnabled(false);

    m_symbolPicture = named(new QLabel, "symbolPicture");
    m_symbolPicture->setAlignment(Qt::AlignCenter);
    auto* symbolArea = named(new QScrollArea, "symbolArea");
    symbolArea->setWidget(m_symbolPicture);
    symbolArea->setWidgetResizable(true);
    symbolArea->setFrameShape(QFrame::NoFrame);
    m_symbolDescription = named(new QLabel, "symbolDescription");
    m_symbolDescription->setAlignment(Qt::AlignCenter);
    m_symbolDescription->setFixedHeight(21);
    auto* symbolFrame = new QFrame;
    symbolFrame->setFrameShape(QFrame::StyledPanel);
    symbolFrame->setFixedSize(665, 89);
    symbolFrame->setBackgroundRole(QPalette::Base);
    symbolFrame->setAutoFillBackground(true);
    auto* symbolLayout = new QVBoxLayout(symbolFrame);
    symbolLayout->setContentsMargins(1, 1, 1, 1);
    symbolLayout->setSpacing(0);
    symbolLayout->addWidget(symbolArea, 1);
    symbolLayout->addWidget(m_symbolDescription);

    auto* consist = new QGroupBox(QStringLiteral(" Skład "));
    QGridLayout* consistGrid =
        captionedPair(consist, QStringLiteral("Wagon symbolizujący"), m_symbolVehicle,
                      QStringLiteral("Lokomotywownia"), m_unitDepot);
    consistGrid->addWidget(symbolFrame, 2, 0, 1, 2, Qt::AlignHCenter);
    return consist;
}

QGroupBox* TrainDialog::buildCompositionGroup() {
    // Kept on purpose: position 0 stands for no composition, so the first cannot be chosen.
    m_compositionSlider = ui::trackBar("compositionSlider");
    if (m_sizes.compositions > 0) {
        m_compositionSlider->setMaximum(m_sizes.compositions - 1);
    } else {
        m_compositionSlider->setMaximum(1);
        m_compositionSlider->setEnabled(false);
    }
    m_compositionSlider->setValue(0);
    m_compositionCaption = named(new QLabel, "compositionCaption");
    m_compositionStrip = named(new ui::PictureStrip, "compositionStrip");
    m_compositionStrip->setStripLayout({8, 4});
    m_compositionStrip->setFixedSize(665, 73);

    auto* compositions = new QGroupBox(QStringLiteral(" Zestawienie wagonów "));
    auto* compositionLayout = new QVBoxLayout(compositions);
    compositionLayout->addWidget(m_compositionSlider);
    compositionLayout->addWidget(m_compositionCaption);
    compositionLayout->addWidget(m_compositionStrip, 0, Qt::AlignHCenter);
    return compositions;
}

QGroupBox* TrainDialog::buildStandGroup() {
    m_standSet =
        named(new QCheckBox(QStringLiteral("Ustaw skład w wyznaczonym punkcie")), "standSet");
    m_standCoordinate = spin("standCoordinate", limits::maxPoint);
    m_coupleRight =
        named(new QCheckBox(QStringLiteral("Połącz ze składem z prawej strony")), "coupleRight");
    m_standPosition = list("standPosition", ui::standPositionItems());
    m_standTrackNumber = spin("standTrackNumber", limits::maxTrackNumber);
    auto* stand = new QGroupBox(QStringLiteral(" Miejsce postoju "));
    auto* standGrid = new QGridLayout(stand);
    standGrid->addWidget(m_standSet, 0, 0, 1, 2);
    // Kept on purpose: the caption's spelling, which authors know.
    standGrid->addWidget(caption(QStringLiteral("Wspórzędna punktu"), m_standCoordinate), 1, 0);
    standGrid->addWidget(m_standCoordinate, 1, 1);
    standGrid->addWidget(m_coupleRight, 2, 0, 1, 2);
    standGrid->addWidget(caption(QStringLiteral("Pozycja"), m_standPosition), 3, 0);
    standGrid->addWidget(m_standPosition, 3, 1);
    standGrid->addWidget(caption(QStringLiteral("Numer w grupie torów"), m_standTrackNumber), 4, 0);
    standGrid->addWidget(m_standTrackNumber, 4, 1);
    standGrid->setRowStretch(5, 1);
    return stand;
}

QGroupBox* TrainDialog::buildCouplingGroup() {
    models::NumberListModel* trainIndexes = m_session.trainIndexModel();
    const QStringList coaches =
        numbered(limits::minCoach, limits::maxCoach, QStringLiteral(" wagon"));
    m_coupled =
        named(new QCheckBox(QStringLiteral("Skład jest połączony z inny składem")), "coupled");
    // Kept on purpose: the caption's spelling, which authors know.
    m_toBeCoupled =
        named(new QCheckBox(QStringLiteral("Skład bedzie łączony z innym składem")), "toBeCoupled");
    m_coupledTrain = list("coupledTrain");
    m_toBeCoupledTrain = list("toBeCoupledTrain");
    for (QComboBox* indexList : {m_coupledTrain, m_toBeCoupledTrain}) {
        ui::makeLargeList(indexList, 7);
        indexList->setModel(trainIndexes);
        indexList->setCurrentIndex(-1);
    }
    m_coupledCoach = list("coupledCoach", coaches);
    m_toBeCoupledCoach = list("toBeCoupledCoach", coaches);
    auto* coupling = new QGroupBox(QStringLiteral(" Składy łączone/rozłączane "));
    auto* couplingGrid = new QGridLayout(coupling);
    couplingGrid->addWidget(m_coupled, 0, 0, 1, 2);
    couplingGrid->addWidget(caption(QStringLiteral("Indeks pociągu"), m_coupledTrain), 1, 0);
    couplingGrid->addWidget(caption(QStringLiteral("Numer wagonu"), m_coupledCoach), 1, 1);
    couplingGrid->addWidget(m_coupledTrain, 2, 0);
    couplingGrid->addWidget(m_coupledCoach, 2, 1);
    couplingGrid->addWidget(separator(), 3, 0, 1, 2);
    couplingGrid->addWidget(m_toBeCoupled, 4, 0, 1, 2);
    couplingGrid->addWidget(caption(QStringLiteral("Indeks pociągu"), m_toBeCoupledTrain), 5, 0);
    couplingGrid->addWidget(caption(QStringLiteral("Numer wagonu"), m_toBeCoupledCoach), 5, 1);
    couplingGrid->addWidget(m_toBeCoupledTrain, 6, 0);
    couplingGrid->addWidget(m_toBeCoupledCoach, 6, 1);
    couplingGrid->setRowStretch(7, 1);
    return coupling;
}

}  // namespace rylmo::trains
