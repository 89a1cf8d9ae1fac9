#include "ProfileFormat.h"

namespace zqv::profile {

bool IsSupportedCloneVersion(const QString &profileText)
{
    static const QString marker = QStringLiteral("clone_compatibility_version=\"");
    const qsizetype start = profileText.indexOf(marker);
    if (start < 0)
        return false;
    const qsizetype valueStart = start + marker.size();
    const qsizetype end = profileText.indexOf(QLatin1Char('"'), valueStart);
    if (end < 0)
        return false;
    const QStringView value = QStringView(profileText).mid(valueStart, end - valueStart);
    return value == QLatin1String("3") || value == QLatin1String("1");
}

QString ModelDisplayName(const QString &modelCode)
{
    QString name = modelCode;
    return name.replace(QLatin1Char('Z'), QLatin1String("ZQV"));
}

}  // namespace zqv::profile
