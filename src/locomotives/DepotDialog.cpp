#include "locomotives/DepotDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

#include "editing/EditingSession.h"
#include "locomotives/DepotEntryDialog.h"
#include "ui/Controls.h"
#include "ui/DocumentText.h"
#include "ui/ErrorHandler.h"
#include "ui/FixedSize.h"
#include "ui/Prompter.h"
#include "ui/RollingStockPicture.h"

namespace rylmo::locomotives {

namespace {

const LocomotiveType* typeOf(const TimetableContent& content, const DepotEntry& entry) {
    if (entry.locomotiveType < 1 ||
        static_cast<std::size_t>(entry.locomotiveType) > content.locomotiveTypes.size()) {
        return nullptr;
    }
    return &content.locomotiveTypes[static_cast<std::size_t>(entry.locomotiveType) - 1];
}

QString typeNameOf(const TimetableContent& content, const DepotEntry& entry) {
    const LocomotiveType* type = typeOf(content, entry);
    return type ? ui::toQString(type->typeName)
                : QStringLiteral("nieznany typ (%1)").arg(entry.locomotiveType);
}

QString depotNameOf(const TimetableContent& content, const DepotEntry& entry) {
    if (entry.depot >= 0 && static_cast<std::size_t>(entry.depot) < content.depotNames.size()) {
        return ui::toQString(content.depotNames[static_cast<std::size_t>(entry.depot)]);
    }
    return QStringLiteral("nieznana lokomotywownia (%1)").arg(entry.depot);
}

}  // namespace

QString depotEntryDescription(const TimetableContent& content, const DepotEntry& entry) {
    QString text = typeNameOf(content, entry) + QStringLiteral(", ") + depotNameOf(content, entry) +
                   QStringLiteral("\nIlość lokomotyw na stacji: %1\n").arg(entry.count);
    if (!standsAtStation(entry)) {
        text += QStringLiteral("Lokomotywa stoi w lokomotywowni");
    } else {
        text += QStringLiteral(
                    "Lokomotywa stoi na stacji. Wsp. punktu: %1, pozycja: %2, nr toru post.: %3")
                    .arg(entry.standCoordinate)
                    .arg(entry.standPosition)
                    .arg(entry.standTrackNumber);
    }
    return text;
}

DepotDialog::DepotDialog(editing::EditingSession& session, QWidget* parent)
    : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("DepotDialog"));
    m_entries = ui::trackBar("entries");
    m_counter = ui::named(new QLabel, "counter");
    m_counter->setFrameShape(QFrame::Panel);
    m_counter->setFrameShadow(QFrame::Sunken);
    m_details = ui::named(new QScrollArea, "details");
    m_details->setBackgroundRole(QPalette::Base);
    auto* panel = new QWidget;
    m_details->setWidget(panel);
    m_picture = ui::named(new QLabel(panel), "picture");
    m_description = ui::named(new QLabel(panel), "description");
    m_add = ui::button(QStringLiteral("Dodaj"), "add");
    m_edit = ui::button(QStringLiteral("Edytuj"), "edit");
    m_delete = ui::button(QStringLiteral("Usuń"), "delete");
    m_close = ui::button(QStringLiteral("Zamknij"), "close");

    auto* group = new QGroupBox(QStringLiteral("Lokomotywownia "));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_entries);
    groupLayout->addWidget(m_counter);
    groupLayout->addWidget(m_details, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(group, 1);
    layout->addLayout(ui::buttonRow({m_add, m_edit, m_delete}, {m_close}));
    ui::makeFixedSize(*this, 650, 310);

    connect(m_entries, &QSlider::valueChanged, this, &DepotDialog::showEntry);
    ui::onClicked(m_add, this, [this] { addEntry(); });
    ui::onClicked(m_edit, this, [this] { editEntry(); });
    ui::onClicked(m_delete, this, [this] { deleteEntry(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    // The track bar, the counter and the shown entry follow every change of the depot,
    // whoever makes it (the buttons here, or an undo).
    connect(&session, &editing::EditingSession::listChanged, this, [this](editing::EntryList list) {
        if (list != editing::EntryList::depot) return;
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
    // An emptied depot keeps the track bar's range: its maximum never goes below 0.
    if (n > 0) m_entries->setMaximum(n - 1);
    for (QWidget* w : std::initializer_list<QWidget*>{m_entries, m_edit, m_delete})
        w->setEnabled(n > 0);
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
    const LocomotiveType* type = typeOf(c, entry);
    m_picture->setPixmap(
        ui::rollingStockPicture(QString::fromStdString(m_session.document().rollingStockFolder),
                                type ? ui::toQString(type->pictureName) : QString()));
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
    if (!ui::confirm(this, QStringLiteral("Czy napewno chcesz usunąć ") + typeNameOf(c, entry) +
                               QStringLiteral(" (") + depotNameOf(c, entry) +
                               QStringLiteral(") z lokomotywowni?"))) {
        return;
    }
    m_session.removeEntry(&TimetableContent::depot, position,
                          QStringLiteral("usunięcie wpisu lokomotywowni"));
}

}  // namespace rylmo::locomotives
