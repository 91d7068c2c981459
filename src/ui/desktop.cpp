#include "ui/desktop.h"

#include <QProcess>
#include <QSettings>

using namespace Qt::StringLiterals;

QIcon programIcon() {
    // The PNGs the installation puts in the icon theme, built into the program: each is read
    // only when a size is asked for.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(u":/icons/pricotta_%1.png"_s.arg(size), QSize(size, size));
    return icon;
}

void keepQtSettingsOutOfUserFolders() {
    // A folder below a file that is not a folder: Qt can neither read nor create anything there,
    // whoever runs the program. Only Qt's own settings use QSettings; ours are written by hand.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, u"/dev/null"_s);
}

OpenerResult runOpener(const QString& opener, const QString& path, int waitMs) {
    // Not parented and not deleted while running: deleting a running QProcess kills it.
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({path});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return OpenerResult::NotStarted;
    }
    if (!process->waitForFinished(waitMs)) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return OpenerResult::Opened;
    }
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return opened ? OpenerResult::Opened : OpenerResult::Failed;
}
