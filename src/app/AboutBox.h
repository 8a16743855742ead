#pragma once

#include <QDialog>

namespace rylmo::app {

// The about box: the program's icon and title, and its version in a text box.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace rylmo::app
