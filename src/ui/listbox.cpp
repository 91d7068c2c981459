#include "ui/listbox.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <algorithm>
#include <vector>

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
