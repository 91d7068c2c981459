#include "ui/controlbuilder.h"

#include "ui/accessibility.h"
#include "ui/datepicker.h"
#include "ui/dropdownbox.h"
#include "ui/growinglabel.h"
#include "ui/guardedlineedit.h"
#include "ui/listbox.h"
#include "ui/memoedit.h"
#include "ui/pushbutton.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStringListModel>
#include <QToolButton>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

QFont programFont(int pixelSize) {
    QFont font;
    font.setFamilies({u"ＭＳ Ｐゴシック"_s, u"IPAPGothic"_s, u"Noto Sans CJK JP"_s});
    font.setPixelSize(pixelSize);
    return font;
}

namespace {

QComboBox* newComboBox(const ControlSpec& c, QWidget& surface) {
    auto* combo = new DropDownBox(&surface);
    combo->setModel(new QStringListModel(combo));
    if (c.dropRows > 0)
        combo->setMaxVisibleItems(c.dropRows);
    return combo;
}

QIcon buttonImage(const QString& picture) {
    // Each picture also at twice the size, its pixels doubled, so that it stays sharp on a screen
    // of twice the density.
    QIcon icon;
    for (const auto& [suffix, mode] :
         {std::pair{u""_s, QIcon::Normal}, std::pair{u"_disabled"_s, QIcon::Disabled}}) {
        icon.addFile(u":/images/%1%2.png"_s.arg(picture, suffix), QSize(16, 16), mode);
        icon.addFile(u":/images/%1%2@2x.png"_s.arg(picture, suffix), QSize(32, 32), mode);
    }
    return icon;
}

QLabel* newLabel(const ControlSpec& c, QWidget& surface) {
    const QString text = QString::fromUtf16(c.text);
    if (c.grows != LabelGrowth::None)
        return new GrowingLabel(text, QRect(c.x, c.y, c.w, c.h), c.grows, c.growLimit, &surface);
    return new QLabel(text, &surface);
}

QWidget* createControl(const ControlSpec& c, QWidget& surface) {
    const QString text = QString::fromUtf16(c.text);
    switch (c.kind) {
    case ControlKind::Label: {
        QLabel* label = newLabel(c, surface);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((c.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        return label;
    }
    case ControlKind::Edit: {
        auto* edit = new GuardedLineEdit(c.maxLength, &surface);
        edit->setInputMethodOff(c.ime == ImeMode::Off);
        return edit;
    }
    case ControlKind::Memo:
        return new MemoEdit(c.maxLength, &surface);
    case ControlKind::DropList:
        return newComboBox(c, surface);
    case ControlKind::EditCombo: {
        QComboBox* combo = newComboBox(c, surface);
        auto* edit = new GuardedLineEdit(c.maxLength);
        edit->setInputMethodOff(c.ime == ImeMode::Off);
        combo->setLineEdit(edit);
        // Typed text never becomes an item.
        combo->setInsertPolicy(QComboBox::NoInsert);
        return combo;
    }
    case ControlKind::DatePicker: {
        auto* picker = new DatePicker(&surface);
        picker->setInputMethodOff(c.ime == ImeMode::Off);
        return picker;
    }
    case ControlKind::Button:
        return new PushButton(text, &surface);
    case ControlKind::ImageButton: {
        auto* button = new QToolButton(&surface);
        button->setText(text);
        if (*c.image) {
            button->setIcon(buttonImage(QString::fromUtf16(c.image)));
            button->setIconSize(QSize(16, 16));
        }
        button->setToolButtonStyle(c.imageStyle);
        return button;
    }
    case ControlKind::ListBox:
    case ControlKind::MultiListBox:
    case ControlKind::CheckListBox: {
        auto* list = new ListBox(&surface);
        list->setSelectionMode(c.kind == ControlKind::MultiListBox ? QAbstractItemView::ExtendedSelection
                                                                   : QAbstractItemView::SingleSelection);
        if (c.itemHeight > 0)
            list->setItemHeight(c.itemHeight);
        return list;
    }
    case ControlKind::Form:
    case ControlKind::MenuItem:
        break;
    }
    return nullptr;
}

} // namespace

void buildControls(QWidget& surface, const WindowSpec& window) {
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlSpec& c : window.controls) {
        QWidget* w = createControl(c, surface);
        if (!w)
            continue;
        w->setObjectName(QString::fromUtf16(c.name));
        w->setGeometry(c.x, c.y, c.w, c.h);
        if (c.fontPx > 0 && c.fontPx != window.fontPx)
            w->setFont(programFont(c.fontPx));
        if (*c.hint)
            w->setToolTip(QString::fromUtf16(c.hint));
        w->setEnabled(c.enabled);
        if (c.tab >= 0) {
            // Off the Tab key's path, such a control still takes the focus from a click.
            w->setFocusPolicy(c.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
            tabOrder.emplace_back(c.tab, w);
        } else {
            w->setFocusPolicy(Qt::NoFocus);
        }
        if (auto* label = qobject_cast<GrowingLabel*>(w))
            label->fitText();
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    nameControls(surface, window);
}

void showKeyInToolTip(QWidget& control, const QKeySequence& keys) {
    const QString key = keys.toString(QKeySequence::NativeText);
    control.setToolTip(control.toolTip().isEmpty() ? key : control.toolTip() + u" ("_s + key + u')');
}

void addControlKeys(QWidget& window, const WindowSpec& table) {
    for (const ControlSpec& c : table.controls) {
        if (c.key == QKeyCombination())
            continue;
        const QString name = QString::fromUtf16(c.name);
        const QKeySequence keys(c.key);
        if (auto* action = window.findChild<QAction*>(name)) {
            action->setShortcut(keys);
            continue;
        }
        QWidget* control = window.findChild<QWidget*>(name);
        auto* shortcut = new QShortcut(keys, &window);
        shortcut->setObjectName(name);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        else
            QObject::connect(shortcut, &QShortcut::activated, control,
                             [control] { control->setFocus(Qt::ShortcutFocusReason); });
        showKeyInToolTip(*control, keys);
    }
}
