#pragma once

#include <QDialog>

#include "document/Timetable.h"
#include "texts/GeneralData.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace rylmo::texts {

// The station's name and file, the start time and the author information. "OK" accepts only
// texts that the file can hold; the caller stores values().
class GeneralDataDialog : public QDialog {
    Q_OBJECT
public:
    // stationFolder is where "..." starts looking for station files.
    GeneralDataDialog(const TimetableContent& content, const QString& stationFolder,
                      QWidget* parent = nullptr);

    // What "OK" stores; valid once the dialog was accepted.
    const GeneralData& values() const { return m_values; }

    // Handlers, also called by tests.
    void chooseStationFile();
    void confirm();
    void refreshStates();

private:
    QString m_stationFolder;
    bool m_hasStationNames;
    GeneralData m_values;

    QLineEdit* m_stationName;
    QLabel* m_stationNameHint;
    QLineEdit* m_stationPicture;
    QLabel* m_stationPictureHint;
    QPushButton* m_browseStationFile;
    QSpinBox* m_startHour;
    QSpinBox* m_startMinute;
    QPlainTextEdit* m_authorInfo;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace rylmo::texts
