#include "ui/ListWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "ui/Controls.h"
#include "ui/ErrorHandler.h"
#include "ui/FixedSize.h"

namespace rylmo::ui {

ListButtons::ListButtons(QDialog* window, bool accelerators, const Handlers& handlers) {
    const auto caption = [accelerators](const char* plain) {
        const QString text = QString::fromUtf8(plain);
        return accelerators ? QLatin1Char('&') + text : text;
    };
    add = button(caption("Dodaj"), "add");
    if (handlers.edit) edit = button(caption("Edytuj"), "edit");
    remove = button(caption("Usuń"), "delete");
    close = button(QStringLiteral("Zamknij"), "close");
    onClicked(add, window, handlers.add);
    if (edit) onClicked(edit, window, handlers.edit);
    onClicked(remove, window, handlers.remove);
    QObject::connect(close, &QPushButton::clicked, window, &QDialog::accept);
}

QHBoxLayout* ListButtons::row() const {
    return edit ? buttonRow({add, edit, remove}, {close}) : buttonRow({add, remove}, {close});
}

void layListBesideDetail(QDialog* window, const QString& listCaption, QListView* list,
                         const QString& detailCaption, QWidget* detail,
                         const ListButtons& buttons) {
    auto* layout = new QGridLayout(window);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(captionFor(listCaption, list), 0, 0);
    layout->addWidget(new QLabel(detailCaption), 0, 1);
    layout->addWidget(list, 1, 0);
    layout->addWidget(detail, 1, 1);
    layout->addLayout(buttons.row(), 2, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);
}

TrackBarWindow::TrackBarWindow(const Look& look, const ListButtons::Handlers& handlers,
                               QWidget* parent)
    : QDialog(parent),
      m_entries(trackBar(look.trackBarName, look.firstPosition)),
      m_counter(named(new QLabel, "counter")),
      m_buttons(this, look.accelerators, handlers),
      m_group(new QGroupBox(look.groupTitle)),
      m_first(look.firstPosition) {
    m_content = new QVBoxLayout(m_group);
    m_content->addWidget(m_entries);
    if (look.positionLabel) {
        m_position = named(new QLabel, "position");
        auto* counters = new QHBoxLayout;
        counters->addWidget(m_counter, 1);
        counters->addWidget(m_position);
        m_content->addLayout(counters);
    } else {
        m_content->addWidget(m_counter);
    }
}

void TrackBarWindow::addView(QWidget* view, int stretch) {
    m_content->addWidget(view, stretch);
}

void TrackBarWindow::finish(int width, int height, std::function<void()> moved) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_group, 1);
    layout->addLayout(m_buttons.row());
    makeFixedSize(*this, width, height);
    connect(m_entries, &QSlider::valueChanged, this, std::move(moved));
}

void TrackBarWindow::setEntryCount(int count) {
    // An emptied list keeps the track bar's range: its maximum never goes below the first.
    if (count > 0) m_entries->setMaximum(count - 1 + m_first);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_entries, m_buttons.edit, m_buttons.remove}) {
        if (w) w->setEnabled(count > 0);
    }
}

int TrackBarWindow::chosenEntry(int count) const {
    if (count <= 0) return -1;
    return std::min(m_entries->value() - m_first, count - 1);
}

}  // namespace rylmo::ui
