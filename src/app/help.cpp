// Help, read-me and version information: the manual and the read-me are files of the program's
// folder opened with their own programs; the version window comes from a library of that folder.
#include "app/help.h"

#include "core/apperror.h"
#include "core/dispatch.h"
#include "core/uiservices.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// What the version window shows besides the product and its version.
constexpr int ProductCode = 573765;
constexpr char16_t VersionText[] = u"２．２";
constexpr char16_t LabelText[] = u"価格メモ帳";
constexpr char16_t YearsText[] = u"2014-2026";

} // namespace

Help::Help(UiServices& ui, QString programDir) : ui_(ui), programDir_(std::move(programDir)) {}

void Help::OpenProgramFile(const QString& name) {
    const QString path = programDir_ + name;
    // A folder of that name is no file to open either.
    if (!QFileInfo(path).isFile()) {
        ui_.warn(u"このソフトと同じフォルダに "_s + name + u" が見つかりません"_s);
        return;
    }
    if (!ui_.openWithProgram(path))
        throw AppError(
            u"指定されたファイルにはこの操作を実行するために関連付けられたアプリケーションがありません。"_s);
}

void Help::MN_HELPClick() {
    OpenProgramFile(u"zorvan_00.html"_s);
}

void Help::MN_READMEClick() {
    OpenProgramFile(u"お読み下さい.txt"_s);
}

void Help::MN_VERClick() {
    VersionInfo info;
    info.code = ProductCode;
    info.product = u"製品名\u3000"_s + QString::fromUtf16(ApplicationTitle);
    info.version = QString::fromUtf16(VersionText);
    info.label = QString::fromUtf16(LabelText);
    info.years = QString::fromUtf16(YearsText);
    switch (ui_.showVersionWindow(info)) {
    case VersionWindowResult::Shown:
        break;
    case VersionWindowResult::LibraryMissing:
        ui_.warn(QString::fromUtf16(VersionLibraryFile) + u" が見つかりません"_s);
        break;
    case VersionWindowResult::FunctionMissing:
        ui_.warn(u"DLL内の関数が見つかりません"_s);
        break;
    }
}
