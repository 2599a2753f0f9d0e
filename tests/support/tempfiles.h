#pragma once

// A fresh temporary folder for tests that read and write files; the settings store points
// into it for the test's lifetime.

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

struct TempFiles {
    QTemporaryDir dir;

    TempFiles()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path("config"));
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    // Writes `bytes` to the file `name` in the folder and returns its full path.
    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName();
    }

    // The file's bytes, or a marker no test writes when it cannot be read.
    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};
