#include "locomotives/LocomotiveTypesDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>

#include "document/LocomotiveKinds.h"
#include "document/References.h"
#include "editing/EditingSession.h"
#include "editing/TextListModel.h"
#include "locomotives/NewLocomotiveTypeDialog.h"
#include "models/DocumentText.h"
#include "ui/Controls.h"
#include "ui/ErrorHandler.h"
#include "ui/FixedSize.h"
#include "ui/ListWindow.h"
#include "ui/Prompter.h"
#include "ui/RollingStockPicture.h"

namespace rylmo::locomotives {

namespace {

QString kindDescription(const LocomotiveType& type) {
    const std::string_view kind = kindText(type.kind());
    return models::toShortQString(type.typeName()) + QStringLiteral("\n") +
           QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())) +
           QStringLiteral(", hierarchia: ") + models::toShortQString(type.hierarchy());
}

}  // namespace

LocomotiveTypesDialog::LocomotiveTypesDialog(editing::EditingSession& session, QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_buttons(this, false, {[this] { addType(); }, {}, [this] { deleteType(); }}) {
    setObjectName(QStringLiteral("LocomotiveTypesDialog"));
    m_pictureNames = ui::longListView(
        "pictureNames", new editing::TextListModel(session, &LocomotiveType::pictureName, this));
    m_details = ui::named(new QScrollArea, "details");
    m_details->setBackgroundRole(QPalette::Base);
    auto* panel = new QWidget;
    m_details->setWidget(panel);
    m_picture = ui::named(new QLabel(panel), "picture");
    m_picture->move(10, 8);
    m_description = ui::named(new QLabel(panel), "description");
    m_description->move(10, 60);

    ui::layListBesideDetail(this, QStringLiteral("&Nazwa pliku"), m_pictureNames,
                            QStringLiteral("Szczegóły"), m_details, m_buttons);
    ui::makeFixedSize(*this, 650, 323);

    connect(m_pictureNames->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        refreshDetails();
        refreshStates();
    });
    // The list follows the session; a change of the shown type shows again.
    session.followList(editing::EntryList::locomotiveTypes, this, [this] {
        if (currentRow() < 0) selectRow(0);
        refreshDetails();
        refreshStates();
    });
    selectRow(0);
}

int LocomotiveTypesDialog::currentRow() const {
    return m_pictureNames->currentIndex().row();
}

void LocomotiveTypesDialog::selectRow(int row) {
    const int rows = m_pictureNames->model()->rowCount();
    m_pictureNames->setCurrentIndex(
        rows == 0 ? QModelIndex()
                  : m_pictureNames->model()->index(std::clamp(row, 0, rows - 1), 0));
    refreshDetails();
    refreshStates();
}

void LocomotiveTypesDialog::refreshDetails() {
    m_picture->clear();
    m_description->clear();
    const int row = currentRow();
    // While the list changes, the view may name a row the session no longer has.
    if (row < 0 || static_cast<std::size_t>(row) >= m_session.content().locomotiveTypes.size()) {
        m_picture->adjustSize();
        m_description->adjustSize();
        return;
    }
    // Types that share a picture name are told apart by nothing the list shows: the last of
    // them describes the line.
    const std::string_view name =
        m_session.content().locomotiveTypes.at(static_cast<std::size_t>(row)).pictureName();
    const auto& types = m_session.content().locomotiveTypes;
    const auto last = std::find_if(types.rbegin(), types.rend(), [name](const LocomotiveType& t) {
        return t.pictureName() == name;
    });
    const QString description = kindDescription(*last);
    m_picture->setPixmap(ui::rollingStockPicture(
        QString::fromStdString(m_session.document().rollingStockFolder), models::toQString(name)));
    m_picture->adjustSize();
    m_description->setText(description);
    m_description->adjustSize();
    QWidget* panel = m_details->widget();
    panel->resize(std::max(m_picture->geometry().right(), m_description->geometry().right()) + 10,
                  std::max(m_picture->geometry().bottom(), m_description->geometry().bottom()) + 8);
}

void LocomotiveTypesDialog::refreshStates() {
    m_buttons.remove->setEnabled(currentRow() >= 0);
}

void LocomotiveTypesDialog::addType() {
    NewLocomotiveTypeDialog dialog(QString::fromStdString(m_session.document().rollingStockFolder),
                                   this);
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    const int row = static_cast<int>(m_session.content().locomotiveTypes.size());
    m_session.insertEntry(&TimetableContent::locomotiveTypes, row, dialog.type(),
                          QStringLiteral("dodanie lokomotywy"));
    selectRow(row);
}

void LocomotiveTypesDialog::deleteType() {
    const int row = currentRow();
    if (row < 0) return;
    const std::vector<int> rows{row};
    const auto list = editing::EntryList::locomotiveTypes;
    const ReferenceChanges changes = m_session.deletionChanges(list, rows);
    // Kept on purpose: the caption's spelling, which authors know.
    if (!ui::confirmDelete(this, QStringLiteral("Czy napewno chcesz usunąć wybraną lokomotywę?"),
                           m_session.deletionNotice(list, changes, 1, [&] {
                               return referencesToVehicle(m_session.content(), row + 1);
                           }))) {
        return;
    }
    m_session.deleteEntries(list, rows, changes, QStringLiteral("usunięcie lokomotywy"));
    selectRow(0);
}

}  // namespace rylmo::locomotives
