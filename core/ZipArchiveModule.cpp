// The zip module: archives made in memory with libzip (ZipArchive.h).
#include "ZipArchive.h"

#include <zip.h>

namespace {

// Adds `bytes` as the entry `name`; false when libzip refuses.
bool AddEntry(zip_t *archive, const QString &name, const QByteArray &bytes)
{
    // The source copies nothing: libzip reads the bytes when the archive is closed, and the
    // caller keeps them alive until then.
    zip_source_t *source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
    if (!source)
        return false;
    if (zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        return false;
    }
    return true;
}

}  // namespace

extern "C" Q_DECL_EXPORT QByteArray zqv_zip_archive_bytes(const std::vector<zqv::ZipEntry> &entries, QString *error)
{
    const auto failed = [error](const QString &reason) {
        if (error)
            *error = reason;
        return QByteArray();
    };
    zip_error_t zerror;
    zip_error_init(&zerror);
    zip_source_t *memory = zip_source_buffer_create(nullptr, 0, 0, &zerror);
    zip_t *archive = memory ? zip_open_from_source(memory, ZIP_TRUNCATE, &zerror) : nullptr;
    if (!archive) {
        const QString reason = QString::fromLocal8Bit(zip_error_strerror(&zerror));
        if (memory)
            zip_source_free(memory);
        zip_error_fini(&zerror);
        return failed(reason);
    }
    zip_error_fini(&zerror);
    zip_source_keep(memory);

    for (const auto &[name, bytes] : entries)
        if (!AddEntry(archive, name, bytes)) {
            const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
            zip_discard(archive);
            zip_source_free(memory);
            return failed(reason);
        }
    if (zip_close(archive) < 0) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        zip_source_free(memory);
        return failed(reason);
    }
    QByteArray out;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_stat(memory, &st) == 0 && zip_source_open(memory) == 0) {
        out.resize(qsizetype(st.size));
        const zip_int64_t n = zip_source_read(memory, out.data(), st.size);
        zip_source_close(memory);
        if (n != zip_int64_t(st.size))
            out.clear();
    }
    zip_source_free(memory);
    return out;
}

extern "C" Q_DECL_EXPORT QString zqv_zip_library_version()
{
    return QString::fromLatin1(zip_libzip_version());
}
