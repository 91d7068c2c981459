// Products seen at a chosen shop.
#include "app/mainform.h"

void MainForm::SPD_MISE_SIBOClick() {}
