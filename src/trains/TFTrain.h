#pragma once

#include <QDialog>

#include "document/Timetable.h"
#include "trains/TrainForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace rylmo::ui {
class PictureStrip;
}

namespace rylmo::trains {

// The train dialog: every edited field of one train on two pages. It never changes the
// document; the train commands read its values after "OK".
class TFTrain : public QDialog {
    Q_OBJECT
public:
    TFTrain(const Timetable& document, QWidget* parent = nullptr);

    // The train being edited, set before FillFromTrain; all zeros for a new train.
    void setTrainCopy(const Train& train) { TrainCopy = train; }
    const Train& trainCopy() const { return TrainCopy; }

    void FillDefaults();
    void FillFromTrain();

    // What the controls hold, and the train they give back with TrainCopy as the stored one.
    TrainForm form() const;
    Train train() const;

    // The depot list is available: the chosen vehicle is a self-propelled unit.
    bool depotAvailable() const;

    // Handlers, also called by tests.
    void ComboBox8Change();
    void TrackBar1Change();
    void refreshStates();

    // Where the composition preview placed its pictures.
    const ui::PictureStrip& compositionStrip() const { return *ScrollBox1; }

private:
    void buildGeneralPage(QWidget* page);
    void buildTrainPage(QWidget* page);
    void setForm(const TrainForm& form);

    const Timetable& m_document;
    TrainListSizes m_sizes;
    Train TrainCopy;
    int m_composition = 0;  // the stored position until the user moves the track bar

    QTabWidget* PageControl1;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QComboBox* ComboBox4;
    QComboBox* ComboBox5;
    QComboBox* ComboBox6;
    QComboBox* ComboBox7;
    QComboBox* ComboBox8;
    QComboBox* ComboBox9;
    QComboBox* ComboBox10;
    QComboBox* ComboBox11;
    QComboBox* ComboBox12;
    QComboBox* ComboBox13;
    QComboBox* ComboBox14;
    QComboBox* ComboBox15;
    QComboBox* ComboBox16;
    QComboBox* ComboBox17;
    QSpinBox* SpinEdit1;
    QSpinBox* SpinEdit2;
    QSpinBox* SpinEdit3;
    QSpinBox* SpinEdit4;
    QSpinBox* SpinEdit5;
    QSpinBox* SpinEdit6;
    QSpinBox* SpinEdit7;
    QSpinBox* SpinEdit8;
    QSpinBox* SpinEdit9;
    QSpinBox* SpinEdit10;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QSlider* TrackBar1;
    QLabel* Label7;
    QLabel* Label19;
    QLabel* SymbolImage;
    ui::PictureStrip* ScrollBox1;
    QPushButton* Button1;
    QPushButton* Button2;
};

}  // namespace rylmo::trains
