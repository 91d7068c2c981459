#include "ui/qtcontrols.h"

#include "core/windownames.h"
#include "ui/datepicker.h"
#include "ui/growinglabel.h"
#include "ui/guardedlineedit.h"
#include "ui/listbox.h"
#include "ui/memoedit.h"
#include "ui/textcolor.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStringListModel>

#include <algorithm>
#include <stdexcept>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

[[noreturn]] void fail(const char* what, const QString& name) {
    throw std::logic_error(std::string(what) + ": " + name.toStdString());
}

bool isCombo(ControlKind kind) {
    return kind == ControlKind::DropList || kind == ControlKind::EditCombo;
}

bool isList(ControlKind kind) {
    return kind == ControlKind::ListBox || kind == ControlKind::MultiListBox ||
           kind == ControlKind::CheckListBox;
}

GuardedLineEdit& comboEdit(QComboBox& combo) {
    return *static_cast<GuardedLineEdit*>(combo.lineEdit());
}

// A shop name the program puts into a shop box shows from its start, however long it is.
void showFromStart(QComboBox& combo, const QString& text) {
    comboEdit(combo).setProgramText(text);
    comboEdit(combo).setCursorPosition(0);
}

// The text of an editable combo box before a change of its items, which may take it away; put
// back as it was, with the cursor where it stood.
struct TypedText {
    explicit TypedText(const QComboBox& combo)
        : text(combo.currentText()), cursor(combo.lineEdit() ? combo.lineEdit()->cursorPosition() : 0) {}
    void restore(QComboBox& combo) const {
        comboEdit(combo).setProgramText(text);
        comboEdit(combo).setCursorPosition(cursor);
    }

    QString text;
    int cursor;
};

// A history entry may be the one whose click is being handled: it goes once that is over.
void dropHistoryItem(QMenu& menu, QAction* action) {
    menu.removeAction(action);
    action->setObjectName(QString());
    action->deleteLater();
}

// A history entry is a path, and "&" in a menu caption would mark an access key.
QString menuCaption(QString path) {
    return path.replace(u'&', u"&&"_s);
}

QString pathOfCaption(QString caption) {
    return caption.replace(u"&&"_s, u"&"_s);
}

void checkIndex(int index, int count, const QString& name) {
    if (index < 0 || index >= count)
        fail("item index out of range", name);
}

} // namespace

QtControls::QtControls(QWidget& window, const WindowSpec& desc) : window_(window), spec_(desc) {
    for (const ControlSpec& c : desc.controls) {
        const QString name = QString::fromUtf16(c.name);
        QObject* object = nullptr;
        if (c.kind == ControlKind::Form)
            object = &window;
        else if (c.kind == ControlKind::MenuItem)
            object = window.findChild<QAction*>(name);
        else
            object = window.findChild<QWidget*>(name);
        if (!object)
            fail("the window has no control", name);
        entries_.insert(name, Entry{&c, object});
    }
}

const QtControls::Entry& QtControls::at(const QString& name) const {
    const auto it = entries_.constFind(name);
    if (it == entries_.cend())
        fail("no control named", name);
    return *it;
}

const QtControls::Entry& QtControls::at(const QString& name, ControlOp op) const {
    const Entry& e = at(name);
    requireOp(*e.desc, op);
    return e;
}

template <class T> T* QtControls::as(const QString& name) const {
    T* object = qobject_cast<T*>(at(name).object);
    if (!object)
        fail("operation not supported by control", name);
    return object;
}

QWidget* QtControls::widget(const QString& name) const {
    return as<QWidget>(name);
}

QMenu* QtControls::historyMenu(const QString& name) const {
    const Entry& e = at(name);
    if (e.desc->kind != ControlKind::MenuItem)
        return nullptr;
    QMenu* menu = static_cast<QAction*>(e.object)->menu<QMenu*>();
    if (!menu || name != fmain::MN_FILE)
        fail("menu item has no item list", name);
    return menu;
}

void QtControls::renameHistory(QMenu& menu) const {
    const QList<QAction*> actions = menu.actions();
    for (qsizetype i = fmain::FileMenuFixedItems; i < actions.size(); ++i)
        actions[i]->setObjectName(fmain::RIREKI_OPN(int(i - fmain::FileMenuFixedItems)));
}

QString QtControls::text(const QString& name) const {
    const Entry& e = at(name, ControlOp::Text);
    switch (e.desc->kind) {
    case ControlKind::Form:
        return window_.windowTitle();
    case ControlKind::Label:
        return as<QLabel>(name)->text();
    case ControlKind::Edit:
        return as<QLineEdit>(name)->text();
    case ControlKind::Memo:
        return as<MemoEdit>(name)->text();
    case ControlKind::DropList:
    case ControlKind::EditCombo:
        return as<QComboBox>(name)->currentText();
    case ControlKind::DatePicker:
        return as<QDateEdit>(name)->text();
    case ControlKind::Button:
    case ControlKind::ImageButton:
        return as<QAbstractButton>(name)->text();
    case ControlKind::ListBox:
    case ControlKind::MultiListBox:
    case ControlKind::CheckListBox: {
        const QListWidgetItem* item = as<QListWidget>(name)->currentItem();
        return item ? item->text() : QString();
    }
    case ControlKind::MenuItem:
        return as<QAction>(name)->text();
    }
    return {};
}

void QtControls::setText(const QString& name, const QString& text) {
    const Entry& e = at(name, ControlOp::SetText);
    switch (e.desc->kind) {
    case ControlKind::Form:
        window_.setWindowTitle(text);
        return;
    case ControlKind::Label:
        as<QLabel>(name)->setText(text);
        if (auto* growing = qobject_cast<GrowingLabel*>(at(name).object))
            growing->fitText();
        return;
    case ControlKind::Edit:
        as<GuardedLineEdit>(name)->setProgramText(text);
        return;
    case ControlKind::Memo:
        as<MemoEdit>(name)->setText(text);
        return;
    case ControlKind::DropList: {
        auto* combo = as<QComboBox>(name);
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        return;
    }
    case ControlKind::EditCombo:
        showFromStart(*as<QComboBox>(name), text);
        return;
    case ControlKind::Button:
    case ControlKind::ImageButton:
        as<QAbstractButton>(name)->setText(text);
        return;
    case ControlKind::MenuItem:
        as<QAction>(name)->setText(text);
        return;
    case ControlKind::DatePicker:
    case ControlKind::ListBox:
    case ControlKind::MultiListBox:
    case ControlKind::CheckListBox:
        break;
    }
    fail("text cannot be set on control", name);
}

bool QtControls::enabled(const QString& name) const {
    const Entry& e = at(name, ControlOp::Enabled);
    if (e.desc->kind == ControlKind::MenuItem)
        return as<QAction>(name)->isEnabled();
    if (e.desc->kind == ControlKind::Form)
        return window_.isEnabled();
    return widget(name)->isEnabledTo(&window_);
}

void QtControls::setEnabled(const QString& name, bool on) {
    if (at(name, ControlOp::SetEnabled).desc->kind == ControlKind::MenuItem)
        as<QAction>(name)->setEnabled(on);
    else
        widget(name)->setEnabled(on);
}

bool QtControls::checked(const QString& name) const {
    at(name, ControlOp::Checked);
    return as<QAction>(name)->isChecked();
}

void QtControls::setChecked(const QString& name, bool on) {
    at(name, ControlOp::SetChecked);
    as<QAction>(name)->setChecked(on);
}

QStringList QtControls::items(const QString& name) const {
    QStringList out;
    const ControlKind kind = at(name, ControlOp::Items).desc->kind;
    if (QMenu* menu = historyMenu(name)) {
        const QList<QAction*> actions = menu->actions();
        for (qsizetype i = fmain::FileMenuFixedItems; i < actions.size(); ++i)
            out << pathOfCaption(actions[i]->text());
    } else if (isCombo(kind)) {
        const QComboBox* combo = as<QComboBox>(name);
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
    } else if (isList(kind)) {
        const QListWidget* list = as<QListWidget>(name);
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
    } else {
        fail("control has no item list", name);
    }
    return out;
}

int QtControls::itemCount(const QString& name) const {
    const ControlKind kind = at(name, ControlOp::Items).desc->kind;
    if (QMenu* menu = historyMenu(name))
        return int(menu->actions().size()) - fmain::FileMenuFixedItems;
    if (isCombo(kind))
        return as<QComboBox>(name)->count();
    if (isList(kind))
        return as<QListWidget>(name)->count();
    fail("control has no item list", name);
}

QString QtControls::itemText(const QString& name, int index) const {
    const ControlKind kind = at(name, ControlOp::Items).desc->kind;
    if (index < 0 || index >= itemCount(name))
        fail("item index out of range", name);
    if (QMenu* menu = historyMenu(name))
        return pathOfCaption(menu->actions()[fmain::FileMenuFixedItems + index]->text());
    if (isCombo(kind))
        return as<QComboBox>(name)->itemText(index);
    return as<QListWidget>(name)->item(index)->text();
}

void QtControls::setItems(const QString& name, const QStringList& items) {
    const ControlKind kind = at(name, ControlOp::SetItems).desc->kind;
    if (QMenu* menu = historyMenu(name)) {
        const QList<QAction*> actions = menu->actions();
        for (qsizetype i = fmain::FileMenuFixedItems; i < actions.size(); ++i)
            dropHistoryItem(*menu, actions[i]);
        for (const QString& caption : items)
            menu->addAction(menuCaption(caption));
        renameHistory(*menu);
    } else if (isCombo(kind)) {
        auto* combo = as<QComboBox>(name);
        const TypedText typed(*combo);
        if (auto* list = qobject_cast<QStringListModel*>(combo->model())) {
            list->setStringList(items);
        } else {
            combo->clear();
            combo->addItems(items);
        }
        // Filling selects the first item; the list is to start with none.
        combo->setCurrentIndex(-1);
        if (kind == ControlKind::EditCombo)
            typed.restore(*combo);
    } else if (isList(kind)) {
        auto* list = as<QListWidget>(name);
        list->clear();
        list->addItems(items);
        if (kind == ControlKind::CheckListBox) {
            for (int i = 0; i < list->count(); ++i) {
                list->item(i)->setFlags(list->item(i)->flags() | Qt::ItemIsUserCheckable);
                list->item(i)->setCheckState(Qt::Unchecked);
            }
        }
        list->setCurrentRow(-1);
    } else {
        fail("control has no item list", name);
    }
}

void QtControls::insertItem(const QString& name, int index, const QString& item) {
    const ControlKind kind = at(name, ControlOp::InsertItem).desc->kind;
    if (QMenu* menu = historyMenu(name)) {
        const QList<QAction*> actions = menu->actions();
        if (index < 0 || index > actions.size() - fmain::FileMenuFixedItems)
            fail("item index out of range", name);
        auto* action = new QAction(menuCaption(item), menu);
        menu->insertAction(fmain::FileMenuFixedItems + index < actions.size()
                               ? actions[fmain::FileMenuFixedItems + index]
                               : nullptr,
                           action);
        renameHistory(*menu);
    } else if (isCombo(kind)) {
        auto* combo = as<QComboBox>(name);
        if (index < 0 || index > combo->count())
            fail("item index out of range", name);
        const int current = combo->currentIndex();
        const TypedText typed(*combo);
        combo->insertItem(index, item);
        // An item put into an empty list becomes the current one; keep the state as it was.
        if (current < 0) {
            combo->setCurrentIndex(-1);
            if (kind == ControlKind::EditCombo)
                typed.restore(*combo);
        }
    } else if (isList(kind)) {
        auto* list = as<QListWidget>(name);
        if (index < 0 || index > list->count())
            fail("item index out of range", name);
        list->insertItem(index, item);
        if (kind == ControlKind::CheckListBox) {
            list->item(index)->setFlags(list->item(index)->flags() | Qt::ItemIsUserCheckable);
            list->item(index)->setCheckState(Qt::Unchecked);
        }
    } else {
        fail("control has no item list", name);
    }
}

void QtControls::removeItem(const QString& name, int index) {
    const ControlKind kind = at(name, ControlOp::RemoveItem).desc->kind;
    if (QMenu* menu = historyMenu(name)) {
        const QList<QAction*> actions = menu->actions();
        checkIndex(index, int(actions.size()) - fmain::FileMenuFixedItems, name);
        dropHistoryItem(*menu, actions[fmain::FileMenuFixedItems + index]);
        renameHistory(*menu);
    } else if (isCombo(kind)) {
        auto* combo = as<QComboBox>(name);
        checkIndex(index, combo->count(), name);
        const bool wasCurrent = combo->currentIndex() == index;
        const TypedText typed(*combo);
        combo->removeItem(index);
        // Qt moves the selection to a neighbour; removing the selected item leaves none.
        if (wasCurrent) {
            combo->setCurrentIndex(-1);
            if (kind == ControlKind::EditCombo)
                typed.restore(*combo);
        }
    } else if (isList(kind)) {
        auto* list = as<QListWidget>(name);
        checkIndex(index, list->count(), name);
        delete list->takeItem(index);
    } else {
        fail("control has no item list", name);
    }
}

int QtControls::itemIndex(const QString& name) const {
    const ControlKind kind = at(name, ControlOp::ItemIndex).desc->kind;
    if (isCombo(kind))
        return as<QComboBox>(name)->currentIndex();
    if (isList(kind))
        return as<QListWidget>(name)->currentRow();
    fail("control has no item list", name);
}

void QtControls::setItemIndex(const QString& name, int index) {
    const ControlKind kind = at(name, ControlOp::SetItemIndex).desc->kind;
    // setCurrentIndex never emits `activated`, so the click handler does not run.
    if (isCombo(kind)) {
        auto* combo = as<QComboBox>(name);
        if (index >= combo->count())
            fail("item index out of range", name);
        combo->setCurrentIndex(std::max(index, -1));
    } else if (isList(kind)) {
        auto* list = as<QListWidget>(name);
        if (index >= list->count())
            fail("item index out of range", name);
        // In a list where several items can be selected, the current item and the selection are
        // separate: moving the one must not change the other.
        if (kind == ControlKind::MultiListBox)
            list->setCurrentRow(std::max(index, -1), QItemSelectionModel::NoUpdate);
        else
            list->setCurrentRow(std::max(index, -1));
    } else {
        fail("control has no item list", name);
    }
}

QList<int> QtControls::selectedIndexes(const QString& name) const {
    at(name, ControlOp::SelectedIndexes);
    const auto* list = as<QListWidget>(name);
    QList<int> out;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            out << i;
    }
    return out;
}

void QtControls::setItemSelected(const QString& name, int index, bool on) {
    at(name, ControlOp::SetItemSelected);
    auto* list = as<QListWidget>(name);
    checkIndex(index, list->count(), name);
    list->item(index)->setSelected(on);
}

bool QtControls::itemChecked(const QString& name, int index) const {
    at(name, ControlOp::ItemChecked);
    const auto* list = as<QListWidget>(name);
    checkIndex(index, list->count(), name);
    return list->item(index)->checkState() == Qt::Checked;
}

void QtControls::setItemChecked(const QString& name, int index, bool on) {
    at(name, ControlOp::SetItemChecked);
    auto* list = as<QListWidget>(name);
    checkIndex(index, list->count(), name);
    list->item(index)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

QDate QtControls::date(const QString& name) const {
    at(name, ControlOp::Date);
    return as<QDateEdit>(name)->date();
}

void QtControls::setDate(const QString& name, const QDate& date) {
    at(name, ControlOp::SetDate);
    auto* picker = as<QDateEdit>(name);
    // The picker would silently move a date outside its range to the nearest end.
    if (!date.isValid() || date < picker->minimumDate() || date > picker->maximumDate())
        fail("date outside the picker's range", name);
    picker->setDate(date);
}

Rgb QtControls::fontColor(const QString& name) const {
    at(name, ControlOp::FontColor);
    const QWidget* w = at(name).desc->kind == ControlKind::Form ? &window_ : widget(name);
    return textColor(*w);
}

void QtControls::setFontColor(const QString& name, Rgb color) {
    at(name, ControlOp::SetFontColor);
    const ControlKind kind = at(name).desc->kind;
    QWidget* w = kind == ControlKind::Form ? &window_ : widget(name);
    // A label's text stands on the window, an edit's on its field.
    const bool onWindow = kind == ControlKind::Label || kind == ControlKind::Form;
    setTextColor(*w, color, onWindow ? QPalette::Window : QPalette::Base);
}

void QtControls::setFocus(const QString& name) {
    at(name, ControlOp::SetFocus);
    widget(name)->setFocus(Qt::OtherFocusReason);
}

void QtControls::focusNext(const QString& fromName) {
    const ControlSpec* from = fromName.isEmpty() ? nullptr : at(fromName, ControlOp::FocusNext).desc;
    // The next tab stop after `from` in tab order that can take the focus, wrapping around.
    std::vector<std::pair<const ControlSpec*, QWidget*>> stops;
    for (const ControlSpec& c : spec_.controls) {
        if (!c.tabStop || c.tab < 0)
            continue;
        QWidget* w = widget(QString::fromUtf16(c.name));
        if (w->isEnabled() && w->isVisibleTo(&window_))
            stops.emplace_back(&c, w);
    }
    if (stops.empty())
        return;
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first->tab < b.first->tab; });
    const auto next = std::find_if(stops.begin(), stops.end(),
                                   [&](const auto& s) { return from && s.first->tab > from->tab; });
    (next == stops.end() ? stops.front() : *next).second->setFocus(Qt::TabFocusReason);
}

QString QtControls::focused() const {
    // The window's focus widget may be a part of a control (a combo box's edit field): name the control.
    for (QWidget* w = window_.focusWidget(); w && w != &window_; w = w->parentWidget()) {
        const auto it = entries_.constFind(w->objectName());
        if (it != entries_.cend() && it->object == w)
            return it.key();
    }
    return {};
}
