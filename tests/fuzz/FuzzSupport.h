// Shared by the file fuzz targets: one input as the files the program may meet.
#pragma once

#include "TextFile.h"

#include <QByteArray>
#include <QString>

namespace zqv::fuzz {

// Calls `use(bytes)` with the input as it is and, when it starts like plain XML, with the
// same text scrambled as the program stores files: UTF-16 with FF FE, and code page 1252.
template <typename Use>
void AsStoredFiles(const QByteArray &bytes, Use use)
{
    use(bytes);
    if (!bytes.startsWith("<?xml"))
        return;
    const QString text = QString::fromUtf8(bytes);
    for (int mode : {TEXT_MODE_UTF16, TEXT_MODE_CP1252}) {
        QString scrambled = text;
        ScrambleText(scrambled, mode);
        use(EncodeTextFile(scrambled, mode));
    }
}

}  // namespace zqv::fuzz
