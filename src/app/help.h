// Help, read-me and version information: the manual and the read-me are files of the program's
// folder opened with their own programs; the version window comes from a library of that folder.
#pragma once

#include <QString>

class UiServices;

class Help {
  public:
    // `programDir` is the program's folder with its trailing "/".
    Help(UiServices& ui, QString programDir);

    // Opens a file of the program's folder with its own program.
    void OpenProgramFile(const QString& name);
    void MN_HELPClick();
    void MN_READMEClick();
    void MN_VERClick();

  private:
    UiServices& ui_;
    QString programDir_;
};
