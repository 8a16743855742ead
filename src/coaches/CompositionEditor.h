#pragma once

#include <QDialog>

#include "coaches/CompositionRow.h"
#include "document/Timetable.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace rylmo::coaches {

// Builds a composition vehicle by vehicle. It never changes the document; the compositions
// dialog stores row().text() after "OK".
class CompositionEditor : public QDialog {
    Q_OBJECT
public:
    CompositionEditor(const Timetable& document, const std::vector<int32_t>& row,
                      QWidget* parent = nullptr);

    const CompositionRow& row() const { return m_row; }

    // Handlers, also called by tests.
    void insertVehicle();
    void removeVehicle();
    void changeVehicle();
    void preview();
    void showVehicle();
    void refreshStates();

private:
    void showPicture(const QString& name, int32_t number);

    const Timetable& m_document;
    CompositionRow m_row;
    QSlider* m_vehicles;
    QLabel* m_counter;
    QPushButton* m_insert;
    QPushButton* m_remove;
    QComboBox* m_type;
    QPushButton* m_change;
    QLabel* m_picture;
    QPushButton* m_preview;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace rylmo::coaches
