#include "ui/Controls.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTextDocument>
#include <algorithm>

namespace rylmo::ui {

QComboBox* dropDownList(const char* name, const QStringList& items) {
    auto* combo = named(new QComboBox, name);
    combo->setEditable(false);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

QListView* longListView(const char* name, QAbstractItemModel* entries) {
    auto* view = named(new QListView, name);
    view->setUniformItemSizes(true);
    view->setModel(entries);
    if (entries->rowCount() > 100000) {
        view->setLayoutMode(QListView::Batched);
        view->setBatchSize(5000);
    }
    return view;
}

QComboBox* documentList(const char* name, QAbstractItemModel* texts, int visibleCharacters) {
    QComboBox* combo = dropDownList(name);
    combo->setModel(texts);
    combo->setCurrentIndex(-1);
    makeLargeList(combo, visibleCharacters);
    return combo;
}

void showUnknownItem(QComboBox* list, const QString& text) {
    list->addItem(text);
    list->setCurrentIndex(list->count() - 1);
}

int chosenItem(const QComboBox* list, int realItems) {
    const int item = list->currentIndex();
    return item < realItems ? item : -1;
}

QStringList standPositionItems() {
    QStringList items{QStringLiteral("0 - lewa strona")};
    for (int i = 1; i <= 8; ++i) items << QString::number(i);
    items << QStringLiteral("9 - prawa strona");
    return items;
}

QSpinBox* spinEdit(const char* name, int maximum, int minimum) {
    auto* box = named(new QSpinBox, name);
    box->setRange(minimum, maximum);
    box->setValue(minimum);
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    box->setKeyboardTracking(false);
    return box;
}

QPushButton* button(const QString& caption, const char* name) {
    auto* b = named(new QPushButton(caption), name);
    b->setAutoDefault(false);
    b->setMinimumSize(75, 25);
    return b;
}

DialogButtons dialogButtons(QDialog& dialog, const QString& okCaption) {
    DialogButtons buttons{button(okCaption, "ok"), button(QStringLiteral("Anuluj"), "cancel")};
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return buttons;
}

QSlider* trackBar(const char* name, int minimum) {
    auto* bar = named(new QSlider(Qt::Horizontal), name);
    bar->setTickPosition(QSlider::TicksBothSides);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // A tick per position, or one per as many positions as keep the ticks about a hundred:
    // a hundred thousand ticks would take longer to draw than the window to open.
    QObject::connect(bar, &QAbstractSlider::rangeChanged, bar, [bar](int low, int high) {
        bar->setTickInterval(std::max(1, (high - low) / 100));
    });
    bar->setRange(minimum, minimum);
    return bar;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> left,
                       std::initializer_list<QPushButton*> right) {
    auto* row = new QHBoxLayout;
    for (QPushButton* b : left) row->addWidget(b);
    row->addStretch();
    for (QPushButton* b : right) row->addWidget(b);
    return row;
}

QLabel* captionFor(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    if (buddy) label->setBuddy(buddy);
    return label;
}

void greyWhenDisabled(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Button));
    widget->setPalette(palette);
}

QLabel* hintLabel(const char* name) {
    auto* label = named(new QLabel, name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::darkRed);
    label->setPalette(palette);
    return label;
}

void makeLargeList(QComboBox* list, int visibleCharacters) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(visibleCharacters);
    auto* view = new QListView(list);
    view->setUniformItemSizes(true);
    list->setView(view);
}

QString plainTextOf(const QPlainTextEdit& edit) {
    QString text = edit.document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
    }
    return text;
}

}  // namespace rylmo::ui
