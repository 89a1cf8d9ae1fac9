// Profiles the schema refuses, each made from the valid group-3 sample profile by a few text
// edits, so that it differs from a loadable profile by one fault. A new bad profile is a new
// row here, never a copied file.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>
#include <utility>
#include <vector>

namespace zqv::test {

struct ProfilePatch {
    const char *name;
    // Applied in turn: each search text is replaced by its replacement.
    std::vector<std::pair<QByteArray, QByteArray>> edits;
};

inline QByteArray ValidGroup3Profile()
{
    QFile file(QStringLiteral(ZQV_FIXTURES_DIR "/profiles/valid_group3.zqv"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}

// The text from `begin` through `end`, both included; empty when either is missing.
inline QByteArray Slice(const QByteArray &text, const char *begin, const char *end)
{
    const qsizetype from = text.indexOf(begin);
    const qsizetype to = from < 0 ? -1 : text.indexOf(end, from);
    return to < 0 ? QByteArray() : text.mid(from, to + qstrlen(end) - from);
}

inline std::vector<ProfilePatch> InvalidProfilePatches(const QByteArray &valid)
{
    QByteArray publicGroups = "<PublicGroups>\n";
    for (int i = 0; i <= 150; ++i)
        publicGroups += QStringLiteral("\t<PublicGroup\n\tcntct_type=\"2\"\n\tname=\"Group %1\"\n\tpid=\"%2\"\n"
                                       "\tchannel=\"1\"\n\tin_scan_list=\"0\"\n\tin_scroll_list=\"0\"\n\t/>\n")
                            .arg(i, 3, 10, QLatin1Char('0'))
                            .arg(17179869183LL - i)
                            .toUtf8();
    publicGroups += "</PublicGroups>";
    QByteArray texts;
    for (int i = 0; i < 22; ++i)
        texts += QStringLiteral("\t<TextMessage txt=\"Text %1\" />\n").arg(i).toUtf8();
    const QByteArray setting = Slice(valid, "\t<setting\n", "\t/>\n");
    const QByteArray parents = "<ParentPrivateGroup pid=\"4012090\" /><ParentPrivateGroup pid=\"4012091\" />"
                               "<ParentPrivateGroup pid=\"4012092\" /><ParentPrivateGroup pid=\"4012093\" />"
                               "<ParentPrivateGroup pid=\"4012094\" /><ParentPrivateGroup pid=\"4012095\" />";
    return {
        {"missing pid", {{"\tpid=\"17179869182\"\n", ""}}},
        {"151 public groups", {{Slice(valid, "<PublicGroups>", "</PublicGroups>"), publicGroups}}},
        {"26 texts", {{"\t</TextMessages>", texts + "\t</TextMessages>"}}},
        {"no texts", {{Slice(valid, "<TextMessages>", "</TextMessages>"), ""}}},
        {"setting before limit", {{setting, ""}, {"\t<limit\n", setting + "\t<limit\n"}}},
        {"boolean as word",
         {{"pid=\"10000000\"\n\tchannel=\"3\"\n\tin_scan_list=\"0\"",
           "pid=\"10000000\"\n\tchannel=\"3\"\n\tin_scan_list=\"true\""}}},
        {"channel 256", {{"pid=\"10000001\"\n\tchannel=\"3\"", "pid=\"10000001\"\n\tchannel=\"256\""}}},
        {"group with contact type 2",
         {{"\tcntct_type=\"1\"\n\tname=\"Night Shift\"", "\tcntct_type=\"2\"\n\tname=\"Night Shift\""}}},
        {"no namespace", {{"<ZQVProfile xmlns=\"urn:corvane:zqv-cps:profile\">", "<ZQVProfile>"}}},
        {"no current time", {{"\tcurrent_time=\"1262304000\"\n", ""}}},
        {"letter in pid", {{"pid=\"4012003\"", "pid=\"40120O3\""}}},
        {"12-digit pid", {{"pid=\"4012004\"", "pid=\"401200400000\""}}},
        {"scroll list before parents",
         {{"<ParentPrivateGroups><ParentPrivateGroup pid =\"4012090\" /></ParentPrivateGroups><scrolllist><list "
           "name=\"Dispatch\"/><list name=\"Alice\"/><list name=\"Night Shift\"/></scrolllist>",
           "<scrolllist><list name=\"Dispatch\"/></scrolllist><ParentPrivateGroups><ParentPrivateGroup pid "
           "=\"4012090\" /></ParentPrivateGroups>"}}},
        {"seven languages",
         {{"\t<language language_id=\"4\" />\n",
           "\t<language language_id=\"4\" />\n" + QByteArray("\t<language language_id=\"5\" />\n").repeated(4)}}},
        {"six parents",
         {{"<ParentPrivateGroups></ParentPrivateGroups><scrolllist/></Private>\n\t<Private",
           "<ParentPrivateGroups>" + parents + "</ParentPrivateGroups><scrolllist/></Private>\n\t<Private"}}},
        {"unknown attribute", {{"\tname=\"Events\"\n", "\tname=\"Events\"\n\tcolour=\"red\"\n"}}},
    };
}

// The valid sample with the row's edits. Every search text must occur exactly once in the
// text it is applied to: a sample edited under the table stops the test run here rather than
// quietly yielding a profile that is valid or broken in some other way.
inline QByteArray PatchedProfile(const QByteArray &valid, const ProfilePatch &patch)
{
    QByteArray text = valid;
    for (const auto &[search, replacement] : patch.edits) {
        const qsizetype at = search.isEmpty() ? -1 : text.indexOf(search);
        if (at < 0 || text.indexOf(search, at + 1) >= 0)
            qFatal("patch '%s': a search text does not occur exactly once in the sample profile", patch.name);
        text.replace(at, search.size(), replacement);
    }
    return text;
}

inline QByteArray InvalidProfile(const char *name)
{
    const QByteArray valid = ValidGroup3Profile();
    for (const ProfilePatch &patch : InvalidProfilePatches(valid)) {
        if (qstrcmp(patch.name, name) == 0)
            return PatchedProfile(valid, patch);
    }
    qFatal("no invalid profile named '%s'", name);
}

}  // namespace zqv::test
