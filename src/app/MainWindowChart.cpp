// The main window's platform chart and the bar above it.
#include <QLayout>
#include <QMenu>
#include <QPainter>
#include <QTimer>

#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/TrainListPane.h"
#include "document/Occupancy.h"
#include "editing/ProblemChecker.h"
#include "editing/ReadableListSheet.h"
#include "printing/PrintCommands.h"
#include "render/ChartExport.h"
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
    connect(&m_session, &editing::EditingSession::documentReplaced, this, [this] {
        m_platformsOf.reset();
        m_chartSpanPending = true;
        if (!m_chart->isHidden()) QTimer::singleShot(0, this, [this] { openChartSpan(); });
    });
    // The part of the day shown is kept for the file a moment after it last changed.
    m_storeChartSpan = new QTimer(this);
    m_storeChartSpan->setSingleShot(true);
    m_storeChartSpan->setInterval(500);
    connect(m_chart, &trains::PlatformChart::spanChanged, this, [this] {
        if (!m_chartSpanPending && !m_chart->isHidden()) m_storeChartSpan->start();
    });
    connect(m_storeChartSpan, &QTimer::timeout, this, [this] {
        const trains::PlatformChart::Span span = m_chart->shownSpan();
        ui::guarded(this, [&] {
            storeChartSpan(m_settings, m_session.document().fileName, span.firstMinute,
                           span.minutes);
        });
    });
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

// The sheets mark the trains the problems panel names, as it names them once the running
// check has caught up; the chart is the one shown, with its dwell times.
void MainWindow::printOrExport(bool printing) {
    if (m_problems->isChecking()) m_problems->checkNow();
    printing::ExportSources sources;
    sources.trainList = editing::readableListSheet;
    const std::size_t trains = m_session.content().trains.size();
    sources.findings.resize(trains);
    for (std::size_t train = 0; train < trains; ++train)
        sources.findings[train] = m_problems->hasProblems(static_cast<int>(train)) ? 1 : 0;
    sources.chart = [this](QPainter& painter, const QRectF& area) {
        render::paintWholeDay(painter, area, m_session.content(), m_chart->layout(),
                              m_chart->marks(), m_chart->palette());
    };
    sources.chartNote = dwellNote(m_chart->dwellTimes());
    std::vector<std::size_t> selected;
    for (int train : selectedTrains()) selected.push_back(static_cast<std::size_t>(train));
    printing::printOrExport(m_session, this, printing, std::move(selected), sources,
                            m_documents.fileDialogFolder());
}

void MainWindow::openChartSpan() {
    if (!m_chartSpanPending || m_chart->isHidden()) return;
    m_chartSpanPending = false;
    // The chart was hidden: its size is the one it will have only once its layout ran.
    if (QLayout* layout = m_chart->parentWidget()->layout()) layout->activate();
    const auto kept = chartSpanSetting(m_settings, m_session.document().fileName);
    m_chart->showSpan(kept ? trains::PlatformChart::Span{kept->first, kept->second}
                           : m_chart->openingSpan());
    m_storeChartSpan->stop();
}

}  // namespace rylmo::app
