#include "pricebook/dirtyflag.h"

#include "core/controls.h"
#include "core/windownames.h"

bool isDirty(const Controls& c) {
    return c.enabled(fmain::LBL_KOUSIN);
}

void setDirty(Controls& c, bool on) {
    c.setEnabled(fmain::LBL_KOUSIN, on);
    c.setEnabled(fmain::SPD_SAVE, on);
}
