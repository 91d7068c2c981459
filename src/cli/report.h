// The price report: one self-contained HTML page in Japanese, with no script and nothing fetched
// from a network. First a summary with a legend of the colours, the scorecard of the shops and the
// products to check again (above the standard price, a rise, nothing for a year); then every
// product, those to check first, with its cheapest price and, where it has two prices or more, a
// chart with its price axis. Printed on A4 it gives the summary, the shops and the list to check.
#pragma once

#include "cli/notebookinput.h"

#include <QByteArray>
#include <QDate>

// The page as UTF-8. `title` names the notebook (its file name).
QByteArray reportHtml(const LoadedNotebook& notebook, const QString& title, const QDate& today);
