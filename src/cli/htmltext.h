// Text put into HTML: the five special characters as references, control characters as U+FFFD.
#pragma once

#include <QString>

void appendEscaped(QString& html, QStringView text);
