#include "app/AboutBox.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/Artwork.h"
#include "ui/FixedSize.h"

namespace rylmo::app {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    ui::makeFixedSize(*this, 370, 227);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("icon"));
    image->setGeometry(32, 32, 32, 32);
    image->setPixmap(ui::applicationPicture(32));

    auto* titleLabel = new QLabel(QCoreApplication::applicationName() + QLatin1Char(' '), this);
    titleLabel->setObjectName(QStringLiteral("title"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(24);
    font.setItalic(true);
    titleLabel->setFont(font);
    titleLabel->move(112, 32);
    titleLabel->adjustSize();

    // No mail link: the program has no address to write to, and an empty link that opens a
    // mail to nobody helps no one.

    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("description"));
    memo->setGeometry(8, 112, 353, 73);
    memo->setReadOnly(true);
    memo->setPlainText(QStringLiteral("Wersja " RYLMO_VERSION));
    memo->setBackgroundRole(QPalette::Window);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    memo->setPalette(palette);

    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("close"));
    close->adjustSize();
    close->setGeometry(286, 195, std::max(75, close->width()), std::max(25, close->height()));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace rylmo::app
