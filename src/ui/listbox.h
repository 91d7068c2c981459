#pragma once

#include <QListWidget>

// A list box that tells apart what the user does from what the program does: userPicked is emitted
// once for every change of the current entry that a mouse press, a drag or a key makes, and for a
// press on the entry that is already current; never for changes from code. A list of single choice
// keeps its choice when a press misses every entry.
// Every entry has the same size, so that showing a list of 100,000 lays out one entry, not all: the
// height of one line (or the height set) and the width of the widest text, kept as entries come.
class ListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit ListBox(QWidget* parent = nullptr);
    // The model outlives this part of the list and resets as it goes: it must no longer reach it.
    ~ListBox() override;

    // Entries of one fixed height, as a list box with a set item height draws them.
    void setItemHeight(int height) { itemHeight_ = height; }
    int itemHeight() const { return itemHeight_; }
    // The advance of the widest entry's text in the list's font.
    int widestTextAdvance() const;

  signals:
    void userPicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Runs one input event of the user through the list; true when it changed the current entry.
    template <class Handle> bool byUser(Handle handle);

    bool userInput_ = false;
    bool picked_ = false;
    int itemHeight_ = 0;
    mutable int widest_ = -1; // -1: to be measured again
};
