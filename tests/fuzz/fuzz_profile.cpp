// Fuzz target: whatever a profile file may hold. The input is the file's bytes and goes the
// whole way of a profile being opened by the radio data model of a shipped installation:
// reading the file in either encoding, the size and attribute caps, unscrambling, the
// clone-compatibility check, the one parse, the normalising sort, the setting group and its
// adaptation, the schema and the required setting fields. A profile that opens is then
// looked up as the tree does, converted to a radio record and back to profile text, and taken
// off again as for a save. Input that starts like plain XML is also tried scrambled, in UTF-16
// and in code page 1252, the way the program stores profiles.
#include "DataAdaptor.h"
#include "DataItem.h"
#include "FuzzSupport.h"
#include "ProfileFormat.h"
#include "RadioDataModel.h"
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
    std::unique_ptr<CRadioDataModel> model;
    QString file;
};

Installation &Shipped()
{
    static Installation inst;
    static const bool ready = [](Installation &i) {
        if (!i.dir.isValid())
            abort();
        QDir(i.dir.path()).mkpath(QStringLiteral("ProfileTemplate"));
        for (const char *name : {"DataProfile.xsd", "DataProfile.js"})
            if (!QFile::copy(QStringLiteral(ZQV_SOURCE_DIR "/data/ProfileTemplate/") + QLatin1String(name),
                             i.dir.filePath(QStringLiteral("ProfileTemplate/")) + QLatin1String(name)))
                abort();
        QFile upgrade(QStringLiteral(ZQV_SOURCE_DIR "/data/lib/UpDownGradeSetting.stv"));
        if (!upgrade.open(QIODevice::ReadOnly))
            abort();
        CModelEnvironment env;
        env.installDir = i.dir.path();
        env.regionCode = QStringLiteral("ZQV");
        env.upgradeDoc = CXmlDocument::Parse(upgrade.readAll());
        if (!env.upgradeDoc)
            abort();
        i.model = std::make_unique<CRadioDataModel>(env);
        if (!i.model->Initialize())
            abort();
        i.file = i.dir.filePath(QStringLiteral("fuzz.zqv"));
        return true;
    }(inst);
    (void)ready;
    return inst;
}

void Open(Installation &inst, const QByteArray &bytes)
{
    QFile f(inst.file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        abort();
    f.close();
    try {
        if (!inst.model->LoadProfile(inst.file, true))
            return;
        const auto ctx = inst.model->Context();
        CDataItem root = CDataItem::ForDocument(ctx);
        root.GetScrollListCount();
        root.GetScanListCount(1);
        for (xmlNodePtr contact : ctx->doc->Select(nullptr, QLatin1String(profile::kQueryAllContacts))) {
            QStringList pids, names;
            root.GetContactNameByID(GetAttr(contact, "pid"));
            root.GetGroupMemeber(GetAttr(contact, "pid"), pids, names);
        }
        VirtualCPData record;
        if (CDataAdaptor::XML2VirtualCP(inst.model->ProfileText(), record) != 0) {
            QString again;
            CDataAdaptor::VirtualCP2XML(record, again);
        }
        inst.model->TakeOffDoc(false);
    } catch (const CZQVCPSException &) {
        // A refused profile is an answer, not a fault.
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);  // the rule-script engine needs one
    Shipped();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Installation &inst = Shipped();
    fuzz::AsStoredFiles(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)),
                        [&](const QByteArray &bytes) { Open(inst, bytes); });
    return 0;
}
