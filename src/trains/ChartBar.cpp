#include "trains/ChartBar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "document/FieldLimits.h"
#include "ui/Controls.h"

namespace rylmo::trains {

ChartBar::ChartBar(DwellTimes dwell, int maxMinutes, QAction* resolve, QAction* fit,
                   QWidget* parent)
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
    m_platforms = ui::spinEdit("stationPlatforms", limits::maxPlatform, limits::minPlatform);
    const auto buttonFor = [this](QAction* action) {
        auto* button = new QPushButton(action->text(), this);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button,
                [button, action] { button->setEnabled(action->isEnabled()); });
        return button;
    };
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(ui::captionFor(QStringLiteral("Postój po przyjeździe"), m_afterArrival));
    layout->addWidget(m_afterArrival);
    layout->addWidget(ui::captionFor(QStringLiteral("przed odjazdem"), m_beforeDeparture));
    layout->addWidget(m_beforeDeparture);
    layout->addSpacing(16);
    layout->addWidget(ui::captionFor(QStringLiteral("Perony stacji:"), m_platforms));
    layout->addWidget(m_platforms);
    layout->addStretch();
    layout->addWidget(buttonFor(resolve));
    layout->addWidget(buttonFor(fit));
    connect(m_platforms, &QSpinBox::valueChanged, this, &ChartBar::platformCountChanged);
    for (QSpinBox* box : {m_afterArrival, m_beforeDeparture}) {
        connect(box, &QSpinBox::valueChanged, this,
                [this] { emit dwellTimesChanged(dwellTimes()); });
    }
}

DwellTimes ChartBar::dwellTimes() const {
    return {m_afterArrival->value(), m_beforeDeparture->value()};
}

void ChartBar::showPlatformCount(int count) {
    const QSignalBlocker quiet(m_platforms);
    m_platforms->setValue(count);
}

}  // namespace rylmo::trains
