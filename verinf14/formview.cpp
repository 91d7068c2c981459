#include "formview.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Every text handed to Qt is copied to the heap: a literal's QString would point into this
// library, which the program unloads as soon as FormView returns.
QString owned(QStringView text) {
    return text.toString();
}

// The text of a caller's buffer: up to its first zero, and never beyond the buffer's end, so a
// buffer without a terminator cannot make us read memory that is not the caller's.
QString bufferText(const char16_t* buffer) {
    if (buffer == nullptr)
        return {};
    qsizetype length = 0;
    while (length < VersionTextCapacity && buffer[length] != 0)
        ++length;
    return QString::fromUtf16(buffer, length);
}

QLabel* addLine(QDialog& dialog, QVBoxLayout& layout, const QString& name, const QString& text) {
    auto* line = new QLabel(text, &dialog);
    line->setObjectName(name);
    line->setTextFormat(Qt::PlainText); // the texts are the caller's, never markup
    line->setAlignment(Qt::AlignHCenter);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout.addWidget(line);
    return line;
}

} // namespace

void FormView(QWidget* owner, std::int32_t code, const char16_t* product, const char16_t* version,
              const char16_t* label, const char16_t* years) {
    QDialog dialog(owner);
    dialog.setObjectName(owned(u"F_VERSION"));
    dialog.setWindowTitle(owned(u"バージョン情報"));
    dialog.setModal(true);
    if (owner != nullptr)
        dialog.setFont(owner->font()); // a window does not take its owner's font by itself

    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(24, 16, 24, 12);
    layout->setSpacing(6);

    QLabel* title = addLine(dialog, *layout, owned(u"LBL_PRODUCT"), bufferText(product));
    QFont bold = title->font();
    bold.setBold(true);
    // The owner's font may be sized in pixels (its point size is then -1) or in points.
    if (bold.pixelSize() > 0)
        bold.setPixelSize(bold.pixelSize() * 5 / 4);
    else
        bold.setPointSizeF(bold.pointSizeF() * 1.25);
    title->setFont(bold);
    addLine(dialog, *layout, owned(u"LBL_VERSION"), owned(u"バージョン　") + bufferText(version));
    addLine(dialog, *layout, owned(u"LBL_LABEL"), bufferText(label));
    addLine(dialog, *layout, owned(u"LBL_YEARS"), owned(u"Copyright © ") + bufferText(years));
    addLine(dialog, *layout, owned(u"LBL_CODE"), owned(u"製品番号　") + QString::number(code));

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(owned(u"OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(owned(u"BTN_OK"));
    ok->setDefault(true);
    buttons->setCenterButtons(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addSpacing(6);
    layout->addWidget(buttons);

    dialog.exec();
}
