#include "editing/ProblemChecker.h"

#include <QtConcurrent/QtConcurrentRun>

#include "document/ConsistencyCheck.h"
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
    connect(&m_watcher, &QFutureWatcher<std::vector<Problem>>::finished, this, &ProblemChecker::finished);
    auto changed = [this] {
        m_pending = true;
        m_wait.start();
    };
    connect(&session, &EditingSession::listChanged, this, changed);
    connect(&session, &EditingSession::generalTextChanged, this, changed);
    connect(&session, &EditingSession::documentReplaced, this, changed);
}

ProblemChecker::~ProblemChecker() { m_watcher.waitForFinished(); }

void ProblemChecker::start() {
    if (m_watcher.isRunning()) {
        m_again = true;
        return;
    }
    // The check works on a copy: the user goes on editing meanwhile.
    m_watcher.setFuture(QtConcurrent::run([content = m_session.content()] { return checkTimetable(content); }));
}

void ProblemChecker::finished() {
    if (m_again) {
        m_again = false;
        start();
        return;
    }
    setProblems(m_watcher.result());
}

void ProblemChecker::checkNow() {
    m_wait.stop();
    m_watcher.waitForFinished();
    m_again = false;
    setProblems(checkTimetable(m_session.content()));
}

void ProblemChecker::setProblems(std::vector<Problem> problems) {
    beginResetModel();
    m_pending = false;
    m_problems = std::move(problems);
    m_byTrain.assign(m_session.content().trains.size(), {});
    for (std::size_t i = 0; i < m_problems.size(); ++i) {
        const Problem& p = m_problems[i];
        if (p.section == "Pociągi" && p.entry >= 1 && p.entry <= m_byTrain.size()) {
            m_byTrain[p.entry - 1].push_back(static_cast<int>(i));
        }
    }
    endResetModel();
    emit problemsChanged();
}

QString ProblemChecker::trainProblems(int train) const {
    if (train < 0 || static_cast<std::size_t>(train) >= m_byTrain.size()) return {};
    QStringList messages;
    for (const int i : m_byTrain[static_cast<std::size_t>(train)]) {
        messages << QString::fromStdString(m_problems[static_cast<std::size_t>(i)].message);
    }
    return messages.join(QLatin1Char('\n'));
}

int ProblemChecker::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_problems.size());
}

int ProblemChecker::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant ProblemChecker::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= m_problems.size()) return {};
    const Problem& p = m_problems[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case 0: return QString::fromStdString(p.section);
            case 1: return p.entry > 0 ? QVariant(static_cast<qulonglong>(p.entry)) : QVariant(QString());
            default: return QString::fromStdString(p.message);
        }
    }
    if (role == Qt::ToolTipRole) return QString::fromStdString(p.describe());
    return {};
}

QVariant ProblemChecker::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case 0: return QStringLiteral("Sekcja");
        case 1: return QStringLiteral("Pozycja");
        default: return QStringLiteral("Opis");
    }
}

}  // namespace rylmo::editing
