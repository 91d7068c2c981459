// The DirtyFlag: whether the entry panel or the notebook holds unsaved changes. It is the enabled
// state of the label LBL_KOUSIN ("更新中"), and the button SPD_SAVE is enabled exactly when it is set.
#pragma once

class Controls;

bool isDirty(const Controls& c);
void setDirty(Controls& c, bool on);
