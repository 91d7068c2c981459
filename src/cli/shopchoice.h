// The exact choice of shops for a shopping list: of all sets of at most K shops, the one that
// first leaves out the fewest items, then costs least, then has the fewest shops, then comes first
// in the shops' order (compared shop by shop). A branch and bound search over the shops in their
// order: a set is visited before its extensions and before the sets of later shops, so the first
// set found of a value is the earliest; a branch is cut when even its best shops cannot beat the best
// set found.
#pragma once

#include "core/amount.h"

#include <QList>

class ShopChoice {
  public:
    struct Offer {
        int item = 0;
        AmountDifference cost = 0; // the price times the quantity
    };

    // `offers[s]`: what shop s sells of the `items` items, the shops in their order of preference.
    ShopChoice(int items, QList<QList<Offer>> offers);

    // The shops (indexes, ascending) of the best set of at most `maxShops` shops.
    QList<int> choose(int maxShops);

  private:
    using Value = AmountDifference;

    void search(int next, int slotsLeft);
    void add(int shop, QList<Value>& saved);
    void remove(int shop, const QList<Value>& saved);
    Value gain(int shop) const;
    void greedy(int maxShops);
    void reset();

    int items_;
    QList<QList<Offer>> offers_;
    Value missing_ = 0; // the value of an item left out: more than any list's cost
    QList<Value> cost_; // per item: its cost at the chosen shops, or missing_
    Value value_ = 0;   // the sum of cost_
    QList<int> chosen_;
    Value bestValue_ = 0;
    qsizetype bestSize_ = 0;
    QList<int> best_;
};
