// The logic links QtCore only: no logic source may include a widget or GUI header.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Architecture, LogicSourcesIncludeNoWidgetHeaders) {
    const QString headers = QStringLiteral(PRICOTTA_QT_HEADERS);
    QSet<QString> forbidden;
    for (const QString& module : {u"QtWidgets"_s, u"QtGui"_s}) {
        const QStringList names = QDir(headers + u'/' + module).entryList(QDir::Files);
        ASSERT_FALSE(names.isEmpty()) << "no headers found under " << headers.toStdString();
        for (const QString& name : names)
            forbidden.insert(name);
    }
    const QRegularExpression include(uR"(^\s*#\s*include\s*[<"]([^>"]+)[>"])"_s,
                                     QRegularExpression::MultilineOption);
    QStringList offenders;
    for (const QString& folder : {u"core"_s, u"pricebook"_s, u"shops"_s, u"queries"_s, u"app"_s}) {
        QDirIterator it(QStringLiteral(PRICOTTA_SOURCE_DIR) + u"/src/"_s + folder, QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            for (const auto& m : include.globalMatch(text)) {
                const QString header = m.captured(1);
                if (header.startsWith(u"QtWidgets/"_s) || header.startsWith(u"QtGui/"_s) ||
                    forbidden.contains(header))
                    offenders << f.fileName() + u": "_s + header;
            }
        }
    }
    EXPECT_TRUE(offenders.isEmpty()) << offenders.join(u'\n').toStdString();
}
