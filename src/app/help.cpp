// Help, read-me and version information: the manual and the read-me are files that came with the
// program, opened with their own programs; the version window comes from a library of the program.
#include "app/help.h"

#include "core/apperror.h"
#include "core/appfiles.h"
#include "core/dispatch.h"
#include "core/programinfo.h"
#include "core/uiservices.h"

using namespace Qt::StringLiterals;

namespace {

// What the version window shows besides the product and its version.
constexpr int ProductCode = 573765;
constexpr char16_t LabelText[] = u"価格メモ帳";
constexpr char16_t YearsText[] = u"2014-2026";

} // namespace

Help::Help(UiServices& ui, QString programDir) : ui_(ui), programDir_(std::move(programDir)) {}

void Help::OpenProgramFile(const QString& name) {
    // Next to the program (a copy run from its folder), else where it was installed.
    const QString path = appfiles::findFile(appfiles::dataFolders(programDir_), name);
    if (path.isEmpty()) {
        ui_.warn(u"このソフトと同じフォルダに "_s + name + u" が見つかりません"_s);
        return;
    }
    // No program for the file, or one that failed: an error, shown in the default error box, that
    // says where the file is so it can be opened by hand.
    if (!ui_.openWithProgram(path))
        throw AppError(path + u" を開けませんでした。\r\n\r\n"_s
                              u"このファイルを開くプログラムが見つからないか、うまく動きませんでした。"
                              u"ファイルマネージャーやブラウザーから直接開いて下さい。"_s);
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
    info.version = programVersionFullWidth();
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
