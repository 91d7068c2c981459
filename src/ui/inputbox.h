#pragma once

#include <QDialog>

class QLineEdit;

// A caption, a prompt and one line of text (at most 255 characters typed), OK and キャンセル.
class InputBox : public QDialog {
    Q_OBJECT
  public:
    InputBox(const QString& caption, const QString& prompt, const QString& initial, QWidget* parent);
    QString text() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* edit_;
};
