#pragma once

#include <QDialog>
#include <optional>

#include "document/Timetable.h"
#include "passages/PassageForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTableWidget;

namespace rylmo::ui {
class PictureStrip;
}

namespace rylmo::passages {

// One locomotive passage: the type and depot, the arriving and departing train, and the
// probability entry. The strips preview the passage being entered among the others; the
// document changes only when the passages dialog stores passage() after "OK".
class PassageDialog : public QDialog {
    Q_OBJECT
public:
    // standsFor is the passage the one being entered stands in for in the preview (the one
    // edited); -1 for a new passage, shown beside all the others.
    PassageDialog(const Timetable& document, int standsFor, QWidget* parent = nullptr);

    void fillFromPassage(const LocomotivePassage& passage);

    PassageForm form() const;
    LocomotivePassage passage() const {
        return passageFromForm(form(), m_shown, m_original, m_sizes);
    }

    const ui::PictureStrip& arrivingStrip() const { return *m_arrivingStrip; }
    const ui::PictureStrip& departingStrip() const { return *m_departingStrip; }

    // Handlers, also called by tests.
    void typeChosen();
    void depotChosen();
    void rebuildStrip(bool arriving);
    void refreshGrid();
    void refreshStates();

private:
    void liveWrite();
    void fillSlider(QSlider* slider, int position);
    int64_t shownTrain(bool arriving) const;

    const Timetable& m_document;
    PassageSizes m_sizes;
    int m_standsFor;
    std::optional<LocomotivePassage> m_live;  // what the passage stood for holds in the preview
    LocomotivePassage m_original;  // the stored passage, or the plain passage of a new one
    PassageForm m_shown;           // the controls as filled

    QComboBox* m_type;
    QComboBox* m_depot;
    QCheckBox* m_fromAssignedDepot;
    QLabel* m_assignedDepotHint;
    QCheckBox* m_skipTable;
    QLabel* m_tableCaption;
    QSlider* m_probability;
    QTableWidget* m_grid;
    QLabel* m_arrivingCaption;
    QSlider* m_arrivingTrain;
    ui::PictureStrip* m_arrivingStrip;
    QLabel* m_departingCaption;
    QSlider* m_departingTrain;
    ui::PictureStrip* m_departingStrip;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace rylmo::passages
