#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace rylmo {
class ProfileFile;
}

namespace rylmo::app {

// The options dialog: the rolling-stock folder and the station folder. It only offers what
// the user typed or chose; the main window stores it.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(const std::string& rollingStockFolder, const ProfileFile& settings,
                  QWidget* parent = nullptr);

    QString rollingStockFolder() const;
    QString stationFolder() const;
    bool keepsReferences() const;

    void browseRollingStockFolder();
    void browseStationFolder();

private:
    QLineEdit* m_rollingStockFolder;
    QLineEdit* m_stationFolder;
    QCheckBox* m_keepReferences;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_browseRollingStock;
    QPushButton* m_browseStations;
};

}  // namespace rylmo::app
