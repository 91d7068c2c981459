#include "support/plaincontrols.h"

#include "core/dates.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

PlainControls::PlainControls(const WindowSpec& window) : window_(window) {
    for (const ControlSpec& c : window.controls) {
        Value v;
        v.desc = &c;
        v.text = QString::fromUtf16(c.text);
        v.enabled = c.enabled;
        values_.insert(QString::fromUtf16(c.name), v);
    }
}

PlainControls::Value& PlainControls::at(const QString& name, ControlOp op) {
    auto it = values_.find(name);
    if (it == values_.end())
        throw std::logic_error("no control named " + name.toStdString());
    requireOp(*it->desc, op);
    return *it;
}

const PlainControls::Value& PlainControls::at(const QString& name, ControlOp op) const {
    // A const lookup: the non-const one would copy the table whenever it is shared.
    const auto it = values_.constFind(name);
    if (it == values_.cend())
        throw std::logic_error("no control named " + name.toStdString());
    requireOp(*it->desc, op);
    return *it;
}

void PlainControls::checkItem(const Value& v, int index) {
    if (index < 0 || index >= v.items.size())
        throw std::logic_error("item index out of range");
}

QString PlainControls::text(const QString& name) const {
    const Value& v = at(name, ControlOp::Text);
    switch (v.desc->kind) {
    case ControlKind::DropList:
    case ControlKind::ListBox:
    case ControlKind::MultiListBox:
    case ControlKind::CheckListBox:
        // The current item's text.
        return v.itemIndex >= 0 ? v.items[v.itemIndex] : QString();
    case ControlKind::DatePicker:
        // The picker shows its date as it is stored.
        return formatStoredDate(v.date);
    default:
        return v.text;
    }
}

void PlainControls::setText(const QString& name, const QString& text) {
    Value& v = at(name, ControlOp::SetText);
    if (v.desc->kind == ControlKind::DropList) {
        v.itemIndex = int(v.items.indexOf(text));
        return;
    }
    v.text = text;
}

bool PlainControls::enabled(const QString& name) const {
    return at(name, ControlOp::Enabled).enabled;
}

void PlainControls::setEnabled(const QString& name, bool on) {
    at(name, ControlOp::SetEnabled).enabled = on;
}

bool PlainControls::checked(const QString& name) const {
    return at(name, ControlOp::Checked).checked;
}

void PlainControls::setChecked(const QString& name, bool on) {
    at(name, ControlOp::SetChecked).checked = on;
}

QStringList PlainControls::items(const QString& name) const {
    return at(name, ControlOp::Items).items;
}

int PlainControls::itemCount(const QString& name) const {
    return int(at(name, ControlOp::Items).items.size());
}

QString PlainControls::itemText(const QString& name, int index) const {
    const Value& v = at(name, ControlOp::Items);
    if (index < 0 || index >= v.items.size())
        throw std::logic_error("item index out of range");
    return v.items[index];
}

void PlainControls::setItems(const QString& name, const QStringList& items) {
    Value& v = at(name, ControlOp::SetItems);
    v.items = items;
    v.itemIndex = -1;
    v.selected = QList<bool>(items.size(), false);
    v.itemChecked = QList<bool>(items.size(), false);
}

void PlainControls::insertItem(const QString& name, int index, const QString& item) {
    Value& v = at(name, ControlOp::InsertItem);
    if (index < 0 || index > v.items.size())
        throw std::logic_error("insert index out of range");
    v.items.insert(index, item);
    v.selected.insert(index, false);
    v.itemChecked.insert(index, false);
    if (v.itemIndex >= index)
        ++v.itemIndex;
}

void PlainControls::removeItem(const QString& name, int index) {
    Value& v = at(name, ControlOp::RemoveItem);
    checkItem(v, index);
    v.items.removeAt(index);
    v.selected.removeAt(index);
    v.itemChecked.removeAt(index);
    if (v.itemIndex > index) {
        --v.itemIndex;
        return;
    }
    if (v.itemIndex != index)
        return;
    const int count = int(v.items.size());
    switch (v.desc->kind) {
    case ControlKind::ListBox:
    case ControlKind::CheckListBox:
        // The entry below becomes current (the one above when the last went), selected alone.
        v.itemIndex = count == 0 ? -1 : std::min(index, count - 1);
        for (int i = 0; i < count; ++i)
            v.selected[i] = i == v.itemIndex;
        break;
    case ControlKind::MultiListBox:
        // The entry above becomes current (the one below when the first went); the selection stays.
        v.itemIndex = index > 0 ? index - 1 : (count > 0 ? 0 : -1);
        break;
    default:
        // A combo box is left with no current item.
        v.itemIndex = -1;
        break;
    }
}

int PlainControls::itemIndex(const QString& name) const {
    return at(name, ControlOp::ItemIndex).itemIndex;
}

void PlainControls::setItemIndex(const QString& name, int index) {
    Value& v = at(name, ControlOp::SetItemIndex);
    if (index >= v.items.size())
        throw std::logic_error("item index out of range");
    v.itemIndex = index < 0 ? -1 : index;
    // A combo box with a text field shows the chosen item, or nothing, as a real one does.
    if (v.desc->kind == ControlKind::EditCombo)
        v.text = v.itemIndex >= 0 ? v.items[v.itemIndex] : QString();
    // A list that selects one entry at most selects the entry it makes current.
    if (isSingleChoiceList(v.desc->kind)) {
        for (qsizetype i = 0; i < v.selected.size(); ++i)
            v.selected[i] = i == v.itemIndex;
    }
}

QList<int> PlainControls::selectedIndexes(const QString& name) const {
    const Value& v = at(name, ControlOp::SelectedIndexes);
    QList<int> out;
    for (int i = 0; i < v.selected.size(); ++i) {
        if (v.selected[i])
            out << i;
    }
    return out;
}

void PlainControls::setItemSelected(const QString& name, int index, bool on) {
    Value& v = at(name, ControlOp::SetItemSelected);
    checkItem(v, index);
    // A list that selects one entry at most drops the others' selection.
    if (on && isSingleChoiceList(v.desc->kind))
        v.selected.fill(false);
    v.selected[index] = on;
}

bool PlainControls::itemChecked(const QString& name, int index) const {
    const Value& v = at(name, ControlOp::ItemChecked);
    checkItem(v, index);
    return v.itemChecked[index];
}

void PlainControls::setItemChecked(const QString& name, int index, bool on) {
    Value& v = at(name, ControlOp::SetItemChecked);
    checkItem(v, index);
    v.itemChecked[index] = on;
}

QDate PlainControls::date(const QString& name) const {
    return at(name, ControlOp::Date).date;
}

void PlainControls::setDate(const QString& name, const QDate& date) {
    Value& v = at(name, ControlOp::SetDate);
    // A picker holds the years 100 to 9999 and would move any other date.
    if (!date.isValid() || date < QDate(MinDateYear, 1, 1) || date > QDate(MaxDateYear, 12, 31))
        throw std::logic_error("date outside the picker's range: " + name.toStdString());
    v.date = date;
}

Rgb PlainControls::fontColor(const QString& name) const {
    return at(name, ControlOp::FontColor).color;
}

void PlainControls::setFontColor(const QString& name, Rgb color) {
    at(name, ControlOp::SetFontColor).color = color;
}

void PlainControls::setFocus(const QString& name) {
    at(name, ControlOp::SetFocus);
    focused_ = name;
}

void PlainControls::focusNext(const QString& fromName) {
    // From nothing, the focus goes to the first tab stop.
    const ControlSpec* from = fromName.isEmpty() ? nullptr : at(fromName, ControlOp::FocusNext).desc;
    // The next enabled tab stop after `from` in tab order, wrapping around.
    std::vector<const ControlSpec*> stops;
    for (const ControlSpec& c : window_.controls) {
        if (c.tabStop && c.tab >= 0 && values_[QString::fromUtf16(c.name)].enabled)
            stops.push_back(&c);
    }
    if (stops.empty())
        return;
    std::stable_sort(stops.begin(), stops.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    for (const ControlSpec* c : stops) {
        if (from && c->tab > from->tab) {
            focused_ = QString::fromUtf16(c->name);
            return;
        }
    }
    focused_ = QString::fromUtf16(stops.front()->name);
}

QString PlainControls::focused() const {
    return focused_;
}
