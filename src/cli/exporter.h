// Exporting a notebook: CSV (one row per observation) or JSON (products with their observations).
#pragma once

#include "cli/notebookinput.h"

#include <QByteArray>
#include <QStringList>

enum class CsvEncoding {
    Utf8WithMark, // what Japanese spreadsheets read without asking
    Cp932,
};

// Amounts in storage form, dates as stored (yyyy/MM/dd). A product without an observation gives
// one row with shop, price and date empty. Throws CliFailure (exit status 1) when code page 932
// is asked for and a value holds a character it cannot hold, naming the notebook line.
QByteArray exportCsv(const LoadedNotebook& notebook, CsvEncoding encoding, QStringList& warnings);

// UTF-8 without a mark. Amounts are whole numbers, dates yyyy-mm-dd; a price or date that does
// not read is null (and warned about).
QByteArray exportJson(const LoadedNotebook& notebook, QStringList& warnings);
