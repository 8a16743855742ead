#include "editing/ProblemChecker.h"

#include <QtConcurrent/QtConcurrentRun>

#include "document/ConsistencyCheck.h"
#include "document/PolishCount.h"
#include "editing/EditingSession.h"

namespace rylmo::editing {

namespace {

constexpr int kWaitMs = 150;

}  // namespace

ProblemChecker::ProblemChecker(EditingSession& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session) {
    m_wait.setSingleShot(true);
    m_wait.setInterval(kWaitMs);
    connect(&m_wait, &QTimer::timeout, this, &ProblemChecker::start);
    connect(&m_watcher, &QFutureWatcher<CheckResult>::finished, this, &ProblemChecker::finished);
    auto changed = [this] {
        m_pending = true;
        m_wait.start();
    };
    connect(&session, &EditingSession::listChanged, this, changed);
    connect(&session, &EditingSession::generalTextChanged, this, changed);
    connect(&session, &EditingSession::documentReplaced, this, changed);
    connect(&session, &EditingSession::contentAboutToChange, this, &ProblemChecker::letGo);
}

ProblemChecker::~ProblemChecker() {
    letGo();
}

// The check reads the session's content itself, copying nothing; every change first stops
// it (within one entry's check) and waits for it, and the change's signal then starts the
// wait for a new check.
void ProblemChecker::start() {
    if (m_watcher.isRunning()) {
        m_again = true;
        return;
    }
    m_watcher.setFuture(QtConcurrent::run(
        [this] { return checkTimetable(m_session.content(), listLimit, &m_stop, m_dwell); }));
}

void ProblemChecker::letGo() {
    if (!m_watcher.isRunning()) return;
    m_stop = true;
    m_watcher.waitForFinished();
    m_stop = false;
}

void ProblemChecker::setDwellTimes(DwellTimes dwell) {
    m_dwell = dwell;
    m_pending = true;
    m_wait.start();
}

void ProblemChecker::finished() {
    CheckResult result = m_watcher.result();
    if (m_again || result.stopped) {
        m_again = false;
        if (!m_wait.isActive()) start();
        return;
    }
    setResult(std::move(result));
}

void ProblemChecker::checkNow() {
    m_wait.stop();
    m_watcher.waitForFinished();
    m_again = false;
    setResult(checkTimetable(m_session.content(), listLimit, nullptr, m_dwell));
}

void ProblemChecker::setResult(CheckResult result) {
    beginResetModel();
    m_pending = false;
    m_result = std::move(result);
    m_byTrain.assign(m_result.trainFindings.size(), {});
    for (std::size_t i = 0; i < m_result.problems.size(); ++i) {
        const Problem& p = m_result.problems[i];
        if (!isAboutTrain(p.section)) continue;
        for (std::size_t train : {p.entry, p.otherEntry}) {
            if (train < m_byTrain.size()) m_byTrain[train].push_back(static_cast<int>(i));
        }
    }
    endResetModel();
    emit problemsChanged();
}

bool ProblemChecker::hasProblems(int train) const {
    return train >= 0 && static_cast<std::size_t>(train) < m_result.trainFindings.size() &&
           m_result.trainFindings[static_cast<std::size_t>(train)] > 0;
}

QString ProblemChecker::trainProblems(int train) const {
    if (train < 0 || static_cast<std::size_t>(train) >= m_result.trainFindings.size()) return {};
    const auto t = static_cast<std::size_t>(train);
    const uint32_t count = m_result.trainFindings[t];
    if (count == 0) return {};
    QStringList messages;
    for (const int i : m_byTrain[t])
        messages << QString::fromStdString(m_result.problems[static_cast<std::size_t>(i)].message);
    if (count > m_byTrain[t].size()) {
        messages << QString::fromStdString("i " + polishCount(count - m_byTrain[t].size(),
                                                              "inny problem", "inne problemy",
                                                              "innych problemów"));
    }
    return messages.join(QLatin1Char('\n'));
}

int ProblemChecker::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_result.problems.size());
}

int ProblemChecker::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant ProblemChecker::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= m_result.problems.size())
        return {};
    const Problem& p = m_result.problems[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case 0:
                return QString::fromUtf8(sectionTitle(p.section));
            case 1:
                return QString::fromStdString(entryNumber(p.section, p.entry));
            default:
                return QString::fromStdString(p.message);
        }
    }
    if (role == Qt::ToolTipRole) return QString::fromStdString(describe(p));
    return {};
}

QVariant ProblemChecker::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case 0:
            return QStringLiteral("Sekcja");
        case 1:
            return QStringLiteral("Pozycja");
        default:
            return QStringLiteral("Opis");
    }
}

}  // namespace rylmo::editing
