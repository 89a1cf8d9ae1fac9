// Saving a file the one safe way every writer of the program uses (profiles, backups,
// reports, the link trace): an existing target that is not a regular file (a folder, a
// device, a FIFO, a socket) is refused before anything is written, and a file is replaced
// only once its new contents are completely on disk, so a failure leaves the old file as it
// was. A failure says why in the system's words.
#pragma once

#include <QByteArray>
#include <QString>

namespace zqv {

// Why `path` may not be written at all, before anything is tried: the text for an existing
// target that is not a regular file (symbolic links are followed); empty when it may be.
QString SaveTargetRefusal(const QString &path);

// Writes `bytes` to `path`. The new file replaces the old one only once it is completely
// written; on any failure the old file is untouched, nothing is left behind and `reason`
// gets the cause.
bool SaveFileReplacing(const QString &path, const QByteArray &bytes, QString *reason = nullptr);

// Whether a save to `path` could create its file (not refused as above, the folder exists and
// is writable), without creating or changing anything; `reason` gets the cause when not. Lets
// a caller refuse before it does long work for the file.
bool CanSaveTo(const QString &path, QString *reason = nullptr);

}  // namespace zqv
