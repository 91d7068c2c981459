#pragma once

#include <QLineEdit>

// A single-line edit: user input keeps its first line, loses NULs and stops at maxLength characters
// (0: no limit). Text set with setProgramText is kept whole.
class GuardedLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit GuardedLineEdit(int maxLength = 0, QWidget* parent = nullptr);

    void setProgramText(const QString& text);
    // The input method stays off: the widget answers Qt::ImEnabled with false.
    void setInputMethodOff(bool off);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  private:
    bool inputMethodOff_ = false;
};
