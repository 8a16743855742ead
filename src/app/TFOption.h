#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace rylmo {
class ProfileFile;
}

namespace rylmo::app {

// The options dialog: the rolling-stock folder and the station folder. It only offers what
// the user typed or chose; the main window stores it.
class TFOption : public QDialog {
    Q_OBJECT
public:
    TFOption(const std::string& rollingStockFolder, const ProfileFile& settings,
             QWidget* parent = nullptr);

    QString rollingStockFolder() const;
    QString stationFolder() const;

    void Button3Click();
    void Button4Click();

private:
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
};

}  // namespace rylmo::app
