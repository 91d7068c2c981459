// The version-window library: one exported function that shows a program's version information
// in a small modal window. The program loads the library at run time, calls FormView once and
// unloads it again, so FormView returns only after its window has been closed.
#pragma once

#include <QtGlobal>

#include <cstdint>

class QWidget;

// Each text argument is a buffer of this many UTF-16 code units holding a zero-terminated text.
inline constexpr int VersionTextCapacity = 256;

// Shows the version window, owned by `owner`, and returns when the user has closed it.
// `code` is the product number; the texts are the product, version, label and years lines.
extern "C" Q_DECL_EXPORT void FormView(QWidget* owner, std::int32_t code, const char16_t* product,
                                       const char16_t* version, const char16_t* label, const char16_t* years);
