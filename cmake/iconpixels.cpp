// Writes the program's icon as pixels for the program to include: each PNG given, decoded once here
// at build time, as premultiplied ARGB words, so that the program hands its icon to the window
// system without reading a PNG at start. Run by the build (cmake/install.cmake).
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
           "// resources/icons: premultiplied ARGB, one word a pixel, rows from the top. Do not edit.\n\n";
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
        out << "alignas(4) constexpr unsigned int IconPixels" << size << "[] = {";
        for (int y = 0; y < size; ++y) {
            const auto* row = reinterpret_cast<const unsigned int*>(image.constScanLine(y));
            for (int x = 0; x < size; ++x)
                out << ((x % 8) ? " " : "\n    ") << "0x" << QString::number(row[x], 16) << ',';
        }
        out << "\n};\n";
        images << QStringLiteral("{%1, IconPixels%1}").arg(size);
    }
    out << "\nstruct IconImage {\n    int size;\n    const unsigned int* pixels;\n};\n"
        << "constexpr IconImage IconImages[] = {" << images.join(QStringLiteral(", ")) << "};\n";
    out.flush();

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.flush()) {
        std::fprintf(stderr, "iconpixels: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
