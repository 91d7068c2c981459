// Must not compile: the app sees no widget (tests/architecture/probes.cmake).
// clang-format off
#include "app/mainform.h"
#include "ui/mainwindow.h"
// clang-format on
