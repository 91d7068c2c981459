// The small modal dialogs the services show: a message box and an input box centred on the screen,
// and the folder picker.
#pragma once

#include <QDialog>
#include <QMessageBox>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

// Moves a dialog that is about to be shown to the middle of its screen.
void centreOnScreen(QWidget& dialog);

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

// The folders of the file system as a tree from the top, nothing chosen at first, and a status line
// with the path of the current folder; no box to type a path into.
class FolderPicker : public QDialog {
    Q_OBJECT
  public:
    FolderPicker(const QString& title, QWidget* parent);
    // The chosen folder's absolute path, empty when none is chosen.
    QString folder() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showCurrent();

    QFileSystemModel* model_;
    QTreeView* tree_;
    QLabel* status_;
    QPushButton* ok_;
};
