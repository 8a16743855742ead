#include "coaches/CoachesDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "document/References.h"
#include "document/RollingStock.h"
#include "editing/EditingSession.h"
#include "editing/TextListModel.h"
#include "models/DocumentText.h"
#include "ui/Controls.h"
#include "ui/ErrorHandler.h"
#include "ui/FixedSize.h"
#include "ui/ListWindow.h"
#include "ui/Prompter.h"
#include "ui/RollingStockPicture.h"

namespace rylmo::coaches {

CoachesDialog::CoachesDialog(editing::EditingSession& session, QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_buttons(this, false, {[this] { addCoach(); }, {}, [this] { deleteCoach(); }}) {
    setObjectName(QStringLiteral("CoachesDialog"));
    m_model = new editing::TextListModel(session, &TimetableContent::coaches, this);
    m_coachNames = ui::longListView("coachNames", m_model);
    m_coachNames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview = ui::named(new QLabel, "preview");
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setBackgroundRole(QPalette::Base);
    m_preview->setAutoFillBackground(true);

    ui::layListBesideDetail(this, QStringLiteral("&Nazwy plików"), m_coachNames,
                            QStringLiteral("Widok wagonu"), m_preview, m_buttons);
    ui::makeFixedSize(*this, 441, 259);

    connect(m_coachNames->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        preview();
        refreshStates();
    });
    select(0);
}

int CoachesDialog::selectedCoach() const {
    const QModelIndex current = m_coachNames->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CoachesDialog::select(int row) {
    if (row >= 0 && row < m_model->rowCount()) {
        m_coachNames->setCurrentIndex(m_model->index(row));
        m_coachNames->scrollTo(m_model->index(row));
    } else {
        m_coachNames->selectionModel()->clear();
    }
    preview();
    refreshStates();
}

void CoachesDialog::preview() {
    const int row = selectedCoach();
    if (row < 0) {
        m_preview->clear();
        return;
    }
    m_preview->setPixmap(
        ui::rollingStockPicture(QString::fromStdString(m_session.document().rollingStockFolder),
                                m_model->index(row).data().toString()));
}

void CoachesDialog::refreshStates() {
    m_buttons.remove->setEnabled(selectedCoach() >= 0);
}

void CoachesDialog::addCoach() {
    const QString path = ui::prompter().openFileName(
        this, QStringLiteral("Bitmapa (*.bmp)|*.bmp"),
        QString::fromStdString(m_session.document().rollingStockFolder));
    if (path.isEmpty()) return;
    const QString name = models::fileStem(path);
    // A coach is its picture's name: a file with nothing before its first dot has none.
    if (name.isEmpty()) {
        ui::showError(this, QStringLiteral("Nie można dodać wagonu: nazwa pliku „") +
                                path.section(QLatin1Char('/'), -1) +
                                QStringLiteral("” nie ma części przed kropką."));
        return;
    }
    if (const QString bad = models::unencodableCharacter(name); !bad.isEmpty()) {
        ui::showError(this, models::unencodableMessage(bad) + QStringLiteral("."));
        return;
    }
    const int row = m_model->rowCount();
    m_session.insertEntry(&TimetableContent::coaches, row, models::toDocumentText(name),
                          QStringLiteral("dodanie wagonu"));
    select(row);
}

void CoachesDialog::deleteCoach() {
    const int row = selectedCoach();
    if (row < 0) return;
    const TimetableContent& c = m_session.content();
    // Kept on purpose: the caption's spelling, which authors know.
    const QString question = QStringLiteral("Czy napewno chcesz usunąć wagon ") +
                             m_model->index(row).data().toString() + QStringLiteral("?");
    const std::vector<int> rows{row};
    const auto list = editing::EntryList::coaches;
    const ReferenceChanges changes = m_session.deletionChanges(list, rows);
    if (!ui::confirmDelete(this, question, m_session.deletionNotice(list, changes, 1, [&] {
            return referencesToVehicle(c, coachVehicleNumber(c, static_cast<std::size_t>(row)));
        }))) {
        return;
    }
    m_session.deleteEntries(list, rows, changes, QStringLiteral("usunięcie wagonu"));
    select(0);
}

}  // namespace rylmo::coaches
