#include "ui/accessibility.h"

#include "core/controls.h"
#include "core/controltable.h"
#include "core/windownames.h"
#include "notebook/pricebook.h"
#include "ui/dropdownbox.h"
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

    for (const ControlSpec& c : window.controls) {
        if (*c.label) {
            auto* label = control<QLabel>(surface, c.label);
            QWidget* field = control(surface, c.name);
            label->setBuddy(field);
            field->setAccessibleName(label->text());
        } else if (*c.accessibleName) {
            control(surface, c.name)->setAccessibleName(QString::fromUtf16(c.accessibleName));
        }
    }
    if (QStringView(window.name) == fmain::F_MAIN) {
        for (int row = 1; row <= PriceSlots; ++row)
            new DifferenceDescription(*surface.findChild<QLabel*>(fmain::LBL_SA_(row)), row);
    }
    // The parts of a combo box that can be reached on their own carry its name too; its list gets
    // the name when the list is made (dropDownList).
    for (QComboBox* combo : surface.findChildren<QComboBox*>()) {
        if (combo->lineEdit())
            combo->lineEdit()->setAccessibleName(combo->accessibleName());
    }
}
