#pragma once

#include <QDockWidget>

namespace rylmo::editing {
class ProblemChecker;
}

namespace rylmo::app {

// "Problemy": the findings of the checker as a list, its title counting them; a finding
// activated (double-click, Enter) is reported by its row.
class ProblemsPanel : public QDockWidget {
    Q_OBJECT
public:
    ProblemsPanel(editing::ProblemChecker& problems, QWidget* parent);

    // The height that shows at least four rows of findings.
    int fittingHeight() const;

signals:
    void problemActivated(int row);

private:
    void refreshTitle();

    editing::ProblemChecker& m_problems;
};

}  // namespace rylmo::app
