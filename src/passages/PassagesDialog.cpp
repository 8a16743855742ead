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
#include "ui/ErrorHandler.h"
#include "ui/FixedSize.h"
#include "ui/PictureStrip.h"
#include "ui/Prompter.h"

namespace rylmo::passages {

PassagesDialog::PassagesDialog(editing::EditingSession& session, QWidget* parent)
    : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("PassagesDialog"));
    m_passages = ui::trackBar("passages", 1);
    m_counter = ui::named(new QLabel, "counter");
    m_position = ui::named(new QLabel, "position");
    m_arrivingStrip = ui::named(new ui::PictureStrip, "arrivingStrip");
    m_departingStrip = ui::named(new ui::PictureStrip, "departingStrip");
    for (ui::PictureStrip* strip : {m_arrivingStrip, m_departingStrip})
        strip->setStripLayout(passageStripLayout);
    m_add = ui::button(QStringLiteral("&Dodaj"), "add");
    m_edit = ui::button(QStringLiteral("&Edytuj"), "edit");
    m_delete = ui::button(QStringLiteral("&Usuń"), "delete");
    m_close = ui::button(QStringLiteral("Zamknij"), "close");

    auto* group = new QGroupBox(QStringLiteral(" Przejścia Lokomotyw  "));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_passages);
    auto* counters = new QHBoxLayout;
    counters->addWidget(m_counter, 1);
    counters->addWidget(m_position);
    groupLayout->addLayout(counters);
    groupLayout->addWidget(new QLabel(QStringLiteral("Przyjeżdza z pociągiem")));
    groupLayout->addWidget(m_arrivingStrip, 1);
    groupLayout->addWidget(new QLabel(QStringLiteral("Odjeżdza z pociągiem")));
    groupLayout->addWidget(m_departingStrip, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(group, 1);
    layout->addLayout(ui::buttonRow({m_add, m_edit, m_delete}, {m_close}));
    ui::makeFixedSize(*this, 700, 460);

    connect(m_passages, &QSlider::valueChanged, this, [this] {
        showPassage();
        refreshStates();
    });
    ui::onClicked(m_add, this, [this] { addPassage(); });
    ui::onClicked(m_edit, this, [this] { editPassage(); });
    ui::onClicked(m_delete, this, [this] { deletePassage(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    session.followList(editing::EntryList::passages, this, [this] {
        refreshStates();
        showPassage();
    });
    refreshStates();
    showPassage();
}

int PassagesDialog::current() const {
    const int n = static_cast<int>(m_session.content().passages.size());
    return n == 0 ? -1 : std::min(m_passages->value(), n) - 1;
}

void PassagesDialog::showAt(int passage) {
    m_passages->setValue(passage + 1);
}

void PassagesDialog::refreshStates() {
    const int n = static_cast<int>(m_session.content().passages.size());
    if (n > 0) m_passages->setMaximum(n);
    for (QWidget* w : std::initializer_list<QWidget*>{m_passages, m_edit, m_delete})
        w->setEnabled(n > 0);
    m_counter->setText(QStringLiteral("Liczba przejść lokomotyw: %1").arg(n));
    m_position->setText(
        QStringLiteral("Aktualna pozycja: %1").arg(n > 0 ? m_passages->value() : 0));
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
    if (!ui::confirm(this,
                     QStringLiteral("Czy napewno chcesz usunąć wybrane przejście lokomotywy?")))
        return;
    m_session.removeEntry(&TimetableContent::passages, c,
                          QStringLiteral("usunięcie przejścia lokomotywy %1").arg(c + 1));
}

}  // namespace rylmo::passages
