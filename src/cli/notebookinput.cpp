#include "cli/notebookinput.h"

#include "cli/clierror.h"
#include "cli/language.h"
#include "core/apperror.h"
#include "notebook/notebookfile.h"
#include "notebook/productview.h"

using namespace Qt::StringLiterals;

namespace {

// The window's words for a file that is no notebook, or in English.
QString refusalText(const NotebookRefusal& refusal) {
    switch (refusal.kind) {
    case RefusalKind::Empty:
        return localized(refusal.text, u"this is no data of this program (0 bytes)"_s);
    case RefusalKind::WrongMagic:
        return localized(refusal.text,
                         u"this is no data of this program (its first line is not zorvandata)"_s);
    case RefusalKind::TooLarge:
        break;
    }
    return localized(refusal.text, u"the file is too large (up to 64 MB)"_s);
}

QString leftOutText() {
    return localized(u"。この商品は除きました"_s, u"; this product is left out"_s);
}

LoadedNotebook fromRead(const QString& path, NotebookRead read, const QDate& today, NotebookUse use) {
    // The reader stops at a NUL: what follows would be missing from every list and lost by a write.
    if (read.nulOffset >= 0)
        refuseData(path, 0,
                   nulByteRefusal(read.nulOffset,
                                  localized(u"読める部分だけでは商品が欠けるので、"_s,
                                            u"products would be missing from the part before it, so "_s)));
    if (read.refusal) {
        // The window's own words; the magic line is the first line of the file.
        const qsizetype line = read.refusal->kind == RefusalKind::WrongMagic ? 1 : 0;
        refuseData(path, line, refusalText(*read.refusal));
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
            const QString reason = emptyNameText();
            if (use == NotebookUse::Write)
                refuseData(path, lineNumber(nameLine), reason);
            loaded.warnings << atLine(path, lineNumber(nameLine), reason + leftOutText());
            continue;
        }
        loaded.products.append({nameLine, std::move(views[p])});
    }
    const qsizetype tailStart = PriceBook::nameLine(whole);
    if (tailStart < book.count()) {
        const QString reason = localized(u"最後の商品が %1 行しかありません（1 商品は %2 行）"_s,
                                         u"the last product has only %1 lines (a product has %2)"_s)
                                   .arg(book.count() - tailStart)
                                   .arg(RecordLines);
        if (use == NotebookUse::Write)
            refuseData(path, lineNumber(tailStart), reason);
        loaded.warnings << atLine(path, lineNumber(tailStart), reason + leftOutText());
    }
    return loaded;
}

} // namespace

LoadedNotebook loadNotebook(const QString& path, const QDate& today, NotebookUse use) {
    NotebookRead read;
    try {
        read = readNotebookFile(path);
    } catch (const AppError& e) {
        throw CliFailure(exitcode::Refused, messageOf(e));
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
