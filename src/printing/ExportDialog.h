#pragma once

#include <QDialog>

#include "document/TimetableSheets.h"
#include "render/Exports.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QTimeEdit;
class QPushButton;

namespace rylmo::printing {

using render::defaultFilter;
using render::Destination;
using render::ExportChoice;
using render::SheetChoice;

// "Drukuj..." and "Eksportuj...": what, which trains and where. The boards start with the
// passenger trains, the other sheets with all; the whole day from dayStart (minutes after
// midnight) is the time window until it is unticked. The platform chart is the whole day and
// goes to the printer or a PDF only.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportDialog(bool printing, int32_t dayStart, std::vector<std::size_t> selected,
                 QWidget* parent = nullptr);

    ExportChoice choice() const;

private:
    void whatChosen();
    void refreshStates();

    std::vector<std::size_t> m_selected;
    QComboBox* m_sheetKind;
    QCheckBox* m_passengerTrains;
    QCheckBox* m_goodsTrains;
    QCheckBox* m_serviceTrains;
    QCheckBox* m_wholeDay;
    QTimeEdit* m_fromTime;
    QTimeEdit* m_toTime;
    QCheckBox* m_selectedOnly;
    QRadioButton* m_toPrinter;
    QRadioButton* m_toPdf;
    QRadioButton* m_toHtml;
    QRadioButton* m_toCsv;
    QPushButton* m_ok = nullptr;
};

}  // namespace rylmo::printing
