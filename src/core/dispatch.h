// Every handler runs through here: a run-time error ends the handler and is shown in the
// default error box (stop icon, the application title, OK). Any other exception, a fault of the
// program, is shown the same way as an internal error; the program goes on either way, so a
// notebook with unsaved changes can still be saved.
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

// The message of an internal error: "内部エラー: " and what the exception says.
QString internalErrorText(const QString& what);

// Runs a handler; returns false when it ended with an error or any other exception (which has
// been shown).
bool dispatch(UiServices& ui, const std::function<void()>& handler);
