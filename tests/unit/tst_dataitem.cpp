// Data items over a small schema whose declarations carry every kind of rule hook, next to
// a list of the same shape that carries none.
#include "DataItem.h"
#include "ScriptHost.h"
#include "StringIds.h"
#include "ZQVCPSException.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

using namespace zqv;

namespace {

QByteArray ReadFixture(const char *name)
{
    QFile f(QStringLiteral(ZQV_FIXTURES_DIR "/hooks/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return f.readAll();
}

std::shared_ptr<CProfileContext> LoadContext()
{
    auto ctx = std::make_shared<CProfileContext>();
    QString error;
    ctx->doc = CXmlDocument::Parse(ReadFixture("hooks.zqv"), &error);
    if (!ctx->doc)
        qFatal("fixture does not parse: %s", qPrintable(error));
    ctx->schema = CProfileSchema::Load(ReadFixture("hooks.xsd"), &error);
    if (!ctx->schema)
        qFatal("schema does not load: %s", qPrintable(error));
    ctx->script = std::make_shared<CScriptHost>();
    if (!ctx->script->Load(QString::fromUtf8(ReadFixture("hooks.js")), &error))
        qFatal("script does not load: %s", qPrintable(error));
    ctx->script->SetDocument(ctx->doc);
    return ctx;
}

CDataItem Child(const CDataItem &parent, const char *name)
{
    CDataItem item;
    parent.GetChildByName(QLatin1String(name), item);
    return item;
}

QStringList Names(const CDataItem &list)
{
    QStringList out;
    for (int i = 0; i < list.GetChildCount(); ++i) {
        CDataItem child;
        list.GetChildByIndex(i, child);
        out << child.GetAttributeValue(QStringLiteral("name")).toString();
    }
    return out;
}

QString Calls(const std::shared_ptr<CProfileContext> &ctx)
{
    return GetAttr(ctx->doc->Root(), "calls");
}

}  // namespace

class TestDataItem : public QObject {
    Q_OBJECT

    std::shared_ptr<CProfileContext> ctx;
    CDataItem root, hooked, plain, limit;

private slots:
    void init()
    {
        ctx = LoadContext();
        root = CDataItem(ctx, ctx->doc->Root());
        hooked = Child(root, "Hooked");
        plain = Child(root, "Plain");
        limit = Child(root, "limit");
    }

    void schemaValidatesFixture()
    {
        QString error;
        QVERIFY2(ctx->schema->Validate(*ctx->doc, &error), qPrintable(error));
        SetAttr(ctx->doc->SelectOne(nullptr, "//dfns:Plain/dfns:Item"), "flag", "maybe");
        QVERIFY(!ctx->schema->Validate(*ctx->doc, &error));
        QVERIFY2(error.contains("flag"), qPrintable(error));
    }

    void typedAttributesFollowTheBaseTypeChain()
    {
        // Channel -> SmallNumber -> xs:long
        const QVariant channel = limit.GetAttributeValue("channel");
        QCOMPARE(channel.typeId(), QMetaType::Int);
        QCOMPARE(channel.toInt(), 12);
        QCOMPARE(limit.GetAttributeValue("flag").typeId(), QMetaType::Bool);
        QCOMPARE(limit.GetAttributeValue("flag").toBool(), true);
        // anonymous restriction of xs:unsignedLong: above the signed 32-bit range
        QCOMPARE(limit.GetAttributeValue("big").typeId(), QMetaType::UInt);
        QCOMPARE(limit.GetAttributeValue("big").toUInt(), 4000000000u);
        // another built-in type is text, and so is an attribute the schema does not know
        QCOMPARE(limit.GetAttributeValue("byte").typeId(), QMetaType::QString);
        QCOMPARE(limit.GetAttributeValue("model").toString(), QString("Z'7\"]"));
        // attributes reached through an extension's base type and an attribute group
        CDataItem item;
        hooked.GetChildByIndex(1, item);
        QCOMPARE(item.GetAttributeValue("flag").typeId(), QMetaType::Bool);
        QCOMPARE(item.GetAttributeValue("channel").toInt(), 2);
        // lenient number reading: leading digits only
        SetAttr(limit.Node(), "channel", "12x");
        QCOMPARE(limit.GetAttributeValue("channel").toInt(), 12);
        SetAttr(limit.Node(), "channel", "x");
        QCOMPARE(limit.GetAttributeValue("channel").toInt(), 0);
    }

    void missingNamesAndIndexesThrowTheirCodes()
    {
        CDataItem item;
        try {
            root.GetChildByName("Nothing", item);
            QFAIL("no exception");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_PROGRAMMING_ERROR_107));
            QVERIFY(e.GetTrace().contains("(CDataItem::GetChildByName:"));
            QVERIFY(e.GetTrace().contains("Name='Nothing'"));
        }
        try {
            limit.GetAttributeValue("absent");
            QFAIL("no exception");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_PROGRAMMING_ERROR_108));
        }
        int r1 = 5, r2 = 5;
        try {
            plain.RemoveChildByIndex(7, r1, 0, r2);
            QFAIL("no exception");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_PROGRAMMING_ERROR_108));
            QVERIFY(e.GetTrace().contains("Index='7'"));
        }
        QCOMPARE(r1, 0);
        QCOMPARE(r2, 0);
        // out of range by index is an empty item, not an error; comments are not children
        QCOMPARE(plain.GetChildCount(), 2);
        plain.GetChildByIndex(2, item);
        QVERIFY(item.IsEmpty());
        try {
            item.GetAttributeValue("name");
            QFAIL("no exception");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_UNKNOWN_ERROR));
        }
    }

    void setValueWithoutHookWritesDirectly()
    {
        CDataItem item;
        plain.GetChildByIndex(0, item);
        int r1 = -1, r2 = -1;
        QCOMPARE(item.SetAttributeValue("flag", true, r1, 0, r2), 0);
        QCOMPARE(GetAttr(item.Node(), "flag"), QString("1"));
        QCOMPARE(item.SetAttributeValue("flag", false, r1, 0, r2), 0);
        QCOMPARE(GetAttr(item.Node(), "flag"), QString("0"));
        QCOMPARE(item.SetAttributeValue("name", QString("O'Brien \"x\""), r1, 0, r2), 0);
        QCOMPARE(GetAttr(item.Node(), "name"), QString("O'Brien \"x\""));
        QCOMPARE(r1, 0);
        QCOMPARE(r2, 0);
        QVERIFY(Calls(ctx).isEmpty());
    }

    void setValueWithHookLeavesTheDecisionToTheScript_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("param");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<QString>("channelAfter");
        QTest::newRow("applied") << 5 << 0 << 0 << 0 << 0 << "5";
        QTest::newRow("applied with notice") << 7 << 0 << 0 << 134 << 0 << "7";
        QTest::newRow("refused") << 17 << 0 << 1 << 133 << 0x21 << "2";
        QTest::newRow("question") << 13 << 0 << 2 << 136 << 0x21 << "2";
        QTest::newRow("question confirmed") << 13 << 1 << 0 << 0 << 0 << "13";
    }
    void setValueWithHookLeavesTheDecisionToTheScript()
    {
        QFETCH(int, value);
        QFETCH(int, param);
        CDataItem item;
        hooked.GetChildByIndex(1, item);
        int r1 = -1, r2 = -1;
        QTEST(item.SetAttributeValue("channel", value, r1, param, r2), "result");
        QTEST(r1, "r1");
        QTEST(r2, "r2");
        QTEST(GetAttr(item.Node(), "channel"), "channelAfter");
        QCOMPARE(Calls(ctx), QString("SetChannel:Item,channel,%1,%2").arg(value).arg(param));
    }

    void addChildHooks()
    {
        // no hook: nothing may be added and nothing is
        QVERIFY(!plain.CanAddChild());
        CDataItem added;
        plain.AddNewChild(added);
        QVERIFY(added.IsEmpty());
        QCOMPARE(plain.GetChildCount(), 2);

        QVERIFY(hooked.CanAddChild());
        hooked.AddNewChild(added);
        QVERIFY(!added.IsEmpty());
        QCOMPARE(added.GetAttributeValue("name").toString(), QString("New"));
        QCOMPARE(added.GetAttributeValue("flag").toBool(), false);
        hooked.AddNewPriGrpPrivate("Group", added);
        QCOMPARE(added.GetAttributeValue("name").toString(), QString("Group"));
        QCOMPARE(hooked.GetChildCount(), 4);
        // the new elements are in the profile namespace, so queries find them
        QCOMPARE(ctx->doc->Select(nullptr, "//dfns:Hooked/dfns:Item").size(), size_t(4));
        QString error;
        QVERIFY2(ctx->schema->Validate(*ctx->doc, &error), qPrintable(error));
        // the script refuses the fourth: the out item stays empty
        QVERIFY(!hooked.CanAddChild());
        hooked.AddNewPriScrList("Refused", added);
        QVERIFY(added.IsEmpty());
        QCOMPARE(Calls(ctx),
                 QString("AddItem:-;AddItem:Group;CanAddItem:Hooked;AddItem:Refused").prepend("CanAddItem:Hooked;"));
    }

    void enabledHook()
    {
        QVERIFY(plain.IsEnabled());  // no hook: enabled
        QVERIFY(hooked.IsEnabled());  // limit flag = 1
        SetAttr(limit.Node(), "flag", "0");
        QVERIFY(!hooked.IsEnabled());
    }

    void deleteHooks()
    {
        int r1 = 0, r2 = 0;
        // no hook: removed at once
        QCOMPARE(plain.RemoveChildByIndex(0, r1, 0, r2), 0);
        QCOMPARE(Names(plain), QStringList{"beta"});
        // the hook asks first, then deletes when repeated with param 1
        QCOMPARE(hooked.RemoveChildByIndex(0, r1, 0, r2), 2);
        QCOMPARE(r1, 141);
        QCOMPARE(r2, 0x31);
        QCOMPARE(hooked.GetChildCount(), 2);
        QCOMPARE(hooked.RemoveChildByIndex(0, r1, 1, r2), 0);
        QCOMPARE(Names(hooked), QStringList{"alpha"});
        QCOMPARE(Calls(ctx), QString("DeleteItem:Beta,0;DeleteItem:Beta,1"));
    }

    void contactQueriesTakeAnyTextSafely_data()
    {
        QTest::addColumn<QString>("pid");
        QTest::newRow("apostrophe") << "12'3";
        QTest::newRow("double quote") << "12\"3";
        QTest::newRow("bracket and paren") << "1])|//*[(";
        QTest::newRow("both quotes") << "'\"'";
    }
    void contactQueriesTakeAnyTextSafely()
    {
        QFETCH(QString, pid);
        auto doc = CXmlDocument::Parse(QByteArray("<ZQVProfile xmlns='urn:corvane:zqv-cps:profile'><Contacts><Privates>"
                                                  "<Private cntct_type='0' name='Other' pid='5'/>"
                                                  "<Private cntct_type='0' name='Target' pid=''/>"
                                                  "</Privates></Contacts></ZQVProfile>"));
        QVERIFY(doc);
        SetAttr(doc->Select(nullptr, "//dfns:Private")[1], "pid", pid);
        auto c = std::make_shared<CProfileContext>();
        c->doc = doc;
        CDataItem item = CDataItem::ForDocument(c);
        QCOMPARE(item.GetContactNameByID(pid), QString("Target"));
        QCOMPARE(item.GetContactNameByID(""), QString());
        QCOMPARE(item.GetContactNameByID("6"), QString());
    }

    void listCountsAndGroupMembers()
    {
        auto doc = CXmlDocument::Parse(QByteArray(
            "<ZQVProfile xmlns='urn:corvane:zqv-cps:profile'><Contacts>"
            "<PublicGroups>"
            "<PublicGroup cntct_type='2' name='A' pid='1' channel='1' in_scan_list='1' in_scroll_list='1'/>"
            "<PublicGroup cntct_type='2' name='B' pid='2' channel='1' in_scan_list='0' in_scroll_list='0'/>"
            "<PublicGroup cntct_type='2' name='C' pid='3' channel='2' in_scan_list='1' in_scroll_list='1'/>"
            "</PublicGroups><PrivateGroups>"
            "<PrivateGroup cntct_type='1' name='G' pid='10' channel='1' in_scroll_list='1'/>"
            "<PrivateGroup cntct_type='1' name='H' pid='11' channel='1' in_scroll_list='0'/>"
            "</PrivateGroups><Privates>"
            "<Private cntct_type='0' name='P1' pid='20' in_scroll_list='0'><ParentPrivateGroups>"
            "<ParentPrivateGroup pid='10'/></ParentPrivateGroups><scrolllist/></Private>"
            "<Private cntct_type='0' name='P2' pid='21' in_scroll_list='0'><ParentPrivateGroups>"
            "<ParentPrivateGroup pid='11'/><ParentPrivateGroup pid='10'/></ParentPrivateGroups><scrolllist/></Private>"
            "</Privates></Contacts></ZQVProfile>"));
        auto c = std::make_shared<CProfileContext>();
        c->doc = doc;
        CDataItem item = CDataItem::ForDocument(c);
        QCOMPARE(item.GetScrollListCount(), 3);
        QCOMPARE(item.GetScanListCount(1), 1);
        QCOMPARE(item.GetScanListCount(2), 1);
        QCOMPARE(item.GetScanListCount(3), 0);
        QStringList pids{"stale"}, names{"stale"};
        item.GetGroupMemeber("10", pids, names);
        QCOMPARE(pids, (QStringList{"20", "21"}));
        QCOMPARE(names, (QStringList{"P1", "P2"}));
        item.GetGroupMemeber("12", pids, names);
        QVERIFY(pids.isEmpty() && names.isEmpty());
    }

    void lookupsAgreeWithTheProfileQueries()
    {
        // The look-ups walk the tree instead of running XPath; they must answer exactly what
        // the queries would, numeric comparisons included.
        QFile f(QStringLiteral(ZQV_FIXTURES_DIR "/profiles/valid_group3.zqv"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        auto c = std::make_shared<CProfileContext>();
        c->doc = CXmlDocument::Parse(f.readAll());
        QVERIFY(c->doc);
        const auto groups = c->doc->Select(nullptr, "//dfns:PublicGroup");
        QVERIFY(groups.size() >= 3);
        SetAttr(groups[0], "in_scroll_list", " 1 ");
        SetAttr(groups[1], "channel", "01");
        SetAttr(groups[2], "in_scan_list", "1.0");
        CDataItem item = CDataItem::ForDocument(c);
        QCOMPARE(item.GetScrollListCount(),
                 int(c->doc->Number(nullptr, "count(//dfns:*[@cntct_type and @in_scroll_list = 1])")));
        for (int ch = 0; ch <= 16; ++ch)
            QCOMPARE(item.GetScanListCount(ch),
                     int(c->doc->Number(
                         nullptr, QString("count(//dfns:PublicGroup[@channel = %1 and @in_scan_list = 1])").arg(ch))));
        for (xmlNodePtr contact : c->doc->Select(nullptr, "//dfns:Contacts/dfns:*/dfns:*")) {
            const QString pid = GetAttr(contact, "pid");
            CDataItem found;
            item.GetContactByID(pid, found);
            QCOMPARE(found.Node(), c->doc->SelectOne(nullptr, "//dfns:*[@cntct_type and @pid = $p]", {{"p", pid}}));
            QStringList pids, names;
            item.GetGroupMemeber(pid, pids, names);
            QCOMPARE(pids.size(),
                     qsizetype(c->doc->Number(nullptr, "count(//dfns:ParentPrivateGroup[@pid = $p])", {{"p", pid}})));
        }
    }

    void sortIsStableAndUsesTheCollation()
    {
        QString text = QStringLiteral(
            "<?xml version=\"1.0\"?><ZQVProfile xmlns=\"urn:corvane:zqv-cps:profile\"><Contacts><Privates>"
            "<Private name=\"Beta\" n=\"1\"/><Private name=\"alpha\" n=\"2\"/><Private name=\"beta\" n=\"3\"/>"
            "<Private name=\"\xC9"
            "clair\" n=\"4\"/><Private name=\"Zeta\" n=\"5\"/>"
            "</Privates></Contacts></ZQVProfile>");
        QString ascending = text;
        CDataItem::SortXMLChildNodes(ascending, "Privates", "name", true);
        auto doc = CXmlDocument::Parse(ascending);
        QStringList order;
        for (xmlNodePtr n : doc->Select(nullptr, "//dfns:Private"))
            order << GetAttr(n, "n");
        QCOMPARE(order, (QStringList{"2", "1", "3", "4", "5"}));

        QString descending = text;
        CDataItem::SortXMLChildNodes(descending, "Privates", "name", false);
        doc = CXmlDocument::Parse(descending);
        order.clear();
        for (xmlNodePtr n : doc->Select(nullptr, "//dfns:Private"))
            order << GetAttr(n, "n");
        QCOMPARE(order, (QStringList{"5", "4", "1", "3", "2"}));

        QString broken = "<ZQVProfile><unclosed>";
        try {
            CDataItem::SortXMLChildNodes(broken, "Privates", "name", true);
            QFAIL("no exception");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_INVALID_PROFILE));
        }
    }

    void repositionMovesToTheCollationPlace_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<int>("newIndex");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("to front") << 2 << "a" << 0 << QStringList{"a", "b", "d", "h"};
        QTest::newRow("to end") << 0 << "z" << 3 << QStringList{"d", "f", "h", "z"};
        QTest::newRow("stays") << 1 << "e" << 1 << QStringList{"b", "e", "f", "h"};
        // equal keys keep their old relative order, as a stable sort would
        QTest::newRow("equal key moving down stays before its twin")
            << 0 << "F" << 1 << QStringList{"d", "F", "f", "h"};
        QTest::newRow("equal key moving up stays after its twin") << 3 << "D" << 2 << QStringList{"b", "d", "D", "f"};
    }
    void repositionMovesToTheCollationPlace()
    {
        QFETCH(int, index);
        QFETCH(QString, newName);
        auto doc = CXmlDocument::Parse(
            QByteArray("<ZQVProfile xmlns='urn:corvane:zqv-cps:profile'><TextMessages>"
                       "<TextMessage name='b'/><TextMessage name='d'/><TextMessage name='f'/><TextMessage name='h'/>"
                       "</TextMessages></ZQVProfile>"));
        auto c = std::make_shared<CProfileContext>();
        c->doc = doc;
        CDataItem list(c, doc->SelectOne(nullptr, "//dfns:TextMessages"));
        CDataItem child;
        list.GetChildByIndex(index, child);
        SetAttr(child.Node(), "name", newName);
        QTEST(CDataItem::RepositionChild(list, index, "name"), "newIndex");
        QTEST(Names(list), "order");
    }

    void scriptFailureIsReportedWithLineAndDescription()
    {
        QString error;
        QVERIFY(ctx->script->Load("function CanAddItem(e) {\n  return e.noSuchMethod();\n}\n", &error));
        try {
            hooked.CanAddChild();
            QFAIL("no exception");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_UNKNOWN_ERROR));
            QVERIFY2(e.GetTrace().contains("Invoke script function failed\nfunction name=CanAddChild,Node=Hooked"),
                     qPrintable(e.GetTrace()));
            QVERIFY2(e.GetTrace().contains("Line=2"), qPrintable(e.GetTrace()));
            QVERIFY2(e.GetTrace().contains("noSuchMethod"), qPrintable(e.GetTrace()));
        }
    }
};

QTEST_GUILESS_MAIN(TestDataItem)
#include "tst_dataitem.moc"
