#pragma once

#include <QFile>
#include <QString>

// Opens a page for reading, as the window's open and `tarnel --check` both do: only a regular
// file, so that a pipe or a device never blocks either. False with a reason the user reads
// (a folder, not a regular file, the system's reason).
bool openPageFile(const QString &path, QFile &file, QString *reason);
