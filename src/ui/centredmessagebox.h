#pragma once

#include <QMessageBox>

// A message box centred on the screen.
class CentredMessageBox : public QMessageBox {
    Q_OBJECT
  public:
    using QMessageBox::QMessageBox;
    // A box without a button that may stand for closing (Yes and No) ignores Esc and the title bar.
    void setClosable(bool closable) { closable_ = closable; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool closable_ = true;
};
