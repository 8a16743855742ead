#include "app/OptionsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/Settings.h"
#include "document/ProfileFile.h"
#include "ui/Controls.h"
#include "ui/FixedSize.h"
#include "ui/Prompter.h"

namespace rylmo::app {

namespace {

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

OptionsDialog::OptionsDialog(const std::string& rollingStockFolder, const ProfileFile& settings,
                             QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("OptionsDialog"));

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("programPage"));
    pages->addTab(page, QStringLiteral("Program"));

    auto* group = new QGroupBox(QStringLiteral(" Lokalizacja "), page);
    group->setObjectName(QStringLiteral("folders"));
    auto* label1 = new QLabel(QStringLiteral("Tabor"), group);
    label1->setObjectName(QStringLiteral("rollingStockCaption"));
    m_rollingStockFolder = new QLineEdit(QString::fromStdString(rollingStockFolder), group);
    m_rollingStockFolder->setObjectName(QStringLiteral("rollingStockFolder"));
    m_rollingStockFolder->setFixedWidth(297);
    m_browseRollingStock = button(QStringLiteral("Przeglądaj"), "browseRollingStock", group);
    auto* label2 = new QLabel(QStringLiteral("Stacje"), group);
    label2->setObjectName(QStringLiteral("stationCaption"));
    m_stationFolder = new QLineEdit(stationFolderSetting(settings), group);
    m_stationFolder->setObjectName(QStringLiteral("stationFolder"));
    m_stationFolder->setFixedWidth(297);
    m_browseStations = button(QStringLiteral("Przeglądaj"), "browseStations", group);
    label1->setBuddy(m_rollingStockFolder);
    label2->setBuddy(m_stationFolder);

    auto* grid = new QGridLayout(group);
    grid->addWidget(label1, 0, 0, 1, 2);
    grid->addWidget(m_rollingStockFolder, 1, 0);
    grid->addWidget(m_browseRollingStock, 1, 1);
    grid->addWidget(label2, 2, 0, 1, 2);
    grid->addWidget(m_stationFolder, 3, 0);
    grid->addWidget(m_browseStations, 3, 1);
    grid->setRowStretch(4, 1);
    m_keepReferences = new QCheckBox(
        QStringLiteral("Przy usuwaniu poprawiaj odwołania do dalszych pozycji"), page);
    m_keepReferences->setObjectName(QStringLiteral("keepReferences"));
    m_keepReferences->setChecked(keepsReferencesSetting(settings));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(group);
    pageLayout->addWidget(m_keepReferences);

    const ui::DialogButtons confirm = ui::dialogButtons(*this);
    m_ok = confirm.ok;
    m_ok->setDefault(true);
    m_cancel = confirm.cancel;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_browseRollingStock, &QPushButton::clicked, this,
            &OptionsDialog::browseRollingStockFolder);
    connect(m_browseStations, &QPushButton::clicked, this, &OptionsDialog::browseStationFolder);

    ui::makeFixedSize(*this, 457, 294);
    m_rollingStockFolder->setFocus();
}

QString OptionsDialog::rollingStockFolder() const {
    return m_rollingStockFolder->text();
}
QString OptionsDialog::stationFolder() const {
    return m_stationFolder->text();
}
bool OptionsDialog::keepsReferences() const {
    return m_keepReferences->isChecked();
}

void OptionsDialog::browseRollingStockFolder() {
    const QString folder =
        ui::prompter().folder(this, QStringLiteral("Wskaż folder zawierający pliki z taborem"));
    if (!folder.isEmpty()) m_rollingStockFolder->setText(folder);
}

void OptionsDialog::browseStationFolder() {
    const QString folder = ui::prompter().folder(
        this, QStringLiteral("Wskaż folder zawierający pliki z opisem stacji"));
    if (!folder.isEmpty()) m_stationFolder->setText(folder);
}

}  // namespace rylmo::app
