#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace rylmo::app {

// The user guide: pomoc/index.html beside the program (the zip, the installer, a build's bin
// folder), or share/rylmo/pomoc/index.html beside its bin folder (an installation on Linux).
QStringList guideLocations();

// The section of the guide that describes window (its id in the guide), from the window's
// class; the main window's for a window the guide does not describe alone.
QString guideSection(const QWidget* window);

// Every section a window opens.
QStringList guideSections();

// Opens the guide at section in the system's browser, or says where it was looked for.
void openGuide(QWidget* parent, const QString& section);

// F1 in any dialog opens the guide at that dialog's section (the main window's own F1 is its
// "Pomoc..." command). Installed on the application by the main window.
class GuideKey : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace rylmo::app
