// The installation's rule script, exercised through data items on the sample group-3 profile:
// every rule accepting and refusing with its message and box style, and the dependent changes it
// makes. Every test ends with the edited profile still valid against the schema.
#include "RulesTestSupport.h"
#include "StringTable.h"

#include <QTest>

using namespace zqv;
using namespace zqv::test;

class TestRules : public QObject, public CRulesFixture {
    Q_OBJECT

private slots:
    void init() { LoadSample(); }

    // Whatever the rules did, the profile still loads.
    void cleanup() { CheckStillValid(); }

    void setValue_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QList<int>>("answer");  // result, r1, r2
        QTest::addColumn<QString>("stored");  // the attribute afterwards

        auto row = [](const char *tag, const QString &node, const char *attribute, const QVariant &value,
                      QList<int> answer, const QString &stored) {
            QTest::newRow(tag) << node << QString::fromLatin1(attribute) << value << answer << stored;
        };
        // names
        row("name ok", kAlice, "name", QStringLiteral("Alicia"), {0, 0, 0}, QStringLiteral("Alicia"));
        row("name own case", kAlice, "name", QStringLiteral("ALICE"), {0, 0, 0}, QStringLiteral("ALICE"));
        row("name 20", kAlice, "name", QString(20, QLatin1Char('x')), {0, 0, 0}, QString(20, QLatin1Char('x')));
        row("name 21", kAlice, "name", QString(21, QLatin1Char('x')), {1, 165, kWarn}, QStringLiteral("Alice"));
        row("name empty", kAlice, "name", QString(), {1, 165, kWarn}, QStringLiteral("Alice"));
        row("name euro", kAlice, "name", QStringLiteral("Al\u20ACce"), {1, 218, kWarn}, QStringLiteral("Alice"));
        row("name tab", kAlice, "name", QStringLiteral("Al\tice"), {1, 218, kWarn}, QStringLiteral("Alice"));
        row("name similar case", kAlice, "name", QStringLiteral("dispatch"), {1, 127, kWarn}, QStringLiteral("Alice"));
        row("name similar accent", kAlice, "name", QStringLiteral("CHLOE"), {1, 127, kWarn}, QStringLiteral("Alice"));
        row("name latin1 ok", kAlice, "name", QStringLiteral("\u00C5sa"), {0, 0, 0}, QStringLiteral("\u00C5sa"));
        // private contact IDs: digits, the model's range, unique
        row("pid ok", kAlice, "pid", QStringLiteral("4012055"), {0, 0, 0}, QStringLiteral("4012055"));
        row("pid range start", kAlice, "pid", QStringLiteral("4000000"), {0, 0, 0}, QStringLiteral("4000000"));
        row("pid below", kAlice, "pid", QStringLiteral("3999999"), {1, 30010, kWarn}, QStringLiteral("4012002"));
        row("pid above", kAlice, "pid", QStringLiteral("4100000"), {1, 30010, kWarn}, QStringLiteral("4012002"));
        row("pid letter", kAlice, "pid", QStringLiteral("40120a1"), {1, 30010, kWarn}, QStringLiteral("4012002"));
        row("pid leading 0", kAlice, "pid", QStringLiteral("04012055"), {1, 30010, kWarn}, QStringLiteral("4012002"));
        row("pid taken", kAlice, "pid", QStringLiteral("4012003"), {1, 132, kWarn}, QStringLiteral("4012002"));
        row("pid of group", kAlice, "pid", QStringLiteral("4012091"), {1, 132, kWarn}, QStringLiteral("4012002"));
        row("pid shared unused", kSpare, "pid", QStringLiteral("4012091"), {0, 0, 0}, QStringLiteral("4012091"));
        // group IDs
        row("grp pid taken", kSupervisors, "pid", QStringLiteral("4012090"), {1, 132, kWarn},
            QStringLiteral("4012091"));
        row("grp pid in use", kSupervisors, "pid", QStringLiteral("4012002"), {1, 132, kWarn},
            QStringLiteral("4012091"));
        row("grp pid letters", kSupervisors, "pid", QStringLiteral("x"), {1, 30010, kWarn}, QStringLiteral("4012091"));
        row("pub pid bank 0", kDispatch, "pid", QStringLiteral("17179869084"), {0, 0, 0},
            QStringLiteral("17179869084"));
        row("pub pid below bank 0", kDispatch, "pid", QStringLiteral("17179869083"), {1, 30010, kWarn},
            QStringLiteral("17179869183"));
        row("pub pid bank 1", kDispatch, "pid", QStringLiteral("9999982"), {0, 0, 0}, QStringLiteral("9999982"));
        row("pub pid below bank 1", kDispatch, "pid", QStringLiteral("9999981"), {1, 30010, kWarn},
            QStringLiteral("17179869183"));
        row("pub pid taken", kDispatch, "pid", QStringLiteral("17179869182"), {1, 132, kWarn},
            QStringLiteral("17179869183"));
        // channels 1..max_num_of_channels (16)
        row("channel 0", kEvents, "channel", 0, {1, 30012, kWarn}, QStringLiteral("3"));
        row("channel 17", kEvents, "channel", 17, {1, 30012, kWarn}, QStringLiteral("3"));
        row("channel 16", kEvents, "channel", 16, {0, 0, 0}, QStringLiteral("16"));
        row("channel same", kDispatch, "channel", 1, {0, 0, 0}, QStringLiteral("1"));
        row("channel scanned asks", kDispatch, "channel", 2, {2, 133, kAsk}, QStringLiteral("1"));
        row("channel grp no private", kNight, "channel", 9, {1, 135, kError}, QStringLiteral("1"));
        row("channel grp members ask", kSupervisors, "channel", 3, {2, 136, kAsk}, QStringLiteral("2"));
        row("channel private ask", kChloe, "channel", 1, {2, 137, kAsk}, QStringLiteral("3"));
        row("channel private free", kSpare, "channel", 2, {0, 0, 0}, QStringLiteral("2"));
        // home groups: a group on the contact's channel
        row("home public", kAlice, "home_grp", QStringLiteral("17179869182"), {0, 0, 0}, QStringLiteral("17179869182"));
        row("home none", kAlice, "home_grp", QString(), {0, 0, 0}, QString());
        row("home other channel", kAlice, "home_grp", QStringLiteral("17179869181"), {1, 30012, kWarn},
            QStringLiteral("4012090"));
        row("home unknown", kAlice, "home_grp", QStringLiteral("123"), {1, 30012, kWarn}, QStringLiteral("4012090"));
        // switches and lists
        row("flag true", kSetting, "scan_en", true, {0, 0, 0}, QStringLiteral("1"));
        row("flag text", kSetting, "alarm_en", QStringLiteral("1"), {0, 0, 0}, QStringLiteral("1"));
        // A switch is 0 or 1 in a profile; the -1 of other spellings of "true" is refused.
        row("flag minus one", kSetting, "alarm_en", QStringLiteral("-1"), {1, 30012, kWarn}, QStringLiteral("0"));
        row("flag false", kAlice, "in_scroll_list", false, {0, 0, 0}, QStringLiteral("0"));
        row("flag bad", kSetting, "scan_en", QStringLiteral("yes"), {1, 30012, kWarn}, QStringLiteral("1"));
        row("scan add", kEvents, "in_scan_list", true, {0, 0, 0}, QStringLiteral("1"));
        // text messages
        row("text ok", kText, "txt", QStringLiteral("Gr\u00FC\u00DFe"), {0, 0, 0}, QStringLiteral("Gr\u00FC\u00DFe"));
        row("text 80", kText, "txt", QString(80, QLatin1Char('m')), {0, 0, 0}, QString(80, QLatin1Char('m')));
        row("text 81", kText, "txt", QString(81, QLatin1Char('m')), {1, 201, kWarn}, QStringLiteral("On my way"));
        row("text empty", kText, "txt", QString(), {1, 30012, kWarn}, QStringLiteral("On my way"));
        row("text euro", kText, "txt", QStringLiteral("5 \u20AC"), {1, 217, kAskWarn}, QStringLiteral("On my way"));
        // settings
        row("password ok", kSetting, "password", QStringLiteral("0815"), {0, 0, 0}, QStringLiteral("0815"));
        row("password none", kSetting, "password", QString(), {0, 0, 0}, QString());
        row("password 3", kSetting, "password", QStringLiteral("123"), {1, 295, kWarn}, QStringLiteral("4711"));
        row("password letter", kSetting, "password", QStringLiteral("12a4"), {1, 295, kWarn}, QStringLiteral("4711"));
        row("language offered", kSetting, "language", 4, {0, 0, 0}, QStringLiteral("4"));
        row("language other", kSetting, "language", 7, {1, 30012, kWarn}, QStringLiteral("0"));
        row("ringer 0", kSetting, "ringer_vol_level", 0, {0, 0, 0}, QStringLiteral("0"));
        row("speaker 0", kSetting, "speaker_vol_level", 0, {1, 30012, kWarn}, QStringLiteral("5"));
        row("speaker max", kSetting, "speaker_vol_level", 7, {0, 0, 0}, QStringLiteral("7"));
        row("speaker over", kSetting, "speaker_vol_level", 8, {1, 30012, kWarn}, QStringLiteral("5"));
        row("tone offset", kSetting, "tpt_offset", 14, {1, 30012, kWarn}, QStringLiteral("2"));
        row("noise", kSetting, "noise_level_radio", 5, {1, 30012, kWarn}, QStringLiteral("2"));
        row("contrast", kSetting, "contrast", 6, {0, 0, 0}, QStringLiteral("6"));
        row("ringer 12", kAlice, "alert_tone", 12, {0, 0, 0}, QStringLiteral("12"));
        row("ringer 13", kAlice, "alert_tone", 13, {1, 30012, kWarn}, QStringLiteral("3"));
        row("vibracall off", kSetting, "vibracall", 2, {0, 0, 0}, QStringLiteral("2"));
        row("vibracall 0", kSetting, "vibracall", 0, {1, 30012, kWarn}, QStringLiteral("2"));
        row("backlight 90 s", kSetting, "backlight", 90000, {0, 0, 0}, QStringLiteral("90000"));
        row("backlight off", kSetting, "backlight", 0, {0, 0, 0}, QStringLiteral("0"));
        row("backlight 15 s", kSetting, "backlight", 15000, {1, 30012, kWarn}, QStringLiteral("10000"));
        row("tx timeout 180", kSetting, "tot_timer", 180, {0, 0, 0}, QStringLiteral("180"));
        row("tx timeout 90", kSetting, "tot_timer", 90, {1, 30012, kWarn}, QStringLiteral("60"));
        row("clock 2000", kSetting, "current_time", 946684800u, {0, 0, 0}, QStringLiteral("946684800"));
        row("clock 1999", kSetting, "current_time", 946684799u, {1, 30012, kWarn}, QStringLiteral("1262304000"));
        row("clock 2060", kSetting, "current_time", 2840140800u, {1, 30012, kWarn}, QStringLiteral("1262304000"));
        row("alarm 2060", kSetting, "alarm_time", 2840140800u, {1, 30012, kWarn}, QStringLiteral("25200"));
        // what a write would otherwise change silently: long names, characters a radio cannot
        // store, long texts, channels the model lacks
        row("group name 60", kDispatch, "name", QString(60, QLatin1Char('g')), {1, 165, kWarn},
            QStringLiteral("Dispatch"));
        row("group name euro han", kDispatch, "name", QStringLiteral("Radio \u20AC \u4E2D"), {1, 218, kWarn},
            QStringLiteral("Dispatch"));
        row("private group name tab", kNight, "name", QStringLiteral("Night\tShift"), {1, 218, kWarn},
            QStringLiteral("Night Shift"));
        row("group channel 99", kEvents, "channel", 99, {1, 30012, kWarn}, QStringLiteral("3"));
        row("text 120", kText, "txt", QString(120, QLatin1Char('m')), {1, 201, kWarn}, QStringLiteral("On my way"));
        row("forward none", kSetting, "call_forward_id", QString(), {0, 0, 0}, QString());
        row("forward long", kSetting, "call_forward_id", QStringLiteral("123456789012"), {1, 30010, kWarn},
            QStringLiteral("4012002"));
    }
    void setValue()
    {
        QFETCH(QString, node);
        QFETCH(QString, attribute);
        QFETCH(QVariant, value);
        QFETCH(QList<int>, answer);
        QFETCH(QString, stored);
        xmlNodePtr element = Node(node);
        QVERIFY(element);
        int r1 = -1, r2 = -1;
        const int result = CDataItem(ctx, element).SetAttributeValue(attribute, value, r1, 0, r2);
        QCOMPARE(QList<int>({result, r1, r2}), answer);
        QCOMPARE(GetAttr(element, attribute.toUtf8().constData()), stored);
    }

    void publicGroupChannelMove()
    {
        QCOMPARE(Set(kDispatch, QStringLiteral("channel"), 2), QList<int>({2, 133, kAsk}));
        QCOMPARE(Attr(kDispatch, "channel"), QStringLiteral("1"));
        // confirmed: it takes its scan-list place along and stops being the home group of
        // Base 01, which stays on channel 1
        QCOMPARE(Set(kDispatch, QStringLiteral("channel"), 2, 1), QList<int>({0, 0, 0}));
        QCOMPARE(Attr(kDispatch, "channel"), QStringLiteral("2"));
        QCOMPARE(Attr(kDispatch, "in_scan_list"), QStringLiteral("1"));
        QCOMPARE(Attr(kBase, "home_grp"), QString());
    }

    void scanListHoldsTen()
    {
        // channel 1 scans Dispatch and Maintenance; new public groups join until it holds 10
        CDataItem groups = Item(QStringLiteral("//dfns:PublicGroups"));
        for (int i = 0; i < 9; ++i) {
            CDataItem group;
            groups.AddNewChild(group);
            QVERIFY(!group.IsEmpty());
        }
        const QString scanned = QStringLiteral("//dfns:PublicGroup[@channel=1 and @in_scan_list=1]");
        const QString last = QStringLiteral("//dfns:PublicGroup[last()]");
        QCOMPARE(Count(scanned), 10);
        QCOMPARE(Attr(last, "in_scan_list"), QStringLiteral("0"));
        QCOMPARE(Set(last, QStringLiteral("in_scan_list"), true), QList<int>({1, 32102, kWarn}));
        // a scanned group moved there drops off the scan list, with a notice
        QCOMPARE(Set(kSecurity, QStringLiteral("channel"), 1, 1), QList<int>({0, 134, kInfo}));
        QCOMPARE(Attr(kSecurity, "in_scan_list"), QStringLiteral("0"));
        QCOMPARE(Count(scanned), 10);
    }

    void privateGroupChannelMove()
    {
        QCOMPARE(Set(kSupervisors, QStringLiteral("channel"), 3, 1), QList<int>({0, 0, 0}));
        QCOMPARE(Attr(kSupervisors, "channel"), QStringLiteral("3"));
        QCOMPARE(Count(QStringLiteral("//dfns:ParentPrivateGroup[@pid='4012091']")), 0);
        QCOMPARE(Attr(kBruno, "home_grp"), QString());
        // without members it is deleted without a question
        QCOMPARE(Remove(kSupervisors), QList<int>({0, 0, 0}));
        QCOMPARE(Count(kSupervisors), 0);
    }

    void privateChannelMove()
    {
        // Bruno is the only member of Supervisors: the group goes, his home group is cleared
        QCOMPARE(Set(kBruno, QStringLiteral("channel"), 1, 1), QList<int>({0, 0, 0}));
        QCOMPARE(Count(kSupervisors), 0);
        QCOMPARE(Attr(kBruno, "home_grp"), QString());
        QCOMPARE(Count(kBruno + QStringLiteral("/dfns:ParentPrivateGroups/*")), 0);
        // Night Shift keeps its other member
        QCOMPARE(Set(kAlice, QStringLiteral("channel"), 2, 1), QList<int>({0, 0, 0}));
        QCOMPARE(Count(kNight), 1);
        QCOMPARE(Count(QStringLiteral("//dfns:ParentPrivateGroup[@pid='4012090']")), 1);
    }

    void memberships()
    {
        const QString spareGroups = kSpare + QStringLiteral("/dfns:ParentPrivateGroups/dfns:ParentPrivateGroup");
        QCOMPARE(Join(kSpare, QStringLiteral("4012090")), QList<int>({0, 0, 0}));
        QCOMPARE(Join(kSpare, QStringLiteral("4012090")), QList<int>({0, 0, 0}));
        // another channel's group, or no group: refused, and no empty entry stays behind
        QCOMPARE(Join(kSpare, QStringLiteral("4012091")), QList<int>({1, 30012, kWarn}));
        QCOMPARE(Join(kSpare, QStringLiteral("4099999")), QList<int>({1, 30012, kWarn}));
        QCOMPARE(Count(spareGroups), 1);

        // five groups at most; a private home group counts as one
        QStringList pids;
        for (int i = 0; i < 5; ++i)
            pids << AddGroup().GetAttributeValue(QStringLiteral("pid")).toString();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(Join(kAlice, pids[i]), QList<int>({0, 0, 0}));
        QVERIFY(!Item(kAlice + QStringLiteral("/dfns:ParentPrivateGroups")).CanAddChild());
        QCOMPARE(Join(kAlice, pids[4]), QList<int>({-1}));
        QCOMPARE(Set(kAlice, QStringLiteral("home_grp"), pids[4]), QList<int>({1, 140, kWarn}));
        QCOMPARE(Set(kSpare, QStringLiteral("home_grp"), pids[4]), QList<int>({0, 0, 0}));
        QCOMPARE(Count(spareGroups), 2);
    }

    void membershipMovesAndLeaves()
    {
        const QString pid = AddGroup().GetAttributeValue(QStringLiteral("pid")).toString();
        const QString aliceEntry = kAlice + QStringLiteral("/dfns:ParentPrivateGroups/dfns:ParentPrivateGroup");
        const QString baseEntry = kBase + QStringLiteral("/dfns:ParentPrivateGroups/dfns:ParentPrivateGroup");
        // Alice moves from Night Shift, her home group, to the new group
        QCOMPARE(Set(aliceEntry, QStringLiteral("pid"), pid), QList<int>({0, 0, 0}));
        QCOMPARE(Attr(kAlice, "home_grp"), QString());
        // Base 01 is now the only member of Night Shift and cannot move
        QCOMPARE(Set(baseEntry, QStringLiteral("pid"), pid), QList<int>({1, 10106, kWarn}));
        // leaving the home group clears it
        QCOMPARE(Set(kAlice, QStringLiteral("home_grp"), pid), QList<int>({0, 0, 0}));
        QCOMPARE(Remove(aliceEntry), QList<int>({0, 0, 0}));
        QCOMPARE(Attr(kAlice, "home_grp"), QString());
        QCOMPARE(Count(aliceEntry), 0);
    }

    void changesAreFollowed()
    {
        QCOMPARE(Set(kSupervisors, QStringLiteral("pid"), QStringLiteral("4012060")), QList<int>({0, 0, 0}));
        QCOMPARE(Attr(kBruno + QStringLiteral("/dfns:ParentPrivateGroups/dfns:ParentPrivateGroup"), "pid"),
                 QStringLiteral("4012060"));
        QCOMPARE(Attr(kBruno, "home_grp"), QStringLiteral("4012060"));
        QCOMPARE(Set(kDispatch, QStringLiteral("pid"), QStringLiteral("17179869100")), QList<int>({0, 0, 0}));
        QCOMPARE(Attr(kBase, "home_grp"), QStringLiteral("17179869100"));
        QCOMPARE(Set(kAlice, QStringLiteral("pid"), QStringLiteral("4012055")), QList<int>({0, 0, 0}));
        QCOMPARE(Attr(kSetting, "call_forward_id"), QStringLiteral("4012055"));
        // private scroll-list entries follow a new name, also one that would break a query
        const QString quoted = QStringLiteral("O'Neil \"7\" ])");
        QCOMPARE(Set(kAlice, QStringLiteral("name"), quoted), QList<int>({0, 0, 0}));
        const QString renamed = QStringLiteral("//dfns:Private[@pid='4012055']");
        QCOMPARE(Set(renamed, QStringLiteral("name"), QStringLiteral("Alicia")), QList<int>({0, 0, 0}));
        QCOMPARE(Count(kBase + QStringLiteral("/dfns:scrolllist/dfns:list[@name='Alicia']")), 1);
        QCOMPARE(Count(kBase + QStringLiteral("/dfns:scrolllist/dfns:list")), 3);
    }

    void privateScrollList()
    {
        const QString aliceList = kAlice + QStringLiteral("/dfns:scrolllist/dfns:list");
        QCOMPARE(Set(kAlice, QStringLiteral("private_scroll_list"), true), QList<int>({2, 30011, kYesNo}));
        QCOMPARE(Attr(kAlice, "private_scroll_list"), QStringLiteral("0"));
        // Yes: started with the global scroll list
        QCOMPARE(Set(kAlice, QStringLiteral("private_scroll_list"), true, 6), QList<int>({0, 0, 0}));
        QStringList names;
        for (xmlNodePtr entry : ctx->doc->Select(nullptr, aliceList))
            names << GetAttr(entry, "name");
        QCOMPARE(names, QStringList({"Dispatch", "Security", "Night Shift", "Alice", "Bruno"}));
        // No: switched on with an empty list
        QCOMPARE(Set(kBruno, QStringLiteral("private_scroll_list"), true, 7), QList<int>({0, 0, 0}));
        QCOMPARE(Attr(kBruno, "private_scroll_list"), QStringLiteral("1"));
        QCOMPARE(Count(kBruno + QStringLiteral("/dfns:scrolllist/*")), 0);
        // switching off keeps the entries
        QCOMPARE(Set(kBase, QStringLiteral("private_scroll_list"), false), QList<int>({0, 0, 0}));
        QCOMPARE(Count(kBase + QStringLiteral("/dfns:scrolllist/*")), 3);

        // entries name existing contacts, each once
        CDataItem list = Item(kBruno + QStringLiteral("/dfns:scrolllist"));
        CDataItem entry, again, none;
        list.AddNewPriScrList(QStringLiteral("Yard & Gate"), entry);
        list.AddNewPriScrList(QStringLiteral("Yard & Gate"), again);
        list.AddNewPriScrList(QStringLiteral("Nobody"), none);
        QVERIFY(!entry.IsEmpty());
        QCOMPARE(again.Node(), entry.Node());
        QVERIFY(none.IsEmpty());
        QCOMPARE(Count(kBruno + QStringLiteral("/dfns:scrolllist/*")), 1);
    }

    void deletions_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QList<int>>("answer");  // to the first call (param 0)
        QTest::addColumn<QStringList>("gone");  // queries that find nothing afterwards
        QTest::addColumn<QStringList>("kept");  // queries that still find something

        QTest::newRow("public group") << kDispatch << QList<int>({0, 0, 0})
                                      << QStringList({kDispatch, "//dfns:Private[@home_grp='17179869183']",
                                                      "//dfns:list[@name='Dispatch']"})
                                      << QStringList({kBase});
        QTest::newRow("private group") << kNight << QList<int>({2, 141, kAsk})
                                       << QStringList({kNight, "//dfns:ParentPrivateGroup[@pid='4012090']",
                                                       "//dfns:Private[@home_grp='4012090']",
                                                       "//dfns:list[@name='Night Shift']"})
                                       << QStringList({kSpare, kAlice, kBase});
        QTest::newRow("only member") << kBruno << QList<int>({2, 142, kAsk}) << QStringList({kBruno, kSupervisors})
                                     << QStringList({kNight});
        QTest::newRow("one of two members")
            << kAlice << QList<int>({2, 142, kAsk})
            << QStringList({kAlice, "//dfns:list[@name='Alice']", "//dfns:setting[@call_forward_id='4012002']"})
            << QStringList({kNight, "//dfns:ParentPrivateGroup[@pid='4012090']"});
        QTest::newRow("no groups") << kChloe << QList<int>({0, 0, 0}) << QStringList({kChloe})
                                   << QStringList({"//dfns:PublicGroup[@pid='10000001']"});
        QTest::newRow("shares a group ID") << kSpare << QList<int>({0, 0, 0}) << QStringList({kSpare})
                                           << QStringList({kNight, "//dfns:ParentPrivateGroup[@pid='4012090']"});
        QTest::newRow("text") << kText << QList<int>({0, 0, 0}) << QStringList({"//dfns:TextMessage[@txt='On my way']"})
                              << QStringList({kText});
    }
    void deletions()
    {
        QFETCH(QString, node);
        QFETCH(QList<int>, answer);
        QFETCH(QStringList, gone);
        QFETCH(QStringList, kept);
        const int before = Count(QStringLiteral("//*"));
        QCOMPARE(Remove(node), answer);
        if (answer[0] == 2) {
            QCOMPARE(Count(QStringLiteral("//*")), before);  // a question changes nothing
            QCOMPARE(Remove(node, 1), QList<int>({0, 0, 0}));
        }
        for (const QString &query : gone)
            QVERIFY2(Count(query) == 0, qPrintable(query));
        for (const QString &query : kept)
            QVERIFY2(Count(query) > 0, qPrintable(query));
    }

    void canAddChild_data()
    {
        QTest::addColumn<QStringList>("limits");  // name=value on the limit element
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("expected");

        const QString pub = QStringLiteral("//dfns:PublicGroups"), prg = QStringLiteral("//dfns:PrivateGroups"),
                      prv = QStringLiteral("//dfns:Privates"), txt = QStringLiteral("//dfns:TextMessages");
        QTest::newRow("contacts room") << QStringList({"max_num_of_contacts=13"}) << prv << true;
        QTest::newRow("contacts full: private") << QStringList({"max_num_of_contacts=12"}) << prv << false;
        QTest::newRow("contacts full: public") << QStringList({"max_num_of_contacts=12"}) << pub << false;
        QTest::newRow("contacts full: group") << QStringList({"max_num_of_contacts=12"}) << prg << false;
        QTest::newRow("public room") << QStringList({"max_num_of_public_grps=6"}) << pub << true;
        QTest::newRow("public full") << QStringList({"max_num_of_public_grps=5"}) << pub << false;
        QTest::newRow("groups room") << QStringList({"max_num_of_private_grps=3"}) << prg << true;
        QTest::newRow("groups full") << QStringList({"max_num_of_private_grps=2"}) << prg << false;
        QTest::newRow("texts room") << QStringList({"max_num_of_predefined_msgs=5"}) << txt << true;
        QTest::newRow("texts full") << QStringList({"max_num_of_predefined_msgs=4"}) << txt << false;
        const QStringList used = {"valid_PID_start=4012001", "valid_PID_end=4012004"};
        QTest::newRow("no free private ID") << used << prv << false;
        QTest::newRow("no free group ID") << used << prg << false;
        QTest::newRow("no free bank ID") << QStringList({"public_grp_info_lst_size0=3", "public_grp_info_lst_size1=2"})
                                         << pub << false;
        QTest::newRow("bank start unknown")
            << QStringList({"public_grp_info_lst_size0=3", "public_grp_info_start_pid1=10000002"}) << pub << false;
        QTest::newRow("membership room") << QStringList() << kAlice + QStringLiteral("/dfns:ParentPrivateGroups")
                                         << true;
    }
    void canAddChild()
    {
        QFETCH(QStringList, limits);
        QFETCH(QString, list);
        QFETCH(bool, expected);
        for (const QString &limit : limits)
            SetLimit(limit.section(QLatin1Char('='), 0, 0).toUtf8().constData(), limit.section(QLatin1Char('='), 1));
        CDataItem item = Item(list);
        QCOMPARE(item.CanAddChild(), expected);
        CDataItem added;
        item.AddNewPriGrpPrivate(QStringLiteral("New"), added);
        QCOMPARE(!added.IsEmpty(), expected);  // adding agrees with the check
    }

    void newElementDefaults()
    {
        auto attributes = [](const CDataItem &item) {
            QStringList out;
            for (xmlAttrPtr a = item.Node()->properties; a; a = a->next)
                out << QString::fromUtf8(reinterpret_cast<const char *>(a->name)) + QLatin1Char('=') +
                        GetAttr(item.Node(), reinterpret_cast<const char *>(a->name));
            return out.join(QLatin1Char(' '));
        };
        CDataItem item;
        Item(QStringLiteral("//dfns:PublicGroups")).AddNewChild(item);
        QCOMPARE(
            attributes(item),
            QStringLiteral("cntct_type=2 name=Public 1 pid=17179869180 channel=1 in_scan_list=1 in_scroll_list=1"));
        Item(QStringLiteral("//dfns:PrivateGroups")).AddNewPriGrpPrivate(QStringLiteral("Group"), item);
        QCOMPARE(attributes(item), QStringLiteral("cntct_type=1 name=Group 1 pid=4000000 channel=1 in_scroll_list=1"));
        CDataItem privates = Item(QStringLiteral("//dfns:Privates"));
        privates.AddNewPriGrpPrivate(QStringLiteral("Private"), item);
        QCOMPARE(attributes(item),
                 QStringLiteral("cntct_type=0 name=Private 1 pid=4000001 channel=1 in_scroll_list=1 "
                                "alert_tone=1 home_grp= show_grp_only=0 id_in_use=1 see_all_groups=0 "
                                "mngr_mode=0 private_scroll_list=0"));
        QCOMPARE(item.GetChildCount(), 2);
        // default names skip names that resemble existing ones
        QCOMPARE(Set(kChloe, QStringLiteral("name"), QStringLiteral("PRIVATE 2")), QList<int>({0, 0, 0}));
        privates.AddNewPriGrpPrivate(QStringLiteral("Private"), item);
        QCOMPARE(item.GetAttributeValue(QStringLiteral("name")).toString(), QStringLiteral("Private 3"));
        Item(QStringLiteral("//dfns:TextMessages")).AddNewChild(item);
        QCOMPARE(attributes(item), QStringLiteral("txt=Message 1"));
    }

    void isEnabled_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<bool>("empty");  // remove the folder's children first
        QTest::addColumn<bool>("expected");
        QTest::newRow("privates") << "Privates"
                                  << "max_num_of_contacts" << false << true;
        QTest::newRow("groups in use, none allowed") << "PublicGroups"
                                                     << "max_num_of_public_grps" << false << true;
        QTest::newRow("no groups allowed") << "PrivateGroups"
                                           << "max_num_of_private_grps" << true << false;
        QTest::newRow("no texts allowed") << "TextMessages"
                                          << "max_num_of_predefined_msgs" << true << false;
    }
    void isEnabled()
    {
        QFETCH(QString, folder);
        QFETCH(QString, limit);
        QFETCH(bool, empty);
        QFETCH(bool, expected);
        CDataItem item = Item(QStringLiteral("//dfns:") + folder);
        QVERIFY(item.IsEnabled());
        SetLimit(limit.toUtf8().constData(), QStringLiteral("0"));
        if (empty)
            for (xmlNodePtr child : ElementChildren(item.Node()))
                ctx->doc->Detach(child);
        QCOMPARE(item.IsEnabled(), expected);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
