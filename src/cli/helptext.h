// The companion's help, in the language of its messages.
#pragma once

#include <QString>

QString helpText();
