#include "locomotives/DepotEntryDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "document/EntryNames.h"
#include "models/DocumentText.h"
#include "models/DocumentTextsModel.h"
#include "ui/Controls.h"
#include "ui/RollingStockPicture.h"

namespace rylmo::locomotives {

DepotEntryDialog::DepotEntryDialog(const Timetable& document, QWidget* parent)
    : QDialog(parent), m_document(document) {
    setObjectName(QStringLiteral("DepotEntryDialog"));
    const TimetableContent& c = document.content;

    m_typeSlider = ui::trackBar("type");
    m_typeSlider->setMaximum(std::max(0, static_cast<int>(c.locomotiveTypes.size()) - 1));
    m_typeCounter = ui::named(new QLabel, "typeCounter");
    m_typeCounter->setFrameShape(QFrame::Panel);
    m_typeCounter->setFrameShadow(QFrame::Sunken);
    m_depot = ui::documentList("depot", new models::DocumentTextsModel(c.depotNames, this));
    m_count = ui::spinEdit("count", limits::maxDepotCount, 1);
    m_atStation =
        ui::named(new QCheckBox(QStringLiteral("Lokomotywa stoi na stacji")), "atStation");
    m_coordinate = ui::spinEdit("standCoordinate", limits::maxDepotCoordinate);
    m_standPosition = ui::dropDownList("standPosition", ui::standPositionItems());
    m_trackNumber = ui::spinEdit("standTrackNumber", limits::maxDepotTrackNumber);
    m_coupleRight = ui::named(new QCheckBox(QStringLiteral("Połącz ze składem z prawej strony")),
                              "coupleRight");
    for (QWidget* dependent :
         std::initializer_list<QWidget*>{m_coordinate, m_standPosition, m_trackNumber}) {
        ui::greyWhenDisabled(dependent);
    }
    m_typePicture = ui::named(new QLabel, "typePicture");
    m_typePicture->setAlignment(Qt::AlignCenter);
    m_typeName = ui::named(new QLabel, "typeName");
    m_typeName->setAlignment(Qt::AlignCenter);
    auto* pictureFrame = new QFrame;
    pictureFrame->setFrameShape(QFrame::StyledPanel);
    pictureFrame->setBackgroundRole(QPalette::Base);
    pictureFrame->setAutoFillBackground(true);
    auto* pictureLayout = new QVBoxLayout(pictureFrame);
    pictureLayout->addWidget(m_typePicture, 1);
    pictureLayout->addWidget(m_typeName);

    auto* group = new QGroupBox(QStringLiteral("Lokomotywa "));
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_typeSlider, 0, 0, 1, 3);
    grid->addWidget(m_typeCounter, 1, 0, 1, 3);
    grid->addWidget(pictureFrame, 2, 0, 1, 3);
    grid->addWidget(ui::captionFor(QStringLiteral("Lokomotywownia"), m_depot), 3, 0, 1, 2);
    grid->addWidget(ui::captionFor(QStringLiteral("Ilość"), m_count), 3, 2);
    grid->addWidget(m_depot, 4, 0, 1, 2);
    grid->addWidget(m_count, 4, 2);
    grid->addWidget(m_atStation, 5, 0, 1, 3);
    // Kept on purpose: the caption's spelling, which authors know.
    grid->addWidget(ui::captionFor(QStringLiteral("Wspórzędna punktu"), m_coordinate), 6, 0);
    grid->addWidget(ui::captionFor(QStringLiteral("Pozycja"), m_standPosition), 6, 1);
    grid->addWidget(ui::captionFor(QStringLiteral("Numer w grupie torów"), m_trackNumber), 6, 2);
    grid->addWidget(m_coordinate, 7, 0);
    grid->addWidget(m_standPosition, 7, 1);
    grid->addWidget(m_trackNumber, 7, 2);
    grid->addWidget(m_coupleRight, 8, 0, 1, 3);
    grid->setRowStretch(2, 1);

    const ui::DialogButtons confirm = ui::dialogButtons(*this);
    m_ok = confirm.ok;
    m_ok->setDefault(true);
    m_cancel = confirm.cancel;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(group);
    layout->addLayout(ui::buttonRow({}, {m_ok, m_cancel}));
    resize(658, 447);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_typeSlider, &QSlider::valueChanged, this, [this](int position) {
        // Position -1 is there only while it shows a stored type that no type has.
        m_type = position >= 0 ? position + 1 : m_original.locomotiveType;
        typeMoved();
    });
    connect(m_count, &QSpinBox::valueChanged, this, &DepotEntryDialog::refreshStates);
    connect(m_atStation, &QCheckBox::toggled, this, &DepotEntryDialog::refreshStates);
    connect(m_depot, &QComboBox::currentIndexChanged, this, &DepotEntryDialog::refreshStates);
    m_shown = defaultDepotEntryForm();
    m_original = plainDepotEntry(m_shown);
    setForm(m_shown);
}

void DepotEntryDialog::fillFromEntry(const DepotEntry& entry) {
    const TimetableContent& c = m_document.content;
    m_original = entry;
    m_shown = formFromDepotEntry(entry, static_cast<int>(c.depotNames.size()));
    if (m_shown.depot < 0)
        ui::showUnknownItem(m_depot, models::toQString(unknownDepotText(entry.depot)));
    if (m_shown.atStation && m_shown.standPosition < 0) {
        ui::showUnknownItem(m_standPosition,
                            QStringLiteral("nieznana pozycja (%1)").arg(entry.standPosition));
    }
    const bool knownType =
        entry.locomotiveType >= 1 &&
        static_cast<std::size_t>(entry.locomotiveType) <= c.locomotiveTypes.size();
    if (!knownType && !c.locomotiveTypes.empty()) m_typeSlider->setMinimum(-1);
    setForm(m_shown);
}

void DepotEntryDialog::setForm(const DepotEntryForm& f) {
    {
        const QSignalBlocker quiet(m_typeSlider);
        const int64_t position = static_cast<int64_t>(f.type) - 1;
        m_typeSlider->setValue(position >= 0 && position <= m_typeSlider->maximum()
                                   ? static_cast<int>(position)
                                   : m_typeSlider->minimum());
    }
    m_type = f.type;
    m_count->setValue(f.count);
    if (f.depot >= 0) m_depot->setCurrentIndex(f.depot < m_depot->count() ? f.depot : -1);
    m_atStation->setChecked(f.atStation);
    m_coupleRight->setChecked(f.coupleRight);
    m_coordinate->setValue(f.coordinate);
    if (f.standPosition >= 0) m_standPosition->setCurrentIndex(f.standPosition);
    m_trackNumber->setValue(f.trackNumber);
    typeMoved();
}

DepotEntryForm DepotEntryDialog::form() const {
    DepotEntryForm f;
    f.type = m_type;
    f.depot = ui::chosenItem(m_depot, static_cast<int>(m_document.content.depotNames.size()));
    f.count = m_count->value();
    f.atStation = m_atStation->isChecked();
    f.coupleRight = m_coupleRight->isChecked();
    f.coordinate = m_coordinate->value();
    f.standPosition = ui::chosenItem(m_standPosition, limits::standPositions);
    f.trackNumber = m_trackNumber->value();
    return f;
}

void DepotEntryDialog::typeMoved() {
    const std::vector<LocomotiveType>& types = m_document.content.locomotiveTypes;
    if (m_type >= 1 && static_cast<std::size_t>(m_type) <= types.size()) {
        const LocomotiveType& type = types[static_cast<std::size_t>(m_type) - 1];
        m_typePicture->setPixmap(
            ui::rollingStockPicture(QString::fromStdString(m_document.rollingStockFolder),
                                    models::toQString(type.pictureName())));
        m_typeName->setText(models::toShortQString(type.typeName()));
    } else if (!types.empty()) {
        m_typePicture->setPixmap(ui::rollingStockPicture({}, {}));
        m_typeName->setText(models::toQString(unknownTypeText(m_type)));
    } else {
        m_typePicture->clear();
        m_typeName->clear();
    }
    refreshStates();
}

void DepotEntryDialog::refreshStates() {
    const int types = static_cast<int>(m_document.content.locomotiveTypes.size());
    m_typeSlider->setEnabled(types > 0);
    // Kept on purpose: the caption's spelling, which authors know.
    m_typeCounter->setText(
        types > 0 ? QStringLiteral("Liczba typów lokomotyw dostepnych w grze: %1").arg(types)
                  : QStringLiteral("Nie ma żadnych lokomotyw w grze"));
    m_atStation->setEnabled(m_count->value() == 1);
    const bool station = m_atStation->isChecked() && m_atStation->isEnabled();
    for (QWidget* w : std::initializer_list<QWidget*>{m_coordinate, m_standPosition, m_trackNumber,
                                                      m_coupleRight}) {
        w->setEnabled(station);
    }
    if (station && m_standPosition->currentIndex() < 0) m_standPosition->setCurrentIndex(0);
    m_ok->setEnabled(m_depot->currentIndex() >= 0);
}

}  // namespace rylmo::locomotives
