#include "ui/desktop.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

#include "programicon.inc"

// The sizes a window manager draws in a title bar or a task bar. The larger ones serve switchers
// and docks, which read the icon again when it changes; they are most of the icon's bytes.
constexpr int LargestFirstSize = 64;

QIcon iconUpTo(const QIcon& icon, int largest) {
    QIcon smaller;
    for (const QSize& size : icon.availableSizes()) {
        if (size.width() <= largest)
            smaller.addPixmap(icon.pixmap(size, 1.0), QIcon::Normal, QIcon::Off);
    }
    return smaller;
}

QImage iconImage(const IconImage& icon) {
    QImage image(icon.size, icon.size, QImage::Format_ARGB32_Premultiplied);
    // Rows of 32-bit pixels follow one another with no gap between them.
    auto* pixel = reinterpret_cast<quint32*>(image.bits());
    quint32* const end = pixel + qsizetype(icon.size) * icon.size;
    for (int r = 0; r < icon.runCount; ++r) {
        const quint32 run = icon.runs[r];
        pixel = std::fill_n(pixel, qMin<qsizetype>(run >> 8, end - pixel), icon.palette[run & 0xff]);
    }
    std::fill(pixel, end, 0);
    return image;
}

// The program's icon, made from its runs whenever a size is asked for. Nothing of it stays in
// memory between requests, which come as a window is shown: the pixels of every size would
// otherwise be read into memory at start and kept there.
class ProgramIconEngine final : public QIconEngine {
  public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (size.isEmpty())
            return {};
        const IconImage& icon = bestFor(size);
        QImage image = iconImage(icon);
        if (icon.size > size.width() || icon.size > size.height())
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return QPixmap::fromImage(std::move(image));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (size.isEmpty())
            return {};
        const int side = qMin(bestFor(size).size, qMin(size.width(), size.height()));
        return {side, side};
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const QPixmap image = pixmap(rect.size(), mode, state);
        QRect place(QPoint(), image.size());
        place.moveCenter(rect.center());
        painter->drawPixmap(place, image);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const IconImage& icon : IconImages)
            sizes << QSize(icon.size, icon.size);
        return sizes;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }

  private:
    // The smallest size that fills the request, or the largest there is.
    static const IconImage& bestFor(const QSize& size) {
        const int side = qMin(size.width(), size.height());
        for (const IconImage& icon : IconImages) {
            if (icon.size >= side)
                return icon;
        }
        return IconImages[std::size(IconImages) - 1];
    }
};

} // namespace

QIcon programIcon() {
    // Decoded at build time into runs of colours: making a size from them costs next to nothing,
    // reading the PNGs at start did.
    return QIcon(new ProgramIconEngine);
}

void showWithApplicationIcon(QWidget& window) {
    const QIcon icon = QApplication::windowIcon();
    // The window goes up with the small sizes; the large ones follow, after the request to show it.
    window.setWindowIcon(iconUpTo(icon, LargestFirstSize));
    QApplication::setWindowIcon(QIcon());
    window.show();
    window.setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
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
