#pragma once

#include <QDialog>

#include "document/Timetable.h"
#include "locomotives/DepotEntryForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

namespace rylmo::locomotives {

// One depot entry: the locomotive type, the depot, how many, and where a single locomotive
// stands at the station. It never changes the document; the depot dialog takes entry().
class DepotEntryDialog : public QDialog {
    Q_OBJECT
public:
    DepotEntryDialog(const Timetable& document, QWidget* parent = nullptr);

    // Fills the controls from a stored entry; without it the dialog shows a new entry.
    void fillFromEntry(const DepotEntry& entry);

    DepotEntryForm form() const;
    DepotEntry entry() const { return depotEntryFromForm(form(), m_shown, m_original); }

    // Handlers, also called by tests.
    void typeMoved();
    void refreshStates();

private:
    void setForm(const DepotEntryForm& form);

    const Timetable& m_document;
    DepotEntry m_original{};  // the stored entry, or the plain entry of a new one
    DepotEntryForm m_shown;   // the controls as filled: what the user leaves so keeps m_original
    int32_t m_type = 1;       // the stored type until the user moves the track bar

    QSlider* m_typeSlider;
    QLabel* m_typeCounter;
    QComboBox* m_depot;
    QSpinBox* m_count;
    QCheckBox* m_atStation;
    QSpinBox* m_coordinate;
    QComboBox* m_standPosition;
    QSpinBox* m_trackNumber;
    QCheckBox* m_coupleRight;
    QLabel* m_typePicture;
    QLabel* m_typeName;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace rylmo::locomotives
