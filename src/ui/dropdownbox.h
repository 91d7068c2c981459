#pragma once

#include <QComboBox>

// A combo box whose list pop-up is made when it is first needed: Qt would build the pop-up and its
// list view for every combo box as the window is made. No Q_OBJECT of its own, so that it stays a
// QComboBox to accessibility and styles.
class DropDownBox : public QComboBox {
  public:
    using QComboBox::QComboBox;
    // The list view of the pop-up, made if there is none yet. Its rows are all alike and it never
    // scrolls sideways, so showing 100,000 lays out one row; it carries the box's accessible name.
    QAbstractItemView* list();
    void showPopup() override;

  private:
    bool listReady_ = false;
};

// The pop-up's list view of any combo box: through DropDownBox::list for the program's own, so that
// the program reaches a pop-up's list only through here.
QAbstractItemView* dropDownList(QComboBox& combo);
