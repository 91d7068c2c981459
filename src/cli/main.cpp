// pricotta-cli: the companion program of the notebook. Everything but the streams, the date and
// the browser lives in pricotta_cli_lib.
#include "cli/browser.h"
#include "cli/clierror.h"
#include "cli/command.h"
#include "core/appfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        left -= n;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    CliEnvironment env;
    env.today = QDate::currentDate();
    env.openInBrowser = openWithDesktopBrowser;
    env.temporaryFolder = QDir::tempPath();
    env.readInput = [] {
        QFile in;
        return in.open(stdin, QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    };
    // The shop list of the window beside which this program was installed or built.
    env.shopListFile = appfiles::filesFolder(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath()) +
                       QString::fromUtf16(ShopListFileName);
    int status = runCli(arguments, env);

    if (!writeAll(STDOUT_FILENO, env.out)) {
        const int error = errno;
        env.err += "pricotta-cli: 標準出力に書き込めません（" + QByteArray(std::strerror(error)) + "）\n";
        status = exitcode::Refused;
    }
    writeAll(STDERR_FILENO, env.err);
    return status;
}
