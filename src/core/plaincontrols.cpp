#include "core/plaincontrols.h"

#include <algorithm>
#include <stdexcept>

PlainControls::PlainControls(const WindowSpec& window) : window_(window) {
    for (const ControlSpec& c : window.controls) {
        Value v;
        v.desc = &c;
        v.text = QString::fromUtf16(c.text);
        v.enabled = c.enabled;
        values_.insert(QString::fromUtf16(c.name), v);
    }
}

PlainControls::Value& PlainControls::at(const QString& name) {
    auto it = values_.find(name);
    if (it == values_.end())
        throw std::logic_error("no control named " + name.toStdString());
    return *it;
}

const PlainControls::Value& PlainControls::at(const QString& name) const {
    return const_cast<PlainControls*>(this)->at(name);
}

void PlainControls::checkItem(const Value& v, int index) {
    if (index < 0 || index >= v.items.size())
        throw std::logic_error("item index out of range");
}

QString PlainControls::text(const QString& name) const {
    const Value& v = at(name);
    if (v.desc->kind == ControlKind::DropList)
        return v.itemIndex >= 0 ? v.items[v.itemIndex] : QString();
    return v.text;
}

void PlainControls::setText(const QString& name, const QString& text) {
    Value& v = at(name);
    if (v.desc->kind == ControlKind::DropList) {
        v.itemIndex = int(v.items.indexOf(text));
        return;
    }
    v.text = text;
}

bool PlainControls::enabled(const QString& name) const {
    return at(name).enabled;
}

void PlainControls::setEnabled(const QString& name, bool on) {
    at(name).enabled = on;
}

bool PlainControls::checked(const QString& name) const {
    return at(name).checked;
}

void PlainControls::setChecked(const QString& name, bool on) {
    at(name).checked = on;
}

QStringList PlainControls::items(const QString& name) const {
    return at(name).items;
}

void PlainControls::setItems(const QString& name, const QStringList& items) {
    Value& v = at(name);
    v.items = items;
    v.itemIndex = -1;
    v.selected = QList<bool>(items.size(), false);
    v.itemChecked = QList<bool>(items.size(), false);
}

void PlainControls::insertItem(const QString& name, int index, const QString& item) {
    Value& v = at(name);
    if (index < 0 || index > v.items.size())
        throw std::logic_error("insert index out of range");
    v.items.insert(index, item);
    v.selected.insert(index, false);
    v.itemChecked.insert(index, false);
    if (v.itemIndex >= index)
        ++v.itemIndex;
}

void PlainControls::removeItem(const QString& name, int index) {
    Value& v = at(name);
    checkItem(v, index);
    v.items.removeAt(index);
    v.selected.removeAt(index);
    v.itemChecked.removeAt(index);
    if (v.itemIndex == index)
        v.itemIndex = -1;
    else if (v.itemIndex > index)
        --v.itemIndex;
}

int PlainControls::itemIndex(const QString& name) const {
    return at(name).itemIndex;
}

void PlainControls::setItemIndex(const QString& name, int index) {
    Value& v = at(name);
    if (index >= v.items.size())
        throw std::logic_error("item index out of range");
    v.itemIndex = index < 0 ? -1 : index;
    // A combo box with a text field shows the chosen item, or nothing, as a real one does.
    if (v.desc->kind == ControlKind::EditCombo)
        v.text = v.itemIndex >= 0 ? v.items[v.itemIndex] : QString();
}

QList<int> PlainControls::selectedIndexes(const QString& name) const {
    const Value& v = at(name);
    QList<int> out;
    for (int i = 0; i < v.selected.size(); ++i) {
        if (v.selected[i])
            out << i;
    }
    return out;
}

void PlainControls::setItemSelected(const QString& name, int index, bool on) {
    Value& v = at(name);
    checkItem(v, index);
    v.selected[index] = on;
}

bool PlainControls::itemChecked(const QString& name, int index) const {
    const Value& v = at(name);
    checkItem(v, index);
    return v.itemChecked[index];
}

void PlainControls::setItemChecked(const QString& name, int index, bool on) {
    Value& v = at(name);
    checkItem(v, index);
    v.itemChecked[index] = on;
}

QDate PlainControls::date(const QString& name) const {
    return at(name).date;
}

void PlainControls::setDate(const QString& name, const QDate& date) {
    at(name).date = date;
}

Rgb PlainControls::fontColor(const QString& name) const {
    return at(name).color;
}

void PlainControls::setFontColor(const QString& name, Rgb color) {
    at(name).color = color;
}

void PlainControls::setFocus(const QString& name) {
    at(name);
    focused_ = name;
}

void PlainControls::focusNext(const QString& fromName) {
    const ControlSpec* from = at(fromName).desc;
    // The next enabled tab stop after `from` in tab order, wrapping around.
    std::vector<const ControlSpec*> stops;
    for (const ControlSpec& c : window_.controls) {
        if (c.tabStop && c.tab >= 0 && values_[QString::fromUtf16(c.name)].enabled)
            stops.push_back(&c);
    }
    if (stops.empty())
        return;
    std::sort(stops.begin(), stops.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    for (const ControlSpec* c : stops) {
        if (c->tab > from->tab) {
            focused_ = QString::fromUtf16(c->name);
            return;
        }
    }
    focused_ = QString::fromUtf16(stops.front()->name);
}

QString PlainControls::focused() const {
    return focused_;
}
