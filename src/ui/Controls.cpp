#include "ui/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace rylmo::ui {

QComboBox* dropDownList(const char* name, const QStringList& items) {
    auto* combo = named(new QComboBox, name);
    combo->setEditable(false);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
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

}  // namespace rylmo::ui
