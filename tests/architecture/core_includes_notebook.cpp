// Must not compile: the core sees no notebook (tests/architecture/probes.cmake).
// clang-format off
#include "core/amount.h"
#include "notebook/pricebook.h"
// clang-format on
