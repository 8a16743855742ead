#pragma once

#include <QDialog>
#include <cstddef>
#include <vector>

#include "document/Timetable.h"
#include "document/TrainCopies.h"

class QLabel;
class QSpinBox;

namespace rylmo::trains {

// "Kopiuj pociągi..." and "Przesuń czas...": how far to move the chosen trains in time and,
// for copies, how to renumber them and how many series to make, with a line that shows what
// comes of the first train. "OK" with copies that would leave the train numbers' range says
// why and stays.
class TrainSeriesDialog : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { copy, shift };
    TrainSeriesDialog(Purpose purpose, const std::vector<Train>& trains,
                      std::vector<std::size_t> group, QWidget* parent = nullptr);

    CopyRule rule() const;
    QString preview() const;

private:
    void refreshPreview();
    void confirm();

    Purpose m_purpose;
    const std::vector<Train>& m_trains;
    std::vector<std::size_t> m_group;
    QSpinBox* m_minutes;
    QSpinBox* m_numberChange = nullptr;
    QSpinBox* m_copies = nullptr;
    QLabel* m_preview;
};

}  // namespace rylmo::trains
