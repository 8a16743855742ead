#include "texts/NamesDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "models/DocumentText.h"
#include "texts/NamePages.h"
#include "ui/Controls.h"
#include "ui/FixedSize.h"
#include "ui/Prompter.h"

namespace rylmo::texts {

NamesDialog::NamesDialog(const TimetableContent& content, QWidget* parent)
    : QDialog(parent), m_content(content) {
    setObjectName(QStringLiteral("NamesDialog"));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    for (std::size_t i = 0; i < namePages.size(); ++i) {
        const NamePage& page = namePages[i];
        auto* edit = new QPlainTextEdit;
        edit->setObjectName(QString::fromLatin1(page.objectName));
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_edits[i] = edit;
        m_pages->addTab(edit, QString::fromUtf8(page.caption));
    }
    m_notice = new QLabel(cutPageNotice());
    m_notice->setObjectName(QStringLiteral("cutNotice"));
    m_notice->setWordWrap(true);
    m_pages->setCurrentIndex(0);
    fillPage(0);
    connect(m_pages, &QTabWidget::currentChanged, this, &NamesDialog::fillPage);
    connect(m_pages, &QTabWidget::currentChanged, this, &NamesDialog::showNotice);

    m_close = new QPushButton(QStringLiteral("Zamknij"));
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setMinimumSize(75, 25);
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &NamesDialog::storeAndClose);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_notice, 1);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    ui::makeFixedSize(*this, 482, 346);
    m_edits[0]->setFocus();
}

namespace {

// Names laid out at a time: about 70 ms of work, so that the dialog stays responsive.
constexpr std::size_t namesAtATime = 20000;

}  // namespace

void NamesDialog::fillPage(int page) {
    if (page < 0 || page >= static_cast<int>(m_edits.size()) ||
        m_filled[static_cast<std::size_t>(page)])
        return;
    const auto i = static_cast<std::size_t>(page);
    m_filled[i] = true;
    const std::vector<std::string>& names = m_content.*namePages[i].list;
    m_cut[i] = holdsUneditableName(names);
    const std::size_t shown = std::min(names.size(), namesAtATime);
    m_edits[i]->setPlainText(pageText(names, 0, shown));
    m_namesShown[i] = shown;
    if (m_cut[i]) {
        m_edits[i]->setReadOnly(true);
        m_edits[i]->setToolTip(cutPageNotice());
    }
    showNotice();
    if (shown < names.size()) {
        m_edits[i]->setReadOnly(true);
        m_edits[i]->document()->setUndoRedoEnabled(false);
        QTimer::singleShot(0, this, [this, i] { fillMore(i); });
    }
    m_edits[i]->document()->setModified(false);
}

void NamesDialog::fillMore(std::size_t page) {
    const std::vector<std::string>& names = m_content.*namePages[page].list;
    const std::size_t first = m_namesShown[page];
    if (first >= names.size()) return;
    const std::size_t last = std::min(names.size(), first + namesAtATime);
    QTextCursor end(m_edits[page]->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QLatin1Char('\n') + pageText(names, first, last));
    m_namesShown[page] = last;
    if (last < names.size()) {
        QTimer::singleShot(0, this, [this, page] { fillMore(page); });
        return;
    }
    m_edits[page]->document()->setUndoRedoEnabled(true);
    m_edits[page]->document()->setModified(false);
    m_edits[page]->setReadOnly(m_cut[page]);
}

QString NamesDialog::cutPageNotice() {
    return QStringLiteral(
               "Nazwy dłuższe niż %1 znaków są skrócone: tę stronę można tylko "
               "przeglądać.")
        .arg(longestEditableName);
}

void NamesDialog::showNotice() {
    const int page = m_pages->currentIndex();
    m_notice->setVisible(page >= 0 && m_cut[static_cast<std::size_t>(page)]);
}

bool NamesDialog::isFilling(std::size_t page) const {
    return m_namesShown[page] < (m_content.*namePages[page].list).size();
}

void NamesDialog::showPage(const QString& caption) {
    for (int i = 0; i < m_pages->count(); ++i) {
        if (m_pages->tabText(i) == caption) m_pages->setCurrentIndex(i);
    }
}

void NamesDialog::storeAndClose() {
    std::vector<std::pair<editing::ListMember<std::string>, std::vector<std::string>>> changed;
    for (std::size_t i = 0; i < namePages.size(); ++i) {
        QPlainTextEdit* edit = m_edits[i];
        // A page still being filled, or holding cut names, is read-only: the user cannot have
        // changed it.
        if (!m_filled[i] || m_cut[i] || isFilling(i) || !edit->document()->isModified()) continue;
        const QString caption = QString::fromUtf8(namePages[i].caption);
        auto names = namesOfPage(ui::plainTextOf(*edit), caption);
        if (auto* refusal = std::get_if<PageRefusal>(&names)) {
            m_pages->setCurrentIndex(static_cast<int>(i));
            ui::prompter().message(this, QMessageBox::Warning, refusal->message, QMessageBox::Ok,
                                   QMessageBox::Ok);
            QTextCursor cursor(edit->document()->findBlockByNumber(refusal->line - 1));
            edit->setTextCursor(cursor);
            edit->setFocus();
            return;
        }
        changed.emplace_back(namePages[i].list,
                             std::get<std::vector<std::string>>(std::move(names)));
    }
    m_changed = std::move(changed);
    accept();
}

}  // namespace rylmo::texts
