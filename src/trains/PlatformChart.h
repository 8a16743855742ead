#pragma once

#include <QAbstractScrollArea>
#include <QTimer>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "document/PlatformLayout.h"
#include "document/StayMoves.h"
#include "render/ChartPainting.h"

class QMenu;

namespace rylmo::editing {
class EditingSession;
class ProblemChecker;
}  // namespace rylmo::editing

namespace rylmo::trains {

// The chart's geometry and painting lie in the rendering layer, which export shares.
namespace chart = render::chart;
using render::ChartMarks;
using render::ChartView;

// "Zajętość peronów": one row per platform the timetable uses, the time of day across, each
// train's stay as a bar labelled with its number and coloured by what it carries; bars that
// share a platform with another consist are red, trains that do not stop a thin tick. It
// follows every change of the session; Ctrl+wheel and Ctrl+plus/minus zoom around the cursor,
// Ctrl+0 fits the day.
//
// Platforms are planned on it: a bar dragged to another row moves the stay (with its consist)
// to that platform, dragged with Shift it moves the train in time; a ghost bar shows where it
// would go, red when it would conflict, and Esc cancels. For the chosen bar, Alt+Up/Down moves
// it a platform, Alt+Left/Right a minute (with Shift ten), Tab and Shift+Tab step through the
// bars in time order and Enter opens the train. Each move is one undoable step.
class PlatformChart : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PlatformChart(editing::EditingSession& session, QWidget* parent = nullptr);

    // The times a train ending or starting its run here holds its platform.
    void setDwellTimes(DwellTimes dwell);
    DwellTimes dwellTimes() const { return m_dwell; }

    // The whole day in the window.
    void fitDay();
    // What the window shows across: from a minute of the day, so many minutes.
    struct Span {
        double firstMinute = 0;
        double minutes = minutesPerDay;
    };
    Span shownSpan() const;
    void showSpan(const Span& span);
    // The span a chart opens on: the hours around the chosen train's first stay, or else
    // after the timetable's start time.
    Span openingSpan();
    // Zooms by factor, keeping the minute at viewport x where it is.
    void zoomBy(double factor, int x);
    void setVisible(bool visible) override;
    // Shows the train as chosen (bold outline); -1 for none.
    void setChosenTrain(int train);
    // The chosen train's stay that keys act on, or layout().intervals().size().
    std::size_t chosenStay();
    // The station's platform count: rows run from 1 to it, or to the highest platform a stay
    // holds when that is more.
    void setPlatformCount(int count);
    int platformCount() const { return m_layout.platformCount(); }
    int rowCount() const { return static_cast<int>(m_layout.rows().size()); }
    // "Przenieś na peron", filled for the chosen stay each time it opens.
    QMenu* moveMenu() const { return m_moveMenu; }
    // What a running drag would do, and its tooltip; nothing when no drag runs.
    const MoveOutcome* dragOutcome() const;
    QString dragText() const;
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
    // The layout as shown, built anew first when the session changed.
    const PlatformLayout& layout();
    // What a paint marks: the chosen trains, the readable labels, the trains with findings.
    ChartMarks marks() const;
    // The labels the last paint wrote, where it wrote them.
    const std::vector<std::pair<QRect, QString>>& shownLabels() const { return m_shownLabels; }

signals:
    // A bar was clicked; -1: the chart beside the bars.
    void trainClicked(int train);
    void trainActivated(int train);
    void menuRequested(int train, const QPoint& globalPosition);
    void deleteRequested(int train);
    // The rows shown changed in number.
    void rowsChanged(int rows);
    // Zoomed, fitted or scrolled across.
    void spanChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void rebuild();
    // The session changed: the chart is rebuilt once the burst of edits is through.
    void changed();
    void trainsChanged(int first, int last);
    void showRebuilt();
    void refreshScrollBars();
    ChartView shownView() const;
    // The stay shown at a viewport point, or intervals().size().
    std::size_t stayAt(const QPoint& point) const;
    QString summary(std::size_t interval) const;
    // Keys on the chosen stay: a platform up or down, or minutes in time.
    void moveChosen(int platformStep, int32_t minutes);
    // Chooses the next (or previous) bar in time order and scrolls it into view.
    void stepChosen(bool forward);
    void choose(std::size_t stay);
    void updateDrag(const QPoint& at, Qt::KeyboardModifiers modifiers);
    void endDrag(bool drop);
    void fillMoveMenu();

    // A bar pressed, and once the mouse has moved far enough, dragged.
    struct Drag {
        std::size_t stay = 0;
        QPoint from;
        bool started = false;
        bool inTime = false;
        int32_t platform = 0;
        int32_t minutes = 0;
        std::vector<TrainChange> changes;
        MoveOutcome outcome;
        std::size_t shown = 0;  // the dragged stay's place in outcome.stays
        QString text;
    };

    editing::EditingSession& m_session;
    QTimer m_rebuild;
    bool m_stale = true;  // the session changed since the chart was built
    PlatformLayout m_layout;
    DwellTimes m_dwell;
    double m_pixelsPerMinute = 1.0;
    bool m_fitted = true;
    int m_chosen = -1;
    int m_chosenToo = -1;
    bool m_chosenArrivalSide = true;
    int m_shownRows = -1;
    std::optional<Drag> m_drag;
    QMenu* m_moveMenu = nullptr;
    bool m_readable = false;
    const editing::ProblemChecker* m_problems = nullptr;
    std::vector<std::pair<QRect, QString>> m_shownLabels;
};

}  // namespace rylmo::trains
