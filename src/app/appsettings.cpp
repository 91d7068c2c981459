#include "app/appsettings.h"

#include "core/apperror.h"
#include "core/dispatch.h"

std::optional<SettingsFile> loadSettingsShowingError(UiServices& ui, const QString& path) {
    try {
        return SettingsFile::load(path);
    } catch (const AppError& e) {
        showError(ui, e.message());
        return std::nullopt;
    }
}
