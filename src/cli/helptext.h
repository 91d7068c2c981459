// The companion's help, in Japanese.
#pragma once

#include <QString>

QString helpText();
