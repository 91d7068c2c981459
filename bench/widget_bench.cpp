// What the widgets cost on top of the logic, in the real main window under the offscreen platform
// (or whatever QT_QPA_PLATFORM names), with notebooks of 1,000, 10,000 and 100,000 products:
// loading into the window, opening the product drop-down, the two query dialogs filled and shown,
// and the shop-name dialog with 500 shops. Each dialog is measured from the command until it has
// been laid out and painted once, and closed. Run: build/pricotta_widget_bench
#include "benchdata.h"
#include "measure.h"

#include "core/memoryrelease.h"

#include "app/mainform.h"
#include "ui/mainwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QListView>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <map>
#include <memory>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// Lays out what is still to be laid out and paints the whole window now, as its first showing does.
void layOutAndPaint(QWidget& window) {
    QCoreApplication::processEvents();
    for (QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
        // Asking where the first row is runs a layout the view has put off.
        if (view->model() && view->model()->rowCount() > 0)
            view->visualRect(view->model()->index(0, 0));
    }
    window.repaint();
}

// The main window in a program folder with 500 shops and a full history, a notebook loaded.
class Window {
  public:
    explicit Window(int products) : notebook_(dir_.filePath(u"家計簿.txt"_s)) {
        benchdata::writeBytes(notebook_, benchdata::notebookBytes(products));
        benchdata::writeProgramFiles(dir_.path(), notebook_);
        window_ = std::make_unique<MainWindow>(dir_.path());
        window_->show();
        layOutAndPaint(*window_);
        load();
    }

    void load() {
        if (!window_->form().LoadPriceBook(notebook_))
            throw std::runtime_error("the notebook did not load");
        layOutAndPaint(*window_);
    }

    MainWindow& window() { return *window_; }

    // Runs a command that opens a modal dialog; the dialog is laid out, painted and closed as soon
    // as it shows.
    void runDialog(const QString& command) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                qFatal("no dialog opened");
            layOutAndPaint(*dialog);
            seen = true;
            static_cast<QDialog*>(dialog)->reject();
        });
        window_->form().click(command);
        if (!seen)
            throw std::logic_error("the dialog did not show");
    }

  private:
    QTemporaryDir dir_;
    QString notebook_;
    std::unique_ptr<MainWindow> window_;
};

// The windows live until main closes them, while the application still exists: a window destroyed
// after it, among the static objects, crashes.
std::map<int, std::unique_ptr<Window>>& windows() {
    static std::map<int, std::unique_ptr<Window>> open;
    return open;
}

Window& window(int products) {
    auto& w = windows()[products];
    if (!w)
        w = std::make_unique<Window>(products);
    return *w;
}

void BM_LoadIntoWindow(benchmark::State& state) {
    Window& w = window(int(state.range(0)));
    measure::report(state, "LoadIntoWindow", measure::run(state, [&] { w.load(); }));
}

// The product drop-down opened, painted and closed again.
void BM_OpenDropDown(benchmark::State& state) {
    Window& w = window(int(state.range(0)));
    auto* combo = w.window().findChild<QComboBox*>(u"CBO_SYOMEI"_s);
    const double seconds = measure::run(state, [&] {
        combo->showPopup();
        layOutAndPaint(*combo->view()->window());
        combo->hidePopup();
    });
    measure::report(state, "OpenDropDown", seconds);
}

void BM_QueryOldDialog(benchmark::State& state) {
    Window& w = window(int(state.range(0)));
    measure::report(state, "QueryOldDialog", measure::run(state, [&] { w.runDialog(u"SPD_1OLD"_s); }));
}

void BM_QueryByShopDialog(benchmark::State& state) {
    Window& w = window(int(state.range(0)));
    measure::report(state, "QueryByShopDialog",
                    measure::run(state, [&] { w.runDialog(u"SPD_MISE_SIBO"_s); }));
}

void BM_ShopDialog500(benchmark::State& state) {
    Window& w = window(int(state.range(0)));
    measure::report(state, "ShopDialog500", measure::run(state, [&] { w.runDialog(u"MN_TENMEI"_s); }));
}

} // namespace

BENCHMARK(BM_LoadIntoWindow)->Apply(measure::sizes);
BENCHMARK(BM_OpenDropDown)->Apply(measure::sizes);
BENCHMARK(BM_QueryOldDialog)->Apply(measure::sizes);
BENCHMARK(BM_QueryByShopDialog)->Apply(measure::sizes);
BENCHMARK(BM_ShopDialog500)->Apply(measure::sizes);

int main(int argc, char** argv) {
    // As the program does at start.
    keepLargeBlocksApart();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    windows().clear();
    return 0;
}
