// The price report: one self-contained HTML page in Japanese, with no script and nothing fetched
// from a network. A summary, every product with its cheapest price and a chart of its prices, a
// scorecard of the shops and the products to check again. It prints on A4.
#pragma once

#include "cli/notebookinput.h"

#include <QByteArray>
#include <QDate>

// The page as UTF-8. `title` names the notebook (its file name).
QByteArray reportHtml(const LoadedNotebook& notebook, const QString& title, const QDate& today);
