// Speed of the notebook's hot paths on a large notebook, next to a floor measured in the same run:
// copying the file's bytes. Run: build/pricotta_bench
#include "core/names.h"
#include "core/textfile.h"
#include "notebook/pricebook.h"

#include <QHash>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// A notebook of `products` records with Japanese names, shops and memos.
QStringList makeNotebook(int products) {
    QStringList lines{u"zorvandata"_s};
    for (int i = 0; i < products; ++i) {
        lines << u"商品%1 ミルク"_s.arg(i) << u"198"_s;
        for (int j = 1; j <= 5; ++j)
            lines << u"スーパー%1店"_s.arg(j) << QString::number(150 + i % 50 + j) << u"2014/05/0%1"_s.arg(j);
        lines << u"特売日は水曜、ポイント５倍"_s;
    }
    return lines;
}

const QByteArray& notebookBytes(int products) {
    static QHash<int, QByteArray> cache;
    auto it = cache.find(products);
    if (it == cache.end())
        it = cache.insert(products, textfile::encode(makeNotebook(products), TextEncoding::Cp932));
    return *it;
}

void BM_CopyBytesFloor(benchmark::State& state) {
    const QByteArray& bytes = notebookBytes(int(state.range(0)));
    QByteArray target(bytes.size(), Qt::Uninitialized);
    for (auto _ : state) {
        std::memcpy(target.data(), bytes.constData(), size_t(bytes.size()));
        benchmark::DoNotOptimize(target.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_DecodeNotebook(benchmark::State& state) {
    const QByteArray& bytes = notebookBytes(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(textfile::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_EncodeNotebook(benchmark::State& state) {
    const QStringList lines = makeNotebook(int(state.range(0)));
    qint64 size = 0;
    for (auto _ : state) {
        const QByteArray out = textfile::encode(lines, TextEncoding::Cp932);
        size = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_SortProductNames(benchmark::State& state) {
    PriceBook book;
    book.assign(makeNotebook(int(state.range(0))));
    for (auto _ : state) {
        QStringList names = book.productNames();
        sortProductNames(names);
        benchmark::DoNotOptimize(names.constData());
    }
}

void BM_FindLastProduct(benchmark::State& state) {
    PriceBook book;
    const int n = int(state.range(0));
    book.assign(makeNotebook(n));
    const QString last = u"商品%1 ミルク"_s.arg(n - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(book.FindProduct(last));
}

} // namespace

// 100 products is the add limit of one notebook; 50,000 is a large file made elsewhere (about 4 MB).
BENCHMARK(BM_CopyBytesFloor)->Arg(100)->Arg(50000);
BENCHMARK(BM_DecodeNotebook)->Arg(100)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EncodeNotebook)->Arg(100)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortProductNames)->Arg(100)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindLastProduct)->Arg(100)->Arg(50000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
