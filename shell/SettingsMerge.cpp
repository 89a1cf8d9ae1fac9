#include "SettingsMerge.h"

#include "SettingDocs.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <cstring>
#include <new>
#include <optional>
#include <vector>

namespace zqv {

namespace {

// Trace lines name the application object's operations, as the desktop program presents them.
constexpr char kOpCodePlugMerge[] = "CZQVCPSApp::CodePlugMergeToBase";
constexpr char kOpVisibleMerge[] = "CZQVCPSApp::VisibleSettingMergeToBase";
constexpr char kOpMergeCp[] = "CZQVCPSApp::MergeCpToBase";
constexpr char kOpBuild[] = "CZQVCPSApp::BuildGroupSettingDoc";

// A broken document (what a DOM error is in the merge): message 106.
#define ZQV_DOM_ERROR(op, detail) ZQV_THROW(IDS_UNKNOWN_ERROR, op, detail)

// The value of the leading hexadecimal digits of `part` (0 when it starts with none).
qint64 HexPart(QStringView part)
{
    qint64 value = 0;
    for (QChar c : part) {
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c.unicode() - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c.unicode() - u'A' + 10;
        else
            break;
        value = value * 16 + digit;
    }
    return value;
}

struct VersionParts {
    qint64 a, b, c;
};

VersionParts SplitVersion(const QString &text)
{
    // First two characters, the two at positions 3 and 4, the last two.
    const QStringView t(text);
    return {HexPart(t.left(2)), HexPart(t.mid(3, 2)), HexPart(t.size() >= 2 ? t.right(2) : t)};
}

// Leading decimal digits of `text` as a number (0 when there are none).
int LeadingDecimal(const QString &text)
{
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9' || value > 100000000)
            break;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

bool InProfileNs(xmlNodePtr node)
{
    return IsElement(node) && node->ns && node->ns->href &&
        std::strcmp(reinterpret_cast<const char *>(node->ns->href), kProfileNamespace) == 0;
}

// The element children of `parent` named `localName` in the profile namespace ("dfns:name").
std::vector<xmlNodePtr> Children(xmlNodePtr parent, const QString &localName)
{
    std::vector<xmlNodePtr> out;
    const QByteArray name = localName.toUtf8();
    for (xmlNodePtr child = parent ? parent->children : nullptr; child; child = child->next)
        if (InProfileNs(child) && std::strcmp(reinterpret_cast<const char *>(child->name), name.constData()) == 0)
            out.push_back(child);
    return out;
}

// The first `element` child of `parent` whose attribute `attr` equals `value`.
xmlNodePtr ChildWithAttr(xmlNodePtr parent, const QString &element, const char *attr, const QString &value)
{
    for (xmlNodePtr child : Children(parent, element))
        if (HasAttr(child, attr) && GetAttr(child, attr) == value)
            return child;
    return nullptr;
}

// "dfns:<page>/dfns:Control[@ID='<id>']" below `base`.
xmlNodePtr FindControl(xmlNodePtr base, const QString &page, const QString &id)
{
    for (xmlNodePtr pageNode : Children(base, page))
        if (xmlNodePtr control = ChildWithAttr(pageNode, QStringLiteral("Control"), "ID", id))
            return control;
    return nullptr;
}

xmlNodePtr RequireNode(CXmlDocument &doc, const QString &path, const char *op)
{
    xmlNodePtr node = doc.SelectOne(nullptr, path);
    if (!node)
        ZQV_DOM_ERROR(op, QStringLiteral("node '%1' is missing").arg(path));
    return node;
}

std::optional<quint32> ToUnsigned(const QString &text)
{
    bool ok = false;
    const quint32 value = text.trimmed().toUInt(&ok, 10);
    return ok ? std::optional<quint32>(value) : std::nullopt;
}

quint32 RequireUnsigned(xmlNodePtr node, const char *attr, const char *op)
{
    const auto value = ToUnsigned(GetAttr(node, attr));
    if (!value)
        ZQV_DOM_ERROR(op,
                      QStringLiteral("%1 '%2' of line %3 is not a number")
                          .arg(QLatin1String(attr), GetAttr(node, attr))
                          .arg(xmlGetLineNo(node)));
    return *value;
}

void MoveToEnd(xmlNodePtr node, xmlNodePtr newParent)
{
    xmlUnlinkNode(node);
    xmlAddChild(newParent, node);
}

}  // namespace

qint64 ParseVersionNumber(const QString &text)
{
    const VersionParts p = SplitVersion(text);
    return p.a * 10000 + p.b * 100 + p.c;
}

qint64 VersionOrderKey(const QString &text)
{
    const VersionParts p = SplitVersion(text);
    return (p.a << 16) | (p.b << 8) | p.c;
}

int GetGroupByVersion(const CXmlDocument &upgradeDoc, const QString &version)
{
    QString v = version;
    while (v.startsWith(u'D') || v.startsWith(u'R'))
        v.remove(0, 1);
    const auto groupOf = [](xmlNodePtr entry) {
        QString name = NodeName(entry->parent);
        while (name.startsWith(u'G'))
            name.remove(0, 1);
        return LeadingDecimal(name);
    };
    if (xmlNodePtr exact = upgradeDoc.SelectOne(
            nullptr, QStringLiteral("//dfns:CPSVersion/dfns:*/dfns:FirmwareVer[@version = $v]"), {{"v", v}}))
        return groupOf(exact);
    const qint64 key = VersionOrderKey(v);
    for (xmlNodePtr span :
         upgradeDoc.Select(nullptr, QStringLiteral("//dfns:CPSVersion/dfns:*/dfns:VerSpan[@startVer]"))) {
        if (VersionOrderKey(GetAttr(span, "startVer")) <= key && key <= VersionOrderKey(GetAttr(span, "endVer")))
            return groupOf(span);
    }
    return 0;
}

void CodePlugMergeToBase(CXmlDocument &doc, const QString &sourcePath, const QString &basePath)
{
    xmlNodePtr source = RequireNode(doc, sourcePath, kOpCodePlugMerge);
    xmlNodePtr base = RequireNode(doc, basePath, kOpCodePlugMerge);
    if (!source->children)
        return;
    for (xmlNodePtr field : Children(source, QStringLiteral("CPField"))) {
        if (!HasAttr(field, "name") || !HasAttr(field, "isExist"))
            ZQV_THROW(IDS_SETTING_NODE_INCORRECT, kOpCodePlugMerge, LoadStr(IDS_SETTING_NODE_INCORRECT));
        const quint32 isExist = RequireUnsigned(field, "isExist", kOpCodePlugMerge);
        if (xmlNodePtr target = ChildWithAttr(base, QStringLiteral("CPField"), "name", GetAttr(field, "name")))
            SetAttr(target, "isExist", QString::number(isExist));
        else
            MoveToEnd(field, base);
    }
}

void VisibleSettingMergeToBase(CXmlDocument &doc, const QString &sourcePath, const QString &basePath)
{
    xmlNodePtr source = RequireNode(doc, sourcePath, kOpVisibleMerge);
    xmlNodePtr base = RequireNode(doc, basePath, kOpVisibleMerge);
    if (!source->children)
        return;
    std::vector<xmlNodePtr> controls;
    for (xmlNodePtr page = source->children; page; page = page->next)
        if (InProfileNs(page))
            for (xmlNodePtr control : Children(page, QStringLiteral("Control")))
                controls.push_back(control);
    for (xmlNodePtr control : controls) {
        const quint32 id = RequireUnsigned(control, "ID", kOpVisibleMerge);
        const quint32 visible =
            HasAttr(control, "isVisible") ? RequireUnsigned(control, "isVisible", kOpVisibleMerge) : 0;
        const QString page = NodeName(control->parent);
        if (xmlNodePtr target = FindControl(base, page, QString::number(id))) {
            SetAttr(target, "isVisible", QString::number(visible));
            continue;
        }
        const auto pages = Children(base, page);
        if (pages.empty())
            ZQV_DOM_ERROR(kOpVisibleMerge, QStringLiteral("page '%1' is missing in '%2'").arg(page, basePath));
        MoveToEnd(control, pages.front());
    }
}

void MergeCpToBase(CXmlDocument &doc)
{
    xmlNodePtr visibleBase =
        RequireNode(doc, QStringLiteral("//dfns:VisibleSetting/dfns:G1/dfns:RegionCommon"), kOpMergeCp);
    xmlNodePtr codePlugBase =
        RequireNode(doc, QStringLiteral("//dfns:CodePlugSetting/dfns:G1/dfns:RegionCommon"), kOpMergeCp);
    if (!codePlugBase->children)
        return;
    std::vector<xmlNodePtr> controls;
    for (xmlNodePtr field : Children(codePlugBase, QStringLiteral("CPField")))
        if (GetAttr(field, "isExist") == QLatin1String("1"))
            for (xmlNodePtr control : Children(field, QStringLiteral("Control")))
                controls.push_back(control);
    for (xmlNodePtr control : controls) {
        bool ok = false;
        const int id = GetAttr(control, "ID").trimmed().toInt(&ok);
        if (!ok)
            ZQV_DOM_ERROR(kOpMergeCp,
                          QStringLiteral("control ID '%1' of line %2 is not a number")
                              .arg(GetAttr(control, "ID"))
                              .arg(xmlGetLineNo(control)));
        const QString page = GetAttr(control, "RightView");
        if (FindControl(visibleBase, page, QString::number(id)))
            ZQV_THROW(IDS_SETTING_NODE_IN_BOTH_PARTS, kOpMergeCp, LoadStr(IDS_SETTING_NODE_IN_BOTH_PARTS));
        const auto pages = Children(visibleBase, page);
        if (pages.empty())
            ZQV_DOM_ERROR(
                kOpMergeCp,
                QStringLiteral("control %1 names the page '%2', which VisibleSetting lacks").arg(id).arg(page));
        RemoveAttr(control, "RightView");
        SetAttr(control, "isVisible", QStringLiteral("1"));
        MoveToEnd(control, pages.front());
    }
}

GroupSettingDocs MergeGroupSettingDoc(const CXmlDocument &upgradeDoc, int group, const QString &region)
{
    if (!IsQueryName(region))
        ZQV_DOM_ERROR(kOpBuild, QStringLiteral("'%1' is not a region name").arg(region));
    auto merged = CXmlDocument::Adopt(xmlCopyDoc(upgradeDoc.Doc(), 1));
    if (!merged)
        throw std::bad_alloc();
    const QString g = QStringLiteral("G%1").arg(group);
    const QString cp = QStringLiteral("//dfns:CodePlugSetting/dfns:");
    const QString vs = QStringLiteral("//dfns:VisibleSetting/dfns:");
    const QString common = QStringLiteral("/dfns:RegionCommon");
    const QString inRegion = QStringLiteral("/dfns:") + region;

    CodePlugMergeToBase(*merged, cp + "G1" + inRegion, cp + "G1" + common);
    CodePlugMergeToBase(*merged, cp + g + inRegion, cp + g + common);
    CodePlugMergeToBase(*merged, cp + g + common, cp + "G1" + common);
    VisibleSettingMergeToBase(*merged, vs + "G1" + inRegion, vs + "G1" + common);
    VisibleSettingMergeToBase(*merged, vs + g + inRegion, vs + g + common);
    VisibleSettingMergeToBase(*merged, vs + g + common, vs + "G1" + common);
    MergeCpToBase(*merged);

    // A control without isVisible is hidden, whichever group was built: say so explicitly,
    // so that readers of the working document need not know the default.
    xmlNodePtr root = RequireNode(*merged, vs + "G1" + common, kOpBuild);
    for (xmlNodePtr page : ElementChildren(root))
        for (xmlNodePtr control : Children(page, QStringLiteral("Control")))
            if (!HasAttr(control, "isVisible"))
                SetAttr(control, "isVisible", QStringLiteral("0"));

    // The merged RegionCommon of VisibleSetting becomes the root of a document of its own.
    xmlDocPtr workingDoc = xmlNewDoc(reinterpret_cast<const xmlChar *>("1.0"));
    xmlNodePtr copy = workingDoc ? xmlDocCopyNode(root, workingDoc, 1) : nullptr;
    if (!copy) {
        xmlFreeDoc(workingDoc);
        throw std::bad_alloc();
    }
    xmlDocSetRootElement(workingDoc, copy);
    return {merged, CXmlDocument::Adopt(workingDoc)};
}

}  // namespace zqv
