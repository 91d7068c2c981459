#include "cli/language.h"

using namespace Qt::StringLiterals;

namespace {

Language chosen = Language::Japanese;

} // namespace

Language languageFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray locale = qgetenv(variable);
        if (!locale.isEmpty())
            return locale.startsWith("ja") ? Language::Japanese : Language::English;
    }
    return Language::English;
}

void setMessageLanguage(Language language) {
    chosen = language;
}

Language messageLanguage() {
    return chosen;
}

QString localized(const QString& japanese, const QString& english) {
    return chosen == Language::Japanese ? japanese : english;
}

QString joinedNames(const QStringList& names) {
    return names.join(localized(u"、"_s, u", "_s));
}
