// The language of pricotta-cli's help and messages: Japanese under a Japanese locale, English
// otherwise. The program decides it once at start; the companion window keeps the default,
// Japanese. What the commands write as data (CSV, JSON, tables, reports) does not change with it.
#pragma once

#include <QString>
#include <QStringList>

enum class Language { Japanese, English };

// The language the locale variables ask for, in their order of precedence: the first set of
// LC_ALL, LC_MESSAGES and LANG. A locale starting with "ja" is Japanese; any other, and none
// (also "C" and "POSIX"), is English.
Language languageFromEnvironment();

void setMessageLanguage(Language language);
Language messageLanguage();

// One message in the language chosen: each message is written once, as its pair.
QString localized(const QString& japanese, const QString& english);

// Names listed in a message: "a、b" or "a, b".
QString joinedNames(const QStringList& names);
