// Products with an observation a year old or older.
#include "app/mainform.h"

void MainForm::SPD_1OLDClick() {}
