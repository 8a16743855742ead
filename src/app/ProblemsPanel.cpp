#include "app/ProblemsPanel.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QTableView>

#include "editing/ProblemChecker.h"

namespace rylmo::app {

ProblemsPanel::ProblemsPanel(editing::ProblemChecker& problems, QWidget* parent)
    : QDockWidget(QStringLiteral("Problemy"), parent), m_problems(problems) {
    setObjectName(QStringLiteral("problems"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    auto* list = new QTableView(this);
    list->setObjectName(QStringLiteral("problemList"));
    list->setModel(&problems);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    list->setColumnWidth(0, 170);
    list->setColumnWidth(1, 60);
    // At least four rows of findings show whatever the dock's first height.
    list->setMinimumHeight(list->horizontalHeader()->sizeHint().height() +
                           4 * list->verticalHeader()->defaultSectionSize() +
                           2 * list->frameWidth());
    setWidget(list);
    // The title bar's buttons carry Qt's own tooltips, which its Polish translation lacks.
    const std::pair<const char*, QString> buttonTips[] = {
        {"qt_dockwidget_closebutton", QStringLiteral("Zamknij panel")},
        {"qt_dockwidget_floatbutton",
         QStringLiteral("Odłącz panel od okna lub przyłącz go z powrotem")}};
    for (const auto& [name, tip] : buttonTips) {
        if (auto* button = findChild<QAbstractButton*>(QString::fromLatin1(name)))
            button->setToolTip(tip);
    }
    connect(&problems, &editing::ProblemChecker::problemsChanged, this,
            &ProblemsPanel::refreshTitle);
    connect(list, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { emit problemActivated(index.row()); });
}

int ProblemsPanel::fittingHeight() const {
    return widget()->minimumHeight() + 30;
}

void ProblemsPanel::refreshTitle() {
    const std::size_t listed = m_problems.problems().size();
    const std::size_t total = m_problems.total();
    setWindowTitle(
        total == listed
            ? QStringLiteral("Problemy (%1)").arg(total)
            : QStringLiteral("Problemy (%1, pokazano pierwsze %2)").arg(total).arg(listed));
}

}  // namespace rylmo::app
