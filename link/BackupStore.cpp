#include "BackupStore.h"

#include "DataAdaptor.h"
#include "ProfileFormat.h"
#include "RadioDataModel.h"
#include "TextFile.h"
#include "XmlDom.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zqv::link {
namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
const QString kSuffix = QStringLiteral(".zqv");
constexpr QFile::Permissions kOwnerOnlyFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// "2026-12-08_14-05-09" or "2026-12-08_14-05-09-2" (a second backup in the same second).
QDateTime TimeOfName(const QString &baseName)
{
    return QDateTime::fromString(baseName.left(kTimeFormat.size()), kTimeFormat);
}

// 1 for "2026-12-08_14-05-09", N for "2026-12-08_14-05-09-N"; 0 for anything else after the
// time, which sorts before them.
int NumberOfName(const QString &baseName)
{
    const QString rest = baseName.mid(kTimeFormat.size());
    if (rest.isEmpty())
        return 1;
    static const QRegularExpression number(QStringLiteral("^-(\\d{1,9})$"));
    const QRegularExpressionMatch m = number.match(rest);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// Creates `path` empty with mode 0600, failing when it exists.
bool CreateExclusive(const QString &path, bool &exists)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
    exists = fd < 0 && errno == EEXIST;
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

// The profile text of a backup file, decoded and unscrambled; empty when it cannot be read.
QString BackupText(const QString &path)
{
    int mode = TEXT_MODE_UTF16;
    QString text = ReadTextFile(path, &mode, kMaxProfileBytes);
    if (!text.startsWith(QLatin1String("<?xml"), Qt::CaseInsensitive))
        ScrambleText(text, mode);
    return text;
}

}  // namespace

bool ReadBackupRecord(const QString &path, VirtualCPData &record)
{
    // No path: a write that took no backup.
    if (path.isEmpty())
        return false;
    const QString text = BackupText(path);
    if (text.isEmpty())
        return false;
    try {
        return CDataAdaptor::XML2VirtualCP(text, record) != 0;
    } catch (const CZQVCPSException &) {
        return false;
    }
}

QString BackupFolderName(const QString &pid)
{
    QString name;
    for (const QChar c : pid)
        if (c.isLetterOrNumber() && c.unicode() < 0x80)
            name += c;
    return name.isEmpty() ? QStringLiteral("unknown") : name;
}

QString NewBackupPath(const QString &root, const QString &pid, const QDateTime &when)
{
    const QString folder = root + QLatin1Char('/') + BackupFolderName(pid);
    if (!QDir().mkpath(folder))
        return QString();
    // Folders made earlier, by an older version or by hand, are closed too.
    QFile::setPermissions(root, kOwnerOnlyFolder);
    QFile::setPermissions(folder, kOwnerOnlyFolder);
    const QString stem = folder + QLatin1Char('/') + when.toString(kTimeFormat);
    QString path = stem + kSuffix;
    for (int n = 2;; ++n) {
        bool exists = false;
        if (CreateExclusive(path, exists))
            return path;
        if (!exists)
            return QString();
        path = QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(kSuffix);
    }
}

std::vector<BackupEntry> ListBackups(const QString &root, const QString &pid)
{
    std::vector<BackupEntry> out;
    const QDir base(root);
    const QStringList folders =
        pid.isEmpty() ? base.entryList(QDir::Dirs | QDir::NoDotAndDotDot) : QStringList{BackupFolderName(pid)};
    for (const QString &folder : folders) {
        const QDir dir(base.filePath(folder));
        for (const QFileInfo &file : dir.entryInfoList({QLatin1Char('*') + kSuffix}, QDir::Files)) {
            const QString name = file.completeBaseName();
            const QDateTime taken = TimeOfName(name);
            if (taken.isValid())
                out.push_back({file.absoluteFilePath(), folder, taken, name, NumberOfName(name)});
        }
    }
    std::sort(out.begin(), out.end(), [](const BackupEntry &a, const BackupEntry &b) {
        if (a.taken != b.taken)
            return a.taken > b.taken;
        if (a.number != b.number)
            return a.number > b.number;
        return a.path > b.path;
    });
    return out;
}

void PruneBackups(const QString &root, const QString &pid, int keep, const QString &taken)
{
    // By folder name: a radio without a PID keeps its backups in "unknown", and an empty PID
    // must not reach ListBackups, where it means every radio.
    const std::vector<BackupEntry> all = ListBackups(root, BackupFolderName(pid));
    const QFileInfo newest(taken);
    const bool hasNewest = !taken.isEmpty() &&
        std::any_of(all.begin(), all.end(), [&](const BackupEntry &e) { return QFileInfo(e.path) == newest; });
    int room = std::max(keep, 1) - (hasNewest ? 1 : 0);
    for (const BackupEntry &e : all) {
        if (hasNewest && QFileInfo(e.path) == newest)
            continue;
        if (room > 0)
            --room;
        else
            QFile::remove(e.path);
    }
}

bool SameProgramming(const QString &a, const QString &b)
{
    VirtualCPData first, second;
    if (!ReadBackupRecord(a, first) || !ReadBackupRecord(b, second))
        return false;
    first.setting.current_time = second.setting.current_time = 0;
    return first == second;
}

BackupRadio ReadBackupRadio(const QString &path)
{
    BackupRadio radio;
    const auto doc = CXmlDocument::Parse(BackupText(path));
    if (!doc)
        return radio;
    const xmlNodePtr limit = doc->SelectOne(nullptr, QLatin1String(profile::kQueryLimit));
    if (!limit)
        return radio;
    radio.pid = GetAttr(limit, "pid");
    radio.model = GetAttr(limit, "model");
    if (const xmlNodePtr own =
            doc->SelectOne(nullptr, QLatin1String(profile::kQueryPrivateByPid), {{QStringLiteral("pid"), radio.pid}}))
        radio.name = GetAttr(own, "name");
    return radio;
}

QString RadioLabel(const VirtualCPData &record)
{
    for (const VirtualCPContact &c : record.contacts)
        if (c.cntct_type == 0 && !c.name.isEmpty() && c.pid == record.limit.pid)
            return QStringLiteral("%1 (%2)").arg(c.name, record.limit.pid);
    return record.limit.pid;
}

}  // namespace zqv::link
