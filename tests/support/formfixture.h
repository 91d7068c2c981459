// A main window's logic on plain controls and a scripted UI, with its program folder in a scratch
// directory: the fixture of the document, panel and start-up tests.
#pragma once

#include "app/mainform.h"
#include "support/fakeui.h"
#include "support/notebooklines.h"
#include "support/plaincontrols.h"
#include "support/testfiles.h"

#include <memory>

struct FormFixture {
    TestDir dir;
    PlainControls controls;
    FakeUi ui;
    std::unique_ptr<MainForm> form;

    FormFixture();
    // Runs start-up, as the program does, and forgets its messages.
    void start();
    QString programDir() const { return dir.path() + QStringLiteral("/prog"); }
    QString settingsPath() const { return programDir() + QStringLiteral("/zorvan.ini"); }
    QString settingsText() const;

    // Picks a product in the selector as the user does.
    void pick(const QString& name);
};
