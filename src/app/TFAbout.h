#pragma once

#include <QDialog>

class QLabel;

namespace rylmo::app {

// The about box: the program's icon and title, a mail link and an empty text box.
class TFAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFAbout(QWidget* parent = nullptr);

    void LabelMailClick();

private:
    QLabel* LabelMail;
};

}  // namespace rylmo::app
