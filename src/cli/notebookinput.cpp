#include "cli/notebookinput.h"

#include "cli/clierror.h"
#include "core/apperror.h"
#include "notebook/notebookfile.h"
#include "notebook/productview.h"

using namespace Qt::StringLiterals;

namespace {

LoadedNotebook fromRead(const QString& path, NotebookRead read, const QDate& today, NotebookUse use) {
    // The reader stops at a NUL: what follows would be missing from every list and lost by a write.
    if (read.nulOffset >= 0)
        refuseData(
            path, 0,
            u"%1 バイト目に NUL 文字があり、それより後を読めません。読める部分だけでは商品が欠けるので、"
            u"このファイルは扱いません"_s.arg(read.nulOffset + 1));
    if (read.refusal) {
        // The window's own words; the magic line is the first line of the file.
        const qsizetype line = read.refusal->kind == RefusalKind::WrongMagic ? 1 : 0;
        refuseData(path, line, read.refusal->text);
    }
    LoadedNotebook loaded;
    loaded.path = path;
    loaded.book = std::move(*read.book);
    const PriceBook& book = loaded.book;

    QList<ProductView> views = viewProducts(book, today);
    const qsizetype whole = views.size();
    loaded.products.reserve(whole);
    for (qsizetype p = 0; p < whole; ++p) {
        const qsizetype nameLine = PriceBook::nameLine(p);
        if (views[p].name.isEmpty()) {
            const QString reason = u"商品名が空です"_s;
            if (use == NotebookUse::Write)
                refuseData(path, lineNumber(nameLine), reason);
            loaded.warnings << atLine(path, lineNumber(nameLine), reason + u"。この商品は除きました"_s);
            continue;
        }
        loaded.products.append({nameLine, std::move(views[p])});
    }
    const qsizetype tailStart = PriceBook::nameLine(whole);
    if (tailStart < book.count()) {
        const QString reason =
            u"最後の商品が %1 行しかありません（1 商品は 18 行）"_s.arg(book.count() - tailStart);
        if (use == NotebookUse::Write)
            refuseData(path, lineNumber(tailStart), reason);
        loaded.warnings << atLine(path, lineNumber(tailStart), reason + u"。この商品は除きました"_s);
    }
    return loaded;
}

} // namespace

LoadedNotebook loadNotebook(const QString& path, const QDate& today, NotebookUse use) {
    NotebookRead read;
    try {
        read = readNotebookFile(path);
    } catch (const AppError& e) {
        throw CliFailure(exitcode::Refused, e.message());
    }
    const FileStamp stamp = read.stamp;
    LoadedNotebook loaded = fromRead(path, std::move(read), today, use);
    loaded.stamp = stamp;
    return loaded;
}

LoadedNotebook loadNotebookBytes(const QString& path, QByteArrayView bytes, const QDate& today,
                                 NotebookUse use) {
    return fromRead(path, readNotebook(bytes), today, use);
}
