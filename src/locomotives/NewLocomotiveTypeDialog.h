#pragma once

#include <QDialog>

#include "document/Timetable.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace rylmo::locomotives {

// "Nowa lokomotywa": the picture name, type name, hierarchy and kind of a new locomotive
// type. The four are written to the file as words separated by blanks, so "OK" accepts only
// words without blanks that the file can hold.
class NewLocomotiveTypeDialog : public QDialog {
    Q_OBJECT
public:
    // rollingStockFolder is where "Przeglądaj..." starts.
    explicit NewLocomotiveTypeDialog(const QString& rollingStockFolder, QWidget* parent = nullptr);

    // The type the fields give; valid when "OK" is enabled.
    LocomotiveType type() const;

    // Handlers, also called by tests.
    void browse();
    void refreshStates();

    // Why "OK" is disabled; empty when it is enabled.
    QString refusal() const;

private:
    QString m_rollingStockFolder;
    QLineEdit* m_pictureName;
    QPushButton* m_browse;
    QLineEdit* m_typeName;
    QSpinBox* m_hierarchy;
    QComboBox* m_kind;
    QLabel* m_picture;
    QLabel* m_hint;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace rylmo::locomotives
