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
#include "document/LocomotiveKinds.h"
#include "document/RollingStock.h"
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

using ui::named;

void select(QComboBox* combo, int selection) {
    combo->setCurrentIndex(selection >= 0 && selection < combo->count() ? selection : -1);
}

}  // namespace

TrainDialog::TrainDialog(const editing::EditingSession& session, QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_document(session.document()),
      m_sizes(TrainListSizes::of(session.content())) {
    setObjectName(QStringLiteral("TrainDialog"));

    m_pages = named(new QTabWidget, "pages");
    auto* general = new QWidget;
    auto* trainPage = new QWidget;
    m_pages->addTab(general, QStringLiteral("Informacje ogólne"));
    m_pages->addTab(trainPage, QStringLiteral("Pociąg"));
    buildGeneralPage(general);
    buildTrainPage(trainPage);

    // Enter must not confirm the dialog: neither button is its default.
    const ui::DialogButtons confirm = ui::dialogButtons(*this);
    m_ok = confirm.ok;
    m_cancel = confirm.cancel;
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    for (QComboBox* combo :
         {m_arrivalCategory, m_originStation, m_departureCategory, m_destinationStation}) {
        connect(combo, &QComboBox::currentIndexChanged, this, &TrainDialog::refreshStates);
    }
    for (QCheckBox* box : {m_standSet, m_coupled, m_toBeCoupled}) {
        connect(box, &QCheckBox::toggled, this, &TrainDialog::refreshStates);
    }
    connect(m_symbolVehicle, &QComboBox::activated, this, &TrainDialog::symbolVehicleChosen);
    connect(m_compositionSlider, &QSlider::valueChanged, this, &TrainDialog::compositionMoved);

    ui::makeFixedSize(*this, 738, 523);
    m_pages->setCurrentIndex(0);
    refreshStates();
}

void TrainDialog::setForm(const TrainForm& f) {
    select(m_runType, f.runType);
    select(m_status, f.status);
    m_compositionNumber = f.composition;
    {
        // The fill builds the preview once, after every control is set.
        const QSignalBlocker quiet(m_compositionSlider);
        m_compositionSlider->setValue(std::clamp(f.composition, m_compositionSlider->minimum(),
                                                 m_compositionSlider->maximum()));
    }
    select(m_symbolVehicle, f.vehicle);
    select(m_unitDepot, f.depot);
    select(m_arrivalPlatform, f.arrivalPlatform);
    select(m_departurePlatform, f.departurePlatform);
    m_entryPoint->setValue(f.entryPoint);
    m_exitPoint->setValue(f.exitPoint);
    m_standSet->setChecked(f.standSet);
    m_coupleRight->setChecked(f.coupleRight);
    m_standCoordinate->setValue(f.standCoordinate);
    select(m_standPosition, f.standPosition);
    m_standTrackNumber->setValue(f.standTrackNumber);
    m_coupled->setChecked(f.coupled);
    select(m_coupledTrain, f.coupledTrain);
    select(m_coupledCoach, f.coupledCoach);
    m_toBeCoupled->setChecked(f.toBeCoupled);
    select(m_toBeCoupledTrain, f.toBeCoupledTrain);
    select(m_toBeCoupledCoach, f.toBeCoupledCoach);
    select(m_originStation, f.originStation);
    m_arrivalHour->setValue(f.arrivalHour);
    m_arrivalMinute->setValue(f.arrivalMinute);
    m_departureHour->setValue(f.departureHour);
    m_departureMinute->setValue(f.departureMinute);
    select(m_arrivalCategory, f.arrivalCategory);
    select(m_departureCategory, f.departureCategory);
    select(m_arrivalTrainName, f.arrivalTrainName);
    select(m_departureTrainName, f.departureTrainName);
    select(m_destinationStation, f.destinationStation);
    m_arrivalNumber->setValue(f.arrivalNumber);
    m_departureNumber->setValue(f.departureNumber);
}

TrainForm TrainDialog::form() const {
    TrainForm f;
    f.runType = m_runType->currentIndex();
    f.status = m_status->currentIndex();
    f.vehicle = m_symbolVehicle->currentIndex();
    f.depot = m_unitDepot->currentIndex();
    f.composition = m_compositionNumber;
    f.arrivalHour = m_arrivalHour->value();
    f.arrivalMinute = m_arrivalMinute->value();
    f.departureHour = m_departureHour->value();
    f.departureMinute = m_departureMinute->value();
    f.arrivalCategory = m_arrivalCategory->currentIndex();
    f.departureCategory = m_departureCategory->currentIndex();
    f.originStation = m_originStation->currentIndex();
    f.destinationStation = m_destinationStation->currentIndex();
    f.entryPoint = m_entryPoint->value();
    f.exitPoint = m_exitPoint->value();
    f.arrivalPlatform = m_arrivalPlatform->currentIndex();
    f.departurePlatform = m_departurePlatform->currentIndex();
    f.arrivalNumber = m_arrivalNumber->value();
    f.departureNumber = m_departureNumber->value();
    f.arrivalTrainName = m_arrivalTrainName->currentIndex();
    f.departureTrainName = m_departureTrainName->currentIndex();
    f.standSet = m_standSet->isChecked();
    f.standCoordinate = m_standCoordinate->value();
    f.coupleRight = m_coupleRight->isChecked();
    f.standPosition = m_standPosition->currentIndex();
    f.standTrackNumber = m_standTrackNumber->value();
    f.coupled = m_coupled->isChecked();
    f.coupledTrain = m_coupledTrain->currentIndex();
    f.coupledCoach = m_coupledCoach->currentIndex();
    f.toBeCoupled = m_toBeCoupled->isChecked();
    f.toBeCoupledTrain = m_toBeCoupledTrain->currentIndex();
    f.toBeCoupledCoach = m_toBeCoupledCoach->currentIndex();
    return f;
}

Train TrainDialog::train() const {
    return trainFromForm(form(), depotAvailable(), m_original, m_shown ? &*m_shown : nullptr);
}

bool TrainDialog::depotAvailable() const {
    return m_unitDepot->isEnabled();
}

void TrainDialog::fillForNewTrain() {
    setForm(defaultForm(m_sizes));
    compositionMoved();
    symbolVehicleChosen();
}

void TrainDialog::fillFromTrain() {
    setForm(formFromTrain(m_original, m_sizes));
    m_unitDepot->setEnabled(m_original.symbolUnit != 0);
    compositionMoved();
    symbolVehicleChosen();
    m_shown = form();
}

void TrainDialog::symbolVehicleChosen() {
    const int chosen = m_symbolVehicle->currentIndex();
    const std::string documentName =
        chosen >= 0 ? std::string(vehicleAt(m_document.content, static_cast<std::size_t>(chosen)))
                    : std::string();
    const LocomotiveType* unit =
        documentName.empty() ? nullptr : unitTypeNamed(m_document.content, documentName);
    QString text;
    if (unit) {
        const std::string_view kind = kindText(unit->kind());
        text = QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())) +
               QStringLiteral(" - ") + models::toQString(unit->typeName());
        m_unitDepot->setEnabled(true);
        if (m_unitDepot->currentIndex() < 0) {
            select(m_unitDepot, 0);
        } else {
            select(m_unitDepot, m_original.unitDepot);
        }
    } else {
        m_unitDepot->setEnabled(false);
        m_unitDepot->setCurrentIndex(-1);
    }
    if (documentName.empty()) {
        m_symbolPicture->clear();
    } else {
        m_symbolPicture->setPixmap(
            ui::rollingStockPicture(QString::fromStdString(m_document.rollingStockFolder),
                                    models::toQString(documentName)));
    }
    m_symbolDescription->setText(text);
}

void TrainDialog::compositionMoved() {
    const int position = m_compositionSlider->value();
    if (position != std::clamp(m_compositionNumber, m_compositionSlider->minimum(),
                               m_compositionSlider->maximum())) {
        m_compositionNumber = position;
    }
    QVector<ui::StripEntry> entries;
    const TimetableContent& c = m_document.content;
    if (m_compositionNumber > 0 &&
        static_cast<std::size_t>(m_compositionNumber) < c.compositions.size()) {
        try {
            for (int32_t vehicle :
                 readComposition(c.compositions[static_cast<std::size_t>(m_compositionNumber)])) {
                if (isVehicleNumber(c, vehicle))
                    entries.append({models::toQString(vehicleName(c, vehicle)), {}, {}, false, {}});
            }
        } catch (const std::exception&) {
            // A composition text that does not read shows no pictures.
        }
    }
    m_compositionStrip->setEntries(QString::fromStdString(m_document.rollingStockFolder), entries);
    refreshStates();
}

void TrainDialog::refreshStates() {
    if (m_sizes.compositions == 0) {
        m_compositionCaption->setText(QStringLiteral("Nie zdefiniowano zestawień składów"));
    } else if (m_compositionSlider->value() == 0) {
        m_compositionCaption->setText(QStringLiteral("0 - brak widoku składu"));
    } else {
        // Kept on purpose: the caption's spelling, which authors know.
        m_compositionCaption->setText(QStringLiteral("Zestwanie składu nr ") +
                                      QString::number(m_compositionSlider->value()));
    }
    const bool stand = m_standSet->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{m_standCoordinate, m_standTrackNumber,
                                                      m_standPosition, m_coupleRight}) {
        w->setEnabled(stand);
    }
    m_coupledTrain->setEnabled(m_coupled->isChecked());
    m_coupledCoach->setEnabled(m_coupled->isChecked());
    m_toBeCoupledTrain->setEnabled(m_toBeCoupled->isChecked());
    m_toBeCoupledCoach->setEnabled(m_toBeCoupled->isChecked());
    m_ok->setEnabled(
        m_arrivalCategory->currentIndex() >= 0 && m_originStation->currentIndex() >= 0 &&
        m_departureCategory->currentIndex() >= 0 && m_destinationStation->currentIndex() >= 0);
}

}  // namespace rylmo::trains
