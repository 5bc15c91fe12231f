#pragma once

#include <QByteArray>
#include <QString>

// Whether `path` may be replaced by a whole new file: nothing is there yet, or a regular file is
// (a symbolic link counts as what it leads to). A device, FIFO, socket or directory never is: a
// mistyped path must not replace what it names, least of all when run as a service by root.
bool isReplaceableFile(const QString &path);

// Writes `bytes` to `path` at once: readers see the old file or the new one, never half of one.
// False with the reason, in English, in `error` (the caller names the file).
bool saveWholeFile(const QString &path, const QByteArray &bytes, QString *error);
