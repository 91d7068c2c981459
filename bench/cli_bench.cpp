// Speed of the companion's export, cheapest and report on a notebook of 100,000 products, and of a
// plan (50 items, 10,000 products, 500 shops, --shops 3: goal well under a second), each as
// a multiple of the floor measured in the same run: reading the notebook file (the bytes, decoding,
// splitting into lines). The counter x_floor is that multiple of process CPU time; the goal is at
// most 3. Merge runs on two notebooks of 10,000 and of 100,000 products that share half their
// names; its floor is reading both, and its time grows in step with the products.
// Run: build/pricotta_cli_bench
#include "cli/command.h"
#include "core/textfile.h"

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int Products = 100000;

// Process CPU time: the machine may be shared, and waiting for a core is no cost of the command.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Japanese names, five shops, prices around the standard price, dates over two years, a memo.
// Products are numbered from `first`.
QStringList makeNotebook(int products, int first = 0) {
    QStringList lines{u"zorvandata"_s};
    for (int i = first; i < first + products; ++i) {
        lines << u"商品%1 牛乳"_s.arg(i) << QString::number(180 + i % 40);
        for (int j = 1; j <= 5; ++j) {
            const bool filled = (i + j) % 7 != 0;
            lines << (filled ? u"スーパー%1店"_s.arg((i + j) % 9) : QString())
                  << (filled ? QString::number(150 + (i * j) % 60) : QString())
                  << u"20%1/%2/%3"_s.arg(13 + (i + j) % 3)
                         .arg(1 + (i * 7 + j) % 12, 2, 10, QChar(u'0'))
                         .arg(1 + (i + 3 * j) % 28, 2, 10, QChar(u'0'));
        }
        lines << u"特売日は水曜、ポイント５倍"_s;
    }
    return lines;
}

struct Fixture {
    QTemporaryDir dir;
    QString path;

    Fixture() {
        path = dir.filePath(u"notebook.txt"_s);
        textfile::writeFile(path, makeNotebook(Products));
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_ReadNotebookFloor(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(textfile::readFile(f.path));
}

// Each iteration reads the notebook (the floor, not counted in the time shown) and then runs the
// command, so both meet the same load on the machine.
void runCommand(benchmark::State& state, const QStringList& arguments,
                const QStringList& floorFiles = {fixture().path}) {
    double floor = 0;
    double command = 0;
    qint64 outBytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        double start = cpuSeconds();
        for (const QString& file : floorFiles)
            benchmark::DoNotOptimize(textfile::readFile(file));
        floor += cpuSeconds() - start;
        state.ResumeTiming();

        start = cpuSeconds();
        CliEnvironment env;
        env.today = QDate(2016, 6, 1);
        if (runCli(arguments, env) != 0)
            state.SkipWithError("the command failed");
        outBytes = env.out.size();
        benchmark::DoNotOptimize(env.out.constData());
        command += cpuSeconds() - start;
    }
    state.counters["x_floor"] = command / floor;
    state.counters["out_MB"] = double(outBytes) / 1e6;
}

void BM_ExportCsv(benchmark::State& state) {
    runCommand(state, {u"export"_s, fixture().path});
}

void BM_ExportJson(benchmark::State& state) {
    runCommand(state, {u"export"_s, fixture().path, u"--format"_s, u"json"_s});
}

void BM_Cheapest(benchmark::State& state) {
    runCommand(state, {u"cheapest"_s, fixture().path});
}

void BM_Report(benchmark::State& state) {
    runCommand(state, {u"report"_s, fixture().path});
}

// A plan: a 50-item list over 10,000 products and 500 shops, at most 3 shops. Each product has
// five prices at shops spread over the 500; the list's items share shops, so the search meets
// many sets of near value.
struct PlanFixture {
    QTemporaryDir dir;
    QString notebook;
    QString list;

    PlanFixture() {
        QStringList lines{u"zorvandata"_s};
        for (int i = 0; i < 10000; ++i) {
            lines << u"商品%1"_s.arg(i) << QString::number(200 + i % 50);
            for (int j = 1; j <= 5; ++j)
                lines << u"店%1"_s.arg((i * 7 + j * 101) % 500)
                      << QString::number(100 + (i * 13 + j * 29) % 90)
                      << u"2016/0%1/1%2"_s.arg(1 + (i + j) % 5).arg(j);
            lines << QString();
        }
        notebook = dir.filePath(u"plan.txt"_s);
        textfile::writeFile(notebook, lines);
        QStringList items;
        for (int i = 0; i < 50; ++i)
            items << u"商品%1"_s.arg(i * 3);
        list = dir.filePath(u"list.txt"_s);
        textfile::writeFile(list, items);
    }
};

void BM_Plan(benchmark::State& state) {
    static PlanFixture f;
    double floor = 0;
    double command = 0;
    for (auto _ : state) {
        double start = cpuSeconds();
        benchmark::DoNotOptimize(textfile::readFile(f.notebook));
        floor += cpuSeconds() - start;
        start = cpuSeconds();
        CliEnvironment env;
        env.today = QDate(2016, 6, 1);
        if (runCli({u"plan"_s, f.notebook, f.list, u"--shops"_s, u"3"_s}, env) != 0)
            state.SkipWithError("the command failed");
        command += cpuSeconds() - start;
    }
    state.counters["x_floor"] = command / floor;
    state.counters["plan_ms"] = benchmark::Counter(command * 1000, benchmark::Counter::kAvgIterations);
}

// A of products 0 to n - 1, B of products n / 2 to 3n / 2 - 1: half of B merges into A's records,
// half is appended.
void BM_Merge(benchmark::State& state) {
    const int products = int(state.range(0));
    QTemporaryDir dir;
    const QString a = dir.filePath(u"a.txt"_s);
    const QString b = dir.filePath(u"b.txt"_s);
    textfile::writeFile(a, makeNotebook(products));
    textfile::writeFile(b, makeNotebook(products, products / 2));
    runCommand(state, {u"merge"_s, a, b, u"-o"_s, dir.filePath(u"c.txt"_s)}, {a, b});
    state.counters["products"] = products;
}

// The report at 10,000 products: its size (out_MB, under 3) and its time against reading the notebook.
void BM_Report10k(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"notebook.txt"_s);
    textfile::writeFile(path, makeNotebook(10000));
    runCommand(state, {u"report"_s, path}, {path});
}

} // namespace

BENCHMARK(BM_Plan)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_ReadNotebookFloor)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ExportJson)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Cheapest)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Report10k)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Merge)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2);

BENCHMARK_MAIN();
