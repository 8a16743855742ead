// The main window's platform chart and the bar above it.
#include <QMenu>

#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/TrainListPane.h"
#include "editing/ProblemChecker.h"
#include "trains/ChartBar.h"
#include "trains/PlatformChart.h"
#include "ui/ErrorHandler.h"

namespace rylmo::app {

// The chart acts on its trains as the list does: a click selects the train in the list, a
// double-click edits it, the context menu and Delete act on it. Above it, the dwell times it
// and the platform check use.
void MainWindow::createPlatformChart(QWidget* workspace) {
    m_chart = new trains::PlatformChart(m_session, workspace);
    m_chart->hide();
    m_chart->setReadable(m_readableList->isChecked());
    m_chart->setProblems(m_problems);
    const DwellTimes dwell = dwellTimesSetting(m_settings);
    m_chart->setDwellTimes(dwell);
    m_problems->setDwellTimes(dwell);
    m_chartBar =
        new trains::ChartBar(dwell, maxDwellMinutes, m_resolvePlatforms, m_fitChart, workspace);
    m_chartBar->hide();
    connect(m_chartBar, &trains::ChartBar::platformCountChanged, this, [this](int count) {
        m_chart->setPlatformCount(count);
        m_chartBar->showPlatformCount(m_chart->rowCount());  // never fewer than used
        ui::guarded(
            this, [&] { storeStationPlatforms(m_settings, m_session.document().fileName, count); });
    });
    connect(m_chart, &trains::PlatformChart::rowsChanged, m_chartBar,
            &trains::ChartBar::showPlatformCount);
    // The count goes with the station file's name: read for a file opened, kept under the new
    // name when the file is saved as another one that has none.
    connect(&m_session, &editing::EditingSession::documentReplaced, this,
            [this] { m_platformsOf.reset(); });
    connect(&m_session, &editing::EditingSession::frameChanged, this, [this] {
        const std::string& name = m_session.document().fileName;
        if (!m_platformsOf) {
            m_chart->setPlatformCount(stationPlatformsSetting(m_settings, name));
        } else if (*m_platformsOf != name && m_chart->platformCount() > 0 &&
                   stationPlatformsSetting(m_settings, name) == 0) {
            ui::guarded(this,
                        [&] { storeStationPlatforms(m_settings, name, m_chart->platformCount()); });
        }
        m_platformsOf = name;
    });
    connect(m_chartBar, &trains::ChartBar::dwellTimesChanged, this, [this](DwellTimes times) {
        m_chart->setDwellTimes(times);
        m_problems->setDwellTimes(times);
        ui::guarded(this, [&] { storeDwellTimes(m_settings, times); });
    });
    const auto onTrain = [this](QAction* action) {
        return [this, action](int train) {
            selectTrain(train);
            if (selectedTrain() == train) action->trigger();
        };
    };
    connect(m_chart, &trains::PlatformChart::trainClicked, this,
            [this](int train) { selectTrain(train); });
    connect(m_chart, &trains::PlatformChart::trainActivated, this, onTrain(m_editTrain));
    connect(m_chart, &trains::PlatformChart::deleteRequested, this, onTrain(m_deleteTrain));
    // The bar's menu: the list's, and the platforms to move the bar to.
    auto* chartMenu = new QMenu(this);
    chartMenu->setObjectName(QStringLiteral("chartMenu"));
    chartMenu->addActions(m_trainMenu->actions());
    chartMenu->addSeparator();
    chartMenu->addMenu(m_chart->moveMenu());
    connect(m_chart, &trains::PlatformChart::menuRequested, this,
            [chartMenu](int, const QPoint& at) { chartMenu->popup(at); });
    connect(m_trainList, &TrainListPane::selectionChanged, this,
            [this] { m_chart->setChosenTrain(selectedTrain()); });
}

}  // namespace rylmo::app
