#include "ui/dropdownbox.h"

#include <QCoreApplication>
#include <QListView>
#include <QPointer>
#include <QProxyStyle>

namespace {

// The list pop-up for a drop-down list: the menu-like pop-up of some styles shows every item and
// ignores the number of rows the list is given.
class ListPopupStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One for every drop-down list of the program: each proxy makes a base style of its own when first
// used. It goes with the application; a widget lets go of a style that is deleted. The proxy draws
// with the same style as the application: it is set when the list is first needed.
QStyle* listPopupStyle() {
    static QPointer<ListPopupStyle> style;
    if (!style) {
        style = new ListPopupStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

QAbstractItemView* DropDownBox::list() {
    if (!listReady_) {
        // Qt makes the pop-up as the style changes.
        setStyle(listPopupStyle());
        if (auto* rows = qobject_cast<QListView*>(view()))
            rows->setUniformItemSizes(true);
        view()->setAccessibleName(accessibleName());
        listReady_ = true;
    }
    return view();
}

void DropDownBox::showPopup() {
    list();
    QComboBox::showPopup();
}

QAbstractItemView* dropDownList(QComboBox& combo) {
    if (auto* box = dynamic_cast<DropDownBox*>(&combo))
        return box->list();
    return combo.view();
}
