#include "ui/folderpicker.h"

#include "ui/windowplacement.h"

#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

FolderPicker::FolderPicker(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(u"フォルダーの参照"_s);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(title, this);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    model_->setRootPath(u"/"_s);
    tree_ = new QTreeView(this);
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->expand(model_->index(u"/"_s));
    // The tree starts at the top but opens at the user's home folder, with nothing selected yet.
    const QModelIndex home = model_->index(QDir::homePath());
    for (QModelIndex folder = home; folder.isValid(); folder = folder.parent())
        tree_->expand(folder);
    tree_->selectionModel()->setCurrentIndex(home, QItemSelectionModel::NoUpdate);
    tree_->setMinimumSize(320, 320);
    tree_->setAccessibleName(u"フォルダー"_s);
    layout->addWidget(tree_);

    status_ = new QLabel(this);
    status_->setTextFormat(Qt::PlainText);
    layout->addWidget(status_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    buttons->addButton(u"キャンセル"_s, QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FolderPicker::showCurrent);
    showCurrent();
}

QString FolderPicker::folder() const {
    // Only a folder the user selected counts; the view's current item without a selection does not.
    const QModelIndexList rows = tree_->selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : model_->filePath(rows.front());
}

void FolderPicker::showCurrent() {
    const QString path = folder();
    status_->setText(path);
    ok_->setEnabled(!path.isEmpty());
}

void FolderPicker::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
    tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtTop);
}
