// The notebook reader, through the main window's logic on plain controls as the Open command runs
// it: any file is either refused with one of the two warnings or becomes the open book line for
// line; picking each product, the price differences and the old-products query then run on it
// without touching the book, and Save writes it so that it reads back to the same lines.
//
// Only openNotebook knows how a notebook is opened: point it elsewhere when the reading moves.
#include "app/mainform.h"
#include "core/controltable.h"
#include "core/textfile.h"
#include "fuzzsupport.h"
#include "support/dialogdriver.h"
#include "support/fakeui.h"
#include "support/plaincontrols.h"

#include <QDir>

#include <memory>

using namespace Qt::StringLiterals;
using fuzz::check;
using fuzz::describe;

namespace {

struct Window {
    PlainControls controls{mainWindowSpec()};
    FakeUi ui;
    std::unique_ptr<MainForm> form;

    Window() {
        const QString programDir = fuzz::scratchFile(u"prog"_s);
        QDir().mkpath(programDir);
        form = std::make_unique<MainForm>(controls, ui, programDir + u'/');
        form->FormCreate();
        // Every dialog opens, lists what it lists, and is closed with its close box.
        ui.dialogScript = playing([](DialogDriver&) {});
    }
};

Window& window() {
    static Window w;
    return w;
}

// Opens the file as the user does through File > Open.
void openNotebook(Window& w, const QString& path) {
    w.ui.fileAnswers.enqueue(path);
    w.form->click(u"MN_OPEN"_s);
}

// The first few products are picked; more add nothing that the first ones do not reach.
constexpr int PickedProducts = 12;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Window& w = window();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = fuzz::scratchFile(u"book.txt"_s);
    fuzz::writeRaw(path, bytes);

    // Each input starts from a fresh untitled book, so nothing carries over from the one before.
    w.form->setDirty(false);
    w.form->click(u"MN_NEW"_s);
    w.ui.messages.clear();

    openNotebook(w, path);
    const DecodedText decoded = textfile::decode(bytes);
    const QStringList& expected = decoded.lines;
    const QStringList shown = w.ui.messageTexts();
    if (expected.isEmpty() || expected.first() != QStringView(MagicLine)) {
        const QString refusal = expected.isEmpty() ? u"当ソフトで作成されたデータではありません(0バイト)"_s
                                                   : u"当ソフトで作成されたデータではありません(ID)"_s;
        check(shown == QStringList{refusal}, "a foreign file was not refused as such", shown.join(u'\n'));
        check(w.form->untitled() && w.form->book().lines() == QStringList{QString::fromUtf16(MagicLine)},
              "a refused file changed the open book");
        return 0;
    }
    // A NUL that cut the text short is told, naming its byte; nothing else is said.
    const bool toldOfNul = shown.size() == 1 && decoded.nulOffset >= 0 &&
                           shown[0].contains(QString::number(decoded.nulOffset + 1) + u" バイト目"_s);
    check(shown.isEmpty() || toldOfNul, "a notebook was refused", shown.join(u'\n'));
    check(w.form->book().lines() == expected, "the open book differs from the file's lines",
          describe(expected) + u"---\n"_s + describe(w.form->book().lines()));
    check(!w.form->untitled() && !w.form->dirty() && w.form->currentFileName() == path,
          "a loaded book is not the current, unchanged file");

    const QStringList names = w.controls.items(u"CBO_SYOMEI"_s);
    QStringList listed = w.form->book().productNames();
    check(names.size() == listed.size(), "the selector does not list every product");
    for (int i = 0; i < names.size() && i < PickedProducts; ++i) {
        w.controls.setItemIndex(u"CBO_SYOMEI"_s, i);
        w.form->click(u"CBO_SYOMEI"_s);
        w.form->click(u"SPD_SAGAKU"_s);
    }
    w.form->click(u"SPD_1OLD"_s);
    check(w.form->book().lines() == expected, "looking at the products changed the book");

    w.form->setDirty(false);
    w.ui.messages.clear();
    w.form->click(u"MN_SAVE"_s);
    check(w.ui.messages.isEmpty(), "a save failed", w.ui.messageTexts().join(u'\n'));
    const DecodedText saved = textfile::decode(fuzz::readRaw(path));
    check(saved.encoding == TextEncoding::Cp932 || saved.encoding == TextEncoding::Utf8Bom,
          "a notebook was saved in neither code page 932 nor UTF-8");
    check(saved.lines == expected, "a saved notebook reads back to other lines",
          describe(expected) + u"---\n"_s + describe(saved.lines));
    return 0;
}
