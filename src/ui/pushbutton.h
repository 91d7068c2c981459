#pragma once

#include <QPushButton>

// A push button that shows when it has the focus, whatever the style: a focus frame inside it. Some
// styles (Fusion) draw a default button and a focused one alike, so the focus on the default
// button would not show.
class PushButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
