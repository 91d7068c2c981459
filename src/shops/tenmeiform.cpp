// The shop-name management dialog F_TENMEI.
#include "shops/tenmeiform.h"

#include "core/controls.h"
#include "core/controltable.h"
#include "core/handlertable.h"
#include "core/uiservices.h"
#include "core/windownames.h"
#include "shops/shoplist.h"

using namespace Qt::StringLiterals;

namespace {

using namespace ftenmei;
const QString List = ListBox1;
const QString Input = TXT_MOJI_EDIT;
const QString Banme = LB_BANME;

QString positionText(int index) {
    return QString::number(index + 1) + u" 番目"_s;
}

QString chooseEntryText() {
    return u"リストの項目を選択して下さい"_s;
}

// The input box's text as one shop name. A line break would split the name into two lines of the
// file and a NUL would end the file's text there, so only the first line counts and NULs are dropped.
QString inputName(const Controls& c) {
    const QString text = c.text(Input);
    QString name;
    name.reserve(text.size());
    for (const QChar ch : text) {
        if (ch == u'\r' || ch == u'\n')
            break;
        if (ch != QChar(u'\0'))
            name += ch;
    }
    return name;
}

// Makes an entry current and leaves the selection as it was: a list control with extended
// selection would otherwise select the entry it makes current.
void makeCurrent(Controls& c, int index) {
    const int count = c.itemCount(List);
    QList<bool> selected(count, false);
    for (const int i : c.selectedIndexes(List))
        selected[i] = true;
    c.setItemIndex(List, index);
    for (int i = 0; i < count; ++i)
        c.setItemSelected(List, i, selected[i]);
}

} // namespace

TenmeiForm::TenmeiForm(UiServices& ui, QString shopListPath) : ui_(ui), path_(std::move(shopListPath)) {}

void TenmeiForm::FormCreate(Controls& c, const QStringList& names) {
    c.setItems(List, names);
    c.setText(Input, QString());
    c.setText(Banme, u"\u3000\u3000"_s);
    c.setFocus(Input);
}

void TenmeiForm::click(Controls& c, const QString& control) {
    static const HandlerTable<TenmeiForm&, Controls&> handlers{
        {ListBox1, &TenmeiForm::ListBox1Click},       {BTN_TSUIKA, &TenmeiForm::BTN_TSUIKAClick},
        {BTN_KOUSIN, &TenmeiForm::BTN_KOUSINClick},   {BTN_SAKUJYO, &TenmeiForm::BTN_SAKUJYOClick},
        {BTN_JYUNBAN, &TenmeiForm::BTN_JYUNBANClick}, {SPD_L_UP, &TenmeiForm::SPD_L_UPClick},
        {SPD_L_DOWN, &TenmeiForm::SPD_L_DOWNClick},
    };
    handlers.run(ui_, control, *this, c);
}

void TenmeiForm::save(const Controls& c) {
    SaveShopList(path_, c.items(List));
}

void TenmeiForm::ListBox1Click(Controls& c) {
    const int current = c.itemIndex(List);
    if (current < 0)
        return;
    c.setText(Input, c.itemText(List, current));
    c.setText(Banme, positionText(current));
}

void TenmeiForm::BTN_TSUIKAClick(Controls& c) {
    const QStringList names = c.items(List);
    if (names.size() >= MaxShops) {
        ui_.warn(QString::number(MaxShops) + u"個までです"_s);
        return;
    }
    const QString name = inputName(c);
    if (name.isEmpty()) {
        ui_.warn(u"未入力です"_s);
        c.setFocus(Input);
        return;
    }
    // Exact comparison: a name differing only in case, width or spaces is another shop.
    if (names.contains(name, Qt::CaseSensitive)) {
        ui_.warn(name + u" は既に登録済みです"_s);
        c.setFocus(Input);
        return;
    }
    const int added = int(names.size());
    c.insertItem(List, added, name);
    makeCurrent(c, added);
    save(c);
    c.setText(Input, QString());
    c.setFocus(Input);
}

void TenmeiForm::BTN_KOUSINClick(Controls& c) {
    const QString name = inputName(c);
    if (name.isEmpty()) {
        ui_.warn(u"未選択です"_s);
        c.setFocus(Input);
        return;
    }
    if (c.itemCount(List) == 0)
        return;
    const QList<int> selected = c.selectedIndexes(List);
    if (selected.size() != 1) {
        ui_.warn(chooseEntryText());
        return;
    }
    // Putting a new entry in the old one's place leaves it unselected, so a second 更新 asks for a
    // selection again instead of overwriting the same entry unnoticed.
    const int index = selected.front();
    const int current = c.itemIndex(List);
    c.removeItem(List, index);
    c.insertItem(List, index, name);
    if (current >= 0)
        makeCurrent(c, current);
    save(c);
    c.setFocus(List);
}

void TenmeiForm::BTN_SAKUJYOClick(Controls& c) {
    const QList<int> selected = c.selectedIndexes(List);
    if (selected.isEmpty()) {
        ui_.warn(chooseEntryText());
        return;
    }
    const QString question = selected.size() == 1
                                 ? c.itemText(List, selected.front()) + u"　を削除しますか？"_s
                                 : u"選択しているすべての項目を削除しますか？"_s;
    if (ui_.messageBox(MsgKind::Information, question, Yes | No, Yes) != Yes)
        return;
    for (auto it = selected.crbegin(); it != selected.crend(); ++it)
        c.removeItem(List, *it);
    save(c);
    c.setText(Input, QString());
    c.setFocus(Input);
}

void TenmeiForm::BTN_JYUNBANClick(Controls& c) {
    save(c);
}

void TenmeiForm::SPD_L_UPClick(Controls& c) {
    moveCurrent(c, -1);
}

void TenmeiForm::SPD_L_DOWNClick(Controls& c) {
    moveCurrent(c, +1);
}

void TenmeiForm::moveCurrent(Controls& c, int step) {
    if (c.selectedIndexes(List).isEmpty())
        return;
    const int from = c.itemIndex(List);
    if (from < 0) {
        ui_.warn(chooseEntryText());
        return;
    }
    const QStringList names = c.items(List);
    const int to = from + step;
    if (to < 0 || to >= names.size())
        return;
    // Taking the entry out and putting it back one place on leaves its neighbour's selection as it was.
    c.removeItem(List, from);
    c.insertItem(List, to, names[from]);
    // The moved entry stays current, so pressing again moves the same shop on, and the position
    // label shows where it is now.
    makeCurrent(c, to);
    c.setItemSelected(List, to, true);
    c.setText(Banme, positionText(to));
}
