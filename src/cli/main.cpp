// pricotta-cli: the companion program of the notebook. Everything but the streams, the date and
// the browser lives in pricotta_cli_lib.
#include "cli/browser.h"
#include "cli/clierror.h"
#include "cli/command.h"
#include "cli/language.h"
#include "core/appfiles.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, QByteArrayView bytes) {
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

// An argument as text. A name whose bytes the locale's encoding cannot hold (a file named in code
// page 932 on another system, under UTF-8) would not survive as text: an existing regular file
// of that name is opened here and handed on as /dev/fd/N, which opens it again.
QString argumentText(const char* argument) {
    const QByteArray raw(argument);
    const QString text = QString::fromLocal8Bit(raw);
    if (text.toLocal8Bit() == raw)
        return text;
    const int fd = ::open(argument, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return text;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return text;
    }
    return QStringLiteral("/dev/fd/") + QString::number(fd);
}

// COLUMNS when set, else the terminal's own width; 0 when standard output is no terminal.
int terminalColumns() {
    if (!::isatty(STDOUT_FILENO))
        return 0;
    bool ok = false;
    const int columns = qEnvironmentVariableIntValue("COLUMNS", &ok);
    if (ok && columns > 0)
        return columns;
    winsize size{};
    if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

QByteArray readStandardInput(qint64 maxBytes) {
    QByteArray bytes;
    char buffer[65536];
    while (bytes.size() <= maxBytes) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.append(buffer, n);
    }
    return bytes;
}

} // namespace

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    setMessageLanguage(languageFromEnvironment());
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << argumentText(argv[i]);

    CliEnvironment env;
    env.today = QDate::currentDate();
    env.writeOut = [](QByteArrayView bytes) {
        if (writeAll(STDOUT_FILENO, bytes))
            return QString();
        return QString::fromLocal8Bit(std::strerror(errno));
    };
    env.readIn = readStandardInput;
    env.terminalColumns = terminalColumns();
    env.openInBrowser = openWithDesktopBrowser;
    env.temporaryFolder = QDir::tempPath();
    // The shop list of the window beside which this program was installed or built.
    env.shopListFile = appfiles::filesFolder(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath()) +
                       QString::fromUtf16(ShopListFileName);
    int status = runCli(arguments, env);

    if (!writeAll(STDOUT_FILENO, env.out)) {
        const int error = errno;
        env.err += u"pricotta-cli: %1\n"_s
                       .arg(cannotWriteStandardOutput(QString::fromLocal8Bit(std::strerror(error))))
                       .toUtf8();
        status = exitcode::Refused;
    }
    writeAll(STDERR_FILENO, env.err);
    return status;
}
