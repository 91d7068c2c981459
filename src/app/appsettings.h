// The settings file as start-up, closing and the history use it.
#pragma once

#include "core/settingsfile.h"

#include <QString>
#include <optional>

class SettingsReports;
class UiServices;

inline constexpr char16_t SettingsFileName[] = u"zorvan.ini";

// The settings file, or nothing when it exists but cannot be read (the error has been shown, through
// `reports` when given). A regular file refused for what it holds (too large, or damaged) is
// renamed aside, never deleted, to "<path>.bad" (or "<path>.bad.N" when that is taken), and a fresh
// empty one written in its place; the report says where the old one went and the fresh one is
// returned.
std::optional<SettingsFile> loadSettingsShowingError(UiServices& ui, const QString& path,
                                                     SettingsReports* reports = nullptr);
