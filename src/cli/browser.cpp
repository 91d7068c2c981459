#include "cli/browser.h"

#include "cli/language.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

using namespace Qt::StringLiterals;

extern char** environ;

namespace {

// Some xdg-open back ends run the browser in the foreground; after this long it counts as opened.
constexpr int WaitMilliseconds = 5000;
constexpr int PollMilliseconds = 50;

} // namespace

QString openWithDesktopBrowser(const QString& path) {
    const QByteArray file = QFile::encodeName(path);
    char program[] = "xdg-open";
    char* argv[] = {program, const_cast<char*>(file.constData()), nullptr};
    pid_t pid = 0;
    if (const int error = ::posix_spawnp(&pid, program, nullptr, nullptr, argv, environ); error != 0)
        return localized(u"xdg-open を起動できません（%1）"_s, u"cannot start xdg-open (%1)"_s)
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    for (int waited = 0; waited < WaitMilliseconds; waited += PollMilliseconds) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return QString(); // the child is not ours to wait for; nothing says it failed
        if (done == pid) {
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
                return QString();
            if (WIFEXITED(status))
                return localized(u"xdg-open が終了コード %1 で終わりました"_s,
                                 u"xdg-open ended with status %1"_s)
                    .arg(WEXITSTATUS(status));
            return localized(u"xdg-open が異常終了しました"_s, u"xdg-open ended abnormally"_s);
        }
        const timespec pause{0, PollMilliseconds * 1000 * 1000L};
        ::nanosleep(&pause, nullptr);
    }
    return QString();
}
