#include "notebook/notebookfile.h"

#include "core/textfile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

NotebookRead fromText(DecodedLines text) {
    NotebookRead read;
    if (text.lines.count() == 0)
        read.refusal = refusal(RefusalKind::Empty);
    else if (text.lines.line(0) != QStringView(MagicLine))
        read.refusal = refusal(RefusalKind::WrongMagic);
    else
        read.book.emplace().assign(std::move(text.lines));
    read.nulOffset = text.nulOffset;
    return read;
}

NotebookRead refused(RefusalKind kind) {
    NotebookRead read;
    read.refusal = refusal(kind);
    return read;
}

} // namespace

NotebookRefusal refusal(RefusalKind kind) {
    switch (kind) {
    case RefusalKind::Empty:
        return {kind, u"当ソフトで作成されたデータではありません(0バイト)"_s};
    case RefusalKind::WrongMagic:
        return {kind, u"当ソフトで作成されたデータではありません(ID)"_s};
    case RefusalKind::TooLarge:
        break;
    }
    return {RefusalKind::TooLarge, u"ファイルが大きすぎます（64MBまで）"_s};
}

NotebookRead readNotebook(QByteArrayView bytes) {
    if (bytes.size() > MaxNotebookBytes)
        return refused(RefusalKind::TooLarge);
    return fromText(textfile::decodeLines(bytes));
}

NotebookRead readNotebookFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && info.size() > MaxNotebookBytes)
        return refused(RefusalKind::TooLarge);
    const QByteArray bytes = textfile::readBytes(path, MaxNotebookBytes);
    NotebookRead read = readNotebook(bytes);
    read.stamp = FileStamp::of(path, bytes);
    return read;
}

QByteArray notebookBytes(const PriceBook& book) {
    return textfile::encode(book.textLines(), TextEncoding::Cp932);
}

FileStamp writeNotebookFile(const QString& path, const PriceBook& book) {
    return textfile::writeFile(path, book.textLines());
}
