// A label that shows the whole of a text the program sets: it keeps one edge where the layout puts
// it and grows from its design width towards the other edge, as far as a limit. A text wider still
// is shown shortened with "…", and whole in the tool tip.
#pragma once

#include "core/controltable.h"

#include <QLabel>

class GrowingLabel : public QLabel {
    Q_OBJECT
  public:
    // `design` is the label's place at its smallest; `limit` is the x coordinate its growing edge
    // never passes.
    GrowingLabel(const QString& text, const QRect& design, LabelGrowth grows, int limit, QWidget* parent);

    // Fits the label to its present text; call after every setText.
    void fitText();

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool fits() const;

    QRect design_;
    LabelGrowth grows_;
    int limit_;
};
