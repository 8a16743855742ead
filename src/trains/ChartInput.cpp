// The chart's input: choosing bars, moving them with the mouse and the keys, their menu.
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "editing/EditingSession.h"
#include "trains/ChartMoves.h"
#include "trains/PlatformChart.h"

namespace rylmo::trains {

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

}  // namespace rylmo::trains
