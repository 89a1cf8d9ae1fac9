// The two printable reports of a profile, built as HTML pages from the installation's report
// templates: the Radio-Specific Report (one radio: its settings, whom it hears and calls) and
// the Overview Report (every contact, group and mode of the profile).
//
// A template is split after each content marker; the generated content goes between the
// pieces. The page is written UTF-16LE with a byte-order mark into the installation's Report
// folder, or, when that folder refuses it, into the report cache folder together with the
// pictures the templates use. Nothing here shows a window.
#pragma once

#include <QString>
#include <QStringList>

namespace zqv {

class CConfigStore;
class CZQVCPSDoc;

enum class ReportKind { RadioSpecific, Overview };

// The dealer's three texts as stored (lines separated by "\r\n").
struct CDealerTexts {
    QString dealerInfo;
    QString dealerNotes;
    QString contactInfo;
    bool IsBlank() const;
};

// The dealer texts of `language`, each cut at its first zero character; empty texts when they
// cannot be read. `complete`, when given, says whether all three were stored.
CDealerTexts ReadDealerTexts(const CConfigStore &store, const QString &language, bool *complete = nullptr);

namespace report {
// The marker after which generated content is inserted.
inline constexpr char kContentMarker[] = "<!-- report content begin -->";
inline constexpr char kRadioSpecificTemplate[] = "SpecReport.tpl";
inline constexpr char kOverviewTemplate[] = "OverviewReport.tpl";
inline constexpr char kRadioSpecificOutput[] = "SpecReport.htm";
inline constexpr char kOverviewOutput[] = "OverviewReport.htm";

// Escaping of a name or value in a table cell: the HTML specials, then each blank as &nbsp;.
QString EscapeCell(const QString &text);
// Escaping of a text message: the HTML specials only.
QString EscapeText(const QString &text);
// Escaping of a dealer text: the HTML specials, line breaks as <BR>, ending with <BR>.
QString EscapeDealerText(const QString &text);
// The names as a two-column table (empty for no names); the names are used as given.
QString TwoColumnList(const QStringList &escapedNames);

// The template file's text, read as single-byte text. Throws CZQVCPSException 101 ("Open
// template file failed") when it cannot be read.
QString LoadReportTemplate(const QString &installDir, const QString &name);
// Splits a template after each content marker (and the one character after it). Throws 101
// when the template holds fewer than `markers` markers.
QStringList SplitTemplate(const QString &text, int markers);

// The folder a report goes to when the Report folder cannot take it: the per-user cache.
QString DefaultReportCacheFolder();

// Writes `html` as `name` into <installDir>/Report, or else into `cacheDir` with copies of the
// Report folder's pictures. Returns the path written; when neither place takes the file,
// throws IDS_SAVE_IO_ERROR naming the cache's file and why it could not be written.
QString SaveReport(const QString &installDir, const QString &cacheDir, const QString &name, const QString &html);
// Writes `html` to `path` as UTF-16LE with the byte-order mark FF FE through
// SaveFileReplacing; false on any failure, with the cause in `reason`.
bool WriteReportFile(const QString &path, const QString &html, QString *reason = nullptr);
// The picture files (".jpg") that `html` refers to by a plain file name.
QStringList ReferencedPictures(const QString &html);
// Copies the pictures `names` from `fromDir` to `toDir`, replacing older copies; a name
// `fromDir` lacks is skipped, and nothing is done when both are one folder. False when a
// picture could not be copied.
bool CopyPictures(const QStringList &names, const QString &fromDir, const QString &toDir);
}  // namespace report

class CReportBuilder {
public:
    CReportBuilder(const CZQVCPSDoc &doc, QString installDir, CDealerTexts dealer);

    // True when the profile's unit PID is the PID of one of its private contacts: only then
    // can the Radio-Specific Report be built.
    bool IsRadioSpecificAvailable() const;

    // The whole page of a report. Throws CZQVCPSException: 101 when the template cannot be
    // read or lacks its markers; IDS_REPORT_NO_OWN_RADIO when the Radio-Specific Report has no radio to describe;
    // a DOM failure when a value the report needs is missing from the profile.
    QString Build(ReportKind kind) const;
    QString BuildRadioSpecificReport() const;
    QString BuildOverviewReport() const;

    static QString OutputName(ReportKind kind);

private:
    const CZQVCPSDoc &m_doc;
    QString m_strInstallDir;
    CDealerTexts m_dealer;
};

}  // namespace zqv
