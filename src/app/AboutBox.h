#pragma once

#include <QDialog>

class QLabel;

namespace rylmo::app {

// The about box: the program's icon and title, a mail link and an empty text box.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    void mailAddressClicked();

private:
    QLabel* m_mailAddress;
};

}  // namespace rylmo::app
