// Controls over the real widgets of one window, found by object name from the window's control
// table. A name the table does not hold, or an operation the control's kind has not
// (core/controlrules.h), throws std::logic_error: a misspelt name never passes silently.
#pragma once

#include "core/controlrules.h"
#include "core/controls.h"
#include "core/controltable.h"

#include <QHash>

class QMenu;
class QObject;
class QWidget;

class QtControls final : public Controls {
  public:
    // Resolves every control of `desc` among the children of `window` (menu items as QActions);
    // throws std::logic_error when the window lacks one.
    QtControls(QWidget& window, const WindowSpec& desc);

    QString text(const QString& name) const override;
    void setText(const QString& name, const QString& text) override;
    bool enabled(const QString& name) const override;
    void setEnabled(const QString& name, bool on) override;
    bool checked(const QString& name) const override;
    void setChecked(const QString& name, bool on) override;
    // On "MN_FILE": the captions of the history entries after the fixed ones.
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

  private:
    struct Entry {
        const ControlSpec* desc = nullptr;
        QObject* object = nullptr;
    };
    const Entry& at(const QString& name) const;
    // The control, after checking that its kind has the operation.
    const Entry& at(const QString& name, ControlOp op) const;
    template <class T> T* as(const QString& name) const;
    QWidget* widget(const QString& name) const;
    // The menu of a menu item that holds the recent-file history, or nullptr.
    QMenu* historyMenu(const QString& name) const;
    void renameHistory(QMenu& menu) const;

    QWidget& window_;
    const WindowSpec& spec_;
    QHash<QString, Entry> entries_;
};
