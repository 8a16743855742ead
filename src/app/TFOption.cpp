#include "app/TFOption.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/ProfileFile.h"
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

TFOption::TFOption(const std::string& rollingStockFolder, const ProfileFile& settings,
                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TFOption"));

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    pages->addTab(page, QStringLiteral("Program"));

    auto* group = new QGroupBox(QStringLiteral(" Lokalizacja "), page);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* label1 = new QLabel(QStringLiteral("Tabor"), group);
    label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(QString::fromStdString(rollingStockFolder), group);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(297);
    Button3 = button(QStringLiteral("Przeglądaj"), "Button3", group);
    auto* label2 = new QLabel(QStringLiteral("Stacje"), group);
    label2->setObjectName(QStringLiteral("Label2"));
    Edit2 = new QLineEdit(QString::fromStdString(settings.readString("Program", "Stacje", "")), group);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFixedWidth(297);
    Button4 = button(QStringLiteral("Przeglądaj"), "Button4", group);
    label1->setBuddy(Edit1);
    label2->setBuddy(Edit2);

    auto* grid = new QGridLayout(group);
    grid->addWidget(label1, 0, 0, 1, 2);
    grid->addWidget(Edit1, 1, 0);
    grid->addWidget(Button3, 1, 1);
    grid->addWidget(label2, 2, 0, 1, 2);
    grid->addWidget(Edit2, 3, 0);
    grid->addWidget(Button4, 3, 1);
    grid->setRowStretch(4, 1);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(group);

    Button1 = button(QStringLiteral("OK"), "Button1", this);
    Button1->setDefault(true);
    Button2 = button(QStringLiteral("Anuluj"), "Button2", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TFOption::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFOption::Button4Click);

    setFixedSize(457, 294);
    Edit1->setFocus();
}

QString TFOption::rollingStockFolder() const { return Edit1->text(); }
QString TFOption::stationFolder() const { return Edit2->text(); }

void TFOption::Button3Click() {
    const QString folder =
        ui::prompter().folder(this, QStringLiteral("Wskaż folder zawierający pliki z taborem"));
    if (!folder.isEmpty()) Edit1->setText(folder);
}

void TFOption::Button4Click() {
    const QString folder =
        ui::prompter().folder(this, QStringLiteral("Wskaż folder zawierający pliki z opisem stacji"));
    if (!folder.isEmpty()) Edit2->setText(folder);
}

}  // namespace rylmo::app
