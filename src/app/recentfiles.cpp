// The recent-file history: the File menu's entries and their deletion dialog.
#include "app/mainform.h"

void MainForm::MN_FILEClick() {}
void MainForm::OpenRecentFile(const QString&) {}
void MainForm::MN_FRIREKI_DELClick() {}
