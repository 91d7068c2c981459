// The logic links QtCore only: no logic source may include a widget or GUI header. The notebook is
// used by other programs as it is, and the companion program is one: neither includes anything of
// the seam between logic and windows.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Include {
    QString file;
    QString header;
    bool quoted = false; // "..." names a project header, <...> a library's
};

// Every #include of the sources in src/<folder>.
QList<Include> includesOf(const QString& folder) {
    static const QRegularExpression include(uR"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"_s,
                                            QRegularExpression::MultilineOption);
    QList<Include> found;
    QDirIterator it(QStringLiteral(PRICOTTA_SOURCE_DIR) + u"/src/"_s + folder, QDir::Files);
    EXPECT_TRUE(it.hasNext()) << "no sources in " << folder.toStdString();
    while (it.hasNext()) {
        QFile f(it.next());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        for (const auto& m : include.globalMatch(text))
            found.append({f.fileName(), m.captured(2), m.captured(1) == u"\""_s});
    }
    return found;
}

const QStringList LogicFolders{u"core"_s,    u"notebook"_s, u"pricebook"_s, u"shops"_s,
                               u"queries"_s, u"app"_s,      u"cli"_s};

} // namespace

TEST(Architecture, LogicSourcesIncludeNoWidgetHeaders) {
    const QString headers = QStringLiteral(PRICOTTA_QT_HEADERS);
    QSet<QString> forbidden;
    for (const QString& module : {u"QtWidgets"_s, u"QtGui"_s}) {
        const QStringList names = QDir(headers + u'/' + module).entryList(QDir::Files);
        ASSERT_FALSE(names.isEmpty()) << "no headers found under " << headers.toStdString();
        for (const QString& name : names)
            forbidden.insert(name);
    }
    QStringList offenders;
    for (const QString& folder : LogicFolders) {
        for (const Include& i : includesOf(folder)) {
            if (i.header.startsWith(u"QtWidgets/"_s) || i.header.startsWith(u"QtGui/"_s) ||
                forbidden.contains(i.header))
                offenders << i.file + u": "_s + i.header;
        }
    }
    EXPECT_TRUE(offenders.isEmpty()) << offenders.join(u'\n').toStdString();
}

TEST(Architecture, TheNotebookAndTheCompanionIncludeNothingOfTheSeam) {
    const QStringList seam{u"core/controls.h"_s,    u"core/controltable.h"_s, u"core/controlrules.h"_s,
                           u"core/controlname.h"_s, u"core/windownames.h"_s,  u"core/uiservices.h"_s,
                           u"core/dispatch.h"_s,    u"core/handlertable.h"_s};
    const struct {
        QString folder;
        QStringList allowed;
    } users[] = {
        {u"notebook"_s, {u"core/"_s, u"notebook/"_s}},
        {u"cli"_s, {u"core/"_s, u"notebook/"_s, u"cli/"_s}},
    };
    QStringList offenders;
    for (const auto& user : users) {
        for (const Include& i : includesOf(user.folder)) {
            const bool project = i.quoted;
            const bool allowed =
                std::any_of(user.allowed.cbegin(), user.allowed.cend(),
                            [&](const QString& prefix) { return i.header.startsWith(prefix); });
            if (seam.contains(i.header) || (project && !allowed))
                offenders << i.file + u": "_s + i.header;
        }
    }
    EXPECT_TRUE(offenders.isEmpty()) << offenders.join(u'\n').toStdString();
}
