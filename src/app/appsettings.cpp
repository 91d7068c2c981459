#include "app/appsettings.h"

#include "app/settingsreports.h"
#include "core/apperror.h"
#include "core/dispatch.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// "<path>.bad", or "<path>.bad.N" when that is taken; empty when all are.
QString keptAsidePath(const QString& path) {
    constexpr int MaxTries = 1000;
    for (int n = 0; n < MaxTries; ++n) {
        const QString candidate = path + u".bad"_s + (n == 0 ? QString() : u'.' + QString::number(n));
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
            return candidate;
    }
    return {};
}

// A regular file that opens for reading was refused for what it holds, not for where it is or who
// may read it.
bool refusedForItsContent(const QString& path) {
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

// Renames the refused file aside (through a symbolic link, the file it points to, so the link stays);
// where it went, or empty when it could not be moved.
QString keepAside(const QString& path) {
    const QFileInfo info(path);
    const QString real = info.isSymLink() ? info.canonicalFilePath() : path;
    const QString aside = keptAsidePath(real);
    if (aside.isEmpty() || !QFile::rename(real, aside))
        return {};
    return aside;
}

} // namespace

std::optional<SettingsFile> loadSettingsShowingError(UiServices& ui, const QString& path,
                                                     SettingsReports* reports) {
    const auto report = [&](const QString& message) {
        if (reports)
            reports->show(ui, message);
        else
            showError(ui, message);
    };
    try {
        return SettingsFile::load(path);
    } catch (const AppError& e) {
        const QString aside = refusedForItsContent(path) ? keepAside(path) : QString();
        if (aside.isEmpty()) {
            report(e.message());
            return std::nullopt;
        }
        report(e.message() + u"\r\n\r\nこのファイルは "_s + aside +
               u" に名前を変えて残し、新しい設定ファイルを作りました。"_s);
        const SettingsFile fresh;
        try {
            fresh.save(path);
        } catch (const AppError& failed) {
            report(failed.message());
        }
        return fresh;
    }
}
