// Writes the measurements' data files for the scripts in bench/.
//   pricotta_benchdata notebook PRODUCTS PATH   a notebook of PRODUCTS products
//   pricotta_benchdata program FOLDER NEWEST    500 shops and a settings file with a full history
#include "benchdata.h"

#include <QCoreApplication>
#include <QTextStream>

#include <exception>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    try {
        if (args.size() == 3 && args[0] == u"notebook") {
            benchdata::writeBytes(args[2], benchdata::notebookBytes(args[1].toInt()));
            return 0;
        }
        if (args.size() == 3 && args[0] == u"program") {
            benchdata::writeProgramFiles(args[1], args[2]);
            return 0;
        }
    } catch (const std::exception& e) {
        QTextStream(stderr) << e.what() << '\n';
        return 1;
    }
    QTextStream(stderr) << "usage: pricotta_benchdata notebook PRODUCTS PATH | program FOLDER NEWEST\n";
    return 2;
}
