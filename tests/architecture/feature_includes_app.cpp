// Must not compile: a feature sees no app (tests/architecture/probes.cmake).
// clang-format off
#include "pricebook/document.h"
#include "app/mainform.h"
// clang-format on
