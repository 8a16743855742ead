#include "passages/PassagesDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cstdlib>

#include "editing/EditingSession.h"
#include "passages/PassageDialog.h"
#include "passages/PassageStrip.h"
#include "ui/Controls.h"
#include "ui/PictureStrip.h"
#include "ui/Prompter.h"

namespace rylmo::passages {

PassagesDialog::PassagesDialog(editing::EditingSession& session, QWidget* parent)
    : TrackBarWindow(
          {"passages", QStringLiteral(" Przejścia Lokomotyw  "), 1, true, true},
          {[this] { addPassage(); }, [this] { editPassage(); }, [this] { deletePassage(); }},
          parent),
      m_session(session) {
    setObjectName(QStringLiteral("PassagesDialog"));
    m_arrivingStrip = ui::named(new ui::PictureStrip, "arrivingStrip");
    m_departingStrip = ui::named(new ui::PictureStrip, "departingStrip");
    for (ui::PictureStrip* strip : {m_arrivingStrip, m_departingStrip})
        strip->setStripLayout(passageStripLayout);
    addView(new QLabel(QStringLiteral("Przyjeżdza z pociągiem")));
    addView(m_arrivingStrip, 1);
    addView(new QLabel(QStringLiteral("Odjeżdza z pociągiem")));
    addView(m_departingStrip, 1);
    finish(700, 460, [this] {
        showPassage();
        refreshStates();
    });
    session.followList(editing::EntryList::passages, this, [this] {
        refreshStates();
        showPassage();
    });
    refreshStates();
    showPassage();
}

int PassagesDialog::current() const {
    return chosenEntry(static_cast<int>(m_session.content().passages.size()));
}

void PassagesDialog::showAt(int passage) {
    m_entries->setValue(passage + 1);
}

void PassagesDialog::refreshStates() {
    const int n = static_cast<int>(m_session.content().passages.size());
    setEntryCount(n);
    m_counter->setText(QStringLiteral("Liczba przejść lokomotyw: %1").arg(n));
    m_position->setText(QStringLiteral("Aktualna pozycja: %1").arg(n > 0 ? m_entries->value() : 0));
}

void PassagesDialog::showPassage() {
    const int c = current();
    if (c < 0) {
        m_arrivingStrip->clear();
        m_departingStrip->clear();
        return;
    }
    const TimetableContent& content = m_session.content();
    const LocomotivePassage& passage = content.passages[static_cast<std::size_t>(c)];
    const QString folder = QString::fromStdString(m_session.document().rollingStockFolder);
    m_arrivingStrip->setEntries(
        folder, passageStrip(content, Side::arriving, std::llabs(int64_t{passage.arrivingTrain}),
                             content.passages, c));
    m_departingStrip->setEntries(
        folder, passageStrip(content, Side::departing, std::llabs(int64_t{passage.departingTrain}),
                             content.passages, c));
}

void PassagesDialog::addPassage() {
    PassageDialog dialog(m_session.document(), -1, this);
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    m_session.insertEntry(&TimetableContent::passages,
                          static_cast<int>(m_session.content().passages.size()), dialog.passage(),
                          QStringLiteral("dodanie przejścia lokomotywy"));
}

void PassagesDialog::editPassage() {
    const int c = current();
    if (c < 0) return;
    PassageDialog dialog(m_session.document(), c, this);
    dialog.fillFromPassage(m_session.content().passages[static_cast<std::size_t>(c)]);
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    m_session.replaceEntry(&TimetableContent::passages, c, dialog.passage(),
                           QStringLiteral("edycję przejścia lokomotywy %1").arg(c + 1));
}

void PassagesDialog::deletePassage() {
    const int c = current();
    if (c < 0) return;
    // Kept on purpose: the caption's spelling, which authors know.
    if (!ui::confirm(this,
                     QStringLiteral("Czy napewno chcesz usunąć wybrane przejście lokomotywy?")))
        return;
    m_session.removeEntry(&TimetableContent::passages, c,
                          QStringLiteral("usunięcie przejścia lokomotywy %1").arg(c + 1));
}

}  // namespace rylmo::passages
