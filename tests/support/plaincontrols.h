// Controls held as plain values, built from a window's control table: the view model the logic
// runs against in tests. It behaves as the widgets do (the contract test runs one table against
// both): asking for a control the window does not have, or for an operation its kind has not
// (core/controlrules.h), throws std::logic_error.
#pragma once

#include "core/controlrules.h"
#include "core/controls.h"
#include "core/controltable.h"

#include <QHash>

class PlainControls : public Controls {
  public:
    explicit PlainControls(const WindowSpec& window);

    QString text(const QString& name) const override;
    void setText(const QString& name, const QString& text) override;
    bool enabled(const QString& name) const override;
    void setEnabled(const QString& name, bool on) override;
    bool checked(const QString& name) const override;
    void setChecked(const QString& name, bool on) override;
    QStringList items(const QString& name) const override;
    int itemCount(const QString& name) const override;
    QString itemText(const QString& name, int index) const override;
    void setItems(const QString& name, const QStringList& items) override;
    void insertItem(const QString& name, int index, const QString& item) override;
    void removeItem(const QString& name, int index) override;
    int itemIndex(const QString& name) const override;
    void setItemIndex(const QString& name, int index) override;
    QList<int> selectedIndexes(const QString& name) const override;
    void setItemSelected(const QString& name, int index, bool on) override;
    bool itemChecked(const QString& name, int index) const override;
    void setItemChecked(const QString& name, int index, bool on) override;
    QDate date(const QString& name) const override;
    void setDate(const QString& name, const QDate& date) override;
    Rgb fontColor(const QString& name) const override;
    void setFontColor(const QString& name, Rgb color) override;
    void setFocus(const QString& name) override;
    void focusNext(const QString& fromName) override;
    QString focused() const override;

    const WindowSpec& window() const { return window_; }

  private:
    struct Value {
        const ControlSpec* desc = nullptr;
        QString text;
        bool enabled = true;
        bool checked = false;
        QStringList items;
        int itemIndex = -1;
        QList<bool> selected;
        QList<bool> itemChecked;
        QDate date;
        Rgb color = colors::Black;
    };
    // The control's value, after checking that its kind has the operation.
    Value& at(const QString& name, ControlOp op);
    const Value& at(const QString& name, ControlOp op) const;
    static void checkItem(const Value& v, int index);

    const WindowSpec& window_;
    QHash<QString, Value> values_;
    QString focused_;
};
