#include "coaches/CompositionsDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "coaches/CompositionEditor.h"
#include "coaches/CompositionStrip.h"
#include "document/CompositionText.h"
#include "document/References.h"
#include "editing/EditingSession.h"
#include "editing/TextListModel.h"
#include "ui/Controls.h"
#include "ui/ErrorHandler.h"
#include "ui/FixedSize.h"
#include "ui/ListWindow.h"
#include "ui/PictureStrip.h"
#include "ui/Prompter.h"

namespace rylmo::coaches {

CompositionsDialog::CompositionsDialog(editing::EditingSession& session,
                                       const QString& coachesCaption, const QString& typesCaption,
                                       QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_coachesCaption(coachesCaption),
      m_typesCaption(typesCaption),
      m_buttons(this, true,
                {[this] { addComposition(); }, [this] { editComposition(); },
                 [this] { deleteComposition(); }}) {
    setObjectName(QStringLiteral("CompositionsDialog"));
    m_model = new editing::TextListModel(session, &TimetableContent::compositions, this);
    m_compositions = ui::longListView("compositions", m_model);
    m_compositions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_strip = ui::named(new ui::PictureStrip, "strip");
    m_strip->setStripLayout({10, 8});

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(ui::captionFor(QStringLiteral("&Skład"), m_compositions), 0, 0);
    layout->addWidget(m_compositions, 1, 0);
    layout->addWidget(new QLabel(QStringLiteral("Widok składu")), 2, 0);
    layout->addWidget(m_strip, 3, 0);
    layout->addLayout(m_buttons.row(), 4, 0);
    layout->setRowStretch(1, 1);
    layout->setRowStretch(3, 1);
    ui::makeFixedSize(*this, 651, 308);

    connect(m_compositions->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        drawStrip();
        refreshStates();
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &CompositionsDialog::refreshStates);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &CompositionsDialog::refreshStates);
    select(m_model->rowCount() > 0 ? 0 : -1);
}

int CompositionsDialog::selectedComposition() const {
    const QModelIndex current = m_compositions->currentIndex();
    return current.isValid() && m_compositions->selectionModel()->isSelected(current)
               ? current.row()
               : -1;
}

void CompositionsDialog::select(int row) {
    if (row < 0) {
        m_compositions->selectionModel()->clear();
    } else {
        m_compositions->setCurrentIndex(m_model->index(row));
        m_compositions->scrollTo(m_model->index(row));
    }
    drawStrip();
    refreshStates();
}

void CompositionsDialog::drawStrip() {
    const int row = selectedComposition();
    if (row < 0) {
        m_strip->clear();
        return;
    }
    std::vector<int32_t> vehicles;
    try {
        vehicles = readComposition(m_session.content().compositions[static_cast<std::size_t>(row)]);
    } catch (const std::exception&) {
        // A text that does not read shows an empty strip; "Edytuj" says why.
    }
    m_strip->setEntries(QString::fromStdString(m_session.document().rollingStockFolder),
                        compositionStripEntries(m_session.content(), vehicles));
}

void CompositionsDialog::refreshStates() {
    const bool selected = selectedComposition() >= 0;
    m_buttons.edit->setEnabled(selected);
    m_buttons.remove->setEnabled(selected);
}

void CompositionsDialog::addComposition() {
    const TimetableContent& c = m_session.content();
    if (c.locomotiveTypes.empty() && c.coaches.empty()) {
        ui::inform(
            this,
            QStringLiteral(
                "Nie zdefiniowano dostępnych lokomotyw lub wagonów. Należy najpierw uzupełnić "
                "opcję \"") +
                m_coachesCaption + QStringLiteral("\" lub \"") + m_typesCaption +
                QStringLiteral("\" ."));
        return;
    }
    CompositionEditor editor(m_session.document(), {}, this);
    editor.setWindowTitle(QStringLiteral("Nowy skład"));
    if (ui::prompter().exec(editor) != QDialog::Accepted || editor.row().empty()) return;
    const int row = static_cast<int>(c.compositions.size());
    m_session.insertEntry(&TimetableContent::compositions, row, editor.row().text(),
                          QStringLiteral("dodanie składu"));
    select(row);
}

void CompositionsDialog::editComposition() {
    const int row = selectedComposition();
    if (row < 0) return;
    std::vector<int32_t> vehicles;
    try {
        vehicles = readComposition(m_session.content().compositions[static_cast<std::size_t>(row)]);
    } catch (const std::exception& e) {
        // Opening the editor on what could be read would silently rewrite the text.
        ui::showError(this, QStringLiteral("Nie można edytować składu nr %1: ").arg(row) +
                                QString::fromStdString(failureMessage(e)));
        return;
    }
    CompositionEditor editor(m_session.document(), vehicles, this);
    editor.setWindowTitle(QStringLiteral("Edycja składu"));
    if (ui::prompter().exec(editor) != QDialog::Accepted || editor.row().empty()) return;
    m_session.replaceEntry(&TimetableContent::compositions, row, editor.row().text(),
                           QStringLiteral("edycję składu %1").arg(row));
    drawStrip();
}

void CompositionsDialog::deleteComposition() {
    const int row = selectedComposition();
    if (row < 0) return;
    const std::vector<int> rows{row};
    const auto list = editing::EntryList::compositions;
    const ReferenceChanges changes = m_session.deletionChanges(list, rows);
    // Kept on purpose: the caption's spelling, which authors know.
    if (!ui::confirmDelete(
            this, QStringLiteral("Czy napewno chcesz usunąć wybrany zestawienie wagonów z list?"),
            m_session.deletionNotice(list, changes, 1, [&] {
                return referencesToComposition(m_session.content(), static_cast<std::size_t>(row));
            }))) {
        return;
    }
    m_session.deleteEntries(list, rows, changes, QStringLiteral("usunięcie składu %1").arg(row));
    select(-1);
}

}  // namespace rylmo::coaches
