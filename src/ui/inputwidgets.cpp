#include "ui/inputwidgets.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QValidator>

#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Cuts `text` to at most `length` code units without leaving half a surrogate pair.
QString leftWhole(const QString& text, qsizetype length) {
    if (length >= text.size())
        return text;
    if (length > 0 && text[length - 1].isHighSurrogate())
        --length;
    return text.left(std::max<qsizetype>(length, 0));
}

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

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
    // Qt's default minimum (1752-09-14) would move older dates silently.
    setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    setDisplayFormat(u"yyyy/MM/dd"_s);
    setCalendarPopup(true);
}

void DatePicker::setInputMethodOff(bool off) {
    inputMethodOff_ = off;
    setAttribute(Qt::WA_InputMethodEnabled, !off);
}

QVariant DatePicker::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (inputMethodOff_ && query == Qt::ImEnabled)
        return false;
    return QDateEdit::inputMethodQuery(query);
}

bool DatePicker::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

namespace {

// The list pop-up for a drop-down list: the menu-like pop-up of some styles shows every item and
// ignores the number of rows the list is given.
class ListPopupStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One for every drop-down list of the program: each proxy makes a base style of its own when first
// used. It goes with the application; a widget lets go of a style that is deleted. The proxy draws
// with the same style as the application: it is set when the list is first needed.
QStyle* listPopupStyle() {
    static QPointer<ListPopupStyle> style;
    if (!style) {
        style = new ListPopupStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

QAbstractItemView* DropDownBox::list() {
    if (!listReady_) {
        // Qt makes the pop-up as the style changes.
        setStyle(listPopupStyle());
        if (auto* rows = qobject_cast<QListView*>(view()))
            rows->setUniformItemSizes(true);
        view()->setAccessibleName(accessibleName());
        listReady_ = true;
    }
    return view();
}

void DropDownBox::showPopup() {
    list();
    QComboBox::showPopup();
}

QAbstractItemView* dropDownList(QComboBox& combo) {
    if (auto* box = dynamic_cast<DropDownBox*>(&combo))
        return box->list();
    return combo.view();
}

namespace {

// The size of every entry of a ListBox: an entry's own size, with the widest text's width and the
// list's item height when one is set.
class UniformItems : public QStyledItemDelegate {
  public:
    explicit UniformItems(ListBox& list) : QStyledItemDelegate(&list), list_(list) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QSize own = QStyledItemDelegate::sizeHint(option, index);
        const int width =
            own.width() - opt.fontMetrics.horizontalAdvance(opt.text) + list_.widestTextAdvance();
        return {width, list_.itemHeight() > 0 ? list_.itemHeight() : own.height()};
    }

  private:
    const ListBox& list_;
};

} // namespace

ListBox::~ListBox() {
    disconnect(model(), nullptr, this, nullptr);
}

int ListBox::widestTextAdvance() const {
    if (widest_ >= 0)
        return widest_;
    // Measuring a whole text shapes it, some microseconds each. The sum of its characters' advances
    // is within a few pixels of that (kerning, rounding) at a tenth of the cost; only the texts whose
    // sum comes near the largest sum are measured whole.
    const QFontMetrics metrics = fontMetrics();
    std::vector<int> sums(static_cast<size_t>(count()));
    int largest = 0;
    for (int i = 0; i < count(); ++i) {
        int sum = 0;
        for (const QChar c : item(i)->text())
            sum += metrics.horizontalAdvance(c);
        sums[size_t(i)] = sum;
        largest = std::max(largest, sum);
    }
    const int nearLargest = largest - std::max(8, largest / 8);
    widest_ = 0;
    for (int i = 0; i < count(); ++i) {
        if (sums[size_t(i)] >= nearLargest)
            widest_ = std::max(widest_, metrics.horizontalAdvance(item(i)->text()));
    }
    return widest_;
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    setItemDelegate(new UniformItems(*this));
    // Any change of the entries or of the font measures the widest text again when next asked.
    const auto remeasure = [this] { widest_ = -1; };
    connect(model(), &QAbstractItemModel::rowsInserted, this, remeasure);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, remeasure);
    connect(model(), &QAbstractItemModel::modelReset, this, remeasure);
    connect(model(), &QAbstractItemModel::dataChanged, this, remeasure);
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!userInput_)
            return;
        picked_ = true;
        emit userPicked();
    });
}

void ListBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        widest_ = -1;
    QListWidget::changeEvent(event);
}

template <class Handle> bool ListBox::byUser(Handle handle) {
    const bool outer = !userInput_;
    userInput_ = true;
    picked_ = false;
    handle();
    if (outer)
        userInput_ = false;
    return picked_;
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    // A list of single choice keeps its choice when the press misses every entry, as the list boxes
    // of the desktop do; a double-click below the entries then confirms that choice.
    if (selectionMode() == QAbstractItemView::SingleSelection && !itemAt(event->position().toPoint())) {
        if (focusPolicy() & Qt::ClickFocus)
            setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    const bool picked = byUser([&] { QListWidget::mousePressEvent(event); });
    // A press on the current entry changes no current entry, yet it is the user's pick.
    if (!picked && itemAt(event->position().toPoint()))
        emit userPicked();
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    byUser([&] { QListWidget::mouseMoveEvent(event); });
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    byUser([&] { QListWidget::keyPressEvent(event); });
}

void PushButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QStyleOptionButton button;
    initStyleOption(&button);
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(button);
    frame.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
    // Drawn also after a focus change by the mouse, which some styles leave unmarked.
    frame.state |= QStyle::State_KeyboardFocusChange;
    frame.backgroundColor = palette().color(QPalette::Button);
    QStylePainter painter(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}
