#include "notebook/notebookfile.h"

#include "core/textfile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

NotebookRead fromLines(TextLines lines) {
    NotebookRead read;
    if (lines.count() == 0)
        read.refusal = refusal(RefusalKind::Empty);
    else if (lines.line(0) != QStringView(MagicLine))
        read.refusal = refusal(RefusalKind::WrongMagic);
    else
        read.book.emplace().assign(std::move(lines));
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
    return fromLines(std::move(textfile::decodeLines(bytes).lines));
}

NotebookRead readNotebookFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && info.size() > MaxNotebookBytes)
        return refused(RefusalKind::TooLarge);
    return fromLines(std::move(textfile::readLines(path).lines));
}

QByteArray notebookBytes(const PriceBook& book) {
    return textfile::encode(book.textLines(), TextEncoding::Cp932);
}

void writeNotebookFile(const QString& path, const PriceBook& book) {
    textfile::writeFile(path, book.textLines());
}
