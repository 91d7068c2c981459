#pragma once

#include <QDateEdit>

// A date picker: yyyy/MM/dd with a drop-down calendar over years 100 to 9999; the input method can be
// switched off.
class DatePicker : public QDateEdit {
    Q_OBJECT
  public:
    explicit DatePicker(QWidget* parent = nullptr);

    void setInputMethodOff(bool off);
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  protected:
    // Tab leaves the picker at once instead of walking its year, month and day first.
    bool focusNextPrevChild(bool next) override;

  private:
    bool inputMethodOff_ = false;
};
