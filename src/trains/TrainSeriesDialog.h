#pragma once

#include <QDialog>
#include <cstddef>
#include <vector>

#include "document/Timetable.h"
#include "document/TrainCopies.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace rylmo::trains {

// "Kopiuj pociągi..." and "Przesuń czas...": how far to move the chosen trains in time and,
// for copies, how to renumber them and how many series to make, with a line that shows what
// comes of the first train. "OK" with copies that would leave the train numbers' range says
// why and stays. Copies of trains coupled with others can take the whole consists along. The
// values confirmed last are offered again while the program runs.
class TrainSeriesDialog : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { copy, shift };
    TrainSeriesDialog(Purpose purpose, const std::vector<Train>& trains,
                      std::vector<std::size_t> group, QWidget* parent = nullptr);

    CopyRule rule() const;
    // The chosen trains, with the trains coupled with them when they are to come along.
    std::vector<std::size_t> group() const;
    QString preview() const;
    // Offers the first values again (60 minutes, no number change, one copy).
    static void forgetValues();

private:
    void refreshPreview();
    void confirm();

    Purpose m_purpose;
    const std::vector<Train>& m_trains;
    std::vector<std::size_t> m_group;
    std::vector<std::size_t> m_withCoupled;  // the group and its consists
    QSpinBox* m_minutes;
    QCheckBox* m_takeCoupled = nullptr;
    QSpinBox* m_numberChange = nullptr;
    QSpinBox* m_copies = nullptr;
    QLabel* m_preview;
};

}  // namespace rylmo::trains
