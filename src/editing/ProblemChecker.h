#pragma once

#include <QAbstractTableModel>
#include <QFutureWatcher>
#include <QTimer>
#include <atomic>
#include <vector>

#include "document/ConsistencyCheck.h"
#include "document/Problem.h"

namespace rylmo::editing {

class EditingSession;

// The consistency check of the session's timetable, kept up to date without blocking the
// user: every change restarts a short wait, then the check runs in the background on the
// content itself, which every change first makes it let go of; a change during a check
// makes another one follow. The findings are rows:
// section, entry, message; at most the first listLimit are listed, all are counted.
class ProblemChecker : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ProblemChecker(EditingSession& session, QObject* parent = nullptr);
    ~ProblemChecker() override;

    static constexpr std::size_t listLimit = 10000;

    const std::vector<Problem>& problems() const { return m_result.problems; }
    // All findings, listed or not.
    std::size_t total() const { return m_result.total; }
    // The messages about the train at 0-based position train; empty when it has none.
    QString trainProblems(int train) const;
    // Whether the train at 0-based position train has findings; cheap.
    bool hasProblems(int train) const;
    // Whether a change has not yet reached the findings.
    bool isChecking() const { return m_pending; }

    // The dwell times platform conflicts are found with; checks again.
    void setDwellTimes(DwellTimes dwell);

    // Checks now, waiting for the result (for tests and the timing tool).
    void checkNow();
    // How long the checker waits after a change before it checks (150 ms; 0 for tests).
    void setDelay(int milliseconds) { m_wait.setInterval(milliseconds); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void problemsChanged();

private:
    void start();
    void letGo();
    void finished();
    void setResult(CheckResult result);

    EditingSession& m_session;
    QTimer m_wait;
    QFutureWatcher<CheckResult> m_watcher;
    std::atomic<bool> m_stop = false;
    DwellTimes m_dwell;
    bool m_again = false;
    bool m_pending = false;
    CheckResult m_result;
    std::vector<std::vector<int>>
        m_byTrain;  // listed rows of each train with findings, by position
};

}  // namespace rylmo::editing
