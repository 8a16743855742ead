#include "trains/PlatformChart.h"

#include <QBuffer>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cmath>

#include "document/TrainCategories.h"
#include "editing/EditingSession.h"
#include "editing/ProblemChecker.h"
#include "models/DocumentText.h"

namespace rylmo::trains {

namespace {

constexpr int kLabelWidth = 72;
constexpr int kLegendBaseline = 15;
constexpr int kHoursBaseline = 36;
constexpr int kHeaderHeight = 42;
constexpr int kRowHeight = 34;
constexpr int kLanes = 3;           // bars that overlap on a platform are drawn a few pixels apart
constexpr std::size_t kBlock = 64;  // bars per block of the paint index
constexpr std::size_t kPatchedAtMost = 64;  // trains an edit may change for a patch
constexpr int kLaneStep = 5;
constexpr double kMostPixelsPerMinute = 24.0;

QColor groupColour(CategoryGroup group) {
    switch (group) {
        case CategoryGroup::goods:
            return QColor(0x8d, 0x6e, 0x63);
        case CategoryGroup::service:
            return QColor(0x7c, 0xb3, 0x42);
        case CategoryGroup::passengers:
            break;
    }
    return QColor(0x42, 0x7f, 0xc8);
}

const QColor kConflict(0xe5, 0x39, 0x35);

}  // namespace

PlatformChart::PlatformChart(editing::EditingSession& session, QWidget* parent)
    : QAbstractScrollArea(parent), m_session(session) {
    setObjectName(QStringLiteral("platformChart"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
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
    const TimetableContent& content = m_session.content();
    m_intervals = platformOccupancy(content, m_dwell);
    m_consists = std::make_unique<Consists>(content.trains);
    m_byPlatform = intervalsByPlatform(m_intervals);
    m_conflicting.assign(m_intervals.size(), false);
    m_lanes.assign(m_intervals.size(), 0);
    for (std::size_t platform = 1; platform < m_byPlatform.size(); ++platform)
        indexPlatform(platform);
    // What an edit of single trains needs to patch the chart: where each train's stays lie,
    // and its couplings, which decide the consists.
    m_firstInterval.assign(content.trains.size() + 1, 0);
    for (const PlatformInterval& interval : m_intervals) ++m_firstInterval[interval.train + 1];
    for (std::size_t i = 1; i < m_firstInterval.size(); ++i)
        m_firstInterval[i] += m_firstInterval[i - 1];
    m_couplings.clear();
    m_couplings.reserve(content.trains.size());
    for (const Train& t : content.trains)
        m_couplings.emplace_back(t.coupledWith, t.toBeCoupledWith);
    showRebuilt();
}

void PlatformChart::showRebuilt() {
    m_platforms.clear();
    for (int32_t platform = 1; platform <= 9; ++platform) {
        if (!m_byPlatform[static_cast<std::size_t>(platform)].empty())
            m_platforms.push_back(platform);
    }
    if (m_chosen >= static_cast<int>(m_session.content().trains.size())) m_chosen = -1;
    refreshScrollBars();
    viewport()->update();
}

// An edit of a few trains that leaves the consists as they were changes their stays in place:
// only the platforms they left or took are sorted, checked and laid out again. Anything else
// (trains added or removed, couplings changed, a stay more or fewer) rebuilds the chart.
void PlatformChart::trainsChanged(int first, int last) {
    const TimetableContent& content = m_session.content();
    const auto from = static_cast<std::size_t>(first);
    const auto to = static_cast<std::size_t>(last);
    bool patchable = !m_stale && !isHidden() && to - from < kPatchedAtMost &&
                     m_firstInterval.size() == content.trains.size() + 1;
    for (std::size_t t = from; patchable && t <= to; ++t) {
        patchable = m_couplings[t] ==
                    std::pair(content.trains[t].coupledWith, content.trains[t].toBeCoupledWith);
    }
    std::vector<PlatformInterval> fresh;
    if (patchable) fresh = platformOccupancy(content, m_dwell, from, to);
    const std::size_t begin = patchable ? m_firstInterval[from] : 0;
    const std::size_t end = patchable ? m_firstInterval[to + 1] : 0;
    if (!patchable || fresh.size() != end - begin) {
        changed();
        return;
    }
    std::array<bool, 10> touched{};
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        touched[static_cast<std::size_t>(m_intervals[begin + i].platform)] = true;
        touched[static_cast<std::size_t>(fresh[i].platform)] = true;
        m_intervals[begin + i] = fresh[i];
    }
    for (std::size_t platform = 1; platform < touched.size(); ++platform) {
        if (!touched[platform]) continue;
        std::vector<std::size_t>& positions = m_byPlatform[platform];
        std::erase_if(positions, [&](std::size_t k) { return k >= begin && k < end; });
        for (std::size_t k = begin; k < end; ++k) {
            if (static_cast<std::size_t>(m_intervals[k].platform) == platform)
                positions.push_back(k);
        }
        std::sort(positions.begin(), positions.end(), [this](std::size_t a, std::size_t b) {
            return m_intervals[a].start != m_intervals[b].start
                       ? m_intervals[a].start < m_intervals[b].start
                       : a < b;
        });
        indexPlatform(platform);
    }
    showRebuilt();
}

// A platform's conflict marks, lanes, and the index a paint uses.
void PlatformChart::indexPlatform(std::size_t platform) {
    const std::vector<std::size_t>& positions = m_byPlatform[platform];
    markPlatformConflicts(*m_consists, m_intervals, positions, m_conflicting);
    assignLanes(positions);
    m_longest[platform] = 0;
    m_blockEnds[platform].assign((positions.size() + kBlock - 1) / kBlock, INT32_MIN);
    m_overMidnight[platform].clear();
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const PlatformInterval& interval = m_intervals[positions[i]];
        m_longest[platform] = std::max(m_longest[platform], interval.end - interval.start);
        int32_t& blockEnd = m_blockEnds[platform][i / kBlock];
        blockEnd = std::max(blockEnd, interval.end);
        if (interval.end > minutesPerDay) m_overMidnight[platform].push_back(positions[i]);
    }
    std::sort(
        m_overMidnight[platform].begin(), m_overMidnight[platform].end(),
        [this](std::size_t a, std::size_t b) { return m_intervals[a].end > m_intervals[b].end; });
}

// Each stay takes the first of the lanes that is free when it begins, else the one that
// frees first: stays that overlap are drawn staggered, so that each stays visible. Linear.
void PlatformChart::assignLanes(const std::vector<std::size_t>& positions) {
    std::array<int32_t, kLanes> freeFrom;
    freeFrom.fill(INT32_MIN);
    for (std::size_t k : positions) {
        std::size_t lane = 0;
        for (std::size_t l = 0; l < freeFrom.size(); ++l) {
            if (freeFrom[l] <= m_intervals[k].start) {
                lane = l;
                break;
            }
            if (freeFrom[l] < freeFrom[lane]) lane = l;
        }
        freeFrom[lane] = m_intervals[k].end;
        m_lanes[k] = static_cast<uint8_t>(lane);
    }
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
    const double minute = (x - kLabelWidth + horizontalScrollBar()->value()) / m_pixelsPerMinute;
    const double fit = std::max(1.0, viewport()->width() - kLabelWidth - 8.0) / minutesPerDay;
    m_pixelsPerMinute = std::clamp(m_pixelsPerMinute * factor, fit, kMostPixelsPerMinute);
    m_fitted = m_pixelsPerMinute <= fit;
    refreshScrollBars();
    horizontalScrollBar()->setValue(
        static_cast<int>(std::lround(minute * m_pixelsPerMinute - (x - kLabelWidth))));
    viewport()->update();
}

void PlatformChart::setChosenTrain(int train) {
    if (train == m_chosen && m_chosenToo < 0) return;
    m_chosen = train;
    m_chosenToo = -1;
    viewport()->update();
}

void PlatformChart::showTrains(int first, int second) {
    if (m_stale) rebuild();
    m_chosen = first;
    m_chosenToo = second;
    const auto stay = std::find_if(m_intervals.begin(), m_intervals.end(), [first](const auto& i) {
        return static_cast<int>(i.train) == first;
    });
    if (stay != m_intervals.end()) {
        // Close enough to tell the two apart: a few hours across the window.
        const double hours = std::max(1.0, viewport()->width() - kLabelWidth - 8.0) / (4 * 60);
        if (m_pixelsPerMinute < hours) zoomBy(hours / m_pixelsPerMinute, kLabelWidth);
        horizontalScrollBar()->setValue(static_cast<int>((stay->start - 30) * m_pixelsPerMinute));
    }
    viewport()->update();
}

void PlatformChart::refreshScrollBars() {
    const int width = viewport()->width();
    if (m_fitted) {
        m_pixelsPerMinute = std::max(1.0, width - kLabelWidth - 8.0) / minutesPerDay;
    }
    const int content =
        kLabelWidth + static_cast<int>(std::ceil(minutesPerDay * m_pixelsPerMinute)) + 8;
    horizontalScrollBar()->setRange(0, std::max(0, content - width));
    horizontalScrollBar()->setPageStep(width);
    const int height = kHeaderHeight + static_cast<int>(m_platforms.size()) * kRowHeight + 4;
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
}

int PlatformChart::rowOf(int32_t platform) const {
    const auto found = std::find(m_platforms.begin(), m_platforms.end(), platform);
    return found == m_platforms.end() ? -1 : static_cast<int>(found - m_platforms.begin());
}

PlatformChart::View PlatformChart::shownView() const {
    return {m_pixelsPerMinute, horizontalScrollBar()->value(), verticalScrollBar()->value(),
            viewport()->width(), viewport()->height()};
}

int PlatformChart::View::xOf(double minute) const {
    return kLabelWidth + static_cast<int>(std::lround(minute * pixelsPerMinute)) - left;
}

QRect PlatformChart::View::pieceRect(int row, int lane, int32_t start, int32_t end) const {
    const int rowTop = kHeaderHeight + row * kRowHeight - top;
    const int x = xOf(start);
    const int barHeight = kRowHeight - 8 - (kLanes - 1) * kLaneStep;
    return {x, rowTop + 4 + lane * kLaneStep, std::max(2, xOf(end) - x), barHeight};
}

template <class Visit>
void PlatformChart::forEachShownBar(const View& view, Visit visit) const {
    const double first = view.left / view.pixelsPerMinute;
    const double last = first + view.width / view.pixelsPerMinute;
    for (int row = 0; row < static_cast<int>(m_platforms.size()); ++row) {
        const auto platform = static_cast<std::size_t>(m_platforms[static_cast<std::size_t>(row)]);
        const std::vector<std::size_t>& positions = m_byPlatform[platform];
        // The next morning's part of the stays over midnight, first: it begins at 0:00.
        for (std::size_t k : m_overMidnight[platform]) {
            const PlatformInterval& interval = m_intervals[k];
            if (interval.end - minutesPerDay <= first) break;
            visit(k, view.pieceRect(row, m_lanes[k], 0, interval.end - minutesPerDay));
        }
        // Bars that began up to the longest stay before the window may still reach into it;
        // blocks of bars that all end before it are stepped over.
        const auto from = std::partition_point(
            positions.begin(), positions.end(),
            [&](std::size_t k) { return m_intervals[k].start + m_longest[platform] < first; });
        const std::vector<int32_t>& blockEnds = m_blockEnds[platform];
        for (auto i = static_cast<std::size_t>(from - positions.begin());
             i < positions.size() && m_intervals[positions[i]].start <= last;) {
            if (i % kBlock == 0 && blockEnds[i / kBlock] < first) {
                i += kBlock;
                continue;
            }
            const std::size_t k = positions[i++];
            const PlatformInterval& interval = m_intervals[k];
            if (interval.end < first) continue;
            visit(k, view.pieceRect(row, m_lanes[k], interval.start,
                                    std::min(interval.end, minutesPerDay)));
        }
    }
}

int PlatformChart::trainAt(const QPoint& point) const {
    int train = -1;
    forEachShownBar(shownView(), [&](std::size_t k, const QRect& rect) {
        if (rect.adjusted(-2, 0, 2, 0).contains(point))
            train = static_cast<int>(m_intervals[k].train);
    });
    return train;
}

QRect PlatformChart::barOf(int train) const {
    for (std::size_t k = 0; k < m_intervals.size(); ++k) {
        const PlatformInterval& interval = m_intervals[k];
        if (static_cast<int>(interval.train) == train) {
            return shownView().pieceRect(rowOf(interval.platform), m_lanes[k], interval.start,
                                         std::min(interval.end, minutesPerDay));
        }
    }
    return {};
}

// The train's number; in the readable mode also its name, when it has one.
QString PlatformChart::label(const PlatformInterval& interval) const {
    const TimetableContent& content = m_session.content();
    const Train& t = content.trains[interval.train];
    QString text = QString::number(interval.arrivalSide ? t.arrivalNumber : t.departureNumber);
    const int32_t name = interval.arrivalSide ? t.arrivalTrainName : t.departureTrainName;
    if (m_readable && name >= 1 && static_cast<std::size_t>(name) <= content.trainNames.size()) {
        text += QLatin1Char(' ') +
                models::toShortQString(content.trainNames[static_cast<std::size_t>(name) - 1], 30);
    }
    return text;
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
    const PlatformInterval& interval = m_intervals[k];
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
    if (m_conflicting[k]) text += QStringLiteral("\nZajmuje peron razem z innym pociągiem");
    return text;
}

void PlatformChart::paintEvent(QPaintEvent*) {
    // A change may reach the screen before the rebuild it scheduled: the stays must never
    // name trains that are gone.
    if (m_stale) rebuild();
    QPainter painter(viewport());
    paintChart(painter, shownView());
}

void PlatformChart::paintChart(QPainter& painter, const View& view) const {
    const QPalette& colours = palette();
    const int width = view.width;
    const int height = view.height;
    const QFontMetrics metrics(painter.font());

    // The hour grid, labelled as often as the labels fit.
    const double perHour = view.pixelsPerMinute * 60;
    const int labelEvery = perHour >= 44 ? 1 : perHour * 2 >= 44 ? 2 : 3;
    painter.setPen(colours.color(QPalette::Mid));
    for (int hour = 0; hour <= 24; ++hour) {
        const int x = view.xOf(hour * 60);
        if (x < kLabelWidth || x > width) continue;
        painter.drawLine(x, kHoursBaseline - 12, x, height);
        if (hour % labelEvery == 0 && hour < 24) {
            painter.setPen(colours.color(QPalette::Text));
            painter.drawText(x + 3, kHoursBaseline, QStringLiteral("%1:00").arg(hour));
            painter.setPen(colours.color(QPalette::Mid));
        }
    }

    // Bars come in order of their start: one that ends before the furthest right edge drawn
    // in its lane lies wholly on drawn bars and is skipped (red only on red), so that a whole
    // day of a hundred thousand stays draws a few hundred bars.
    std::array<int, kLanes * 2> drawnTo{};
    int drawnRow = -1;
    // The bars drawn, in order, with their labels; a label is written once no later bar
    // covers it, so that labels of overlapping bars never print over each other.
    struct Drawn {
        QRect bar;
        QString label;
    };
    std::vector<Drawn> drawn;
    std::vector<std::size_t> rowStarts;
    forEachShownBar(view, [&](std::size_t k, const QRect& rect) {
        const PlatformInterval& interval = m_intervals[k];
        const Train& t = m_session.content().trains[interval.train];
        const bool conflict = m_conflicting[k];
        const int row = (rect.top() + view.top - kHeaderHeight) / kRowHeight;
        if (row != drawnRow) {
            drawnTo.fill(INT_MIN);
            drawnRow = row;
            rowStarts.push_back(drawn.size());
        }
        int& anyTo = drawnTo[static_cast<std::size_t>(m_lanes[k])];
        int& redTo = drawnTo[static_cast<std::size_t>(kLanes + m_lanes[k])];
        const bool chosen = static_cast<int>(interval.train) == m_chosen ||
                            static_cast<int>(interval.train) == m_chosenToo;
        if (rect.right() <= (conflict ? redTo : anyTo) && !chosen) return;
        anyTo = std::max(anyTo, rect.right());
        if (conflict) redTo = std::max(redTo, rect.right());
        const QColor fill =
            conflict ? kConflict
                     : groupColour(categoryGroup(interval.arrivalSide ? t.arrivalCategory
                                                                      : t.departureCategory));
        QRect bar = rect;
        if (!interval.stops) bar = QRect(rect.left(), rect.top(), 3, rect.height());
        painter.fillRect(bar, fill);
        painter.setPen(fill.darker(150));
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
        if (chosen) {
            painter.setPen(QPen(colours.color(QPalette::Highlight), 2));
            painter.drawRect(bar.adjusted(1, 1, -1, -1));
        }
        if (m_problems && m_problems->hasProblems(static_cast<int>(interval.train)))
            painter.fillRect(bar.left(), bar.top() - 3, 6, 6, Qt::red);
        QString number = label(interval);
        if (!interval.stops || bar.width() <= metrics.horizontalAdvance(number) + 6) number.clear();
        drawn.push_back({bar, number});
    });
    rowStarts.push_back(drawn.size());
    m_shownLabels.clear();
    painter.setPen(Qt::white);
    for (std::size_t r = 0; r + 1 < rowStarts.size(); ++r) {
        for (std::size_t i = rowStarts[r]; i < rowStarts[r + 1]; ++i) {
            if (drawn[i].label.isEmpty()) continue;
            const QRect text = drawn[i].bar.adjusted(3, 0, -2, 0);
            bool covered = false;
            for (std::size_t j = i + 1; j < rowStarts[r + 1] && drawn[j].bar.left() <= text.right();
                 ++j) {
                covered = covered || drawn[j].bar.intersects(text);
            }
            if (covered) continue;
            painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, drawn[i].label);
            m_shownLabels.emplace_back(text, drawn[i].label);
        }
    }

    // Platform names and the header stay in place while the bars scroll under them.
    painter.fillRect(0, 0, kLabelWidth, height, colours.color(QPalette::Window));
    painter.setPen(colours.color(QPalette::Text));
    for (int row = 0; row < static_cast<int>(m_platforms.size()); ++row) {
        const int top = kHeaderHeight + row * kRowHeight - view.top;
        painter.drawText(
            QRect(6, top, kLabelWidth - 8, kRowHeight), Qt::AlignVCenter,
            QStringLiteral("Peron %1").arg(m_platforms[static_cast<std::size_t>(row)]));
    }
    if (m_platforms.empty()) {
        painter.drawText(QRect(0, 0, width, height), Qt::AlignCenter,
                         QStringLiteral("Żaden pociąg nie zajmuje peronu."));
    }

    // The legend, at the right of the header.
    const std::pair<QColor, QString> legend[] = {
        {groupColour(CategoryGroup::passengers), QStringLiteral("pasażerski")},
        {groupColour(CategoryGroup::goods), QStringLiteral("towarowy")},
        {groupColour(CategoryGroup::service), QStringLiteral("służbowy")},
        {kConflict, QStringLiteral("konflikt")}};
    int x = width - 8;
    for (auto it = std::rbegin(legend); it != std::rend(legend); ++it) {
        x -= metrics.horizontalAdvance(it->second);
        painter.drawText(x, kLegendBaseline, it->second);
        x -= 14;
        painter.fillRect(x, kLegendBaseline - 9, 10, 10, it->first);
        x -= 12;
    }
}

QByteArray PlatformChart::dayPicture(bool pdf, const QString& title) const {
    // An A4 page across, at 96 dots an inch: the whole day and every platform.
    const QSize page(1123, 794);
    const int titleHeight = 40;
    const View day{(page.width() - kLabelWidth - 8.0) / minutesPerDay, 0, 0, page.width(),
                   page.height() - titleHeight};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const auto paint = [&](QPainter& painter) {
        painter.drawText(QRect(0, 0, page.width(), titleHeight - 8),
                         Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.translate(0, titleHeight);
        paintChart(painter, day);
    };
    if (pdf) {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        writer.setResolution(96);
        writer.setTitle(title);
        QPainter painter(&writer);
        const QRect area = painter.viewport();
        painter.scale(area.width() / double(page.width()), area.height() / double(page.height()));
        paint(painter);
    } else {
        QImage image(page * 2, QImage::Format_RGB32);
        image.fill(palette().color(QPalette::Base));
        QPainter painter(&image);
        painter.scale(2, 2);
        paint(painter);
        painter.end();
        image.save(&buffer, "PNG");
    }
    return bytes;
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
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && m_chosen >= 0) {
        emit deleteRequested(m_chosen);
        return;
    }
    if (event->modifiers() & Qt::ControlModifier) {
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

void PlatformChart::mousePressEvent(QMouseEvent* event) {
    if (m_stale) rebuild();
    const int train = trainAt(event->position().toPoint());
    if (train < 0) return;
    setChosenTrain(train);
    emit trainClicked(train);
    if (event->button() == Qt::RightButton)
        emit menuRequested(train, event->globalPosition().toPoint());
}

void PlatformChart::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_stale) rebuild();
    const int train = trainAt(event->position().toPoint());
    if (train >= 0 && event->button() == Qt::LeftButton) emit trainActivated(train);
}

bool PlatformChart::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (m_stale) rebuild();
        const QPoint at = static_cast<QHelpEvent*>(event)->pos();
        std::size_t shown = m_intervals.size();
        forEachShownBar(shownView(), [&](std::size_t k, const QRect& rect) {
            if (rect.adjusted(-2, 0, 2, 0).contains(at)) shown = k;
        });
        if (shown < m_intervals.size()) {
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
