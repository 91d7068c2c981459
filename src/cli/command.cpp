#include "cli/command.h"

#include "cli/cheapest.h"
#include "cli/clierror.h"
#include "cli/csv.h"
#include "cli/exporter.h"
#include "cli/helptext.h"
#include "cli/importer.h"
#include "cli/language.h"
#include "cli/merge.h"
#include "cli/notebookinput.h"
#include "cli/observations.h"
#include "cli/planformats.h"
#include "cli/report.h"
#include "cli/shoppinglist.h"
#include "cli/stale.h"
#include "cli/streaminput.h"
#include "cli/suggest.h"
#include "cli/tableoutput.h"
#include "cli/textwidth.h"
#include "core/apperror.h"
#include "core/appfiles.h"
#include "core/textfile.h"
#include "notebook/notebookfile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

namespace {

constexpr int MaxStaleMonths = 1200;
constexpr int MaxPlanShops = 1000;

const QStringList Commands{u"export"_s, u"import"_s, u"merge"_s, u"cheapest"_s,
                           u"stale"_s,  u"report"_s, u"plan"_s};

// "。もしかして: a、b" when some candidates are close, else nothing.
QString guessed(const QString& wanted, const QStringList& candidates) {
    const QStringList close = closestNames(wanted, candidates);
    return close.isEmpty() ? QString() : localized(u"。"_s, u". "_s) + didYouMean(close);
}

// The arguments of one command: positionals, and options given once each.
struct Arguments {
    QStringList positional;
    QHash<QString, QString> values; // by option name, e.g. "-o", "--format"
    QStringList flags;              // e.g. "--open"

    std::optional<QString> value(const QString& name) const {
        const auto it = values.constFind(name);
        return it == values.cend() ? std::nullopt : std::optional<QString>(*it);
    }
};

Arguments parseArguments(const QString& command, const QStringList& args, const QStringList& valueOptions,
                         const QStringList& flagOptions, qsizetype positionals) {
    Arguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        if (optionsEnded || !arg.startsWith(u'-') || arg == u"-"_s) {
            parsed.positional << arg;
            continue;
        }
        if (arg == u"--"_s) {
            optionsEnded = true;
            continue;
        }
        std::optional<QString> inlineValue;
        if (const qsizetype eq = arg.indexOf(u'='); arg.startsWith(u"--"_s) && eq > 0) {
            inlineValue = arg.mid(eq + 1);
            arg.truncate(eq);
        }
        if (valueOptions.contains(arg)) {
            if (parsed.values.contains(arg))
                usageError(localized(u"%1 が二度指定されています"_s, u"%1 is given twice"_s).arg(arg));
            if (!inlineValue) {
                if (i + 1 >= args.size())
                    usageError(
                        localized(u"%1 のあとに値が必要です"_s, u"%1 needs a value after it"_s).arg(arg));
                inlineValue = args[++i];
            }
            parsed.values.insert(arg, *inlineValue);
        } else if (flagOptions.contains(arg) && !inlineValue) {
            parsed.flags << arg;
        } else {
            usageError(localized(u"%1 に %2 というオプションはありません"_s, u"%1 has no option %2"_s)
                           .arg(command, shortened(arg)) +
                       guessed(arg, valueOptions + flagOptions));
        }
    }
    if (parsed.positional.size() != positionals)
        usageError(localized(u"%1 には %2 個のファイルを指定します（%3 個あります）"_s,
                             u"%1 takes %2 file name(s) (%3 given)"_s)
                       .arg(command)
                       .arg(positionals)
                       .arg(parsed.positional.size()));
    return parsed;
}

bool sameFile(const QString& a, const QString& b) {
    if (isStandardStream(a) || isStandardStream(b))
        return false;
    const QFileInfo x(a);
    const QFileInfo y(b);
    if (x.exists() && y.exists())
        return x.canonicalFilePath() == y.canonicalFilePath();
    return x.absoluteFilePath() == y.absoluteFilePath();
}

bool isNotebook(const QString& path) {
    try {
        return readNotebookFile(path).book.has_value();
    } catch (const AppError&) {
        return false;
    }
}

// An export or report never lands on a notebook: -o takes a new file or one that is no notebook.
void checkPlainOutput(const QString& output, const QString& input) {
    if (isStandardStream(output))
        return;
    if (sameFile(output, input))
        usageError(localized(u"出力先 %1 は読み込むノートと同じファイルです"_s,
                             u"the output %1 is the notebook being read"_s)
                       .arg(output));
    if (QFileInfo(output).isFile() && isNotebook(output))
        usageError(localized(u"出力先 %1 はノートです。ノートはこのコマンドで上書きしません"_s,
                             u"the output %1 is a notebook; this command does not write over a notebook"_s)
                       .arg(output));
}

// A notebook written by -o replaces only a notebook or an empty file, never other data.
void checkNotebookOutput(const QString& output) {
    if (isStandardStream(output))
        return;
    const QFileInfo info(output);
    if (info.exists() && info.isFile() && info.size() > 0 && !isNotebook(output))
        usageError(
            localized(u"出力先 %1 はノートではありません。ノート以外のファイルは上書きしません"_s,
                      u"the output %1 is not a notebook; a file other than a notebook is not written over"_s)
                .arg(output));
}

// The 18 lines of one record, read line by line: a copy of the notebook for each would make a
// merge take time with the square of the products.
QStringList recordOf(const PriceBook& book, qsizetype nameLine) {
    QStringList record;
    record.reserve(RecordLines);
    for (int k = 0; k < RecordLines; ++k)
        record << book.line(nameLine + k);
    return record;
}

void writeOutput(const QString& path, const QByteArray& bytes) {
    try {
        textfile::writeBytes(path, bytes);
    } catch (const AppError& e) {
        throw CliFailure(exitcode::Refused, messageOf(e));
    }
}

// A notebook above the readers' limit would be refused by every reader, this program's included:
// refused before anything is written. Every byte is at most three, plus CR LF a line and a mark,
// so only a notebook near the limit is encoded to learn its size.
void checkNotebookSize(const QString& path, const PriceBook& book) {
    const TextLines& lines = book.textLines();
    if (3 * lines.textSize() + 2 * lines.count() + 3 <= MaxNotebookBytes)
        return;
    const qint64 size = notebookBytes(book).size();
    if (size > MaxNotebookBytes)
        throw CliFailure(
            exitcode::Refused,
            localized(u"%1: ノートが %2 バイトになり、ノートの上限 %3 バイト（64 MB）を超えます。"
                      u"どのプログラムも読めないので書きませんでした"_s,
                      u"%1: the notebook would be %2 bytes, above the notebooks' limit of %3 bytes "
                      u"(64 MB); no program could read it, so it was not written"_s)
                .arg(path)
                .arg(size)
                .arg(MaxNotebookBytes));
}

void writeNotebook(const QString& path, const PriceBook& book) {
    checkNotebookSize(path, book);
    try {
        writeNotebookFile(path, book);
    } catch (const AppError& e) {
        throw CliFailure(exitcode::Refused, messageOf(e));
    }
}

int monthsOption(const Arguments& a) {
    int months = DefaultStaleMonths;
    if (const std::optional<QString> text = a.value(u"--months"_s)) {
        bool ok = false;
        months = text->toInt(&ok);
        if (!ok || months < 0 || months > MaxStaleMonths || text->startsWith(u'+'))
            badOptionValue(u"--months"_s, u"0 から %1 までの整数"_s.arg(MaxStaleMonths),
                           u"a whole number from 0 to %1"_s.arg(MaxStaleMonths), *text);
    }
    return months;
}

class Runner {
  public:
    explicit Runner(CliEnvironment& env) : env_(env) {}

    int run(const QStringList& arguments);

  private:
    void printErr(const QString& text) {
        // Names from files are printed terminal-safe, line by line.
        for (const QString& line : text.split(u'\n'))
            env_.err += terminalSafe(line).toUtf8() + '\n';
    }
    // Each warning once (a product's own fields are read again for every one of its rows), the
    // first hundred of them, then how many more there are.
    void warn(const QStringList& warnings) {
        constexpr qsizetype MaxWarnings = 100;
        QSet<QString> seen;
        qsizetype more = 0;
        for (const QString& w : warnings) {
            if (seen.contains(w))
                continue;
            seen.insert(w);
            if (seen.size() > MaxWarnings)
                ++more;
            else
                printErr(localized(u"警告: "_s, u"warning: "_s) + w);
        }
        if (more > 0)
            printErr(localized(u"警告: ほかに %1 件あります"_s, u"warning: %1 more"_s).arg(more));
    }

    // Standard output, as it is made when the program writes it straight to its stream.
    void out(QByteArrayView bytes) {
        if (!env_.writeOut) {
            env_.out += bytes;
            return;
        }
        const QString failure = env_.writeOut(bytes);
        if (!failure.isEmpty())
            throw CliFailure(exitcode::Refused, cannotWriteStandardOutput(failure));
    }
    // A plain output (-o FILE, -o - or none) written whole, or to standard output.
    void writePlain(const std::optional<QString>& output, const QByteArray& bytes) {
        if (output && !isStandardStream(*output))
            writeOutput(*output, bytes);
        else
            out(bytes);
    }
    // A notebook given as a path, "-" or a pipe.
    LoadedNotebook load(const QString& path, NotebookUse use) {
        if (const std::optional<QByteArray> bytes = readStreamInput(path, MaxNotebookBytes, env_))
            return loadNotebookBytes(inputName(path), *bytes, env_.today, use);
        return loadNotebook(path, env_.today, use);
    }
    // A text file (a CSV, a shopping list) given as a path, "-" or a pipe, within the size limit.
    QByteArray readText(const QString& path) {
        if (const std::optional<QByteArray> streamed =
                readStreamInput(path, textfile::DefaultMaxBytes, env_)) {
            if (streamed->size() > textfile::DefaultMaxBytes)
                throw CliFailure(exitcode::Refused,
                                 cannotOpen(inputName(path), localized(u"%1 バイトを超えています"_s,
                                                                       u"it is larger than %1 bytes"_s)
                                                                 .arg(textfile::DefaultMaxBytes)));
            return *streamed;
        }
        try {
            return textfile::readBytes(path);
        } catch (const AppError& e) {
            throw CliFailure(exitcode::Refused, messageOf(e));
        }
    }
    // A notebook to -o or --into: a file, or standard output for "-".
    void saveNotebook(const QString& path, const PriceBook& book) {
        if (!isStandardStream(path)) {
            writeNotebook(path, book);
            printErr(localized(u"%1 に書き込みました（商品 %2 件）"_s, u"wrote %1 (%2 products)"_s)
                         .arg(path)
                         .arg(book.productCount()));
            return;
        }
        checkNotebookSize(localized(u"標準出力"_s, u"standard output"_s), book);
        out(notebookBytes(book));
    }
    // --shop naming no shop of the notebook is refused with the names closest to it.
    void checkShop(const LoadedNotebook& nb, const std::optional<QString>& shop);

    int exportCommand(const QStringList& args);
    int importCommand(const QStringList& args);
    int mergeCommand(const QStringList& args);
    int cheapestCommand(const QStringList& args);
    int staleCommand(const QStringList& args);
    int reportCommand(const QStringList& args);
    int planCommand(const QStringList& args);

    CliEnvironment& env_;
};

int Runner::run(const QStringList& arguments) {
    try {
        if (arguments.isEmpty())
            usageError(localized(u"コマンドを指定して下さい（%1）"_s, u"give a command (%1)"_s)
                           .arg(Commands.join(u", "_s)));
        const QString command = arguments.first();
        const QStringList rest = arguments.mid(1);
        if (command == u"-h"_s || command == u"--help"_s || command == u"help"_s ||
            rest.contains(u"--help"_s) || rest.contains(u"-h"_s)) {
            env_.out += helpText().toUtf8();
            return exitcode::Ok;
        }
        if (command == u"--version"_s) {
            env_.out += QByteArray("pricotta-cli " PRICOTTA_CLI_VERSION "\n");
            return exitcode::Ok;
        }
        if (command == u"export"_s)
            return exportCommand(rest);
        if (command == u"import"_s)
            return importCommand(rest);
        if (command == u"merge"_s)
            return mergeCommand(rest);
        if (command == u"cheapest"_s)
            return cheapestCommand(rest);
        if (command == u"stale"_s)
            return staleCommand(rest);
        if (command == u"report"_s)
            return reportCommand(rest);
        if (command == u"plan"_s)
            return planCommand(rest);
        usageError(localized(u"%1 というコマンドはありません"_s, u"there is no command %1"_s)
                       .arg(shortened(command)) +
                   guessed(command, Commands));
    } catch (const CliFailure& failure) {
        printErr(u"pricotta-cli: "_s + failure.message());
        return failure.exitCode();
    } catch (const AppError& error) {
        // A run-time error not met above (the list error of a damaged notebook): data refused.
        printErr(u"pricotta-cli: "_s + messageOf(error));
        return exitcode::Refused;
    }
}

int Runner::exportCommand(const QStringList& args) {
    const Arguments a = parseArguments(u"export"_s, args, {u"--format"_s, u"--encoding"_s, u"-o"_s}, {}, 1);
    const QString format = a.value(u"--format"_s).value_or(u"csv"_s);
    if (format != u"csv"_s && format != u"json"_s)
        badOptionValue(u"--format"_s, u"csv か json "_s, u"csv or json"_s, format);
    const std::optional<QString> encodingName = a.value(u"--encoding"_s);
    CsvEncoding encoding = CsvEncoding::Utf8WithMark;
    if (encodingName) {
        if (format == u"json"_s)
            usageError(localized(u"JSON はいつも UTF-8 です。--encoding は CSV にだけ使えます"_s,
                                 u"JSON is always UTF-8; --encoding is for CSV only"_s));
        const QString name = encodingName->toLower();
        if (name == u"cp932"_s || name == u"shift_jis"_s || name == u"sjis"_s)
            encoding = CsvEncoding::Cp932;
        else if (name != u"utf-8"_s && name != u"utf8"_s)
            badOptionValue(u"--encoding"_s, u"utf-8 か cp932 "_s, u"utf-8 or cp932"_s, *encodingName);
    }
    const std::optional<QString> output = a.value(u"-o"_s);
    const QString input = a.positional.first();
    if (output)
        checkPlainOutput(*output, input);

    const LoadedNotebook nb = load(input, NotebookUse::Read);
    QStringList warnings = nb.warnings;
    // A file is written whole or not at all; standard output takes the rows as they are made.
    const bool toFile = output && !isStandardStream(*output);
    QByteArray bytes;
    const ByteSink sink = [&](QByteArrayView piece) {
        if (toFile)
            bytes += piece;
        else
            out(piece);
    };
    if (format == u"json"_s)
        exportJson(nb, sink, warnings);
    else
        exportCsv(nb, encoding, sink, warnings);
    warn(warnings);
    if (toFile)
        writeOutput(*output, bytes);
    return exitcode::Ok;
}

int Runner::importCommand(const QStringList& args) {
    const Arguments a = parseArguments(u"import"_s, args, {u"-o"_s, u"--into"_s}, {u"--check"_s}, 1);
    const std::optional<QString> output = a.value(u"-o"_s);
    const std::optional<QString> into = a.value(u"--into"_s);
    const bool check = a.flags.contains(u"--check"_s);
    if (check ? output || into : output.has_value() == into.has_value())
        usageError(
            localized(u"import には -o ノート か --into ノート のどちらか一つ、または --check を指定します"_s,
                      u"import takes one of -o NOTEBOOK and --into NOTEBOOK, or --check"_s));
    const QString csvPath = a.positional.first();
    if (into && isStandardStream(*into))
        usageError(localized(u"--into には読み書きするノートのファイルを指定します（- は使えません）"_s,
                             u"--into takes the file of the notebook to read and write (not -)"_s));
    if (!check) {
        const QString target = output ? *output : *into;
        if (sameFile(csvPath, target))
            usageError(localized(u"CSV ファイル %1 にノートは書きません"_s,
                                 u"a notebook is not written to the CSV file %1"_s)
                           .arg(csvPath));
        if (output)
            checkNotebookOutput(*output);
    }

    // The notebook to add to is read first, so that a change another program makes while the rows
    // are read (from a pipe, say) is seen before the notebook is written back.
    std::optional<LoadedNotebook> existing;
    if (into && !check)
        existing = load(*into, NotebookUse::Write);
    const QByteArray bytes = readText(csvPath);
    const ImportedProducts imported = importProducts(inputName(csvPath), csv::decode(bytes), env_.today);
    warn(imported.warnings);
    if (check) {
        out(localized(u"%1: 問題ありません（商品 %2 件、記録 %3 件）\n"_s,
                      u"%1: no problems (%2 products, %3 prices)\n"_s)
                .arg(inputName(csvPath))
                .arg(imported.products.size())
                .arg(imported.observations)
                .toUtf8());
        return exitcode::Ok;
    }
    const QList<ProductView>& products = imported.products;
    const QString target = output ? *output : *into;

    PriceBook book;
    QStringList notes;
    if (output) {
        book.reset();
        for (const ProductView& p : products)
            book.insertRecord(book.count(), recordLines(p, env_.today));
    } else {
        book = std::move(existing->book);
        QList<IncomingProduct> incoming;
        for (const ProductView& p : products)
            incoming.append({p, {}});
        notes = mergeProducts(book, incoming, {*into, csvPath}, env_.today);
    }
    for (const QString& n : notes)
        printErr(n);
    if (existing && existing->stamp.changedOn(*into))
        throw CliFailure(
            exitcode::Refused,
            localized(u"%1 は読み込んだ後にほかのプログラムで変更されました。上書きせずに終わります"_s,
                      u"%1 was changed by another program after it was read; it is left as it is"_s)
                .arg(*into));
    saveNotebook(target, book);
    return exitcode::Ok;
}

int Runner::mergeCommand(const QStringList& args) {
    const Arguments a = parseArguments(u"merge"_s, args, {u"-o"_s}, {}, 2);
    const std::optional<QString> output = a.value(u"-o"_s);
    if (!output)
        usageError(localized(u"merge には -o で書き込むノートを指定します"_s,
                             u"merge takes the notebook to write with -o"_s));
    const QString pathA = a.positional[0];
    const QString pathB = a.positional[1];
    if (!sameFile(*output, pathA) && !sameFile(*output, pathB))
        checkNotebookOutput(*output);

    if (isStandardStream(pathA) && isStandardStream(pathB))
        usageError(localized(u"標準入力（-）から読めるノートは一つです"_s,
                             u"only one notebook can be read from standard input (-)"_s));
    LoadedNotebook nbA = load(pathA, NotebookUse::Write);
    const LoadedNotebook nbB = load(pathB, NotebookUse::Write);
    QList<IncomingProduct> incoming;
    incoming.reserve(nbB.products.size());
    for (const NotebookProduct& p : nbB.products)
        incoming.append({p.view, recordOf(nbB.book, p.nameLine)});
    const QStringList notes =
        mergeProducts(nbA.book, incoming, {inputName(pathA), inputName(pathB)}, env_.today);
    for (const QString& n : notes)
        printErr(n);
    saveNotebook(*output, nbA.book);
    return exitcode::Ok;
}

int Runner::cheapestCommand(const QStringList& args) {
    const Arguments a =
        parseArguments(u"cheapest"_s, args, {u"--shop"_s, u"--months"_s, u"--format"_s}, {}, 1);
    const OutputFormat format = outputFormat(a.value(u"--format"_s));
    const int months = monthsOption(a);
    const LoadedNotebook nb = load(a.positional.first(), NotebookUse::Read);
    warn(nb.warnings);
    checkShop(nb, a.value(u"--shop"_s));
    out(cheapestOutput(format, nb.products, a.value(u"--shop"_s), oldPriceCutOff(env_.today, months),
                       env_.terminalColumns));
    return exitcode::Ok;
}

int Runner::staleCommand(const QStringList& args) {
    const Arguments a = parseArguments(u"stale"_s, args, {u"--months"_s, u"--shop"_s, u"--format"_s}, {}, 1);
    const OutputFormat format = outputFormat(a.value(u"--format"_s));
    const int months = monthsOption(a);
    const LoadedNotebook nb = load(a.positional.first(), NotebookUse::Read);
    warn(nb.warnings);
    checkShop(nb, a.value(u"--shop"_s));
    const QList<StaleProduct> stale = staleProducts(nb.products, env_.today, months, a.value(u"--shop"_s));
    const TableData table = staleRows(stale, env_.today);
    out(formatOutput(format, table.columns, table.rows, env_.terminalColumns));
    return exitcode::Ok;
}

int Runner::reportCommand(const QStringList& args) {
    const Arguments a = parseArguments(u"report"_s, args, {u"-o"_s}, {u"--open"_s}, 1);
    std::optional<QString> output = a.value(u"-o"_s);
    const bool open = a.flags.contains(u"--open"_s);
    const QString input = a.positional.first();
    if (output)
        checkPlainOutput(*output, input);

    if (open && output && isStandardStream(*output))
        usageError(localized(u"--open には -o でファイルを指定するか、-o を付けません"_s,
                             u"--open takes a file with -o, or no -o"_s));
    const LoadedNotebook nb = load(input, NotebookUse::Read);
    warn(nb.warnings);
    const QByteArray html = reportHtml(nb, QFileInfo(inputName(input)).fileName(), env_.today);
    if (!open) {
        writePlain(output, html);
        return exitcode::Ok;
    }
    if (output) {
        writeOutput(*output, html);
    } else {
        QTemporaryFile file(QDir(env_.temporaryFolder).filePath(u"pricotta-report-XXXXXX.html"_s));
        file.setAutoRemove(false);
        if (!file.open() || file.write(html) != html.size() || !file.flush())
            throw CliFailure(exitcode::Refused,
                             localized(u"レポートを一時フォルダー %1 に書けません（%2）"_s,
                                       u"cannot write the report to the temporary folder %1 (%2)"_s)
                                 .arg(env_.temporaryFolder, file.errorString()));
        output = file.fileName();
        file.close();
    }
    if (open) {
        const QString failure = env_.openInBrowser(*output);
        if (!failure.isEmpty())
            throw CliFailure(exitcode::Refused,
                             localized(u"レポート %1 をブラウザーで開けませんでした: %2"_s,
                                       u"could not open the report %1 in the browser: %2"_s)
                                 .arg(*output, failure));
    }
    return exitcode::Ok;
}

int Runner::planCommand(const QStringList& args) {
    const Arguments a = parseArguments(
        u"plan"_s, args, {u"--shops"_s, u"--only"_s, u"--format"_s, u"--months"_s, u"-o"_s}, {}, 2);
    const QString format = a.value(u"--format"_s).value_or(u"text"_s);
    if (!QStringList{u"text"_s, u"csv"_s, u"json"_s, u"html"_s}.contains(format))
        badOptionValue(u"--format"_s, u"text、csv、json、html のどれか"_s,
                       u"one of text, csv, json and html"_s, format);
    PlanOptions options;
    options.oldCutOff = oldPriceCutOff(env_.today, monthsOption(a));
    if (const std::optional<QString> text = a.value(u"--shops"_s)) {
        bool ok = false;
        const int shops = text->toInt(&ok);
        if (!ok || shops < 1 || shops > MaxPlanShops || text->startsWith(u'+'))
            badOptionValue(u"--shops"_s, u"1 から %1 までの整数"_s.arg(MaxPlanShops),
                           u"a whole number from 1 to %1"_s.arg(MaxPlanShops), *text);
        options.maxShops = shops;
    }
    if (const std::optional<QString> text = a.value(u"--only"_s)) {
        QStringList shops;
        for (const QString& part : QString(*text).replace(u'、', u',').split(u','))
            if (!part.trimmed().isEmpty())
                shops << part.trimmed();
        if (shops.isEmpty())
            usageError(localized(u"--only には店名をコンマで区切って指定します"_s,
                                 u"--only takes shop names separated by commas"_s));
        options.onlyShops = shops;
    }
    const QString input = a.positional[0];
    const QString listPath = a.positional[1];
    const std::optional<QString> output = a.value(u"-o"_s);
    if (output) {
        checkPlainOutput(*output, input);
        if (sameFile(*output, listPath))
            usageError(localized(u"出力先 %1 は買い物リストと同じファイルです"_s,
                                 u"the output %1 is the shopping list"_s)
                           .arg(*output));
    }
    if (isStandardStream(input) && isStandardStream(listPath))
        usageError(localized(
            u"標準入力（-）から読めるのはノートか買い物リストのどちらか一つです"_s,
            u"only one of the notebook and the shopping list can be read from standard input (-)"_s));

    const LoadedNotebook nb = load(input, NotebookUse::Read);
    warn(nb.warnings);
    const QString listName = inputName(listPath);
    const DecodedText listText = textfile::decode(readText(listPath));
    // The lines after a NUL would be left out of the plan without a word.
    if (listText.nulOffset >= 0)
        refuseData(
            listName, 0,
            nulByteRefusal(listText.nulOffset, localized(u"リストの品が欠けるので、"_s,
                                                         u"items of the list would be missing, so "_s)));
    const ShoppingList list = readShoppingList(listText.lines, nb.products);
    for (const UnknownLine& u : list.unknown) {
        QString message =
            atLine(listName, u.line,
                   localized(u"「%1」はノートにない商品です"_s, u"\"%1\" is no product of the notebook"_s)
                       .arg(shortened(u.text)));
        if (!u.closest.isEmpty())
            message += u"\n  "_s + didYouMean(u.closest);
        printErr(message);
    }

    if (!env_.shopListFile.isEmpty() && QFileInfo(env_.shopListFile).isFile()) {
        try {
            options.shopList = textfile::readFile(env_.shopListFile, MaxShopListBytes).lines;
        } catch (const AppError& e) {
            warn({messageOf(e) + localized(u"（店の順は記録に現れた順にします）"_s,
                                           u" (the shops are taken in the order the prices name them)"_s)});
        }
    }
    if (options.onlyShops) {
        const QStringList known = orderedShops(nb.products, {});
        for (const QString& shop : *options.onlyShops) {
            if (!known.contains(shop))
                warn({localized(u"--only の %1 はノートのどの価格の記録にもありません"_s,
                                u"%1 of --only is named by no price of the notebook"_s)
                          .arg(shortened(shop)) +
                      guessed(shop, known)});
        }
    }

    const ShoppingPlan plan = makePlan(nb.products, list, options);
    QByteArray bytes;
    if (format == u"csv"_s)
        bytes = planCsv(plan);
    else if (format == u"json"_s)
        bytes = planJson(plan);
    else if (format == u"html"_s)
        bytes = planHtml(plan, QFileInfo(inputName(input)).fileName());
    else
        bytes = planText(plan).toUtf8();
    writePlain(output, bytes);
    return list.unknown.isEmpty() ? exitcode::Ok : exitcode::Refused;
}

void Runner::checkShop(const LoadedNotebook& nb, const std::optional<QString>& shop) {
    if (!shop)
        return;
    QStringList shops;
    QHash<QString, bool> seen;
    for (const NotebookProduct& p : nb.products) {
        for (const Observation& o : p.view.observations) {
            if (o.shop == *shop)
                return;
            if (!o.shop.isEmpty() && !seen.contains(o.shop)) {
                seen.insert(o.shop, true);
                shops << o.shop;
            }
        }
    }
    QString message = localized(u"%1 に店「%2」の記録はありません"_s, u"%1 has no price at the shop \"%2\""_s)
                          .arg(nb.path, shortened(*shop));
    const QString guess = guessed(*shop, shops);
    if (!guess.isEmpty())
        message += guess;
    else if (!shops.isEmpty())
        message += localized(u"（記録のある店は %1 店）"_s, u" (%1 shops have prices)"_s).arg(shops.size());
    throw CliFailure(exitcode::Refused, message);
}

} // namespace

int runCli(const QStringList& arguments, CliEnvironment& env) {
    return Runner(env).run(arguments);
}
