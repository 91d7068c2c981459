// What the program knows of the open notebook: its lines, the current file name ("無題" while it is
// untitled) and whether it was ever loaded or saved under a name. The unsaved-changes flag lives in
// the window (dirtyflag.h).
#pragma once

#include "notebook/pricebook.h"

#include <QString>

inline constexpr char16_t UntitledName[] = u"無題";

struct Document {
    PriceBook book;
    QString fileName = QString::fromUtf16(UntitledName);
    bool untitled = true;
};
