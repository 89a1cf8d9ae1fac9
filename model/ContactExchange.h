// Contacts and text messages in and out of a profile as CSV tables.
//
// Export writes one row per contact (or text) under a header row. Import reads a table,
// matches its columns by the header (case and blanks ignored, common synonyms accepted), and
// applies every row through the data items, so the rule script checks each value as it
// checks a form's edit. Apply() is the one call that changes the profile; a caller that needs
// a preview runs it on a scratch copy of the profile first (PreviewImport).
#pragma once

#include "CsvTable.h"
#include "DataItem.h"

#include <QString>
#include <QStringList>

class QMimeData;
#include <vector>

namespace zqv {

struct CModelEnvironment;

enum class ExchangeKind { Contacts, Texts };
// What happens to a row whose contact has the name of another contact in the profile.
enum class ClashPolicy { Skip, Replace, Rename };

// What became of one row of the table.
struct ImportRowResult {
    enum Verdict { New, Update, Unchanged, ClashSkipped, ClashReplaced, ClashRenamed, Refused, SettingTaken };
    int line = 0;  // in the file; the header is line 1
    Verdict verdict = New;
    QString name;  // as the row gives it (texts: the text)
    QString pid;
    QString detail;  // a refusal's message; the new name of a renamed contact
    // What of a pasted row the profile could not take while the row itself went in (a group
    // it lacks, a value its model refuses), one message each.
    QStringList leftOut;
};

// What a merge takes from the other profile. The settings are taken only when asked for.
struct MergeOptions {
    bool contacts = true;  // private contacts
    bool groups = true;  // private and public groups
    bool texts = true;
    bool lists = true;  // who is on the scroll list, the scan lists and private scroll lists
    bool settings = false;
    ClashPolicy policy = ClashPolicy::Skip;
};

// Contacts and text messages of a profile on their way to another (the clipboard, a drag):
// the export's tables of just those items, so a paste reads them as an import does.
struct ExchangeClip {
    QByteArray contacts;  // CSV, the export's header and one row per contact
    QByteArray texts;  // CSV, the export's header and one row per text
    QString names;  // the names and texts one a line, for an edit box or another program
    bool IsEmpty() const { return contacts.isEmpty() && texts.isEmpty(); }

    // As clipboard or drag data: a type of its own for each table, and the names as plain
    // text. FromMimeData gives an empty clip for data without those types.
    QMimeData *ToMimeData() const;
    static ExchangeClip FromMimeData(const QMimeData *data);
    static bool IsIn(const QMimeData *data);
};

struct ImportReport {
    // Set when the table as a whole is refused (nothing was applied): its message.
    QString fileError;
    std::vector<ImportRowResult> rows;

    int Count(ImportRowResult::Verdict verdict) const;
    bool AnyRefused() const { return Count(ImportRowResult::Refused) > 0; }
    // Rows refused or taken without some of their parts: what a paste lists afterwards.
    bool AnyLeftOut() const;
    // Whether applying it changed the profile.
    bool Changed() const;
    // The text of a row's verdict, and the one-line summary of the counts.
    static QString VerdictText(const ImportRowResult &row);
    QString Summary() const;
};

class CContactExchange {
public:
    // The table of a profile: a header row, then one row per contact or text.
    static std::vector<QStringList> ExportRows(const CDataItem &root, ExchangeKind kind);
    static QByteArray ExportCsv(const CDataItem &root, ExchangeKind kind);

    // Reads the table's bytes and applies its rows to the profile under `root`. A table that
    // cannot be read changes nothing and is reported in fileError; a refused row never stops
    // the others and leaves the profile as it was before that row.
    static ImportReport Apply(const CDataItem &root, const QByteArray &csv, ExchangeKind kind, ClashPolicy policy);

    // Brings the contacts, groups, texts and settings of `source` into the profile under
    // `target`, as an import of source's export would, with the same verdicts (rows without
    // line numbers; a refused setting is a row named after its attribute).
    static ImportReport Merge(const CDataItem &target, const CDataItem &source, const MergeOptions &options);
    static ImportReport PreviewMerge(const CModelEnvironment &environment, const QString &targetText,
                                     const CDataItem &source, const MergeOptions &options, QByteArray *after = nullptr);

    // The contacts and texts among `elements` (other elements are ignored), in the export's
    // order. Members of a copied group are not copied with it; their memberships travel with
    // the contacts that are.
    static ExchangeClip Copy(const CDataItem &root, const std::vector<xmlNodePtr> &elements);
    // Puts the clip's contacts and texts into the profile under `target` as an import does,
    // with these differences: a contact whose name is taken is added under a new name, and
    // a group, contact or value the target cannot take leaves that part out (listed in the
    // row's leftOut) instead of refusing the contact. The name, PID and channel are still
    // the contact's own: when the target refuses one of them, the row is refused.
    static ImportReport Paste(const CDataItem &target, const ExchangeClip &clip);

    // Apply() on a scratch copy of the profile text: what an import would do, nothing changed.
    // With `after`, the scratch profile's text once the rows went in (UTF-8, empty when the
    // table was refused): a caller that confirms the preview puts it in place of the profile
    // (CRadioDataModel::RestoreProfileDocument) instead of running every row a second time.
    static ImportReport PreviewImport(const CModelEnvironment &environment, const QString &profileText,
                                      const QByteArray &csv, ExchangeKind kind, ClashPolicy policy,
                                      QByteArray *after = nullptr);
};

}  // namespace zqv
