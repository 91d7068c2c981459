#include "ui/accessibility.h"

#include "core/controls.h"
#include "core/controltable.h"
#include "ui/inputwidgets.h"
#include "ui/textcolor.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

// Qt's own combo box interface gives the current text as the name on Linux, so a shop box holding
// a shop would be read as the shop. This one gives the combo box's name, and its text as the value.
class ComboBoxAccessible : public QAccessibleWidget {
  public:
    explicit ComboBoxAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ComboBox) {}

    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The drop-down list, then the text field of an editable combo box.
    int childCount() const override { return combo()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(dropDownList(*combo()));
        if (index == 1 && combo()->isEditable())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (child->object() == dropDownList(*combo()))
            return 0;
        if (combo()->isEditable() && child->object() == combo()->lineEdit())
            return 1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QLineEdit* edit = combo()->lineEdit();
        if (edit && edit->isVisible() && QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()).contains(x, y))
            return QAccessible::queryAccessibleInterface(edit);
        return nullptr;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const bool open = dropDownList(*combo())->isVisible();
        s.expandable = true;
        s.expanded = open;
        s.collapsed = !open;
        s.editable = combo()->isEditable();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (dropDownList(*combo())->isVisible())
                combo()->hidePopup();
            else
                combo()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == u"QComboBox" && object && object->isWidgetType())
        return new ComboBoxAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// A price difference is described by its row, and by what its colour says: red the cheapest
// observation, lime the dearest. The colour is set by the logic; the description follows it.
class DifferenceDescription : public QObject {
  public:
    DifferenceDescription(QLabel& label, int row) : QObject(&label), row_(row) {
        label.installEventFilter(this);
        describe(label);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange)
            describe(*static_cast<QLabel*>(watched));
        return false;
    }

  private:
    void describe(QLabel& label) const {
        QString description = u"差額 "_s + QString::number(row_);
        const Rgb color = textColor(label);
        if (color == colors::Red)
            description += u"、最安"_s;
        else if (color == colors::Lime)
            description += u"、最高"_s;
        label.setAccessibleDescription(description);
    }

    int row_;
};

struct ControlName {
    const char16_t* window;
    const char16_t* control;
    const char16_t* name;
};

// Controls with no label of their own beside them, and those whose caption says too little.
constexpr ControlName controlNames[] = {
    {u"F_MAIN", u"SPD_MEMO_DEL", u"メモを消す"}, {u"F_MAIN", u"LBL_KOUSIN", u"更新中"},
    {u"F_TENMEI", u"ListBox1", u"店名の一覧"},   {u"F_TENMEI", u"SPD_L_UP", u"上へ移動"},
    {u"F_TENMEI", u"SPD_L_DOWN", u"下へ移動"},   {u"F_OLD_SIBO", u"LST_SYO", u"商品の一覧"},
    {u"F_MISE_SIBO", u"CBO_MISE", u"店名"},      {u"F_MISE_SIBO", u"LST_SYO", u"商品の一覧"},
    {u"F_RIREKI", u"CK_LBOX", u"ファイル履歴"},
};

struct Buddy {
    const char16_t* window;
    const char16_t* label;
    const char16_t* field;
};

constexpr Buddy buddies[] = {
    {u"F_MAIN", u"Label1", u"EDT_SYOMEI"},      {u"F_MAIN", u"Label2", u"EDT_TEIKA"},
    {u"F_MAIN", u"Label4", u"CBO_SYOMEI"},      {u"F_MAIN", u"Label6", u"Memo1"},
    {u"F_TENMEI", u"Label3", u"TXT_MOJI_EDIT"},
};

// The controls of the main window's five price rows: the control's name before and after the row
// number, and the role that is read with the row number.
struct RowName {
    const char16_t* before;
    const char16_t* after;
    const char16_t* role;
};

constexpr RowName rowNames[] = {
    {u"CBO_MISE", u"", u"店名"}, {u"EDT_", u"", u"時価"},       {u"DTP_", u"", u"記録日"},
    {u"BTN_DEL", u"", u"消"},    {u"BTN_", u"_TODAY", u"今日"},
};

bool inWindow(const char16_t* name, const WindowSpec& window) {
    return QStringView(name) == QStringView(window.name);
}

template <class T = QWidget> T* control(QWidget& surface, const char16_t* name) {
    return surface.findChild<T*>(QString::fromUtf16(name));
}

} // namespace

void nameControls(QWidget& surface, const WindowSpec& window) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    for (const Buddy& b : buddies) {
        if (!inWindow(b.window, window))
            continue;
        auto* label = control<QLabel>(surface, b.label);
        QWidget* field = control(surface, b.field);
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }
    for (const ControlName& n : controlNames) {
        if (inWindow(n.window, window))
            control(surface, n.control)->setAccessibleName(QString::fromUtf16(n.name));
    }
    if (inWindow(u"F_MAIN", window)) {
        for (int row = 1; row <= 5; ++row) {
            const QString number = QString::number(row);
            for (const RowName& r : rowNames) {
                const QString name = QString::fromUtf16(r.before) + number + QString::fromUtf16(r.after);
                surface.findChild<QWidget*>(name)->setAccessibleName(QString::fromUtf16(r.role) + u' ' +
                                                                     number);
            }
            new DifferenceDescription(*surface.findChild<QLabel*>(u"LBL_SA_"_s + number), row);
        }
    }
    // The parts of a combo box that can be reached on their own carry its name too; its list gets
    // the name when the list is made (dropDownList).
    for (QComboBox* combo : surface.findChildren<QComboBox*>()) {
        if (combo->lineEdit())
            combo->lineEdit()->setAccessibleName(combo->accessibleName());
    }
}
