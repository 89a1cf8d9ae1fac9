#include "FileSave.h"

#include "StringIds.h"
#include "StringTable.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace zqv {

namespace {

// Creates and removes a temporary file named like the one a save makes for `path`; the
// system's reason when that fails, else empty. The toolkit may choose that name only when the
// file is put in place, and then reports a refusal (a name with no room for the suffix) only
// as "Unknown error".
QString ProbeTemporaryName(const QString &path)
{
    QByteArray probe = QFile::encodeName(path) + ".XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return qt_error_string(errno);
    ::close(fd);
    ::unlink(probe.constData());
    return QString();
}

// Why a save file could not be opened or committed, in the system's words. `lastErrno` is
// errno right after the failed call.
QString SaveFailureReason(const QSaveFile &file, const QString &path, int lastErrno)
{
    const QString reason = file.errorString();
    if (!reason.isEmpty() && reason != QFile().errorString())
        return reason;
    if (const QString probed = ProbeTemporaryName(path); !probed.isEmpty())
        return probed;
    return lastErrno != 0 ? qt_error_string(lastErrno) : reason;
}

// Opens `file` for a save; false with the reason when it cannot be.
bool OpenForSave(QSaveFile &file, QIODevice::OpenMode mode, QString &reason)
{
    reason = SaveTargetRefusal(file.fileName());
    if (!reason.isEmpty())
        return false;
    errno = 0;
    if (file.open(mode))
        return true;
    const int openErrno = errno;
    // For an existing file that may not be replaced the toolkit says only that; the system's
    // reason (a read-only file system, a permission) is what the user needs to act on.
    if (QFileInfo::exists(file.fileName()) && ::access(QFile::encodeName(file.fileName()).constData(), W_OK) != 0)
        reason = qt_error_string(errno);
    else
        reason = SaveFailureReason(file, file.fileName(), openErrno);
    return false;
}

}  // namespace

QString SaveTargetRefusal(const QString &path)
{
    // What the path is, as the file system says to whoever asks (a path that cannot be looked
    // at is left to the open, which says why).
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return QString();
    return LoadStr(IDS_NOT_REGULAR_FILE_REASON);
}

bool SaveFileReplacing(const QString &path, const QByteArray &bytes, QString *reason)
{
    // Unbuffered, so a short write (a full disk, a file-size limit) shows in the count written
    // instead of being lost in a flush that reports success.
    QSaveFile file(path);
    QString why;
    if (!OpenForSave(file, QIODevice::WriteOnly | QIODevice::Unbuffered, why)) {
        if (reason)
            *reason = why;
        return false;
    }
    bool written = true;
    for (qint64 done = 0; written && done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        written = n > 0;
        done += n;
    }
    errno = 0;
    if (!written || !file.commit()) {
        // The reason is taken before cancelWriting(), which replaces it with its own.
        why = SaveFailureReason(file, path, errno);
        file.cancelWriting();
        if (reason)
            *reason = why;
        return false;
    }
    return true;
}

bool CanSaveTo(const QString &path, QString *reason)
{
    // The same open a save does, given up at once: nothing is created or changed.
    QSaveFile file(path);
    QString why;
    if (!OpenForSave(file, QIODevice::WriteOnly, why)) {
        if (reason)
            *reason = why;
        return false;
    }
    file.cancelWriting();
    why = ProbeTemporaryName(path);
    if (reason)
        *reason = why;
    return why.isEmpty();
}

}  // namespace zqv
