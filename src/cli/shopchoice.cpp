#include "cli/shopchoice.h"

#include <algorithm>
#include <functional>

ShopChoice::ShopChoice(int items, QList<QList<Offer>> offers) : items_(items), offers_(std::move(offers)) {
    // Leaving an item out must weigh more than any difference of cost between two sets.
    QList<Value> dearest(items_, 0);
    for (const QList<Offer>& shop : offers_) {
        for (const Offer& o : shop)
            dearest[o.item] = std::max(dearest[o.item], o.cost < 0 ? -o.cost : o.cost);
    }
    missing_ = 1;
    for (const Value v : dearest)
        missing_ += 2 * v;
}

ShopChoice::Value ShopChoice::gain(int shop) const {
    Value g = 0;
    for (const Offer& o : offers_[shop])
        g += std::max<Value>(0, cost_[o.item] - o.cost);
    return g;
}

void ShopChoice::add(int shop, QList<Value>& saved) {
    saved.clear();
    for (const Offer& o : offers_[shop]) {
        saved << cost_[o.item];
        if (o.cost < cost_[o.item]) {
            value_ -= cost_[o.item] - o.cost;
            cost_[o.item] = o.cost;
        }
    }
    chosen_ << shop;
}

void ShopChoice::remove(int shop, const QList<Value>& saved) {
    const QList<Offer>& offers = offers_[shop];
    for (qsizetype k = offers.size() - 1; k >= 0; --k) {
        value_ += saved[k] - cost_[offers[k].item];
        cost_[offers[k].item] = saved[k];
    }
    chosen_.removeLast();
}

// Each time the shop that helps most (the earliest of equals) while one still helps: a first set
// whose value bounds the search. Leaves the chosen shops in place.
void ShopChoice::greedy(int maxShops) {
    QList<Value> saved;
    while (chosen_.size() < maxShops) {
        int bestShop = -1;
        Value bestGain = 0;
        for (int s = 0; s < offers_.size(); ++s) {
            if (const Value g = gain(s); g > bestGain) {
                bestGain = g;
                bestShop = s;
            }
        }
        if (bestShop < 0)
            break;
        add(bestShop, saved);
    }
}

void ShopChoice::reset() {
    cost_.fill(missing_, items_);
    value_ = missing_ * items_;
    chosen_.clear();
}

QList<int> ShopChoice::choose(int maxShops) {
    maxShops = std::max(0, std::min<int>(maxShops, int(offers_.size())));
    // The greedy set's value and size bound the search, which then finds the earliest set that
    // matches or beats it (the greedy set itself is one, so the search always finds a set).
    reset();
    greedy(maxShops);
    bestValue_ = value_;
    bestSize_ = chosen_.size() + 1;
    best_ = chosen_;
    reset();
    if (value_ == bestValue_) { // nothing to buy anywhere: no shop
        best_.clear();
        return best_;
    }
    search(0, maxShops);
    std::sort(best_.begin(), best_.end());
    return best_;
}

void ShopChoice::search(int next, int slotsLeft) {
    if (slotsLeft == 0 || next >= offers_.size())
        return;
    // What the remaining shops could bring: no set of k of them gains more than the k largest
    // single gains together.
    QList<Value> gains;
    for (int s = next; s < offers_.size(); ++s) {
        if (const Value g = gain(s); g > 0)
            gains << g;
    }
    const qsizetype k = std::min<qsizetype>(slotsLeft, gains.size());
    std::partial_sort(gains.begin(), gains.begin() + k, gains.end(), std::greater<Value>());
    const Value need = value_ - bestValue_; // a set of value bestValue_ gains this much
    Value reach = 0;
    qsizetype fewest = -1; // the fewest shops that could reach bestValue_
    for (qsizetype i = 0; i < k; ++i) {
        reach += gains[i];
        if (fewest < 0 && reach >= need)
            fewest = i + 1;
    }
    if (reach < need)
        return;
    // Only a tie is within reach: it must use fewer shops than the best set.
    if (reach == need && chosen_.size() + fewest >= bestSize_)
        return;

    QList<Value> saved;
    for (int s = next; s < offers_.size(); ++s) {
        if (gain(s) == 0)
            continue; // a shop that lowers nothing only adds a visit
        add(s, saved);
        if (value_ < bestValue_ || (value_ == bestValue_ && chosen_.size() < bestSize_)) {
            bestValue_ = value_;
            bestSize_ = chosen_.size();
            best_ = chosen_;
        }
        const QList<Value> mine = saved;
        search(s + 1, slotsLeft - 1);
        remove(s, mine);
    }
}
