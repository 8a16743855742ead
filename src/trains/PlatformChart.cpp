#include "trains/PlatformChart.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "document/TimeText.h"
#include "document/TrainCategories.h"
#include "editing/EditingSession.h"
#include "editing/ProblemChecker.h"
#include "trains/ChartMoves.h"

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
    const int32_t category = interval.arrivalSide ? t.arrivalCategory : t.departureCategory;
    QString text = QStringLiteral("Pociąg %1 (%2), indeks %3\nPeron %4: %5–%6")
                       .arg(interval.arrivalSide ? t.arrivalNumber : t.departureNumber)
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

void PlatformChart::scrollContentsBy(int, int) {
    viewport()->update();
}

void PlatformChart::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    zoomBy(std::pow(1.25, event->angleDelta().y() / 120.0), event->position().toPoint().x());
    event->accept();
}

void PlatformChart::keyPressEvent(QKeyEvent* event) {
    if (m_stale) rebuild();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (m_drag && event->key() == Qt::Key_Escape) {
        endDrag(false);
        return;
    }
    if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier && m_chosen >= 0) {
        emit deleteRequested(m_chosen);
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier && m_chosen >= 0) {
        emit trainActivated(m_chosen);
        return;
    }
    if (modifiers & Qt::AltModifier) {
        const int32_t step = (modifiers & Qt::ShiftModifier) ? 10 : 1;
        switch (event->key()) {
            case Qt::Key_Up:
                moveChosen(-1, 0);
                return;
            case Qt::Key_Down:
                moveChosen(1, 0);
                return;
            case Qt::Key_Left:
                moveChosen(0, -step);
                return;
            case Qt::Key_Right:
                moveChosen(0, step);
                return;
            default:
                break;
        }
    }
    if (modifiers & Qt::ControlModifier) {
        const int middle = viewport()->width() / 2;
        switch (event->key()) {
            case Qt::Key_Plus:
            case Qt::Key_Equal:
                zoomBy(1.5, middle);
                return;
            case Qt::Key_Minus:
                zoomBy(1 / 1.5, middle);
                return;
            case Qt::Key_0:
                fitDay();
                return;
            default:
                break;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

// Tab steps through the bars rather than leaving the chart, while there are bars.
bool PlatformChart::focusNextPrevChild(bool next) {
    if (m_stale) rebuild();
    if (m_layout.intervals().empty()) return QAbstractScrollArea::focusNextPrevChild(next);
    stepChosen(next);
    return true;
}

void PlatformChart::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void PlatformChart::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    if (m_drag) endDrag(false);
    viewport()->update();
}

std::size_t PlatformChart::chosenStay() {
    if (m_stale) rebuild();
    const std::size_t none = m_layout.intervals().size();
    if (m_chosen < 0) return none;
    const auto train = static_cast<std::size_t>(m_chosen);
    const std::size_t first = m_layout.firstStayOf(train);
    for (std::size_t k = first; k < none && k < m_layout.endOfStays(train); ++k) {
        if (m_layout.intervals()[k].arrivalSide == m_chosenArrivalSide) return k;
    }
    return first;
}

void PlatformChart::choose(std::size_t stay) {
    if (stay >= m_layout.intervals().size()) return;
    const PlatformInterval& interval = m_layout.intervals()[stay];
    m_chosen = static_cast<int>(interval.train);
    m_chosenToo = -1;
    m_chosenArrivalSide = interval.arrivalSide;
    viewport()->update();
}

void PlatformChart::moveChosen(int platformStep, int32_t minutes) {
    const std::size_t stay = chosenStay();
    if (stay >= m_layout.intervals().size()) return;
    const PlatformInterval interval = m_layout.intervals()[stay];
    const int32_t number = stayNumber(m_session.content(), interval);
    if (platformStep != 0) {
        const int32_t platform = interval.platform + platformStep;
        applyChanges(m_session, platformMove(m_session.content(), m_layout, stay, platform),
                     platformMoveText(number, platform));
    } else {
        applyChanges(m_session, timeMove(m_session.content(), interval.train, minutes),
                     timeMoveText(number, minutes));
    }
}

void PlatformChart::stepChosen(bool forward) {
    const std::vector<PlatformInterval>& stays = m_layout.intervals();
    const std::size_t current = chosenStay();
    // Time order: by start, then by position.
    const auto before = [&](std::size_t a, std::size_t b) {
        return stays[a].start != stays[b].start ? stays[a].start < stays[b].start : a < b;
    };
    std::size_t found = stays.size();
    for (std::size_t k = 0; k < stays.size(); ++k) {
        if (current < stays.size() && (k == current || before(k, current) == forward)) {
            continue;
        }
        if (found == stays.size() || before(k, found) == forward) found = k;
    }
    if (found == stays.size()) return;
    choose(found);
    emit trainClicked(m_chosen);
    const QRect bar = barOf(m_chosen);
    if (bar.left() < chart::labelWidth || bar.left() > viewport()->width() - 40) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + bar.left() -
                                        chart::labelWidth - 40);
    }
    const int rowTop =
        chart::headerHeight + m_layout.rowOf(stays[found].platform) * chart::rowHeight;
    if (rowTop < verticalScrollBar()->value() + chart::headerHeight ||
        rowTop + chart::rowHeight > verticalScrollBar()->value() + viewport()->height()) {
        verticalScrollBar()->setValue(rowTop - chart::headerHeight);
    }
}

void PlatformChart::fillMoveMenu() {
    m_moveMenu->clear();
    const std::size_t stay = chosenStay();
    if (stay >= m_layout.intervals().size()) {
        m_moveMenu->addAction(QStringLiteral("(brak postoju)"))->setEnabled(false);
        return;
    }
    const PlatformInterval interval = m_layout.intervals()[stay];
    const int32_t number = stayNumber(m_session.content(), interval);
    for (int32_t platform = limits::minPlatform; platform <= limits::maxPlatform; ++platform) {
        QAction* item = m_moveMenu->addAction(QStringLiteral("Peron &%1").arg(platform));
        if (platform == interval.platform) {
            item->setCheckable(true);
            item->setChecked(true);
            item->setEnabled(false);
            continue;
        }
        std::vector<TrainChange> changes =
            platformMove(m_session.content(), m_layout, stay, platform);
        if (moveOutcome(m_session.content(), m_layout, m_dwell, changes).conflict >=
            m_layout.intervals().size()) {
            item->setText(item->text() + QStringLiteral(" (wolny)"));
        }
        connect(item, &QAction::triggered, this,
                [this, changes = std::move(changes), number, platform] {
                    applyChanges(m_session, changes, platformMoveText(number, platform));
                });
    }
}

const MoveOutcome* PlatformChart::dragOutcome() const {
    return m_drag && m_drag->started ? &m_drag->outcome : nullptr;
}

QString PlatformChart::dragText() const {
    return m_drag && m_drag->started ? m_drag->text : QString();
}

void PlatformChart::mousePressEvent(QMouseEvent* event) {
    if (m_stale) rebuild();
    const std::size_t stay = stayAt(event->position().toPoint());
    if (stay >= m_layout.intervals().size()) {
        // A click beside the bars chooses none: what acts on the chosen trains then acts on all.
        if (event->button() == Qt::LeftButton && m_chosen >= 0) {
            setChosenTrain(-1);
            emit trainClicked(-1);
        }
        return;
    }
    choose(stay);
    emit trainClicked(m_chosen);
    if (event->button() == Qt::LeftButton) {
        m_drag = Drag{};
        m_drag->stay = stay;
        m_drag->from = event->position().toPoint();
        m_drag->platform = m_layout.intervals()[stay].platform;
    } else if (event->button() == Qt::RightButton) {
        emit menuRequested(m_chosen, event->globalPosition().toPoint());
    }
}

void PlatformChart::mouseMoveEvent(QMouseEvent* event) {
    if (!m_drag || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    if (!m_drag->started &&
        (at - m_drag->from).manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    if (!m_drag->started) viewport()->setCursor(Qt::ClosedHandCursor);
    m_drag->started = true;
    updateDrag(at, event->modifiers());
    if (!m_drag->text.isEmpty())
        QToolTip::showText(event->globalPosition().toPoint(), m_drag->text, viewport());
}

// Shift moves the train in whole minutes; otherwise the row under the mouse is the platform.
void PlatformChart::updateDrag(const QPoint& at, Qt::KeyboardModifiers modifiers) {
    Drag& drag = *m_drag;
    const PlatformInterval& stay = m_layout.intervals()[drag.stay];
    const bool inTime = modifiers & Qt::ShiftModifier;
    int32_t platform = stay.platform;
    int32_t minutes = 0;
    if (inTime) {
        minutes = static_cast<int32_t>(std::lround((at.x() - drag.from.x()) / m_pixelsPerMinute));
    } else if (!m_layout.rows().empty()) {
        const int row = std::clamp(
            (at.y() + verticalScrollBar()->value() - chart::headerHeight) / chart::rowHeight, 0,
            static_cast<int>(m_layout.rows().size()) - 1);
        platform = m_layout.rows()[static_cast<std::size_t>(row)];
    }
    if (drag.outcome.stays.size() > 0 && inTime == drag.inTime && platform == drag.platform &&
        minutes == drag.minutes) {
        return;
    }
    drag.inTime = inTime;
    drag.platform = platform;
    drag.minutes = minutes;
    const TimetableContent& content = m_session.content();
    drag.changes = inTime ? timeMove(content, stay.train, minutes)
                          : platformMove(content, m_layout, drag.stay, platform);
    // Nothing changes: the ghost is the stay itself, where it is.
    const std::vector<TrainChange> shownChanges =
        drag.changes.empty() ? std::vector<TrainChange>{{stay.train, content.trains[stay.train]}}
                             : drag.changes;
    drag.outcome = moveOutcome(content, m_layout, m_dwell, shownChanges);
    drag.shown = 0;
    for (std::size_t i = 0; i < drag.outcome.stays.size(); ++i) {
        const PlatformInterval& moved = drag.outcome.stays[i];
        if (moved.train == stay.train && moved.arrivalSide == stay.arrivalSide) drag.shown = i;
    }
    drag.text = outcomeText(content, m_layout, drag.outcome, drag.shown);
    viewport()->update();
}

void PlatformChart::endDrag(bool drop) {
    if (!m_drag) return;
    const Drag drag = std::move(*m_drag);
    m_drag.reset();
    viewport()->unsetCursor();
    QToolTip::hideText();
    viewport()->update();
    if (!drop || !drag.started || drag.changes.empty()) return;
    const int32_t number = stayNumber(m_session.content(), m_layout.intervals()[drag.stay]);
    applyChanges(
        m_session, drag.changes,
        drag.inTime ? timeMoveText(number, drag.minutes) : platformMoveText(number, drag.platform));
}

void PlatformChart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) endDrag(true);
}

void PlatformChart::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_stale) rebuild();
    const int train = trainAt(event->position().toPoint());
    if (train >= 0 && event->button() == Qt::LeftButton) emit trainActivated(train);
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
