// Scratch folders and byte files made inside the tests.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TestDir {
  public:
    TestDir();
    QString path() const { return dir_.path(); }
    // The full path of a file in the folder.
    QString file(const QString& name) const;
    // Writes bytes to a file in the folder and returns its full path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

  private:
    QTemporaryDir dir_;
};

// The bytes of lines in code page 932 with CR LF after each (the notebook's own form).
QByteArray cp932Lines(const QStringList& lines);

// Shop names "店1" to "店n".
QStringList shopNames(int n);
