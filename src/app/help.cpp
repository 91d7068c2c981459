// Help, read-me and version information.
#include "app/mainform.h"

void MainForm::OpenProgramFile(const QString&) {}
void MainForm::MN_HELPClick() {}
void MainForm::MN_READMEClick() {}
void MainForm::MN_VERClick() {}
