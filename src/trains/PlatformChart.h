#pragma once

#include <QAbstractScrollArea>
#include <QByteArray>
#include <QTimer>
#include <array>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "document/Occupancy.h"

class QPainter;

namespace rylmo::editing {
class EditingSession;
class ProblemChecker;
}  // namespace rylmo::editing

namespace rylmo::trains {

// "Zajętość peronów": one row per platform the timetable uses, the time of day across, each
// train's stay as a bar labelled with its number and coloured by what it carries; bars that
// share a platform with another consist are red, trains that do not stop a thin tick. It
// follows every change of the session; Ctrl+wheel and Ctrl+plus/minus zoom around the cursor,
// Ctrl+0 fits the day.
class PlatformChart : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PlatformChart(editing::EditingSession& session, QWidget* parent = nullptr);

    // The times a train ending or starting its run here holds its platform.
    void setDwellTimes(DwellTimes dwell);
    DwellTimes dwellTimes() const { return m_dwell; }

    // The whole day in the window.
    void fitDay();
    // Zooms by factor, keeping the minute at viewport x where it is.
    void zoomBy(double factor, int x);
    void setVisible(bool visible) override;
    // Shows the train as chosen (bold outline); -1 for none.
    void setChosenTrain(int train);
    // Trains with findings carry the list's red mark at the start of their bars.
    void setProblems(const editing::ProblemChecker* checker);
    // Labels bars with the trains' names too, as the readable list does.
    void setReadable(bool readable);
    // Both trains chosen, the first one's stay in view.
    void showTrains(int first, int second);

    // For the window and tests: the train whose bar lies at a viewport point, or -1; where
    // the first bar of a train lies (empty when it holds no platform).
    int trainAt(const QPoint& point) const;
    QRect barOf(int train) const;
    const std::vector<PlatformInterval>& intervals() const { return m_intervals; }
    const std::vector<bool>& conflicting() const { return m_conflicting; }
    // The labels the last paint wrote, where it wrote them.
    const std::vector<std::pair<QRect, QString>>& shownLabels() const { return m_shownLabels; }

    // The whole day on an A4 page across, under title: a PDF document, else a PNG picture.
    QByteArray dayPicture(bool pdf, const QString& title) const;

signals:
    void trainClicked(int train);
    void trainActivated(int train);
    void menuRequested(int train, const QPoint& globalPosition);
    void deleteRequested(int train);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void rebuild();
    // The session changed: the chart is rebuilt once the burst of edits is through.
    void changed();
    void trainsChanged(int first, int last);
    void showRebuilt();
    void indexPlatform(std::size_t platform);
    void refreshScrollBars();
    int rowOf(int32_t platform) const;
    // What part of the chart a painting shows, at what scale.
    struct View {
        double pixelsPerMinute;
        int left;  // scrolled by, in pixels
        int top;
        int width;
        int height;

        int xOf(double minute) const;
        QRect pieceRect(int row, int lane, int32_t start, int32_t end) const;
    };
    View shownView() const;
    void paintChart(QPainter& painter, const View& view) const;
    void assignLanes(const std::vector<std::size_t>& positions);
    // Calls visit(interval, rect) for the bars that show in the viewport (both pieces of a
    // stay over midnight).
    template <class Visit>
    void forEachShownBar(const View& view, Visit visit) const;
    QString summary(std::size_t interval) const;
    QString label(const PlatformInterval& interval) const;

    const editing::EditingSession& m_session;
    QTimer m_rebuild;
    bool m_stale = true;  // the session changed since the chart was built
    std::vector<PlatformInterval> m_intervals;
    std::vector<bool> m_conflicting;
    std::vector<uint8_t> m_lanes;                           // by interval
    std::array<std::vector<std::size_t>, 10> m_byPlatform;  // interval positions by start
    std::array<int32_t, 10> m_longest{};                    // longest stay of each platform
    // The latest end in each block of m_byPlatform's positions: a paint skips whole blocks
    // that end before the window, so that a stay of many hours does not make it look at every
    // bar after its start.
    std::array<std::vector<int32_t>, 10> m_blockEnds;
    // The stays of each platform that pass midnight, latest end first.
    std::array<std::vector<std::size_t>, 10> m_overMidnight;
    std::unique_ptr<Consists> m_consists;
    std::vector<std::size_t> m_firstInterval;  // of each train's stays; one more at the end
    std::vector<std::pair<int32_t, int32_t>> m_couplings;  // by train, as last rebuilt
    std::vector<int32_t> m_platforms;                      // the rows: platforms in use
    DwellTimes m_dwell;
    double m_pixelsPerMinute = 1.0;
    bool m_fitted = true;
    int m_chosen = -1;
    int m_chosenToo = -1;
    bool m_readable = false;
    const editing::ProblemChecker* m_problems = nullptr;
    mutable std::vector<std::pair<QRect, QString>> m_shownLabels;
};

}  // namespace rylmo::trains
