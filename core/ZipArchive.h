// A zip file made in memory through libzip, which lives in a module of its own (core/Modules.h)
// loaded when the first archive is made: the programs start without libzip and the
// compression and crypto libraries it stands on. Only plain values cross.
#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace zqv {

inline constexpr char kZipModule[] = "zqvzip";

// One entry of an archive: its name (UTF-8 in the archive, "/" between folders) and bytes.
using ZipEntry = std::pair<QString, QByteArray>;

// The bytes of a zip file holding `entries` in order. Empty, with the reason in `error`, when
// the module cannot be loaded or libzip refuses.
QByteArray ZipArchiveBytes(const std::vector<ZipEntry> &entries, QString *error = nullptr);

// libzip's version ("1.7.3"), or empty when the module cannot be loaded.
QString ZipLibraryVersion();

}  // namespace zqv
