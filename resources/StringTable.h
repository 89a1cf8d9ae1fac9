// The string table: every user-visible text of the program, reachable by its numeric id.
//
// The built-in table is English. A translation (.qm) loaded into the application with
// QTranslator replaces the texts: each entry is translated in the context "StringTable"
// with its English text as the source, so lupdate/lrelease work on StringTable.cpp as is.
#pragma once

#include <QString>

#include "StringIds.h"

namespace zqv {

// The text of string-table entry `id` in the current language; an empty string for an
// id the table does not hold.
QString LoadStr(int id);

// True when the table holds an entry with this id.
bool HasStr(int id);

// The built-in English text of `id`, untranslated (empty when unknown).
const char *EnglishStr(int id);

// printf-style formatting of a string-table text with %d and %s arguments, the way the
// messages of the table are written ("The length of contact name can not exceed %d.").
QString FormatStr(int id, const QStringList &args);

}  // namespace zqv
