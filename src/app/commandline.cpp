#include "app/commandline.h"

#include "core/programinfo.h"

using namespace Qt::StringLiterals;

namespace {

QString usage(bool japanese) {
    return japanese ? u"使い方: pricotta [--help | --version]\n"_s
                    : u"Usage: pricotta [--help | --version]\n"_s;
}

QString help(bool japanese) {
    if (japanese)
        return usage(true) + u"買い物で見かけた値段を書き留める価格メモ帳です。"
                             u"引数なしで起動するとウィンドウを開きます。\n"
                             u"  --help     この説明を表示して終了します\n"
                             u"  --version  バージョンを表示して終了します\n"_s;
    return usage(false) + u"A notebook of shopping prices. Without arguments it opens its window.\n"
                          u"  --help     show this text and exit\n"
                          u"  --version  show the version and exit\n"_s;
}

} // namespace

CommandLineAnswer answerCommandLine(const QStringList& arguments, bool japanese) {
    if (arguments.isEmpty())
        return {};
    if (arguments == QStringList{u"--version"_s}) {
        const QString name = japanese ? u"Pricotta 価格メモ帳 バージョン "_s : u"Pricotta "_s;
        return {false, 0, name + programVersion() + u'\n', false};
    }
    if (arguments == QStringList{u"--help"_s})
        return {false, 0, help(japanese), false};
    QString complaint = japanese ? u"pricotta: 引数が多すぎます\n"_s : u"pricotta: too many arguments\n"_s;
    for (const QString& argument : arguments) {
        if (argument != u"--version" && argument != u"--help") {
            complaint = japanese ? u"pricotta: 使えない引数です: "_s + argument + u'\n'
                                 : u"pricotta: unknown argument: "_s + argument + u'\n';
            break;
        }
    }
    return {false, 2, complaint + usage(japanese), true};
}

bool prefersJapanese(const QLocale& locale) {
    const QStringList languages = locale.uiLanguages();
    const QString first = languages.isEmpty() ? locale.name() : languages.front();
    return first == u"ja" || first.startsWith(u"ja-"_s) || first.startsWith(u"ja_"_s);
}
