#include "app/StatusPanels.h"

#include <QLabel>
#include <QStatusBar>

#include "document/PolishCount.h"

namespace rylmo::app {

StatusPanels::StatusPanels(QStatusBar* bar) {
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(true);
    // Kept on purpose: three of the four panels stay empty; only the first shows the version.
    for (int width : {100, 50, 50, 50}) {
        auto* panel = new QLabel(bar);
        panel->setFixedWidth(width);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel);
        if (!m_version) {
            panel->setAlignment(Qt::AlignCenter);
            m_version = panel;
        }
    }
    m_version->setObjectName(QStringLiteral("versionPanel"));
    m_recoveryProblem = new QLabel(QStringLiteral("Brak kopii niezapisanych zmian"), bar);
    m_recoveryProblem->setObjectName(QStringLiteral("recoveryProblem"));
    m_recoveryProblem->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    m_recoveryProblem->hide();
    bar->addPermanentWidget(m_recoveryProblem);
    m_selection = new QLabel(bar);
    m_selection->setObjectName(QStringLiteral("selectionPanel"));
    bar->addPermanentWidget(m_selection);
}

void StatusPanels::showRecoveryProblem(const QString& message) {
    m_recoveryProblem->setToolTip(message);
    m_recoveryProblem->setVisible(!message.isEmpty());
}

void StatusPanels::show(int32_t version, std::size_t selectedTrains) {
    m_selection->setText(selectedTrains == 0 ? QString()
                                             : QStringLiteral("Zaznaczone: ") +
                                                   QString::fromStdString(polishCount(
                                                       static_cast<int64_t>(selectedTrains),
                                                       "pociąg", "pociągi", "pociągów")));
    m_version->setText(version == 1   ? QStringLiteral("1.44")
                       : version == 2 ? QStringLiteral("1.61")
                                      : QString());
}

}  // namespace rylmo::app
