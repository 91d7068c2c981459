#include "cli/shoppinglist.h"

#include "core/names.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The first product of that name in notebook order, as the window finds it; -1 for none.
class NameIndex {
  public:
    explicit NameIndex(const QList<NotebookProduct>& products) : products_(products) {}

    qsizetype find(QStringView name) const {
        for (qsizetype i = 0; i < products_.size(); ++i) {
            if (sameProductName(products_[i].view.name, name))
                return i;
        }
        return -1;
    }

  private:
    const QList<NotebookProduct>& products_;
};

int digitValue(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'０' && c <= u'９')
        return c.unicode() - u'０';
    return -1;
}

struct NameAndQuantity {
    QStringView name;
    int quantity = 1;
};

// "名前 ×3" and "名前 x3": the name and the quantity; nothing when the line ends in no quantity.
std::optional<NameAndQuantity> splitQuantity(QStringView line) {
    qsizetype i = line.size();
    int quantity = 0;
    int scale = 1;
    while (i > 0 && digitValue(line[i - 1]) >= 0 && line.size() - i < 4) {
        quantity += digitValue(line[i - 1]) * scale;
        scale *= 10;
        --i;
    }
    if (i == line.size() || i == 0 || (i > 0 && digitValue(line[i - 1]) >= 0))
        return std::nullopt;
    const QChar mark = line[i - 1];
    const bool letter = mark == u'x' || mark == u'X' || mark == u'ｘ' || mark == u'Ｘ';
    const bool sign = mark == u'×' || mark == u'*' || mark == u'＊';
    if (!letter && !sign)
        return std::nullopt;
    const QStringView before = line.first(i - 1);
    // A letter x counts only apart from the name: "Box2" stays a name.
    if (letter && (before.isEmpty() || !before.back().isSpace()))
        return std::nullopt;
    const QStringView name = before.trimmed();
    if (name.isEmpty() || quantity < 1 || quantity > MaxListQuantity)
        return std::nullopt;
    return NameAndQuantity{name, quantity};
}

// Edit distance of the two texts with letter case folded.
int editDistance(const QString& a, const QString& b) {
    std::vector<int> row(size_t(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] =
                std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

} // namespace

ShoppingList readShoppingList(const QStringList& lines, const QList<NotebookProduct>& products) {
    const NameIndex names(products);
    ShoppingList list;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString text = lines[n].trimmed();
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        NameAndQuantity wanted{text, 1};
        // A name may begin or end with a space in the notebook.
        qsizetype product = names.find(lines[n]);
        if (product < 0)
            product = names.find(text);
        if (product < 0) {
            if (const std::optional<NameAndQuantity> split = splitQuantity(text)) {
                wanted = *split;
                product = names.find(wanted.name);
            }
        }
        if (product < 0) {
            list.unknown.append({n + 1, text, closestNames(wanted.name.toString(), products)});
            continue;
        }
        const auto same = std::find_if(list.entries.begin(), list.entries.end(),
                                       [&](const ListEntry& e) { return e.product == product; });
        if (same == list.entries.end())
            list.entries.append({product, wanted.quantity});
        else
            same->quantity = std::min(same->quantity + wanted.quantity, MaxListQuantity);
    }
    return list;
}

QStringList closestNames(const QString& text, const QList<NotebookProduct>& products, int count) {
    struct Candidate {
        bool contains;
        int distance;
        qsizetype product;
    };
    const QString wanted = text.toCaseFolded();
    std::vector<Candidate> candidates;
    for (qsizetype i = 0; i < products.size(); ++i) {
        const QString name = products[i].view.name.toCaseFolded();
        const bool contains = !wanted.isEmpty() && (name.contains(wanted) || wanted.contains(name));
        const int distance = editDistance(wanted, name);
        if (contains || distance <= std::max(wanted.size(), name.size()) / 2)
            candidates.push_back({contains, distance, i});
    }
    std::stable_sort(candidates.begin(), candidates.end(), [&](const Candidate& a, const Candidate& b) {
        if (a.contains != b.contains)
            return a.contains;
        if (a.distance != b.distance)
            return a.distance < b.distance;
        return productNameLess(products[a.product].view.name, products[b.product].view.name);
    });
    QStringList closest;
    for (const Candidate& c : candidates) {
        const QString& name = products[c.product].view.name;
        if (closest.size() == count)
            break;
        if (!std::any_of(closest.cbegin(), closest.cend(),
                         [&](const QString& n) { return sameProductName(n, name); }))
            closest << name;
    }
    return closest;
}

QStringList shoppingListLines(const QList<ListEntry>& entries, const QList<NotebookProduct>& products) {
    QStringList lines;
    for (const ListEntry& e : entries) {
        const QString& name = products[e.product].view.name;
        lines << (e.quantity > 1 ? u"%1 ×%2"_s.arg(name).arg(e.quantity) : name);
    }
    return lines;
}
