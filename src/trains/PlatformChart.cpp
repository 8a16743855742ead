#include "trains/PlatformChart.h"

#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "document/Occupancy.h"
#include "document/TimeText.h"
#include "document/TrainCategories.h"
#include "editing/EditingSession.h"
#include "editing/ProblemChecker.h"

namespace rylmo::trains {

namespace {

constexpr double mostPixelsPerMinute = 24.0;

}  // namespace

PlatformChart::PlatformChart(editing::EditingSession& session, QWidget* parent)
    : QAbstractScrollArea(parent), m_session(session) {
    setObjectName(QStringLiteral("platformChart"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    m_moveMenu = new QMenu(QStringLiteral("Przenieś na peron"), this);
    m_moveMenu->setObjectName(QStringLiteral("moveToPlatformMenu"));
    connect(m_moveMenu, &QMenu::aboutToShow, this, [this] { fillMoveMenu(); });
    // Edits come in bursts (a step of several edits, an undo): the chart is rebuilt once after,
    // and only while it shows; a hidden chart is rebuilt when it is shown again.
    m_rebuild.setSingleShot(true);
    m_rebuild.setInterval(0);
    connect(&m_rebuild, &QTimer::timeout, this, [this] {
        if (!isHidden() && m_stale) rebuild();
    });
    const auto ofTrains = [this](editing::EntryList list) {
        if (list == editing::EntryList::trains) changed();
    };
    connect(&session, &editing::EditingSession::entriesInserted, this, ofTrains);
    connect(&session, &editing::EditingSession::entriesRemoved, this, ofTrains);
    connect(&session, &editing::EditingSession::listReset, this, ofTrains);
    connect(&session, &editing::EditingSession::entriesChanged, this,
            [this](editing::EntryList list, int first, int last) {
                if (list == editing::EntryList::trains) trainsChanged(first, last);
            });
    connect(&session, &editing::EditingSession::generalTextChanged, this, [this] { changed(); });
    connect(&session, &editing::EditingSession::documentReplaced, this, [this] { changed(); });
}

void PlatformChart::changed() {
    m_stale = true;
    if (!isHidden()) m_rebuild.start();
}

void PlatformChart::setVisible(bool visible) {
    QAbstractScrollArea::setVisible(visible);
    if (visible && m_stale) rebuild();
}

void PlatformChart::rebuild() {
    m_stale = false;
    m_rebuild.stop();
    m_drag.reset();  // its stay may be gone
    m_layout.build(m_session.content(), m_dwell);
    showRebuilt();
}

void PlatformChart::setPlatformCount(int count) {
    m_layout.setPlatformCount(count);
    showRebuilt();
}

const PlatformLayout& PlatformChart::layout() {
    if (m_stale) rebuild();
    return m_layout;
}

void PlatformChart::showRebuilt() {
    if (m_chosen >= static_cast<int>(m_session.content().trains.size())) m_chosen = -1;
    refreshScrollBars();
    viewport()->update();
    if (rowCount() != m_shownRows) {
        m_shownRows = rowCount();
        emit rowsChanged(m_shownRows);
    }
}

// An edit of a few trains that leaves the consists as they were is patched into the layout;
// anything else rebuilds the chart.
void PlatformChart::trainsChanged(int first, int last) {
    if (m_stale || isHidden() || first < 0 || last < first ||
        !m_layout.patch(m_session.content(), static_cast<std::size_t>(first),
                        static_cast<std::size_t>(last))) {
        changed();
        return;
    }
    showRebuilt();
}

void PlatformChart::setDwellTimes(DwellTimes dwell) {
    m_dwell = dwell;
    m_stale = true;
    if (!isHidden()) rebuild();
}

void PlatformChart::fitDay() {
    m_fitted = true;
    refreshScrollBars();
    viewport()->update();
    emit spanChanged();
}

PlatformChart::Span PlatformChart::shownSpan() const {
    const double across = std::max(1, viewport()->width() - chart::labelWidth - chart::rightMargin);
    return {horizontalScrollBar()->value() / m_pixelsPerMinute, across / m_pixelsPerMinute};
}

void PlatformChart::showSpan(const Span& span) {
    const double across = std::max(1, viewport()->width() - chart::labelWidth - chart::rightMargin);
    const double fit = ChartView::fittingScale(viewport()->width());
    m_pixelsPerMinute = std::clamp(across / std::max(1.0, span.minutes), fit, mostPixelsPerMinute);
    m_fitted = m_pixelsPerMinute <= fit;
    refreshScrollBars();
    horizontalScrollBar()->setValue(
        static_cast<int>(std::lround(span.firstMinute * m_pixelsPerMinute)));
    viewport()->update();
    emit spanChanged();
}

PlatformChart::Span PlatformChart::openingSpan() {
    constexpr double hours = 4 * 60;
    const std::size_t stay = m_chosen < 0
                                 ? layout().intervals().size()
                                 : layout().firstStayOf(static_cast<std::size_t>(m_chosen));
    if (stay < m_layout.intervals().size())
        return {std::max(0, m_layout.intervals()[stay].start - 60) * 1.0, hours};
    const int32_t start = dayStartMinutes(m_session.content().startTime).value_or(0);
    return {std::max(0, start - 30) * 1.0, hours};
}

void PlatformChart::zoomBy(double factor, int x) {
    const double minute =
        (x - chart::labelWidth + horizontalScrollBar()->value()) / m_pixelsPerMinute;
    const double fit = ChartView::fittingScale(viewport()->width());
    m_pixelsPerMinute = std::clamp(m_pixelsPerMinute * factor, fit, mostPixelsPerMinute);
    m_fitted = m_pixelsPerMinute <= fit;
    refreshScrollBars();
    horizontalScrollBar()->setValue(
        static_cast<int>(std::lround(minute * m_pixelsPerMinute - (x - chart::labelWidth))));
    viewport()->update();
    emit spanChanged();
}

void PlatformChart::setChosenTrain(int train) {
    if (train == m_chosen && m_chosenToo < 0) return;
    if (train != m_chosen) m_chosenArrivalSide = true;
    m_chosen = train;
    m_chosenToo = -1;
    viewport()->update();
}

void PlatformChart::showTrains(int first, int second) {
    if (m_stale) rebuild();
    m_chosen = first;
    m_chosenToo = second;
    const std::size_t stay = first < 0 ? m_layout.intervals().size()
                                       : m_layout.firstStayOf(static_cast<std::size_t>(first));
    if (stay < m_layout.intervals().size()) {
        // Close enough to tell the two apart: a few hours across the window.
        const double hours =
            ChartView::fittingScale(viewport()->width()) * minutesPerDay / (4 * 60);
        if (m_pixelsPerMinute < hours) zoomBy(hours / m_pixelsPerMinute, chart::labelWidth);
        horizontalScrollBar()->setValue(
            static_cast<int>((m_layout.intervals()[stay].start - 30) * m_pixelsPerMinute));
    }
    viewport()->update();
}

void PlatformChart::refreshScrollBars() {
    const int width = viewport()->width();
    if (m_fitted) m_pixelsPerMinute = ChartView::fittingScale(width);
    const int content = chart::labelWidth +
                        static_cast<int>(std::ceil(minutesPerDay * m_pixelsPerMinute)) +
                        chart::rightMargin;
    horizontalScrollBar()->setRange(0, std::max(0, content - width));
    horizontalScrollBar()->setPageStep(width);
    const int height =
        chart::headerHeight + static_cast<int>(m_layout.rows().size()) * chart::rowHeight + 4;
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
}

ChartView PlatformChart::shownView() const {
    return {m_pixelsPerMinute, horizontalScrollBar()->value(), verticalScrollBar()->value(),
            viewport()->width(), viewport()->height()};
}

std::size_t PlatformChart::stayAt(const QPoint& point) const {
    std::size_t stay = m_layout.intervals().size();
    forEachShownBar(m_layout, shownView(), [&](std::size_t k, const QRect& rect) {
        if (rect.adjusted(-2, 0, 2, 0).contains(point)) stay = k;
    });
    return stay;
}

int PlatformChart::trainAt(const QPoint& point) const {
    const std::size_t stay = stayAt(point);
    return stay < m_layout.intervals().size() ? static_cast<int>(m_layout.intervals()[stay].train)
                                              : -1;
}

QRect PlatformChart::barOf(int train) const {
    if (train < 0) return {};
    const std::size_t k = m_layout.firstStayOf(static_cast<std::size_t>(train));
    if (k >= m_layout.intervals().size()) return {};
    const PlatformInterval& interval = m_layout.intervals()[k];
    return shownView().pieceRect(m_layout.rowOf(interval.platform), m_layout.laneOf(k),
                                 interval.start, std::min(interval.end, minutesPerDay));
}

ChartMarks PlatformChart::marks() const {
    ChartMarks marks{m_chosen, m_chosenToo, m_readable, {}};
    if (m_problems) {
        marks.hasProblems = [checker = m_problems](int train) {
            return checker->hasProblems(train);
        };
    }
    return marks;
}

void PlatformChart::setProblems(const editing::ProblemChecker* checker) {
    m_problems = checker;
    connect(checker, &editing::ProblemChecker::problemsChanged, viewport(),
            qOverload<>(&QWidget::update));
}

void PlatformChart::setReadable(bool readable) {
    m_readable = readable;
    viewport()->update();
}

QString PlatformChart::summary(std::size_t k) const {
    const PlatformInterval& interval = m_layout.intervals()[k];
    const Train& t = m_session.content().trains.at(interval.train);
    const int32_t category = t.categoryOn(interval.arrivalSide);
    QString text = QStringLiteral("Pociąg %1 (%2), indeks %3\nPeron %4: %5–%6")
                       .arg(t.numberOn(interval.arrivalSide))
                       .arg(QString::fromStdString(categoryName(category)))
                       .arg(interval.train)
                       .arg(interval.platform)
                       .arg(QString::fromStdString(minuteText(interval.start)),
                            QString::fromStdString(minuteText(interval.end)));
    if (!interval.stops) text += QStringLiteral(", bez zatrzymania");
    if (m_layout.conflicting()[k])
        text += QStringLiteral("\nZajmuje peron razem z innym pociągiem");
    return text;
}

void PlatformChart::paintEvent(QPaintEvent*) {
    // A change may reach the screen before the rebuild it scheduled: the stays must never
    // name trains that are gone.
    if (m_stale) rebuild();
    QPainter painter(viewport());
    ChartMarks shownMarks = marks();
    if (hasFocus()) shownMarks.focusStay = chosenStay();
    m_shownLabels =
        paintChart(painter, palette(), m_session.content(), m_layout, shownView(), shownMarks);
    if (const MoveOutcome* outcome = dragOutcome())
        paintGhost(painter, palette(), m_layout, shownView(), *outcome);
}

void PlatformChart::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    refreshScrollBars();
}

void PlatformChart::scrollContentsBy(int dx, int) {
    viewport()->update();
    if (dx != 0) emit spanChanged();
}

void PlatformChart::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    zoomBy(std::pow(1.25, event->angleDelta().y() / 120.0), event->position().toPoint().x());
    event->accept();
}

bool PlatformChart::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (m_stale) rebuild();
        const std::size_t shown = stayAt(static_cast<QHelpEvent*>(event)->pos());
        if (shown < m_layout.intervals().size()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), summary(shown),
                               viewport());
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace rylmo::trains
