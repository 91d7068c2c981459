// The entry widgets with this program's input rules: limits and line rules bind what the user types,
// pastes or drops, never text the program sets; the input method can be switched off.
#pragma once

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>

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

// A date picker: yyyy/MM/dd with a drop-down calendar over years 100 to 9999; the input method can be
// switched off.
class DatePicker : public QDateEdit {
    Q_OBJECT
  public:
    explicit DatePicker(QWidget* parent = nullptr);

    void setInputMethodOff(bool off);
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  protected:
    // Tab leaves the picker at once instead of walking its year, month and day first.
    bool focusNextPrevChild(bool next) override;

  private:
    bool inputMethodOff_ = false;
};

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

// A push button that shows when it has the focus, whatever the style: a focus frame inside it. Some
// styles (Fusion) draw a default button and a focused one alike, so the focus on the default
// button would not show.
class PushButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
