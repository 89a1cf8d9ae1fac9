// The fixture of the rule and schema tests: the sample group-3 profile with the installation's
// schema and rule script, its well-known nodes, and data-item calls returned as {result, r1, r2}.
#pragma once

#include "DataItem.h"
#include "ModelTestSupport.h"
#include "ProfileSchema.h"
#include "ScriptHost.h"
#include "XmlDom.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QTest>
#include <QVariant>

#include <algorithm>
#include <memory>

namespace zqv::test {

inline const QString kProfiles = QStringLiteral(ZQV_FIXTURES_DIR "/profiles/");
inline const QString kTemplate = QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate/");

// Box styles: question with OK/Cancel, refusal, error, notice, Yes/No question.
inline constexpr int kAsk = 0x21, kWarn = 0x30, kError = 0x10, kInfo = 0x40, kYesNo = 0x24, kAskWarn = 0x31;

// Sample-profile nodes.
inline const QString kAlice = QStringLiteral("//dfns:Private[@name='Alice']");
inline const QString kBase = QStringLiteral("//dfns:Private[@name='Base 01']");
inline const QString kBruno = QStringLiteral("//dfns:Private[@name='Bruno']");
inline const QString kChloe = QStringLiteral("//dfns:Private[@pid='4012004']");
inline const QString kSpare = QStringLiteral("//dfns:Private[@name='Spare ID 90']");
inline const QString kDispatch = QStringLiteral("//dfns:PublicGroup[@name='Dispatch']");
inline const QString kSecurity = QStringLiteral("//dfns:PublicGroup[@name='Security']");
inline const QString kEvents = QStringLiteral("//dfns:PublicGroup[@name='Events']");
inline const QString kNight = QStringLiteral("//dfns:PrivateGroup[@name='Night Shift']");
inline const QString kSupervisors = QStringLiteral("//dfns:PrivateGroup[@name='Supervisors']");
inline const QString kSetting = QStringLiteral("//dfns:setting");
inline const QString kText = QStringLiteral("//dfns:TextMessage[1]");

class CRulesFixture {
protected:
    std::shared_ptr<CProfileContext> ctx;

    xmlNodePtr Node(const QString &xpath) const { return ctx->doc->SelectOne(nullptr, xpath); }
    CDataItem Item(const QString &xpath) const
    {
        xmlNodePtr node = Node(xpath);
        if (!node)
            qFatal("no node %s", qPrintable(xpath));
        return CDataItem(ctx, node);
    }
    QString Attr(const QString &xpath, const char *name) const { return GetAttr(Node(xpath), name); }
    int Count(const QString &xpath) const { return int(ctx->doc->Select(nullptr, xpath).size()); }
    void SetLimit(const char *name, const QString &value)
    {
        SetAttr(Node(QStringLiteral("//dfns:limit")), name, value);
    }

    // One SetAttributeValue call, as {result, r1, r2}.
    QList<int> Set(const QString &xpath, const QString &attribute, const QVariant &value, int param = 0)
    {
        int r1 = -1, r2 = -1;
        const int result = Item(xpath).SetAttributeValue(attribute, value, r1, param, r2);
        return {result, r1, r2};
    }
    // One RemoveChildByIndex call on the element of `xpath`, as {result, r1, r2}.
    QList<int> Remove(const QString &xpath, int param = 0)
    {
        xmlNodePtr node = Node(xpath);
        if (!node)
            qFatal("no node %s", qPrintable(xpath));
        const auto siblings = ElementChildren(node->parent);
        const int index = int(std::find(siblings.begin(), siblings.end(), node) - siblings.begin());
        int r1 = -1, r2 = -1;
        const int result = CDataItem(ctx, node->parent).RemoveChildByIndex(index, r1, param, r2);
        return {result, r1, r2};
    }
    // Adds a membership of `contact` in the group `pid` the way the group form does.
    QList<int> Join(const QString &contact, const QString &pid)
    {
        CDataItem entry;
        Item(contact + QStringLiteral("/dfns:ParentPrivateGroups")).AddNewChild(entry);
        if (entry.IsEmpty())
            return {-1};
        int r1 = -1, r2 = -1;
        const int result = entry.SetAttributeValue(QStringLiteral("pid"), pid, r1, 0, r2);
        return {result, r1, r2};
    }
    CDataItem AddGroup()
    {
        CDataItem group;
        Item(QStringLiteral("//dfns:PrivateGroups")).AddNewPriGrpPrivate(QStringLiteral("Group"), group);
        return group;
    }

    // Loads the sample profile with the installation's schema and rule script.
    void LoadSample()
    {
        ctx = std::make_shared<CProfileContext>();
        QString error;
        ctx->doc = CXmlDocument::Parse(ReadBytes(kProfiles + QStringLiteral("valid_group3.zqv")), &error);
        QVERIFY2(ctx->doc, qPrintable(error));
        ctx->schema = CProfileSchema::Load(ReadBytes(kTemplate + QStringLiteral("DataProfile.xsd")), &error);
        QVERIFY2(ctx->schema, qPrintable(error));
        ctx->script = std::make_shared<CScriptHost>();
        QVERIFY2(ctx->script->Load(QString::fromUtf8(ReadBytes(kTemplate + QStringLiteral("DataProfile.js"))), &error),
                 qPrintable(error));
        ctx->script->SetDocument(ctx->doc);
    }

    // Whatever the rules did, the profile still loads.
    void CheckStillValid()
    {
        QString error;
        QVERIFY2(ctx->schema->Validate(*ctx->doc, &error), qPrintable(error));
    }
};

}  // namespace zqv::test
