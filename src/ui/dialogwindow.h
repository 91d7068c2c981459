// A dialog window built from its control table: fixed border, centred on the screen, modal, owned
// by the main window. Esc presses its cancel button, if it has one.
#pragma once

#include "core/controltable.h"

#include <QDialog>

class DialogWindow : public QDialog {
    Q_OBJECT
  public:
    DialogWindow(const WindowSpec& window, QWidget* owner);

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const WindowSpec& window_;
};
