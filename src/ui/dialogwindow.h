// A dialog window built from its control table: fixed border, centred on the screen, modal, owned
// by the main window. Esc presses its cancel button, or closes a window without one as its
// close box does; a double-click anywhere on a
// list box is reported by the list's name.
#pragma once

#include "core/controltable.h"

#include <QDialog>
#include <QHash>

class DialogWindow : public QDialog {
    Q_OBJECT
  public:
    DialogWindow(const WindowSpec& window, QWidget* owner);

  signals:
    // The user double-clicked the list box `list` with the left mouse button.
    void listDoubleClicked(const QString& list);

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const WindowSpec& window_;
    // The list boxes' names by the part of them that the mouse reaches.
    QHash<QObject*, QString> listOfViewport_;
};
