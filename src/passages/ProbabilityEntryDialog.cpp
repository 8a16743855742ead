#include "passages/ProbabilityEntryDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "document/FieldLimits.h"
#include "document/LocomotiveKinds.h"
#include "document/PolishCount.h"
#include "document/References.h"
#include "models/DocumentText.h"
#include "ui/Controls.h"
#include "ui/FixedSize.h"
#include "ui/RollingStockPicture.h"

namespace rylmo::passages {

ProbabilityEntryDialog::ProbabilityEntryDialog(const Timetable& document,
                                               const ProbabilityValues& values, QWidget* parent)
    : QDialog(parent), m_document(document), m_values(values) {
    setObjectName(QStringLiteral("ProbabilityEntryDialog"));
    m_typeSlider = ui::trackBar("type", 1);
    m_typeSlider->setMaximum(std::max(1, m_values.typeCount()));
    auto* view = ui::named(new QScrollArea, "typeView");
    view->setBackgroundRole(QPalette::Base);
    auto* panel = new QWidget;
    view->setWidget(panel);
    m_picture = ui::named(new QLabel(panel), "picture");
    m_picture->move(10, 8);
    m_description = ui::named(new QLabel(panel), "description");
    m_description->move(10, 60);
    m_percent = ui::spinEdit("percent", limits::maxPercent);
    m_percent->setKeyboardTracking(true);
    m_sum = ui::named(new QLabel, "sum");
    m_notice = ui::hintLabel("notice");
    m_notice->setWordWrap(true);
    if (m_values.extraCount() > 0) {
        m_notice->setText(
            QStringLiteral("Pozycja ma o %1 więcej niż jest typów lokomotyw (ich suma: %2%); "
                           "po „OK” zostaną pominięte.")
                .arg(QString::fromStdString(
                    polishCount(m_values.extraCount(), "wartość", "wartości", "wartości")))
                .arg(m_values.extraSum()));
    }
    m_notice->setVisible(m_values.extraCount() > 0);
    const ui::DialogButtons confirm = ui::dialogButtons(*this);
    m_ok = confirm.ok;
    m_ok->setDefault(true);
    m_cancel = confirm.cancel;

    auto* group = new QGroupBox(QStringLiteral(" Prawdopodobieństwo przyjazdu "));
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_typeSlider, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Szczegóły lokomotywy")), 1, 0, 1, 4);
    grid->addWidget(view, 2, 0, 1, 4);
    grid->addWidget(ui::captionFor(QStringLiteral("Procent przyjazdu lokomotywy:"), m_percent), 3,
                    0);
    grid->addWidget(m_percent, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Suma kontrolna")), 3, 2, Qt::AlignRight);
    grid->addWidget(m_sum, 3, 3);
    grid->addWidget(m_notice, 4, 0, 1, 4);
    grid->setRowStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(group);
    layout->addLayout(ui::buttonRow({}, {m_ok, m_cancel}));
    ui::makeFixedSize(*this, 520, 330);

    connect(m_typeSlider, &QSlider::valueChanged, this, &ProbabilityEntryDialog::showType);
    connect(m_percent, &QSpinBox::valueChanged, this, &ProbabilityEntryDialog::percentChanged);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_typeSlider->setEnabled(m_values.typeCount() > 0);
    showType();
}

int ProbabilityEntryDialog::type() const {
    return m_typeSlider->value() - 1;
}

void ProbabilityEntryDialog::showType() {
    m_picture->clear();
    m_description->clear();
    if (m_values.typeCount() == 0) {
        m_percent->setEnabled(false);
        refreshSum();
        return;
    }
    const int k = type();
    if (const auto* t = static_cast<std::size_t>(k) < m_document.content.locomotiveTypes.size()
                            ? &m_document.content.locomotiveTypes[static_cast<std::size_t>(k)]
                            : nullptr) {
        m_picture->setPixmap(
            ui::rollingStockPicture(QString::fromStdString(m_document.rollingStockFolder),
                                    models::toQString(t->pictureName())));
        const std::string_view kind = kindText(t->kind());
        m_description->setText(
            QStringLiteral("(%1) ").arg(k) + models::toShortQString(t->typeName()) + '\n' +
            QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())) +
            QStringLiteral(", hierarchia: ") + models::toShortQString(t->hierarchy()));
    }
    m_picture->adjustSize();
    m_description->adjustSize();
    m_picture->parentWidget()->resize(
        std::max(m_picture->geometry().right(), m_description->geometry().right()) + 10,
        m_description->geometry().bottom() + 8);
    // The limits first, then the value: showing a type never changes a value.
    refreshSum();
    const QSignalBlocker quiet(m_percent);
    m_percent->setValue(m_values.value(k));
}

void ProbabilityEntryDialog::percentChanged(int value) {
    if (m_values.typeCount() == 0) return;
    m_values.set(type(), value);
    refreshSum();
}

void ProbabilityEntryDialog::refreshSum() {
    const int64_t sum = m_values.sum();
    m_sum->setText(QString::number(sum) + QLatin1Char('%'));
    QPalette palette = m_sum->palette();
    palette.setColor(QPalette::WindowText, sum == limits::maxPercent ? Qt::darkGreen : Qt::red);
    m_sum->setPalette(palette);
    m_ok->setEnabled(sum == limits::maxPercent);
    if (m_values.typeCount() == 0) return;
    const ProbabilityValues::Limits limits = m_values.limitsFor(type());
    const QSignalBlocker quiet(m_percent);
    m_percent->setRange(0, limits.maximum);
    m_percent->setEnabled(limits.enabled);
}

}  // namespace rylmo::passages
