#include "coaches/CompositionEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "coaches/CompositionStrip.h"
#include "coaches/CompositionView.h"
#include "document/RollingStock.h"
#include "models/DocumentText.h"
#include "models/DocumentTextsModel.h"
#include "models/NumberListModel.h"
#include "ui/Controls.h"
#include "ui/FixedSize.h"
#include "ui/Prompter.h"
#include "ui/RollingStockPicture.h"

namespace rylmo::coaches {

CompositionEditor::CompositionEditor(const Timetable& document, const std::vector<int32_t>& row,
                                     QWidget* parent)
    : QDialog(parent), m_document(document), m_row(row) {
    setObjectName(QStringLiteral("CompositionEditor"));
    m_vehicles = ui::trackBar("vehicles", 1);
    m_vehicles->setMaximum(m_row.maximum());
    m_counter = ui::named(new QLabel, "counter");
    m_insert = ui::button(QStringLiteral("Dodaj"), "insert");
    m_remove = ui::button(QStringLiteral("Usuń"), "remove");
    // Items made on demand: a list of millions of vehicles costs nothing to fill.
    const TimetableContent& c = document.content;
    m_type = ui::documentList("type", new models::DocumentTextsModel(
                                          {}, c.locomotiveTypes.size() + c.coaches.size(),
                                          [&c](std::size_t i) { return vehicleAt(c, i); }, this));
    m_change = ui::button(QStringLiteral("Zmień"), "change");
    m_picture = ui::named(new QLabel, "picture");
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_picture->setFrameShadow(QFrame::Sunken);
    m_picture->setMinimumHeight(60);
    m_preview = ui::button(QStringLiteral("Podgląd"), "preview");
    const ui::DialogButtons confirm = ui::dialogButtons(*this);
    m_ok = confirm.ok;
    m_cancel = confirm.cancel;

    auto* vehicles = new QGroupBox(QStringLiteral(" Wagony  "));
    auto* vehiclesLayout = new QGridLayout(vehicles);
    vehiclesLayout->addWidget(m_vehicles, 0, 0, 1, 3);
    vehiclesLayout->addWidget(m_counter, 1, 0);
    vehiclesLayout->addWidget(m_insert, 1, 1);
    vehiclesLayout->addWidget(m_remove, 1, 2);
    vehiclesLayout->setColumnStretch(0, 1);
    auto* details = new QGroupBox(QStringLiteral(" Szczegóły "));
    auto* detailsLayout = new QGridLayout(details);
    detailsLayout->addWidget(ui::captionFor(QStringLiteral("&Typ"), m_type), 0, 0);
    detailsLayout->addWidget(m_type, 0, 1);
    detailsLayout->addWidget(m_change, 0, 2);
    detailsLayout->addWidget(ui::captionFor(QStringLiteral("Widok wagonu"), m_picture), 1, 0,
                             Qt::AlignTop);
    detailsLayout->addWidget(m_picture, 1, 1, 1, 2);
    detailsLayout->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(vehicles);
    layout->addWidget(details, 1);
    layout->addLayout(ui::buttonRow({m_preview}, {m_ok, m_cancel}));
    ui::makeFixedSize(*this, 545, 306);

    connect(m_vehicles, &QSlider::valueChanged, this, [this](int position) {
        m_row.moveTo(position);
        showVehicle();
    });
    connect(m_type, &QComboBox::activated, this, [this](int item) {
        showPicture(models::toQString(vehicleName(m_document.content, item + 1)), item + 1);
        refreshStates();
    });
    connect(m_type, &QComboBox::currentIndexChanged, this, &CompositionEditor::refreshStates);
    connect(m_insert, &QPushButton::clicked, this, &CompositionEditor::insertVehicle);
    connect(m_remove, &QPushButton::clicked, this, &CompositionEditor::removeVehicle);
    connect(m_change, &QPushButton::clicked, this, &CompositionEditor::changeVehicle);
    connect(m_preview, &QPushButton::clicked, this, &CompositionEditor::preview);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    if (!m_row.empty()) showVehicle();
    refreshStates();
}

void CompositionEditor::showPicture(const QString& name, int32_t number) {
    const QString folder = QString::fromStdString(m_document.rollingStockFolder);
    m_picture->setPixmap(isVehicleNumber(m_document.content, number)
                             ? ui::rollingStockPicture(folder, name)
                             : ui::placeholderPicture(QString::number(number)));
}

void CompositionEditor::showVehicle() {
    const int32_t vehicle = m_row.shown();
    const QString name = models::toQString(vehicleName(m_document.content, vehicle));
    // The first item of that name, whatever its letter case: a coach named like a type
    // shows as the type.
    int item = -1;
    if (isVehicleNumber(m_document.content, vehicle)) {
        const std::string_view stored = vehicleName(m_document.content, vehicle);
        for (int i = 0; i < vehicle; ++i) {
            // A single-byte code page: names that differ in case only are as long.
            const std::string_view other =
                vehicleAt(m_document.content, static_cast<std::size_t>(i));
            if (other.size() == stored.size() &&
                (other == stored ||
                 models::toQString(other).compare(name, Qt::CaseInsensitive) == 0)) {
                item = i;
                break;
            }
        }
    }
    m_type->setCurrentIndex(item);
    showPicture(name, vehicle);
    refreshStates();
}

void CompositionEditor::insertVehicle() {
    if (m_type->currentIndex() < 0) return;
    m_row.insert(m_type->currentIndex() + 1);
    const QSignalBlocker quiet(m_vehicles);
    m_vehicles->setMaximum(m_row.maximum());
    m_vehicles->setValue(m_row.position());
    showVehicle();
}

void CompositionEditor::removeVehicle() {
    // Kept on purpose: the caption's spelling, which authors know.
    if (m_row.empty() ||
        !ui::confirm(this, QStringLiteral("Czy napewno chcesz usunąć wybrany wagon ze składu?"))) {
        return;
    }
    m_row.removeShown();
    {
        const QSignalBlocker quiet(m_vehicles);
        m_vehicles->setMaximum(m_row.maximum());
        m_vehicles->setValue(m_row.position());
    }
    // An emptied row leaves the last picture and item shown.
    if (!m_row.empty()) showVehicle();
    refreshStates();
}

void CompositionEditor::changeVehicle() {
    if (!m_row.canChangeTo(m_type->currentIndex() + 1)) return;
    m_row.changeShown(m_type->currentIndex() + 1);
    refreshStates();
}

void CompositionEditor::preview() {
    CompositionView view(m_document, m_row.vehicles(), this);
    view.setWindowTitle(QStringLiteral("Skład"));
    ui::prompter().exec(view);
}

void CompositionEditor::refreshStates() {
    m_counter->setText(
        QStringLiteral("Liczba wagonów w składzie: %1").arg(m_row.empty() ? 0 : m_row.maximum()));
    for (QWidget* w : std::initializer_list<QWidget*>{m_ok, m_remove, m_preview, m_vehicles})
        w->setEnabled(!m_row.empty());
    m_insert->setEnabled(m_type->currentIndex() >= 0);
    m_change->setEnabled(m_type->currentIndex() >= 0 &&
                         m_row.canChangeTo(m_type->currentIndex() + 1));
}

}  // namespace rylmo::coaches
