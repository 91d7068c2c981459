// The tables of cheapest and stale in the three forms of --format: text for a terminal (fitted to
// its width), CSV as export writes it (UTF-8 with a mark, amounts "1980", dates as stored) and
// JSON (an array of objects keyed by the columns' keys, amounts as numbers, dates "2014-05-01",
// null for none).
#pragma once

#include "cli/table.h"

#include <QByteArray>
#include <optional>

enum class OutputFormat { Text, Csv, Json };

// The format --format names (text when not given); throws a usage error for another value.
OutputFormat outputFormat(const std::optional<QString>& value);

// `width`: the terminal's width for text, 0 when standard output is no terminal.
QByteArray formatOutput(OutputFormat format, const QList<TableColumn>& columns,
                        const QList<QStringList>& rows, int width);
