// Writes the program's icon for the program to include: each PNG given, decoded once here at build
// time, as runs of equal premultiplied ARGB pixels over a palette of its colours, so that the program
// hands its icon to the window system without reading a PNG at start, and keeps a few kilobytes of
// it instead of the pixels of every size. Run by the build (cmake/install.cmake).
// Usage: iconpixels OUTPUT ICON_16.png ICON_24.png ...   (each file square)
#include <QFile>
#include <QImage>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT PNG...\n", argv[0]);
        return 2;
    }
    QString text;
    QTextStream out(&text);
    out << "// The program's icon, generated at build time by cmake/iconpixels.cpp from the PNGs in\n"
           "// resources/icons. Each size is a palette of premultiplied ARGB colours and runs over the\n"
           "// pixels, rows from the top: a run is (length << 8) | palette index. Do not edit.\n\n";
    QStringList images;
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QImage image(path, "PNG");
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "iconpixels: %s is no square PNG\n", argv[i]);
            return 1;
        }
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const int size = image.width();
        QList<unsigned int> palette;
        QList<unsigned int> runs;
        unsigned int runColour = 0;
        unsigned int runLength = 0;
        const auto endRun = [&] {
            if (runLength == 0)
                return true;
            qsizetype index = palette.indexOf(runColour);
            if (index < 0) {
                index = palette.size();
                palette << runColour;
            }
            runs << (runLength << 8 | unsigned(index));
            if (index < 256 && runLength < (1u << 24))
                return true;
            std::fprintf(stderr, "iconpixels: %s has more than 256 colours or 2^24 pixels\n", argv[i]);
            return false;
        };
        for (int y = 0; y < size; ++y) {
            const auto* row = reinterpret_cast<const unsigned int*>(image.constScanLine(y));
            for (int x = 0; x < size; ++x) {
                if (runLength > 0 && row[x] == runColour) {
                    ++runLength;
                    continue;
                }
                if (!endRun())
                    return 1;
                runColour = row[x];
                runLength = 1;
            }
        }
        if (!endRun())
            return 1;
        const auto words = [&](const char* name, const QList<unsigned int>& values) {
            out << "constexpr unsigned int Icon" << name << size << "[] = {";
            for (qsizetype k = 0; k < values.size(); ++k)
                out << ((k % 8) ? " " : "\n    ") << "0x" << QString::number(values[k], 16) << ',';
            out << "\n};\n";
        };
        words("Palette", palette);
        words("Runs", runs);
        images << QStringLiteral("{%1, IconPalette%1, IconRuns%1, %2}").arg(size).arg(runs.size());
    }
    out << "\nstruct IconImage {\n    int size;\n    const unsigned int* palette;\n"
           "    const unsigned int* runs;\n    int runCount;\n};\n"
        << "constexpr IconImage IconImages[] = {" << images.join(QStringLiteral(", ")) << "};\n";
    out.flush();

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.flush()) {
        std::fprintf(stderr, "iconpixels: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
