#include "ui/inputbox.h"

#include "ui/guardedlineedit.h"
#include "ui/windowplacement.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

InputBox::InputBox(const QString& caption, const QString& prompt, const QString& initial, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);

    auto* edit = new GuardedLineEdit(255, this);
    // The preloaded text is kept whole even when longer than what may be typed.
    edit->setProgramText(initial);
    edit->selectAll();
    edit->setMinimumWidth(320);
    label->setBuddy(edit);
    edit_ = edit;
    layout->addWidget(edit);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    buttons->addButton(u"キャンセル"_s, QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString InputBox::text() const {
    return edit_->text();
}

void InputBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
}
