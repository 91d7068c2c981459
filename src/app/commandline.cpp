#include "app/commandline.h"

#include "core/programinfo.h"

using namespace Qt::StringLiterals;

namespace {

QString usage(bool japanese) {
    return japanese ? u"使い方: pricotta [ファイル]\n        pricotta --help | --version\n"_s
                    : u"Usage: pricotta [FILE]\n       pricotta --help | --version\n"_s;
}

QString help(bool japanese) {
    if (japanese)
        return usage(true) + u"買い物で見かけた値段を書き留める価格メモ帳です。"
                             u"ウィンドウを開き、ファイルを指定するとそのメモ帳を開きます。\n"
                             u"  ファイル   開くメモ帳 (*.txt)\n"
                             u"  --help     この説明を表示して終了します\n"
                             u"  --version  バージョンを表示して終了します\n"
                             u"Qt の標準のオプション (-style、-platform など) も使えます。\n"_s;
    return usage(false) +
           u"A notebook of shopping prices. Opens its window, with the notebook FILE if given.\n"
           u"  FILE       the notebook to open (*.txt)\n"
           u"  --help     show this text and exit\n"
           u"  --version  show the version and exit\n"
           u"Qt's standard options (-style, -platform, ...) are accepted too.\n"_s;
}

// Ends the program with `text` on standard output, or on standard error with a non-zero `exitCode`.
CommandLineAnswer ending(int exitCode, const QString& text) {
    CommandLineAnswer answer;
    answer.openWindow = false;
    answer.exitCode = exitCode;
    answer.text = text;
    answer.toStandardError = exitCode != 0;
    return answer;
}

CommandLineAnswer refusal(const QString& complaint, bool japanese) {
    return ending(2, u"pricotta: "_s + complaint + u'\n' + usage(japanese));
}

} // namespace

CommandLineAnswer answerCommandLine(const QStringList& arguments, bool japanese) {
    QStringList options;
    QStringList files;
    bool onlyFiles = false;
    for (const QString& argument : arguments) {
        if (argument.isEmpty())
            return refusal((japanese ? u"使えない引数です: "_s : u"unknown argument: "_s), japanese);
        if (onlyFiles || !argument.startsWith(u'-')) {
            files << argument;
        } else if (argument == u"--") {
            onlyFiles = true;
        } else if (argument == u"--version" || argument == u"--help") {
            options << argument;
        } else {
            CommandLineAnswer answer =
                refusal((japanese ? u"使えない引数です: "_s : u"unknown argument: "_s) + argument, japanese);
            answer.unknownOption = true;
            return answer;
        }
    }
    if (options.size() + (files.isEmpty() ? 0 : 1) > 1)
        return refusal(japanese ? u"引数が多すぎます"_s : u"too many arguments"_s, japanese);
    if (files.size() > 1)
        return refusal(japanese ? u"開けるファイルは一つだけです"_s : u"only one file can be opened"_s,
                       japanese);
    if (options == QStringList{u"--version"_s}) {
        const QString name = japanese ? u"Pricotta 価格メモ帳 バージョン "_s : u"Pricotta "_s;
        return ending(0, name + programVersion() + u'\n');
    }
    if (options == QStringList{u"--help"_s})
        return ending(0, help(japanese));
    CommandLineAnswer answer;
    if (!files.isEmpty())
        answer.fileToOpen = files.front();
    return answer;
}

bool prefersJapanese(const QLocale& locale) {
    const QStringList languages = locale.uiLanguages();
    const QString first = languages.isEmpty() ? locale.name() : languages.front();
    return first == u"ja" || first.startsWith(u"ja-"_s) || first.startsWith(u"ja_"_s);
}
