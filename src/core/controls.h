// The seam between logic and widgets: a window's controls addressed by name.
// The logic reads and writes control values only through this interface, so it runs the same
// against the real widgets (ui/) and against plain values in tests (PlainControls). Control names
// are the constants of core/windownames.h.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

using Rgb = std::uint32_t; // 0xRRGGBB

namespace colors {
inline constexpr Rgb Black = 0x000000;
inline constexpr Rgb Red = 0xFF0000;
inline constexpr Rgb Lime = 0x00FF00;
inline constexpr Rgb Silver = 0xC0C0C0;
} // namespace colors

class Controls {
  public:
    virtual ~Controls() = default;

    // Edits, the memo, labels, buttons and menu items: their text or caption.
    // Editable combo boxes: the text in the edit field. Drop-down lists: the selected item's text.
    virtual QString text(const QString& name) const = 0;
    virtual void setText(const QString& name, const QString& text) = 0;

    virtual bool enabled(const QString& name) const = 0;
    virtual void setEnabled(const QString& name, bool on) = 0;

    // Check marks of menu items.
    virtual bool checked(const QString& name) const = 0;
    virtual void setChecked(const QString& name, bool on) = 0;

    // Item lists of combo boxes and list boxes. Replacing the items leaves no item selected; an
    // editable combo box keeps the text of its edit field, a drop-down list shows an empty field.
    virtual QStringList items(const QString& name) const = 0;
    // The number of items and one item's text, without copying the list.
    virtual int itemCount(const QString& name) const = 0;
    virtual QString itemText(const QString& name, int index) const = 0;
    virtual void setItems(const QString& name, const QStringList& items) = 0;
    virtual void insertItem(const QString& name, int index, const QString& item) = 0;
    virtual void removeItem(const QString& name, int index) = 0;

    // The current item, or -1. Setting it from code never runs the control's click handler.
    virtual int itemIndex(const QString& name) const = 0;
    virtual void setItemIndex(const QString& name, int index) = 0;

    // Selection of list boxes where several items can be selected.
    virtual QList<int> selectedIndexes(const QString& name) const = 0;
    virtual void setItemSelected(const QString& name, int index, bool on) = 0;

    // Check boxes of the items of a check list box.
    virtual bool itemChecked(const QString& name, int index) const = 0;
    virtual void setItemChecked(const QString& name, int index, bool on) = 0;

    virtual QDate date(const QString& name) const = 0;
    virtual void setDate(const QString& name, const QDate& date) = 0;

    virtual Rgb fontColor(const QString& name) const = 0;
    virtual void setFontColor(const QString& name, Rgb color) = 0;

    // The keyboard focus: move it to a control, to the next tab stop after a control, or read it.
    virtual void setFocus(const QString& name) = 0;
    virtual void focusNext(const QString& fromName) = 0;
    virtual QString focused() const = 0;
};
