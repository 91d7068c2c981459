#pragma once

#include <QPlainTextEdit>

// The memo: at most maxLength characters from the user (a line break counts as CR LF), Enter inserts
// nothing, Tab moves on. text() keeps every character as stored (no-break spaces, U+2028).
class MemoEdit : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit MemoEdit(int maxLength = 0, QWidget* parent = nullptr);

    // The text with a line break as CR LF.
    QString text() const;
    void setText(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    // What of `added` fits in place of the selection; line breaks come back as LF.
    QString fitting(const QString& added) const;

    int maxLength_;
};
