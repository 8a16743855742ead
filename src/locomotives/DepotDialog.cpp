#include "locomotives/DepotDialog.h"

#include "document/EntryNames.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

#include "editing/EditingSession.h"
#include "locomotives/DepotEntryDialog.h"
#include "locomotives/DepotEntryForm.h"
#include "models/DocumentText.h"
#include "ui/Controls.h"
#include "ui/ErrorHandler.h"
#include "ui/Prompter.h"
#include "ui/RollingStockPicture.h"

namespace rylmo::locomotives {

DepotDialog::DepotDialog(editing::EditingSession& session, QWidget* parent)
    : TrackBarWindow({"entries", QStringLiteral("Lokomotywownia "), 0, false, false},
                     {[this] { addEntry(); }, [this] { editEntry(); }, [this] { deleteEntry(); }},
                     parent),
      m_session(session) {
    setObjectName(QStringLiteral("DepotDialog"));
    m_counter->setFrameShape(QFrame::Panel);
    m_counter->setFrameShadow(QFrame::Sunken);
    m_details = ui::named(new QScrollArea, "details");
    m_details->setBackgroundRole(QPalette::Base);
    auto* panel = new QWidget;
    m_details->setWidget(panel);
    m_picture = ui::named(new QLabel(panel), "picture");
    m_description = ui::named(new QLabel(panel), "description");
    addView(m_details, 1);
    finish(650, 310, [this] { showEntry(); });
    // The track bar, the counter and the shown entry follow every change of the depot,
    // whoever makes it (the buttons here, or an undo).
    session.followList(editing::EntryList::depot, this, [this] {
        refreshStates();
        showEntry();
    });
    refreshStates();
    showEntry();
}

void DepotDialog::showAt(int entry) {
    m_entries->setValue(entry);
}

void DepotDialog::refreshStates() {
    const int n = static_cast<int>(m_session.content().depot.size());
    setEntryCount(n);
    // Kept on purpose: the counter says "types" but counts the entries.
    m_counter->setText(n > 0 ? QStringLiteral("Liczba typów lokomotyw na stacji: %1").arg(n)
                             : QStringLiteral("Nie ma żadnych lokomotyw na stacji"));
}

void DepotDialog::showEntry() {
    m_picture->clear();
    m_description->clear();
    const TimetableContent& c = m_session.content();
    const int position = m_entries->value();
    if (position >= static_cast<int>(c.depot.size())) {
        m_details->widget()->resize(0, 0);
        return;
    }
    const DepotEntry& entry = c.depot[static_cast<std::size_t>(position)];
    const LocomotiveType* type = typeNumbered(c, entry.locomotiveType);
    m_picture->setPixmap(
        ui::rollingStockPicture(QString::fromStdString(m_session.document().rollingStockFolder),
                                type ? models::toQString(type->pictureName()) : QString()));
    m_picture->adjustSize();
    m_picture->move(10, 0);
    m_description->setText(depotEntryDescription(c, entry));
    m_description->adjustSize();
    m_description->move(10, m_picture->geometry().bottom() + 1 + 10);
    m_details->widget()->resize(
        std::max(m_picture->geometry().right(), m_description->geometry().right()) + 10,
        m_description->geometry().bottom() + 8);
}

void DepotDialog::addEntry() {
    DepotEntryDialog dialog(m_session.document(), this);
    dialog.setWindowTitle(QStringLiteral("Dodaj"));
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    m_session.insertEntry(&TimetableContent::depot,
                          static_cast<int>(m_session.content().depot.size()), dialog.entry(),
                          QStringLiteral("dodanie wpisu lokomotywowni"));
}

void DepotDialog::editEntry() {
    const int position = m_entries->value();
    if (position >= static_cast<int>(m_session.content().depot.size())) return;
    DepotEntryDialog dialog(m_session.document(), this);
    dialog.setWindowTitle(QStringLiteral("Edytuj"));
    dialog.fillFromEntry(m_session.content().depot[static_cast<std::size_t>(position)]);
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    m_session.replaceEntry(&TimetableContent::depot, position, dialog.entry(),
                           QStringLiteral("edycję wpisu lokomotywowni"));
}

void DepotDialog::deleteEntry() {
    const TimetableContent& c = m_session.content();
    const int position = m_entries->value();
    if (position >= static_cast<int>(c.depot.size())) return;
    const DepotEntry& entry = c.depot[static_cast<std::size_t>(position)];
    // Kept on purpose: the caption's spelling, which authors know.
    if (!ui::confirm(this,
                     QStringLiteral("Czy napewno chcesz usunąć ") +
                         models::toShortQString(typeNameOrPlaceholder(c, entry.locomotiveType)) +
                         QStringLiteral(" (") +
                         models::toShortQString(depotNameOrPlaceholder(c, entry.depot)) +
                         QStringLiteral(") z lokomotywowni?"))) {
        return;
    }
    m_session.removeEntry(&TimetableContent::depot, position,
                          QStringLiteral("usunięcie wpisu lokomotywowni"));
}

}  // namespace rylmo::locomotives
