#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

class QAbstractItemModel;
class QComboBox;
class QListView;
class QHBoxLayout;
class QSlider;
class QLabel;
class QPlainTextEdit;
class QDialog;
class QPushButton;
class QSpinBox;
class QWidget;

namespace rylmo::ui {

// The controls every dialog builds alike. A control's objectName is what tests find it by.
template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A drop-down list of items with nothing chosen.
QComboBox* dropDownList(const char* name, const QStringList& items = {});
// A drop-down list of a document list's texts (a DocumentTextsModel), cheap however long.
// A list view of a list of the document, which may hold millions of entries: rows of one
// height; a list of more than a hundred thousand is laid out a batch at a time, so that the
// window opens before the last row is placed (a shorter one is placed at once, so that the
// view can scroll to any row straight away).
QListView* longListView(const char* name, QAbstractItemModel* entries);

QComboBox* documentList(const char* name, QAbstractItemModel* texts, int visibleCharacters = 20);

// Makes a drop-down list cheap however many items it holds: its size does not depend on
// measuring every item, and its pop-up assumes items of one height.
void makeLargeList(QComboBox* list, int visibleCharacters);

// The text of a multi-line edit as typed: non-breaking spaces stay (toPlainText turns them into
// plain spaces), lines are separated by '\n'.
QString plainTextOf(const QPlainTextEdit& edit);

// A stored value that names no item of list: shown as one more item holding text, chosen,
// after the real ones, so that every real item, the first included, can still be chosen.
void showUnknownItem(QComboBox* list, const QString& text);

// The chosen real item of list (of realItems), -1 for none or for the item of showUnknownItem.
int chosenItem(const QComboBox* list, int realItems);

// The items of a stand position list: "0 - lewa strona", "1" … "8", "9 - prawa strona".
QStringList standPositionItems();

// A spin edit over 0..maximum; a typed value beyond the range is brought to the nearer bound
// when the focus leaves.
QSpinBox* spinEdit(const char* name, int maximum, int minimum = 0);

// A button of at least the platform's usual size that Enter does not press unless it is the
// dialog's default.
QPushButton* button(const QString& caption, const char* name);

// A dialog's "OK" (or okCaption) and "Anuluj", buttons named "ok" and "cancel": "Anuluj"
// rejects the dialog; what "OK" does is the dialog's own. Placing them is the dialog's too.
struct DialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};
DialogButtons dialogButtons(QDialog& dialog, const QString& okCaption = QStringLiteral("OK"));

// A horizontal track bar over minimum..minimum with tick marks on both sides (at most about
// a hundred of them), moved one position per page step.
QSlider* trackBar(const char* name, int minimum = 0);

// A row of buttons: left ones at the left edge, right ones at the right edge.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> left,
                       std::initializer_list<QPushButton*> right);

// A caption whose accelerator moves the focus to buddy.
QLabel* captionFor(const QString& text, QWidget* buddy);

// A dependent control drawn in the button-face colour while it is disabled.
void greyWhenDisabled(QWidget* widget);

// A short hint in dark red beside a field that refuses what was typed.
QLabel* hintLabel(const char* name);

}  // namespace rylmo::ui
