#include "locomotives/NewLocomotiveTypeDialog.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "models/DocumentText.h"
#include "ui/Controls.h"
#include "ui/FixedSize.h"
#include "ui/Prompter.h"
#include "ui/RollingStockPicture.h"

namespace rylmo::locomotives {

namespace {

// Every picture format the platform reads, for the picture-open dialog.
QString pictureFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    return QStringLiteral("Obrazy|") + patterns.join(QLatin1Char(';')) +
           QStringLiteral("|Wszystkie pliki|*");
}

}  // namespace

NewLocomotiveTypeDialog::NewLocomotiveTypeDialog(const QString& rollingStockFolder, QWidget* parent)
    : QDialog(parent), m_rollingStockFolder(rollingStockFolder) {
    setObjectName(QStringLiteral("NewLocomotiveTypeDialog"));
    setWindowTitle(QStringLiteral("Nowa lokomotywa"));

    m_pictureName = ui::named(new QLineEdit, "pictureName");
    m_browse = ui::button(QStringLiteral("Przeglądaj..."), "browse");
    m_typeName = ui::named(new QLineEdit, "typeName");
    m_hierarchy = ui::spinEdit("hierarchy", 9);
    m_hierarchy->setValue(1);
    m_kind = ui::dropDownList(
        "kind",
        {QStringLiteral("1 - elektryczny zespół trakcyjny (ETZ)"),
         QStringLiteral("2 - autobus szynowy"), QStringLiteral("3 - lokomotywa elektryczna"),
         QStringLiteral("4 - lokomotywa spalinowa"), QStringLiteral("5 - parowóz")});
    m_picture = ui::named(new QLabel, "picture");
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_picture->setFrameShadow(QFrame::Sunken);
    m_picture->setFixedHeight(50);
    m_hint = ui::hintLabel("hint");
    const ui::DialogButtons confirm = ui::dialogButtons(*this);
    m_ok = confirm.ok;
    m_ok->setDefault(true);
    m_cancel = confirm.cancel;

    auto* group = new QGroupBox(QStringLiteral(" Dane "));
    auto* grid = new QGridLayout(group);
    grid->addWidget(ui::captionFor(QStringLiteral("Nazwa pliku"), m_pictureName), 0, 0);
    grid->addWidget(m_pictureName, 0, 1);
    grid->addWidget(m_browse, 0, 2);
    grid->addWidget(ui::captionFor(QStringLiteral("&Typ"), m_typeName), 1, 0);
    grid->addWidget(m_typeName, 1, 1, 1, 2);
    grid->addWidget(ui::captionFor(QStringLiteral("Hierarchia"), m_hierarchy), 2, 0);
    grid->addWidget(m_hierarchy, 2, 1, Qt::AlignLeft);
    grid->addWidget(ui::captionFor(QStringLiteral("&Rodzaj"), m_kind), 3, 0);
    grid->addWidget(m_kind, 3, 1, 1, 2);
    grid->addWidget(ui::captionFor(QStringLiteral("Rysunek:"), m_picture), 4, 0, Qt::AlignTop);
    grid->addWidget(m_picture, 4, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(3);
    grid->setContentsMargins(8, 4, 8, 6);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_hint, 1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(group);
    layout->addLayout(buttons);
    ui::makeFixedSize(*this, 442, 254);

    connect(m_browse, &QPushButton::clicked, this, &NewLocomotiveTypeDialog::browse);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pictureName, &QLineEdit::textChanged, this, &NewLocomotiveTypeDialog::refreshStates);
    connect(m_typeName, &QLineEdit::textChanged, this, &NewLocomotiveTypeDialog::refreshStates);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &NewLocomotiveTypeDialog::refreshStates);
    m_pictureName->setFocus();
    refreshStates();
}

QString NewLocomotiveTypeDialog::refusal() const {
    if (QString why = models::typeWordRefusal(m_pictureName->text(), QStringLiteral("Nazwa pliku"));
        !why.isEmpty())
        return why;
    if (QString why = models::typeWordRefusal(m_typeName->text(), QStringLiteral("Typ"));
        !why.isEmpty())
        return why;
    if (m_kind->currentIndex() < 0) return QStringLiteral("Wybierz „Rodzaj”.");
    return {};
}

void NewLocomotiveTypeDialog::refreshStates() {
    const QString why = refusal();
    m_hint->setText(why);
    m_ok->setEnabled(why.isEmpty());
}

void NewLocomotiveTypeDialog::browse() {
    const QString path = ui::prompter().openFileName(this, pictureFilter(), m_rollingStockFolder);
    if (path.isEmpty()) return;
    m_pictureName->setText(models::fileStem(path));
    // The preview is the chosen file itself, wherever it lies.
    const QImage image = ui::readPicture(path);
    m_picture->setPixmap(image.isNull() ? ui::rollingStockPicture({}, {})
                                        : ui::transparentPicture(image));
}

LocomotiveType NewLocomotiveTypeDialog::type() const {
    return {models::toDocumentText(models::trimmedTyped(m_pictureName->text())),
            models::toDocumentText(models::trimmedTyped(m_typeName->text())),
            std::to_string(m_kind->currentIndex() + 1), std::to_string(m_hierarchy->value())};
}

}  // namespace rylmo::locomotives
