#include "ui/memoedit.h"

#include "ui/textcut.h"

#include <QKeyEvent>
#include <QMimeData>

using namespace Qt::StringLiterals;

MemoEdit::MemoEdit(int maxLength, QWidget* parent) : QPlainTextEdit(parent), maxLength_(maxLength) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QString MemoEdit::text() const {
    // toPlainText() would turn no-break spaces into spaces; the raw text keeps them and marks the
    // end of each paragraph with U+2029.
    QString raw = document()->toRawText();
    return raw.replace(QChar::ParagraphSeparator, u"\r\n"_s);
}

void MemoEdit::setText(const QString& text) {
    setPlainText(text);
}

QString MemoEdit::fitting(const QString& added) const {
    QString lines = added;
    lines.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n').replace(QChar::ParagraphSeparator, u'\n');
    lines.remove(QChar(0));
    if (maxLength_ <= 0)
        return lines;
    const QString selected = textCursor().selectedText(); // paragraph ends as U+2029
    const qsizetype selectedLength = selected.size() + selected.count(QChar::ParagraphSeparator);
    qsizetype room = maxLength_ - (text().size() - selectedLength);
    qsizetype cut = 0;
    for (; cut < lines.size(); ++cut) {
        room -= lines[cut] == u'\n' ? 2 : 1;
        if (room < 0)
            break;
    }
    return leftWhole(lines, cut);
}

void MemoEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isPrint() && !event->matches(QKeySequence::Paste) &&
        fitting(typed) != typed) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MemoEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    const QString kept = fitting(commit);
    if (kept == commit) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
}

void MemoEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    const QString kept = fitting(source->text());
    if (!kept.isEmpty() || textCursor().hasSelection())
        insertPlainText(kept);
}
