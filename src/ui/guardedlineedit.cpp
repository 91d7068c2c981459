#include "ui/guardedlineedit.h"

#include "ui/textcut.h"

#include <QValidator>
#include <algorithm>
#include <limits>

namespace {

// Judges each change the user makes against the text before it. QLineEdit runs the validator for
// setText too, so text the program sets is let through while `programText` is on.
class InputRule : public QValidator {
  public:
    InputRule(int maxLength, QLineEdit* edit) : QValidator(edit), maxLength_(maxLength) {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
    }

    bool programText = false;

    State validate(QString& input, int& pos) const override {
        if (programText)
            return Acceptable;
        // The change as one replaced stretch: input = prefix + inserted + suffix.
        const qsizetype common = std::min(before_.size(), input.size());
        qsizetype prefix = 0;
        while (prefix < common && before_[prefix] == input[prefix])
            ++prefix;
        if (prefix > 0 && input[prefix - 1].isHighSurrogate())
            --prefix;
        qsizetype suffix = 0;
        while (suffix < common - prefix &&
               before_[before_.size() - 1 - suffix] == input[input.size() - 1 - suffix])
            ++suffix;
        if (suffix > 0 && input[input.size() - suffix].isLowSurrogate())
            --suffix;
        const QString inserted = input.mid(prefix, input.size() - prefix - suffix);

        QString kept = inserted;
        const auto lineBreak =
            std::find_if(kept.cbegin(), kept.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
        const qsizetype lineEnd = lineBreak == kept.cend() ? -1 : lineBreak - kept.cbegin();
        if (lineEnd >= 0)
            kept.truncate(lineEnd);
        kept.remove(QChar(0));
        if (maxLength_ > 0)
            kept = leftWhole(kept, maxLength_ - (input.size() - inserted.size()));
        if (kept == inserted)
            return Acceptable;
        // Nothing of it is kept: refuse the whole change, as a full edit refuses a keystroke.
        if (kept.isEmpty())
            return Invalid;
        input = input.left(prefix) + kept + input.right(suffix);
        pos = int(prefix + kept.size());
        return Acceptable;
    }

  private:
    int maxLength_;
    QString before_;
};

} // namespace

GuardedLineEdit::GuardedLineEdit(int maxLength, QWidget* parent) : QLineEdit(parent) {
    // QLineEdit's own limit also cuts setText; ours binds the user only.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new InputRule(maxLength, this));
}

void GuardedLineEdit::setProgramText(const QString& text) {
    auto* rule = static_cast<InputRule*>(const_cast<QValidator*>(validator()));
    rule->programText = true;
    setText(text);
    rule->programText = false;
}

void GuardedLineEdit::setInputMethodOff(bool off) {
    inputMethodOff_ = off;
    setAttribute(Qt::WA_InputMethodEnabled, !off);
}

QVariant GuardedLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (inputMethodOff_ && query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query);
}
