#include "texts/GeneralDataDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "models/DocumentText.h"
#include "ui/Controls.h"
#include "ui/FixedSize.h"
#include "ui/Prompter.h"

namespace rylmo::texts {

using ui::named;

GeneralDataDialog::GeneralDataDialog(const TimetableContent& content, const QString& stationFolder,
                                     QWidget* parent)
    : QDialog(parent),
      m_stationFolder(stationFolder),
      m_hasStationNames(!content.stationNames.empty()) {
    setObjectName(QStringLiteral("GeneralDataDialog"));

    m_stationName = named(new QLineEdit, "stationName");
    m_stationNameHint = ui::hintLabel("stationNameHint");
    m_stationPicture = named(new QLineEdit, "stationPicture");
    m_stationPictureHint = ui::hintLabel("stationPictureHint");
    m_browseStationFile = named(new QPushButton(QStringLiteral("...")), "browseStationFile");
    m_browseStationFile->setFixedWidth(30);
    m_browseStationFile->setAutoDefault(false);
    m_startHour = ui::spinEdit("startHour", 23);
    m_startMinute = ui::spinEdit("startMinute", 59);

    auto* dataGroup = new QGroupBox(QStringLiteral(" Dane "));
    auto* grid = new QGridLayout(dataGroup);
    auto* nameLabel = new QLabel(QStringLiteral("Nazwa stacji"));
    nameLabel->setBuddy(m_stationName);
    auto* pictureLabel = new QLabel(QStringLiteral("Obraz stacji"));
    pictureLabel->setBuddy(m_stationPicture);
    auto* timeLabel = new QLabel(QStringLiteral("Godzina rozpoczęcia"));
    timeLabel->setBuddy(m_startHour);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_stationName, 0, 1, 1, 2);
    grid->addWidget(m_stationNameHint, 1, 1, 1, 2);
    grid->addWidget(pictureLabel, 2, 0);
    grid->addWidget(m_stationPicture, 2, 1);
    grid->addWidget(m_browseStationFile, 2, 2);
    grid->addWidget(m_stationPictureHint, 3, 1, 1, 2);
    auto* time = new QHBoxLayout;
    time->addWidget(m_startHour);
    time->addWidget(new QLabel(QStringLiteral(" : ")));
    time->addWidget(m_startMinute);
    time->addStretch();
    grid->addWidget(timeLabel, 4, 0);
    grid->addLayout(time, 4, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    m_authorInfo = named(new QPlainTextEdit, "authorInfo");
    m_authorInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_authorInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_authorInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_authorInfo->setTabChangesFocus(true);
    auto* authorLabel = new QLabel(QStringLiteral("&Informacje o autorze"));
    authorLabel->setBuddy(m_authorInfo);

    const ui::DialogButtons confirm = ui::dialogButtons(*this);
    m_ok = confirm.ok;
    m_cancel = confirm.cancel;
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &GeneralDataDialog::confirm);
    connect(m_browseStationFile, &QPushButton::clicked, this,
            &GeneralDataDialog::chooseStationFile);
    connect(m_stationName, &QLineEdit::textChanged, this, &GeneralDataDialog::refreshStates);
    connect(m_stationPicture, &QLineEdit::textChanged, this, &GeneralDataDialog::refreshStates);

    QHBoxLayout* buttons = ui::buttonRow({}, {m_ok, m_cancel});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(dataGroup);
    layout->addWidget(authorLabel);
    layout->addWidget(m_authorInfo, 1);
    layout->addLayout(buttons);
    ui::makeFixedSize(*this, 611, 388);

    // Filling.
    m_stationPicture->setText(models::toQString(content.stationPicture));
    if (m_hasStationNames) m_stationName->setText(models::toQString(content.stationNames.front()));
    if (!content.startTime.empty()) {
        const StartTime start = startTimeOf(content.startTime);
        m_startHour->setValue(start.hour);
        m_startMinute->setValue(start.minute);
    }
    QString author = models::toQString(content.authorInfo);
    author.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_authorInfo->setPlainText(author);
    m_stationName->setFocus();
    refreshStates();
}

void GeneralDataDialog::chooseStationFile() {
    const QString path = ui::prompter().openFileName(
        this, QStringLiteral("Stacja dla Trakovila (*.stc)|*.stc"), m_stationFolder);
    if (!path.isEmpty()) m_stationPicture->setText(models::fileStem(path));
}

void GeneralDataDialog::refreshStates() {
    const QString picture = models::trimmedTyped(m_stationPicture->text());
    const QString name = models::trimmedTyped(m_stationName->text());
    const QString pictureHint = stationPictureRefusal(picture);
    const QString nameHint = stationNameRefusal(name, m_hasStationNames);
    m_stationPictureHint->setText(pictureHint);
    m_stationNameHint->setText(nameHint);
    m_ok->setEnabled(pictureHint.isEmpty() && nameHint.isEmpty());
}

void GeneralDataDialog::confirm() {
    refreshStates();
    if (!m_ok->isEnabled()) return;
    QString author = ui::plainTextOf(*m_authorInfo);
    author.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const std::pair<QWidget*, QString> fields[] = {
        {m_stationName, QStringLiteral("Nazwa stacji")},
        {m_stationPicture, QStringLiteral("Obraz stacji")},
        {m_authorInfo, QStringLiteral("Informacje o autorze")},
    };
    const QString texts[] = {models::trimmedTyped(m_stationName->text()),
                             models::trimmedTyped(m_stationPicture->text()),
                             models::trimmedTyped(author)};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (const QString bad = models::unencodableCharacter(texts[i]); !bad.isEmpty()) {
            ui::prompter().message(this, QMessageBox::Warning,
                                   models::unencodableMessage(bad) + QStringLiteral(": pole „") +
                                       fields[i].second + QStringLiteral("”."),
                                   QMessageBox::Ok, QMessageBox::Ok);
            fields[i].first->setFocus();
            return;
        }
    }
    m_values.stationName = models::toDocumentText(texts[0]);
    m_values.stationPicture = models::toDocumentText(texts[1]);
    m_values.authorInfo = models::toDocumentText(texts[2]);
    m_values.startTime = startTimeText({m_startHour->value(), m_startMinute->value()});
    accept();
}

}  // namespace rylmo::texts
