#include "app/AboutBox.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include "ui/Artwork.h"
#include "ui/FixedSize.h"
#include "ui/Prompter.h"

namespace rylmo::app {

namespace {

// A label that reports a left click.
class ClickableLabel : public QLabel {
public:
    ClickableLabel(QWidget* parent, std::function<void()> onClick)
        : QLabel(parent), m_onClick(std::move(onClick)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

}  // namespace

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

    m_mailAddress = new ClickableLabel(this, [this] { mailAddressClicked(); });
    m_mailAddress->setObjectName(QStringLiteral("mailAddress"));
    m_mailAddress->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    m_mailAddress->setCursor(Qt::PointingHandCursor);
    m_mailAddress->setGeometry(112, 88, 240, 16);

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

void AboutBox::mailAddressClicked() {
    ui::prompter().openUrl(QUrl(QStringLiteral("mailto:") + m_mailAddress->text()));
}

}  // namespace rylmo::app
