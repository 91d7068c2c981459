// Must not compile: the notebook sees no feature (tests/architecture/probes.cmake).
// clang-format off
#include "notebook/pricebook.h"
#include "pricebook/document.h"
// clang-format on
