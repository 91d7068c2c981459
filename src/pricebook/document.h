// What the program knows of the open notebook: its lines, the current file name ("無題" while it is
// untitled), whether it was ever loaded or saved under a name, and what its file held then. The
// unsaved-changes flag lives in the window (dirtyflag.h).
#pragma once

#include "core/filestamp.h"
#include "notebook/pricebook.h"
#include "pricebook/notebooklock.h"

#include <QString>

inline constexpr char16_t UntitledName[] = u"無題";

struct Document {
    PriceBook book;
    QString fileName = QString::fromUtf16(UntitledName);
    bool untitled = true;
    FileStamp stamp;   // what the file held when it was loaded or last saved
    NotebookLock lock; // of the file, while it is open here
};
