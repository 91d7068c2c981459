// The settings file as start-up, closing and the history use it.
#pragma once

#include "core/settingsfile.h"

#include <QString>
#include <optional>

class UiServices;

inline constexpr char16_t SettingsFileName[] = u"zorvan.ini";

// The settings file, or nothing when it exists but cannot be read (the error has been shown).
std::optional<SettingsFile> loadSettingsShowingError(UiServices& ui, const QString& path);
