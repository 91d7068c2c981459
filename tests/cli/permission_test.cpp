// The program as an unprivileged user runs it: a notebook or output file its user may not write is
// refused with status 1 before anything is written, and left as it was. The tests run as root in
// CI, where permissions do not bite, so the program runs in a child that has given up its rights.
#include "support/notebooklines.h"
#include "support/testfiles.h"
#include "support/unprivileged.h"

#include <QFile>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Runs a copy of the program (the build folder may be closed to the unprivileged user) in `dir`,
// with its standard error in dir/err.txt; gives the exit status.
int runAsUnprivileged(const TestDir& dir, const QStringList& arguments) {
    const QString program = dir.file(u"pricotta-cli"_s);
    if (!QFile::exists(program)) {
        QFile::copy(QStringLiteral(PRICOTTA_CLI_PROGRAM), program);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                           QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    }
    const QByteArray native = QFile::encodeName(program);
    const QByteArray errPath = QFile::encodeName(dir.file(u"err.txt"_s));
    std::vector<QByteArray> args{native};
    for (const QString& a : arguments)
        args.push_back(a.toUtf8());
    return runUnprivileged([&] {
        const int err = ::open(errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (err >= 0)
            ::dup2(err, 2);
        std::vector<char*> argv;
        for (QByteArray& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(native.constData(), argv.data());
        return 127;
    });
}

TEST(Permission, ReadOnlyTargetsAreRefusedAndKept) {
    const QByteArray book = cp932Lines(notebook({productLines(u"牛乳"_s, u"198"_s, u"A店"_s, u"178"_s)}));
    struct Case {
        const char* what;
        QStringList arguments; // "T" stands for the read-only target
    };
    const QList<Case> cases{
        {"import --into", {u"import"_s, u"a.csv"_s, u"--into"_s, u"T"_s}},
        {"import -o", {u"import"_s, u"a.csv"_s, u"-o"_s, u"T"_s}},
        {"merge -o", {u"merge"_s, u"nb.txt"_s, u"nb.txt"_s, u"-o"_s, u"T"_s}},
        {"export -o", {u"export"_s, u"nb.txt"_s, u"-o"_s, u"T"_s}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        TestDir dir;
        openFolderToAll(dir.path());
        dir.write(u"a.csv"_s, "商品名\r\n食パン\r\n");
        dir.write(u"nb.txt"_s, book);
        const bool notebookTarget = QString::fromLatin1(k.what).startsWith(u"import"_s) ||
                                    QString::fromLatin1(k.what).startsWith(u"merge"_s);
        const QByteArray old = notebookTarget ? book : QByteArray("old export\r\n");
        const QString target = dir.write(u"target.txt"_s, old);
        ::chmod(QFile::encodeName(target).constData(), 0444);
        QStringList arguments;
        for (const QString& a : k.arguments)
            arguments << (a == u"T"_s ? target : a.contains(u'.') ? dir.file(a) : a);
        EXPECT_EQ(runAsUnprivileged(dir, arguments), 1);
        EXPECT_EQ(dir.read(u"target.txt"_s), old);
        EXPECT_TRUE(QString::fromUtf8(dir.read(u"err.txt"_s)).contains(target))
            << dir.read(u"err.txt"_s).toStdString();
    }
}

} // namespace
