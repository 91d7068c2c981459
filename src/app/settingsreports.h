// The reports of a settings file that cannot be read or written. Start-up and every close attempt
// read and write the file afresh, so a failure that stays would be told again each time: each
// message is shown once a run.
#pragma once

#include <QString>
#include <QStringList>

class UiServices;

class SettingsReports {
  public:
    // Shows the message in the default error box unless it was shown before.
    void show(UiServices& ui, const QString& message);

  private:
    QStringList shown_;
};
