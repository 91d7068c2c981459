#include "app/settingsreports.h"

#include "core/dispatch.h"

void SettingsReports::show(UiServices& ui, const QString& message) {
    if (shown_.contains(message))
        return;
    shown_ << message;
    showError(ui, message);
}
