// The main window's way from a finding of the problems panel to the window that mends it.
#include <QAction>

#include "app/MainWindow.h"
#include "coaches/CoachesDialog.h"
#include "coaches/CompositionsDialog.h"
#include "document/Problem.h"
#include "editing/ProblemChecker.h"
#include "locomotives/DepotDialog.h"
#include "locomotives/LocomotiveTypesDialog.h"
#include "passages/PassagesDialog.h"
#include "passages/ProbabilityTableDialog.h"
#include "texts/TextCommands.h"
#include "trains/PlatformChart.h"
#include "ui/Prompter.h"

namespace rylmo::app {

void MainWindow::goToProblem(int row) {
    const std::vector<Problem>& problems = m_problems->problems();
    if (row < 0 || static_cast<std::size_t>(row) >= problems.size()) return;
    const Problem& problem = problems[static_cast<std::size_t>(row)];
    const int entry = problem.entry == Problem::wholeSection ? -1 : static_cast<int>(problem.entry);
    switch (problem.section) {
        case Section::trains:
            selectTrain(entry);
            if (selectedTrain() == entry) m_editTrain->trigger();
            return;
        case Section::locomotiveTypes:
        case Section::depot:
        case Section::passages:
        case Section::probabilities:
        case Section::coaches:
        case Section::compositions:
            showList(problem.section, entry);
            return;
        case Section::generalData:
            m_generalData->trigger();
            return;
        case Section::platforms: {
            // The chart at the time of the conflict, both trains chosen, in the list as well.
            if (entry < 0) return;
            const int other = problem.otherEntry < m_session.content().trains.size()
                                  ? static_cast<int>(problem.otherEntry)
                                  : -1;
            selectTrains(other < 0 ? std::vector<int>{entry} : std::vector<int>{entry, other});
            m_showChart->setChecked(true);
            showChosenView();
            m_chart->showTrains(entry, other);
            return;
        }
        case Section::depotNames:
        case Section::stationNames:
        case Section::trainNames:
            texts::editNames(m_session, this, m_names->text(),
                             QString::fromUtf8(sectionTitle(problem.section)));
            return;
    }
}

void MainWindow::showList(Section section, int entry) {
    switch (section) {
        case Section::locomotiveTypes:
            ui::showListWindow<locomotives::LocomotiveTypesDialog>(this, m_locomotiveTypes->text(),
                                                                   entry, m_session);
            return;
        case Section::depot:
            ui::showListWindow<locomotives::DepotDialog>(this, m_depot->text(), entry, m_session);
            return;
        case Section::passages:
            ui::showListWindow<passages::PassagesDialog>(this, m_passages->text(), entry,
                                                         m_session);
            return;
        case Section::probabilities:
            ui::showListWindow<passages::ProbabilityTableDialog>(this, m_probabilityTable->text(),
                                                                 entry, m_session);
            return;
        case Section::coaches:
            ui::showListWindow<coaches::CoachesDialog>(this, m_coaches->text(), entry, m_session);
            return;
        case Section::compositions:
            ui::showListWindow<coaches::CompositionsDialog>(this, m_compositions->text(), entry,
                                                            m_session, m_coaches->text(),
                                                            m_locomotiveTypes->text());
            return;
        default:
            return;
    }
}

}  // namespace rylmo::app
