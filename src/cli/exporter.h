// Exporting a notebook: CSV (one row per observation) or JSON (products with their observations).
#pragma once

#include <functional>

#include "cli/notebookinput.h"

#include <QByteArray>
#include <QStringList>

// Takes the output a piece at a time.
using ByteSink = std::function<void(QByteArrayView bytes)>;

enum class CsvEncoding {
    Utf8WithMark, // what Japanese spreadsheets read without asking
    Cp932,
};

// Amounts in storage form, dates as stored (yyyy/MM/dd). A product without an observation gives
// one row with shop, price and date empty. Throws CliFailure (exit status 1) when code page 932
// is asked for and a value holds a character it cannot hold, naming the notebook line.
// The output is handed to `sink` in pieces as it is made (UTF-8), or whole (code page 932, which is
// known to encode only at the end).
void exportCsv(const LoadedNotebook& notebook, CsvEncoding encoding, const ByteSink& sink,
               QStringList& warnings);

// UTF-8 without a mark. Amounts are whole numbers, dates yyyy-mm-dd; a price or date that does
// not read is null (and warned about).
void exportJson(const LoadedNotebook& notebook, const ByteSink& sink, QStringList& warnings);
