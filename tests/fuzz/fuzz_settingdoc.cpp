// Fuzz target: whatever a setting document may hold. The input is the bytes of a file in the
// installation's lib folder and goes the way start-up reads it: reading in either encoding,
// the size and attribute caps, unscrambling, the safe parse. A document that loads is then
// asked what start-up and the views ask of each of the three documents: the region and its
// languages, help pages, the setting group of firmware versions and the merged working
// setting document of every group.
#include "FuzzSupport.h"
#include "Prompter.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "TextFile.h"
#include "ZQVCPSException.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

using namespace zqv;

namespace {

struct Installation {
    QTemporaryDir dir;
    CScriptedPrompter prompter;
};

Installation &Shipped()
{
    static Installation inst;
    static const bool ready = [](Installation &i) {
        if (!i.dir.isValid() || !QDir(i.dir.path()).mkpath(QStringLiteral("lib")))
            abort();
        return true;
    }(inst);
    (void)ready;
    return inst;
}

void Ask(const CXmlDocument &doc)
{
    for (const QString &language : GetSupportLanguages(doc))
        GetLanguageDisplayName(doc, language);
    GetRegion(doc);
    GetHelpPageName(doc, QStringLiteral("CSettingsView"), 1000);
    for (const char *version : {"R5E.08.00", "R5E.02.10", "D5E.07.99", "R00.00.00"})
        GetGroupByVersion(doc, QLatin1String(version));
    for (int group = 1; group <= 3; ++group)
        MergeGroupSettingDoc(doc, group, QStringLiteral("ZQV"));
}

void Load(Installation &inst, const QByteArray &bytes)
{
    QFile f(inst.dir.filePath(QStringLiteral("lib/Region.stv")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        abort();
    f.close();
    try {
        inst.prompter.Clear();
        if (auto doc = LoadSettingDoc(inst.dir.path(), QLatin1String(kRegionDocName), inst.prompter))
            Ask(*doc);
    } catch (const CZQVCPSException &) {
        // A refused document is an answer, not a fault.
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    Shipped();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Installation &inst = Shipped();
    fuzz::AsStoredFiles(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)),
                        [&](const QByteArray &bytes) { Load(inst, bytes); });
    return 0;
}
