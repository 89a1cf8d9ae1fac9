#include "ZipArchive.h"

#include "Modules.h"

namespace zqv {

QByteArray ZipArchiveBytes(const std::vector<ZipEntry> &entries, QString *error)
{
    const auto make =
        ResolveModule<QByteArray(const std::vector<ZipEntry> &, QString *)>(kZipModule, "zqv_zip_archive_bytes", error);
    return make ? make(entries, error) : QByteArray();
}

QString ZipLibraryVersion()
{
    const auto version = ResolveModule<QString()>(kZipModule, "zqv_zip_library_version");
    return version ? version() : QString();
}

}  // namespace zqv
