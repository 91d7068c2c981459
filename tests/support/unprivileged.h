// Runs a piece of a test as an unprivileged user, where file permissions bite. The tests run as
// root in CI, and root may write any file: a refusal of a read-only file is only seen by a process
// that has given up its rights.
#pragma once

#include <QString>

#include <functional>

// The user the child becomes ("nobody").
inline constexpr unsigned UnprivilegedId = 65534;

// Runs `body` in a forked child that has dropped to UnprivilegedId (when started as root) and
// gives its result; 125 when the child could not drop its rights, 126 when it died.
int runUnprivileged(const std::function<int()>& body);

// Lets the unprivileged user into a folder made by the test (a temporary folder is 0700).
void openFolderToAll(const QString& folder);
