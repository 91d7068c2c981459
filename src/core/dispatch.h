// Every handler runs through here: a run-time error ends the handler and is shown in the
// default error box (stop icon, the application title, OK).
#pragma once

#include <QString>
#include <functional>

class UiServices;

inline constexpr char16_t ApplicationTitle[] = u"Pricotta";

// The text of the default error box: "." is appended when the message's last character
// has a code above that of ".".
QString defaultErrorText(const QString& message);

// Shows an error in the default error box.
void showError(UiServices& ui, const QString& message);

// Runs a handler; returns false when it ended with an error (which has been shown).
bool dispatch(UiServices& ui, const std::function<void()>& handler);
