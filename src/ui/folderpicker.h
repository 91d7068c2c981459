#pragma once

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

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
