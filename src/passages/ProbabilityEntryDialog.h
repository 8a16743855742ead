#pragma once

#include <QDialog>

#include "document/Timetable.h"
#include "passages/ProbabilityValues.h"

class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

namespace rylmo::passages {

// The percentages of one probability entry, one locomotive type at a time. It never
// changes the document; the probability table takes values() after "OK".
class ProbabilityEntryDialog : public QDialog {
    Q_OBJECT
public:
    ProbabilityEntryDialog(const Timetable& document, const ProbabilityValues& values,
                           QWidget* parent = nullptr);

    const ProbabilityValues& values() const { return m_values; }

    // Handlers, also called by tests.
    void showType();
    void percentChanged(int value);

private:
    void refreshSum();
    int type() const;

    const Timetable& m_document;
    ProbabilityValues m_values;
    QSlider* m_typeSlider;
    QLabel* m_picture;
    QLabel* m_description;
    QSpinBox* m_percent;
    QLabel* m_sum;
    QLabel* m_notice;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace rylmo::passages
