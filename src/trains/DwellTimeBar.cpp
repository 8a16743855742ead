#include "trains/DwellTimeBar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "ui/Controls.h"

namespace rylmo::trains {

DwellTimeBar::DwellTimeBar(DwellTimes dwell, int maxMinutes, QAction* fit, QWidget* parent)
    : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    const auto minutes = [maxMinutes](const char* name, int32_t value) {
        QSpinBox* box = ui::spinEdit(name, maxMinutes);
        box->setSuffix(QStringLiteral(" min"));
        box->setValue(value);
        return box;
    };
    m_afterArrival = minutes("dwellAfterArrival", dwell.afterArrival);
    m_beforeDeparture = minutes("dwellBeforeDeparture", dwell.beforeDeparture);
    auto* fitButton = new QPushButton(fit->text(), this);
    connect(fitButton, &QPushButton::clicked, fit, &QAction::trigger);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(ui::captionFor(QStringLiteral("Postój po przyjeździe"), m_afterArrival));
    layout->addWidget(m_afterArrival);
    layout->addWidget(ui::captionFor(QStringLiteral("przed odjazdem"), m_beforeDeparture));
    layout->addWidget(m_beforeDeparture);
    layout->addStretch();
    layout->addWidget(fitButton);
    for (QSpinBox* box : {m_afterArrival, m_beforeDeparture}) {
        connect(box, &QSpinBox::valueChanged, this,
                [this] { emit dwellTimesChanged(dwellTimes()); });
    }
}

DwellTimes DwellTimeBar::dwellTimes() const {
    return {m_afterArrival->value(), m_beforeDeparture->value()};
}

}  // namespace rylmo::trains
