// Every user action through the window's logic (MainForm on plain controls, as the tests run it) on
// generated notebooks of 1,000, 10,000 and 100,000 products, next to the floor measured in the same
// run: reading the file, decoding code page 932 and splitting the lines with the reader's own code.
// Counters: x_floor is the time over the floor, x_10k the time at 100,000 over the time at 10,000.
// Run: build/pricotta_bench (README: the figures and what they are measured against).
#include "benchdata.h"
#include "measure.h"

#include "core/memoryrelease.h"

#include "app/mainform.h"
#include "core/controltable.h"
#include "core/names.h"
#include "core/textfile.h"
#include "support/dialogdriver.h"
#include "support/fakeui.h"
#include "support/plaincontrols.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QString Selector = u"CBO_SYOMEI"_s;

const QByteArray& notebookBytes(int products) {
    static std::map<int, QByteArray> cache;
    auto it = cache.find(products);
    if (it == cache.end())
        it = cache.emplace(products, benchdata::notebookBytes(products)).first;
    return it->second;
}

// A program folder holding 500 shops, a settings file with a full history and a copy of the
// notebook, with the window's logic started in it on plain controls.
class Session {
  public:
    // `hideFrom100th`: the 100th product's name line is empty, so the selector lists 99 products
    // while the notebook holds them all; adding then does its whole work instead of being refused.
    explicit Session(int products, bool hideFrom100th = false)
        : controls_(mainWindowSpec()), notebook_(dir_.filePath(u"家計簿.txt"_s)) {
        QByteArray bytes = notebookBytes(products);
        if (hideFrom100th) {
            QStringList lines = benchdata::notebookLines(products);
            lines[1 + 99 * RecordLines] = QString();
            bytes = textfile::encode(lines, TextEncoding::Cp932);
        }
        benchdata::writeBytes(notebook_, bytes);
        benchdata::writeProgramFiles(dir_.path(), notebook_);
        form_ = std::make_unique<MainForm>(controls_, ui, dir_.path());
        form_->FormCreate();
        load();
    }

    MainForm& form() { return *form_; }
    PlainControls& controls() { return controls_; }
    const QString& notebook() const { return notebook_; }

    void load() {
        if (!form_->LoadPriceBook(notebook_))
            throw std::runtime_error("the notebook did not load");
        expectQuiet();
    }

    // Picks a product in the selector as the user does.
    void pick(const QString& name) {
        const int index = int(controls_.items(Selector).indexOf(name));
        if (index < 0)
            throw std::logic_error("no such product in the selector");
        controls_.setItemIndex(Selector, index);
        form_->click(Selector);
    }

    // A message the action was not meant to show means the benchmark measures the wrong thing.
    void expectQuiet() {
        if (!ui.messages.isEmpty())
            throw std::logic_error("unexpected message: " + ui.messages.front().text.toStdString());
    }

    FakeUi ui;

  private:
    QTemporaryDir dir_;
    PlainControls controls_;
    QString notebook_;
    std::unique_ptr<MainForm> form_;
};

Session& session(int products, bool hideFrom100th = false) {
    static std::map<std::pair<int, bool>, std::unique_ptr<Session>> sessions;
    auto& s = sessions[{products, hideFrom100th}];
    if (!s)
        s = std::make_unique<Session>(products, hideFrom100th);
    return *s;
}

// The name of the product stored first or last in the session's notebook.
QString firstProductName(Session& s) {
    return s.form().book().line(1);
}

QString lastProductName(Session& s) {
    const qsizetype products = (s.form().book().count() - 1) / RecordLines;
    return s.form().book().line(1 + (products - 1) * RecordLines);
}

// The floor: the file read, decoded and split into lines by the reader's own code.
double floorSeconds(int products) {
    auto& byCount = measure::results()["floor"];
    if (const auto it = byCount.find(products); it != byCount.end())
        return it->second;
    const QString path = session(products).notebook();
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        releaseFreeMemory();
        const double start = measure::processorSeconds();
        benchmark::DoNotOptimize(textfile::readLines(path).lines.count());
        best = std::min(best, measure::processorSeconds() - start);
    }
    return byCount[products] = best;
}

void BM_Floor(benchmark::State& state) {
    const int n = int(state.range(0));
    const QString path = session(n).notebook();
    // Every read starts with the free pages handed back, as every load leaves them: a read served
    // from pages an earlier step left mapped skips the page faults a load always pays for.
    const double s = measure::run(
        state, [] { releaseFreeMemory(); },
        [&] { benchmark::DoNotOptimize(textfile::readLines(path).lines.count()); });
    measure::results()["floor"][n] = s;
    measure::report(state, "Floor", s);
    state.counters["bytes_per_product"] = double(notebookBytes(n).size()) / n;
    state.SetBytesProcessed(state.iterations() * notebookBytes(n).size());
}

// The floor of a save: the encoded bytes written the way every file is written (a temporary file,
// synced, then renamed over the old one).
void BM_WriteFloor(benchmark::State& state) {
    const int n = int(state.range(0));
    const QString path = session(n).notebook() + u".copy"_s;
    const QByteArray& bytes = notebookBytes(n);
    const double s = measure::run(state, [&] { textfile::writeBytes(path, bytes); });
    measure::results()["write floor"][n] = s;
    measure::report(state, "WriteFloor", s, floorSeconds(n));
}

// Each load follows a read of the floor, untimed by the benchmark but timed here: the cost of a
// fresh page changes from minute to minute on a shared machine, so the two are compared where
// they met the same machine. `floor_ms` is that floor; x_floor is the load over it.
void BM_LoadAndList(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    double floor = 0;
    const double seconds = measure::run(
        state,
        [&] {
            releaseFreeMemory();
            const double start = measure::processorSeconds();
            benchmark::DoNotOptimize(textfile::readLines(s.notebook()).lines.count());
            floor += measure::processorSeconds() - start;
            releaseFreeMemory();
        },
        [&] { s.load(); });
    const double floorPerLoad = state.iterations() > 0 ? floor / double(state.iterations()) : 0;
    measure::report(state, "LoadAndList", seconds, floorPerLoad);
    state.counters["floor_ms"] = floorPerLoad * 1000;
}

void BM_Save(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    const double seconds = measure::run(state, [&] { s.form().click(u"MN_SAVE"_s); });
    s.expectQuiet();
    measure::report(state, "Save", seconds, floorSeconds(n));
    if (const auto& w = measure::results()["write floor"]; w.contains(n))
        state.counters["x_write"] = seconds / w.at(n);
}

void BM_Find(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    const QString name = lastProductName(s);
    const double seconds =
        measure::run(state, [&] { benchmark::DoNotOptimize(s.form().book().FindProduct(name)); });
    measure::report(state, "Find", seconds, floorSeconds(n));
}

// Picking the product stored last, the one every search by name reaches last.
void BM_Pick(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    const QString name = lastProductName(s);
    const int index = int(s.controls().items(Selector).indexOf(name));
    const double seconds = measure::run(
        state, [&] { s.controls().setItemIndex(Selector, index); }, [&] { s.form().click(Selector); });
    s.expectQuiet();
    measure::report(state, "Pick", seconds, floorSeconds(n));
}

// Adding to a notebook of 100 products or more is refused before any other check.
void BM_AddRefused(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    const double seconds = measure::run(
        state,
        [&] {
            s.ui.messages.clear();
            s.controls().setText(u"EDT_SYOMEI"_s, u"新商品"_s);
        },
        [&] { s.form().click(u"BTN_ADD"_s); });
    if (s.ui.messages.size() != 1)
        throw std::logic_error("adding was not refused");
    s.ui.messages.clear();
    s.controls().setText(u"EDT_SYOMEI"_s, QString());
    measure::report(state, "AddRefused", seconds, floorSeconds(n));
}

// Adding with its whole work: the name searched through every product, 18 lines inserted behind the
// 99 listed products, the name put at its sorted place. Taken out again before the next iteration.
void BM_Add(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n, true);
    const QString name = u"新商品 テスト用 1kg"_s;
    const qsizetype base = 1 + 99 * RecordLines;
    bool added = false;
    const auto takeOut = [&] {
        if (!added)
            return;
        s.form().book().removeRecord(base);
        s.controls().removeItem(Selector, int(s.controls().items(Selector).indexOf(name)));
        added = false;
    };
    const double seconds = measure::run(
        state,
        [&] {
            takeOut();
            s.controls().setText(u"EDT_SYOMEI"_s, name);
            s.controls().setText(u"EDT_TEIKA"_s, u"1,980"_s);
            s.controls().setText(u"EDT_1"_s, u"1980"_s);
            s.controls().setText(u"CBO_MISE1"_s, u"ライフ 中野店"_s);
        },
        [&] {
            s.form().click(u"BTN_ADD"_s);
            added = true;
        });
    s.expectQuiet();
    if (s.form().book().FindProduct(name) != base)
        throw std::logic_error("the product was not added where expected");
    takeOut();
    measure::report(state, "Add", seconds, floorSeconds(n));
}

void BM_Update(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    s.pick(lastProductName(s));
    const double seconds = measure::run(state, [&] { s.form().click(u"BTN_KOUSIN"_s); });
    s.expectQuiet();
    measure::report(state, "Update", seconds, floorSeconds(n));
}

// Deleting the product stored first: every later line moves. Put back after each iteration.
void BM_Delete(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    const QString name = firstProductName(s);
    QStringList record;
    for (int k = 0; k < RecordLines; ++k)
        record << s.form().book().line(1 + k);
    bool removed = false;
    const double seconds = measure::run(
        state,
        [&] {
            if (removed) {
                s.form().book().insertRecord(1, record);
                s.controls().insertItem(Selector,
                                        int(sortedInsertPosition(s.controls().items(Selector), name)), name);
            }
            s.pick(name);
            s.ui.buttons.enqueue(Yes);
        },
        [&] {
            s.form().click(u"SPD_SAKUJYO"_s);
            removed = true;
        });
    s.ui.messages.clear();
    if (s.form().book().FindProduct(name) >= 0)
        throw std::logic_error("the product was not deleted");
    s.form().book().insertRecord(1, record);
    s.controls().insertItem(Selector, int(sortedInsertPosition(s.controls().items(Selector), name)), name);
    measure::report(state, "Delete", seconds, floorSeconds(n));
}

// Renaming the product stored last, back and forth between two names.
void BM_Rename(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    const QString names[] = {lastProductName(s), lastProductName(s) + u" 改"_s};
    int current = 0;
    const double seconds = measure::run(
        state,
        [&] {
            s.pick(names[current]);
            s.ui.inputAnswers.enqueue(names[1 - current]);
        },
        [&] {
            s.form().click(u"MN_SYOMEI_SYU"_s);
            current = 1 - current;
        });
    s.expectQuiet();
    if (current == 1) {
        s.pick(names[1]);
        s.ui.inputAnswers.enqueue(names[0]);
        s.form().click(u"MN_SYOMEI_SYU"_s);
    }
    measure::report(state, "Rename", seconds, floorSeconds(n));
}

void BM_Differences(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    s.pick(lastProductName(s));
    const double seconds = measure::run(state, [&] { s.form().click(u"SPD_SAGAKU"_s); });
    s.expectQuiet();
    measure::report(state, "Differences", seconds, floorSeconds(n));
}

// Chooses the last entry of the query's list and confirms it: the product is shown in the window.
void chooseLastEntry(DialogDriver& d) {
    const QString list = u"LST_SYO"_s;
    const int last = int(d.controls().items(list).size()) - 1;
    if (last < 0)
        throw std::logic_error("the query listed nothing");
    d.controls().setItemSelected(list, last, true);
    d.controls().setItemIndex(list, last);
    d.click(u"OKBtn"_s);
}

// 1年以上前データ: the dialog filled with the products not updated for a year, one confirmed.
void BM_QueryOld(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    qsizetype listed = 0;
    s.ui.dialogScript = playing([&](DialogDriver& d) {
        listed = d.controls().items(u"LST_SYO"_s).size();
        chooseLastEntry(d);
    });
    const double seconds = measure::run(state, [&] { s.form().click(u"SPD_1OLD"_s); });
    s.ui.dialogScript = {};
    s.expectQuiet();
    state.counters["listed"] = double(listed);
    measure::report(state, "QueryOld", seconds, floorSeconds(n));
}

// 店絞込み: the dialog filled for the shop chosen last, then for another shop, one product confirmed.
void BM_QueryByShop(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    qsizetype listed = 0;
    s.ui.dialogScript = playing([&](DialogDriver& d) {
        d.controls().setItemIndex(u"CBO_MISE"_s, 1);
        d.click(u"CBO_MISE"_s);
        listed = d.controls().items(u"LST_SYO"_s).size();
        chooseLastEntry(d);
    });
    const double seconds = measure::run(
        state, [&] { s.form().lastShopIndex = 0; }, [&] { s.form().click(u"SPD_MISE_SIBO"_s); });
    s.ui.dialogScript = {};
    s.expectQuiet();
    state.counters["listed"] = double(listed);
    measure::report(state, "QueryByShop", seconds, floorSeconds(n));
}

// 店名管理 with 500 shops: opened, an entry picked, closed; the five shop boxes refilled.
void BM_ShopDialog(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    s.ui.dialogScript = playing([](DialogDriver& d) {
        d.pickItem(u"ListBox1"_s, 250);
        d.click(u"OKBtn"_s);
    });
    const double seconds = measure::run(state, [&] { s.form().click(u"MN_TENMEI"_s); });
    s.ui.dialogScript = {};
    s.expectQuiet();
    measure::report(state, "ShopDialog", seconds, floorSeconds(n));
}

// 店名管理 with 500 shops: an entry renamed with 更新, which writes the shop list.
void BM_ShopDialogChange(benchmark::State& state) {
    const int n = int(state.range(0));
    Session& s = session(n);
    const QString shop = benchdata::shopNames(500)[250];
    s.ui.dialogScript = playing([&](DialogDriver& d) {
        d.pickItem(u"ListBox1"_s, 250);
        d.type(u"TXT_MOJI_EDIT"_s, shop);
        d.click(u"BTN_KOUSIN"_s);
        d.click(u"OKBtn"_s);
    });
    const double seconds = measure::run(state, [&] { s.form().click(u"MN_TENMEI"_s); });
    s.ui.dialogScript = {};
    s.expectQuiet();
    measure::report(state, "ShopDialogChange", seconds, floorSeconds(n));
}

} // namespace

BENCHMARK(BM_Floor)->Apply(measure::sizes);
BENCHMARK(BM_WriteFloor)->Apply(measure::sizes);
BENCHMARK(BM_LoadAndList)->Apply(measure::sizes);
BENCHMARK(BM_Save)->Apply(measure::sizes);
BENCHMARK(BM_Find)->Apply(measure::sizes);
BENCHMARK(BM_Pick)->Apply(measure::sizes);
BENCHMARK(BM_AddRefused)->Apply(measure::sizes);
BENCHMARK(BM_Add)->Apply(measure::sizes);
BENCHMARK(BM_Update)->Apply(measure::sizes);
BENCHMARK(BM_Delete)->Apply(measure::sizes);
BENCHMARK(BM_Rename)->Apply(measure::sizes);
BENCHMARK(BM_Differences)->Apply(measure::sizes);
BENCHMARK(BM_QueryOld)->Apply(measure::sizes);
BENCHMARK(BM_QueryByShop)->Apply(measure::sizes);
BENCHMARK(BM_ShopDialog)->Apply(measure::sizes);
BENCHMARK(BM_ShopDialogChange)->Apply(measure::sizes);

int main(int argc, char** argv) {
    // As the program does at start.
    keepLargeBlocksApart();
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
