#pragma once

#include <QDialog>
#include <optional>

#include "document/Timetable.h"
#include "trains/TrainForm.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace rylmo::ui {
class PictureStrip;
}

namespace rylmo::editing {
class EditingSession;
}

namespace rylmo::trains {

// The train dialog: every edited field of one train on two pages. It never changes the
// document; the train commands read its values after "OK".
class TrainDialog : public QDialog {
    Q_OBJECT
public:
    explicit TrainDialog(const editing::EditingSession& session, QWidget* parent = nullptr);

    // The train being edited, set before fillFromTrain; all zeros for a new train.
    void setOriginal(const Train& train) { m_original = train; }
    const Train& original() const { return m_original; }

    void fillForNewTrain();
    void fillFromTrain();

    // What the controls hold, and the train they give back, given the stored train.
    TrainForm form() const;
    Train train() const;

    // The depot list is available: the chosen vehicle is a self-propelled unit.
    bool depotAvailable() const;

    // Handlers, also called by tests.
    void symbolVehicleChosen();
    void compositionMoved();
    void refreshStates();

    // Where the composition preview placed its pictures.
    const ui::PictureStrip& compositionStrip() const { return *m_compositionStrip; }

private:
    void buildGeneralPage(QWidget* page);
    void buildTrainPage(QWidget* page);
    QGroupBox* buildConsistGroup();
    QGroupBox* buildCompositionGroup();
    QGroupBox* buildStandGroup();
    QGroupBox* buildCouplingGroup();
    void setForm(const TrainForm& form);

    const editing::EditingSession& m_session;
    const Timetable& m_document;
    TrainListSizes m_sizes;
    Train m_original;
    std::optional<TrainForm> m_shown;  // the controls as filled from m_original
    int m_compositionNumber = 0;       // the stored position until the user moves the track bar

    QTabWidget* m_pages;
    QComboBox* m_runType;
    QComboBox* m_status;
    QComboBox* m_unitDepot;
    QComboBox* m_arrivalCategory;
    QComboBox* m_originStation;
    QComboBox* m_arrivalTrainName;
    QComboBox* m_arrivalPlatform;
    QComboBox* m_symbolVehicle;
    QComboBox* m_departurePlatform;
    QComboBox* m_departureCategory;
    QComboBox* m_destinationStation;
    QComboBox* m_departureTrainName;
    QComboBox* m_standPosition;
    QComboBox* m_coupledCoach;
    QComboBox* m_toBeCoupledCoach;
    QComboBox* m_coupledTrain;
    QComboBox* m_toBeCoupledTrain;
    QSpinBox* m_arrivalHour;
    QSpinBox* m_arrivalMinute;
    QSpinBox* m_departureHour;
    QSpinBox* m_departureMinute;
    QSpinBox* m_entryPoint;
    QSpinBox* m_exitPoint;
    QSpinBox* m_arrivalNumber;
    QSpinBox* m_departureNumber;
    QSpinBox* m_standTrackNumber;
    QSpinBox* m_standCoordinate;
    QCheckBox* m_standSet;
    QCheckBox* m_coupleRight;
    QCheckBox* m_coupled;
    QCheckBox* m_toBeCoupled;
    QSlider* m_compositionSlider;
    QLabel* m_symbolDescription;
    QLabel* m_compositionCaption;
    QLabel* m_symbolPicture;
    ui::PictureStrip* m_compositionStrip;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace rylmo::trains
