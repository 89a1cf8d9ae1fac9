// Fuzz target: whatever a profile file may hold. The input goes the way of a profile being
// opened: the clone-compatibility text check, the safe parse, schema validation, the
// normalising sort, the conversion to a radio record and back to profile text, and the
// look-ups the tree makes.
#include "DataAdaptor.h"
#include "DataItem.h"
#include "ProfileFormat.h"
#include "ProfileSchema.h"
#include "ZQVCPSException.h"

#include <QFile>
#include <cstddef>
#include <cstdint>

using namespace zqv;

namespace {

std::shared_ptr<CProfileSchema> Schema()
{
    static std::shared_ptr<CProfileSchema> schema = [] {
        QFile f(QStringLiteral(ZQV_SOURCE_DIR "/data/ProfileTemplate/DataProfile.xsd"));
        if (!f.open(QIODevice::ReadOnly))
            abort();
        return CProfileSchema::Load(f.readAll());
    }();
    return schema;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    profile::IsSupportedCloneVersion(text);
    try {
        auto ctx = std::make_shared<CProfileContext>();
        ctx->doc = CXmlDocument::Parse(text);
        if (!ctx->doc)
            return 0;
        ctx->schema = Schema();
        const bool valid = ctx->schema->Validate(*ctx->doc);
        CDataItem root = CDataItem::ForDocument(ctx);
        root.GetScrollListCount();
        root.GetScanListCount(1);
        for (xmlNodePtr contact : ctx->doc->Select(nullptr, QLatin1String(profile::kQueryAllContacts))) {
            QStringList pids, names;
            root.GetContactNameByID(GetAttr(contact, "pid"));
            root.GetGroupMemeber(GetAttr(contact, "pid"), pids, names);
        }
        QString sorted = text;
        CDataAdaptor::SortProfileText(sorted);
        if (valid) {
            VirtualCPData record;
            if (CDataAdaptor::XML2VirtualCP(sorted, record) != 0) {
                QString again;
                CDataAdaptor::VirtualCP2XML(record, again);
            }
        }
    } catch (const CZQVCPSException &) {
        // A refused profile is an answer, not a fault.
    }
    return 0;
}
