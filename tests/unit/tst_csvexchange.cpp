// CSV tables: the reader on the shapes spreadsheets write, the writer's quoting, and import and
// export of contacts and texts through the rule script.
#include "ContactExchange.h"
#include "CsvTable.h"
#include "FleetProfile.h"
#include "ModelTestSupport.h"
#include "RadioDataModel.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QMimeData>
#include <QStringEncoder>
#include <QtTest>

using namespace zqv;
using namespace zqv::test;

namespace {

QByteArray Utf16Le(const QString &text)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return encoder.encode(text);
}

// The rows of a report as "line+verdict" with runs of consecutive lines merged: "2-99N 100R".
QString Shape(const ImportReport &report)
{
    static const char letters[] = "NU=SPCR";
    QStringList parts;
    size_t i = 0;
    while (i < report.rows.size()) {
        size_t j = i;
        while (j + 1 < report.rows.size() && report.rows[j + 1].verdict == report.rows[i].verdict &&
               report.rows[j + 1].line == report.rows[j].line + 1)
            ++j;
        const QChar letter = QLatin1Char(letters[report.rows[i].verdict]);
        parts << (j == i ? QStringLiteral("%1%2").arg(report.rows[i].line).arg(letter)
                         : QStringLiteral("%1-%2%3").arg(report.rows[i].line).arg(report.rows[j].line).arg(letter));
        i = j + 1;
    }
    return parts.join(QLatin1Char(' '));
}

QString FirstRefusal(const ImportReport &report)
{
    if (!report.fileError.isEmpty())
        return report.fileError;
    for (const ImportRowResult &row : report.rows)
        if (row.verdict == ImportRowResult::Refused)
            return row.detail;
    return QString();
}

QString TemplatePath(const CTestInstallation &inst, const QString &name)
{
    return inst.Path(QStringLiteral("ProfileTemplate/%1.zqv").arg(name));
}

}  // namespace

class TestCsvExchange : public QObject {
    Q_OBJECT
private slots:
    void writeQuoting();
    void import_data();
    void import();
    void roundTrip_data();
    void roundTrip();
    void merge_data();
    void merge();
    void paste_data();
    void paste();

private:
    CTestInstallation m_inst;
};

// What the writer quotes, and that every such field reads back as it was.
void TestCsvExchange::writeQuoting()
{
    const std::vector<QStringList> rows{
        {QStringLiteral("plain"), QStringLiteral("a,b"), QStringLiteral("semi;colon"), QStringLiteral("say \"hi\"")},
        {QStringLiteral("two\r\nlines"), QStringLiteral(" padded "), QString(), QStringLiteral("Renée")},
    };
    const QByteArray bytes = CCsvTable::Write(rows);
    QCOMPARE(bytes,
             QByteArray("\xEF\xBB\xBFplain,\"a,b\",\"semi;colon\",\"say \"\"hi\"\"\"\r\n"
                        "\"two\r\nlines\",\" padded \",,Ren\xC3\xA9"
                        "e\r\n"));
    CCsvTable table;
    QCOMPARE(CCsvTable::Parse(bytes, table), CCsvTable::Status::Ok);
    QCOMPARE(table.Rows().size(), size_t(2));
    QCOMPARE(table.Rows()[0].fields, rows[0]);
    QCOMPARE(table.Rows()[1].fields, rows[1]);
    QCOMPARE(table.Rows()[1].line, 2);
}

void TestCsvExchange::import_data()
{
    QTest::addColumn<QString>("profile");  // a template
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("policy");
    QTest::addColumn<QString>("shape");  // the rows' lines and verdicts (Shape)
    QTest::addColumn<QString>("message");  // the file's refusal or the first row refusal
    QTest::addColumn<QString>("check");  // an XPath the profile then matches (empty: none)

    const int contacts = int(ExchangeKind::Contacts);
    const int skip = int(ClashPolicy::Skip);
    const QString standard = QStringLiteral("ZQ-450 Standard");
    QTest::newRow("semicolons and a byte-order mark")
        << standard << QByteArray("\xEF\xBB\xBFName;PID;Channel\r\nAnna;10000201;1\r\nBernd;10000202;2\r\n") << contacts
        << skip << "2-3N" << QString() << "//dfns:Private[@name='Bernd' and @channel='2']";
    QTest::newRow("CRLF, quoted comma and line break")
        << standard
        << QByteArray("Name,PID\r\n\"Smith, John\",10000201\r\n\"Two\r\nLines\",10000202\r\nZed,10000203\r\n")
        << contacts << skip << "2N 3R 5N" << LoadStr(IDS_NAME_NOT_ISO8859)
        << "//dfns:Private[@name='Smith, John' and @pid='10000201']";
    QTest::newRow("UTF-16") << standard << Utf16Le(QStringLiteral("Name,PID\r\nJürgen,10000201\r\n")) << contacts
                            << skip << "2N" << QString() << QString::fromUtf8("//dfns:Private[@name='Jürgen']");
    QTest::newRow("code page 1252") << standard
                                    << QByteArray("Name,PID\r\nRen\xE9"
                                                  "e,10000201\r\n")
                                    << contacts << skip << "2N" << QString()
                                    << QString::fromUtf8("//dfns:Private[@name='Renée']");
    QTest::newRow("header order and synonyms")
        << standard << QByteArray("Radio ID, channel ,NAME,ringer\n10000201,3,Anna,7\n") << contacts << skip << "2N"
        << QString() << "//dfns:Private[@name='Anna' and @pid='10000201' and @channel='3' and @alert_tone='7']";
    QTest::newRow("missing optional columns") << standard << QByteArray("Name\nOnly Name\n") << contacts << skip << "2N"
                                              << QString() << "//dfns:Private[@name='Only Name' and @pid]";
    QTest::newRow("empty file") << standard << QByteArray() << contacts << skip << QString() << LoadStr(IDS_CSV_EMPTY)
                                << QString();
    QTest::newRow("header only") << standard << QByteArray("Name,PID\r\n") << contacts << skip << QString() << QString()
                                 << QString();
    QByteArray many("Name,PID\n");
    for (int i = 0; i < 1000; ++i)
        many += QStringLiteral("Driver %1,%2\n").arg(i).arg(10000300 + i).toLatin1();
    // The template holds two contacts of the model's 100.
    QTest::newRow("1000 rows, more than the model holds")
        << standard << many << contacts << skip << "2-99N 100-1001R"
        << FormatStr(IDS_CSV_LIMIT_CONTACTS, {QStringLiteral("100")}) << "//dfns:Private[@name='Driver 97']";
    QTest::newRow("PID out of range") << standard << QByteArray("Name,PID\nFar,5\nNear,10000201\n") << contacts << skip
                                      << "2R 3N" << LoadStr(IDS_ID_NOT_VALID) << "//dfns:Private[@name='Near']";
    QTest::newRow("duplicate PID in the file")
        << standard << QByteArray("Name,PID\nOne,10000201\nTwo,10000201\n") << contacts << skip << "2N 3R"
        << FormatStr(IDS_CSV_DUPLICATE_PID, {QStringLiteral("10000201"), QStringLiteral("2")})
        << "//dfns:Private[@name='One']";
    QTest::newRow("binary garbage") << standard << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 20) << contacts
                                    << skip << QString() << LoadStr(IDS_CSV_NOT_TEXT) << QString();
    QTest::newRow("name too long") << standard << QByteArray("Name\nA name far longer than twenty\n") << contacts
                                   << skip << "2R" << FormatStr(IDS_NAME_TOO_LONG, {QStringLiteral("20")}) << QString();
    QTest::newRow("a file without a name column")
        << standard << QByteArray("Vorname,Nummer\nAnna,1\n") << contacts << skip << QString()
        << FormatStr(IDS_CSV_NO_COLUMN, {QStringLiteral("Name")}) << QString();
    // The template's own radio is "This Radio"; an update keeps it, a clash is the policy's.
    QTest::newRow("update by PID, nothing else touched")
        << standard << QByteArray("Name,PID,Channel\nThis Radio,10000101,\n") << contacts << skip << "2=" << QString()
        << "//dfns:Private[@name='This Radio']";
    QTest::newRow("clash skipped") << standard << QByteArray("Name,PID\nthis radio,10000201\n") << contacts << skip
                                   << "2S" << QString() << "//dfns:Privates[not(dfns:Private[@pid='10000201'])]";
    QTest::newRow("clash renamed") << standard << QByteArray("Name,PID\nthis radio,10000201\n") << contacts
                                   << int(ClashPolicy::Rename) << "2C" << QString()
                                   << "//dfns:Private[@name='this radio 2' and @pid='10000201']";
    QTest::newRow("clash replaced") << standard << QByteArray("Type,Name,PID,Channel\npublic group,PUBLIC 1,,4\n")
                                    << contacts << int(ClashPolicy::Replace) << "2P" << QString()
                                    << "//dfns:PublicGroup[@name='PUBLIC 1' and @channel='4']";
    QTest::newRow("group named by a member, on the wrong channel")
        << standard << QByteArray("Name,Channel,Member Of\nAnna,2,Nobody\nBea,1,\n") << contacts << skip << "2R 3N"
        << FormatStr(IDS_CSV_UNKNOWN_GROUP, {QStringLiteral("Nobody")})
        << "//dfns:Privates[not(dfns:Private[@name='Anna'])]";
    // The file says what the private scroll list holds: switching it on copies nothing.
    QTest::newRow("private scroll list on, empty")
        << standard << QByteArray("Name,Private Scroll List,Private Scroll List Contacts\nAnna,yes,\n") << contacts
        << skip << "2N" << QString()
        << "//dfns:Private[@name='Anna' and @private_scroll_list='1' and not(dfns:scrolllist/dfns:list)]";
    QByteArray texts("Message\n");
    for (int i = 0; i < 30; ++i)
        texts += QStringLiteral("Text %1\n").arg(i).toLatin1();
    QTest::newRow("texts over the limit")
        << standard << texts << int(ExchangeKind::Texts) << skip << "2-25N 26-31R"
        << FormatStr(IDS_CSV_LIMIT_TEXTS, {QStringLiteral("25")}) << "//dfns:TextMessage[@txt='Text 23']";
}

void TestCsvExchange::import()
{
    QFETCH(QString, profile);
    QFETCH(QByteArray, csv);
    QFETCH(int, kind);
    QFETCH(int, policy);
    QFETCH(QString, shape);
    QFETCH(QString, message);
    QFETCH(QString, check);
    CRadioDataModel model(m_inst.Environment());
    QVERIFY(model.LoadProfile(TemplatePath(m_inst, profile), true));
    const QString before = model.ProfileText();
    const ImportReport report = CContactExchange::Apply(model.RootItem(), csv, ExchangeKind(kind), ClashPolicy(policy));
    QCOMPARE(Shape(report), shape);
    QCOMPARE(FirstRefusal(report), message);
    if (!report.fileError.isEmpty() || !report.Changed())
        QCOMPARE(model.ProfileText(), before);
    if (!check.isEmpty())
        QVERIFY2(model.ProfileDocument()->SelectOne(nullptr, check), qPrintable(check));
}

void TestCsvExchange::roundTrip_data()
{
    QTest::addColumn<QString>("profile");
    for (const char *name : {"ZQ-210 Compact", "ZQ-450 Standard", "ZQ-880 Fleet"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// A full fleet exported and imported into a new profile of the same model gives the same
// contacts and texts; imported back into itself it changes nothing.
void TestCsvExchange::roundTrip()
{
    QFETCH(QString, profile);
    CRadioDataModel full(m_inst.Environment());
    QVERIFY(full.LoadProfile(TemplatePath(m_inst, profile), true));
    FillFleet(full);
    const QByteArray contacts = CContactExchange::ExportCsv(full.RootItem(), ExchangeKind::Contacts);
    const QByteArray texts = CContactExchange::ExportCsv(full.RootItem(), ExchangeKind::Texts);

    const QString before = full.ProfileText();
    for (const auto &[csv, kind] :
         {std::pair{contacts, ExchangeKind::Contacts}, std::pair{texts, ExchangeKind::Texts}}) {
        const ImportReport same = CContactExchange::Apply(full.RootItem(), csv, kind, ClashPolicy::Skip);
        QVERIFY2(!same.Changed() && !same.AnyRefused(), qPrintable(Shape(same) + FirstRefusal(same)));
    }
    QCOMPARE(full.ProfileText(), before);

    CRadioDataModel fresh(m_inst.Environment());
    QVERIFY(fresh.LoadProfile(TemplatePath(m_inst, profile), true));
    for (const auto &[csv, kind] :
         {std::pair{contacts, ExchangeKind::Contacts}, std::pair{texts, ExchangeKind::Texts}}) {
        const ImportReport report = CContactExchange::Apply(fresh.RootItem(), csv, kind, ClashPolicy::Skip);
        QVERIFY2(!report.AnyRefused(), qPrintable(Shape(report) + FirstRefusal(report)));
    }
    QCOMPARE(Entries(fresh.ProfileText()), Entries(before));
}

void TestCsvExchange::merge_data()
{
    QTest::addColumn<QString>("take");  // the kinds merged: c contacts, g groups, t texts, l lists, s settings
    QTest::addColumn<QString>("refusal");  // one of the refusals (empty: none)
    QTest::addColumn<QStringList>("checks");  // XPaths the merged profile matches

    // A full ZQ-450 fleet (contrast 6, one public group off its scan list) merged into a new
    // ZQ-210 (30 contacts, 10 texts, contrast 3).
    const QString offScan = QStringLiteral("//dfns:PublicGroup[@name='Pub, \"Zone\" 2' and @in_scan_list='%1']");
    QTest::newRow("everything but settings, into a smaller model")
        << "cgtl" << FormatStr(IDS_CSV_LIMIT_CONTACTS, {QStringLiteral("30")})
        << QStringList{"//dfns:setting[@contrast='3']", "/dfns:ZQVProfile[count(//dfns:Contacts/*/*) <= 30]",
                       "/dfns:ZQVProfile[count(//dfns:TextMessage) = 10]", offScan.arg(0)};
    QTest::newRow("settings only when asked")
        << "s" << QString()
        << QStringList{"//dfns:setting[@contrast='6']", "/dfns:ZQVProfile[count(//dfns:Contacts/*/*) = 2]"};
    // Without private contacts a private group can only stay on a channel that has one.
    QTest::newRow("groups without their lists")
        << "g" << LoadStr(IDS_PROGRAMMING_ERROR_135)
        << QStringList{offScan.arg(1), "//dfns:PrivateGroup[@name='Team 1 Night']",
                       "/dfns:ZQVProfile[not(//dfns:Private[@name='Kontakt 0; Renée'])]"};
}

// A merge brings what was chosen and nothing else; what the target model cannot hold is refused
// with the model's message.
void TestCsvExchange::merge()
{
    QFETCH(QString, take);
    QFETCH(QString, refusal);
    QFETCH(QStringList, checks);
    CRadioDataModel source(m_inst.Environment());
    QVERIFY(source.LoadProfile(TemplatePath(m_inst, QStringLiteral("ZQ-450 Standard")), true));
    FillFleet(source);
    Set(CDataItem(source.Context(), source.ProfileDocument()->SelectOne(nullptr, "//dfns:setting")), "contrast", "6");
    Set(CDataItem(source.Context(), source.ProfileDocument()->SelectOne(nullptr, "//dfns:PublicGroup[@channel='2']")),
        "in_scan_list", "0");
    CRadioDataModel target(m_inst.Environment());
    QVERIFY(target.LoadProfile(TemplatePath(m_inst, QStringLiteral("ZQ-210 Compact")), true));
    MergeOptions options{take.contains('c'), take.contains('g'), take.contains('t'),
                         take.contains('l'), take.contains('s'), ClashPolicy::Skip};
    const ImportReport report = CContactExchange::Merge(target.RootItem(), source.RootItem(), options);
    QStringList refusals;
    for (const ImportRowResult &row : report.rows)
        if (row.verdict == ImportRowResult::Refused)
            refusals << row.detail;
    QCOMPARE(refusals.isEmpty(), refusal.isEmpty());
    QVERIFY2(refusal.isEmpty() || refusals.contains(refusal), qPrintable(refusals.join('|')));
    for (const QString &check : checks)
        QVERIFY2(target.ProfileDocument()->SelectOne(nullptr, check), qPrintable(check));
}

void TestCsvExchange::paste_data()
{
    QTest::addColumn<QStringList>("items");  // names of the source's contacts and texts copied
    QTest::addColumn<QString>("target");  // a template, or "same" for the source itself
    QTest::addColumn<QString>("targetHas");  // g: a group "NIGHT CREW" on channel 1; s: a full scan list
    QTest::addColumn<QStringList>("leftOut");  // what the paste lists, "name: reason"
    QTest::addColumn<QString>("check");  // an XPath the target then matches

    const QString noGroup = FormatStr(IDS_CSV_UNKNOWN_GROUP, {QStringLiteral("Night Crew")});
    const QString fleet = QStringLiteral("ZQ-880 Fleet");
    QTest::newRow("membership and home group follow by name")
        << QStringList{"Anna"} << fleet << "g" << QStringList()
        << "//dfns:Private[@name='Anna' and @mngr_mode='1' and @home_grp = //dfns:PrivateGroup[@name='NIGHT "
           "CREW']/@pid and dfns:ParentPrivateGroups/dfns:ParentPrivateGroup/@pid = @home_grp]";
    QTest::newRow("a group the target lacks is left out, the contact goes in")
        << QStringList{"Anna"} << fleet << "" << QStringList{"Anna: " + noGroup}
        << "//dfns:Private[@name='Anna' and @home_grp='' and not(dfns:ParentPrivateGroups/*)]";
    QTest::newRow("into a smaller model")
        << QStringList{"Anna", "Far Away", "Chan Nine", "Back at base"} << "ZQ-210 Compact"
        << "g"
        << QStringList{"Anna: " + FormatStr(IDS_PASTE_NO_FEATURE, {QStringLiteral("Manager Mode")}),
                       "Far Away: " + LoadStr(IDS_ID_NOT_VALID), "Chan Nine: " + LoadStr(IDS_VALUE_NOT_VALID)}
        << "/dfns:ZQVProfile[//dfns:Private[@name='Anna' and @mngr_mode='0'] and "
           "//dfns:TextMessage[@txt='Back at base'] and not(//dfns:Private[@name='Far Away'])]";
    QTest::newRow("a full scan list") << QStringList{"Depot"} << fleet << "s"
                                      << QStringList{"Depot: " + LoadStr(IDS_SCAN_LIST_AT_MAXIMUM)}
                                      << "//dfns:PublicGroup[@name='Depot' and @in_scan_list='0']";
    QTest::newRow("the same profile: nothing doubled") << QStringList{"Anna", "Back at base"} << "same"
                                                       << "" << QStringList()
                                                       << "/dfns:ZQVProfile[count(//dfns:Private[@name='Anna']) = 1 "
                                                          "and count(//dfns:TextMessage[@txt='Back at base']) = 1]";
}

// Items copied from one profile and pasted into another go in through the rule script; what
// the target cannot take is listed, never dropped in silence.
void TestCsvExchange::paste()
{
    QFETCH(QStringList, items);
    QFETCH(QString, target);
    QFETCH(QString, targetHas);
    QFETCH(QStringList, leftOut);
    QFETCH(QString, check);
    CRadioDataModel source(m_inst.Environment());
    QVERIFY(source.LoadProfile(TemplatePath(m_inst, QStringLiteral("ZQ-880 Fleet")), true));
    CDataItem g;
    List(source, "PrivateGroups").AddNewPriGrpPrivate(QStringLiteral("Group"), g);
    Set(g, "name", "Night Crew");
    CDataItem pub;
    List(source, "PublicGroups").AddNewChild(pub);
    Set(pub, "name", "Depot");
    Set(pub, "pid", "17179869100");  // an ID no group of the target has
    Set(pub, "in_scan_list", "1");
    const char *people[][4] = {
        {"Anna", "10000201", "1", "1"}, {"Far Away", "10500000", "1", "0"}, {"Chan Nine", "10000203", "9", "0"}};
    for (const auto &person : people) {
        CDataItem p;
        List(source, "Privates").AddNewPriGrpPrivate(QStringLiteral("Private"), p);
        Set(p, "name", person[0]);
        Set(p, "pid", person[1]);
        Set(p, "channel", person[2]);
        Set(p, "mngr_mode", person[3]);
    }
    CDataItem anna(source.Context(), source.ProfileDocument()->SelectOne(nullptr, "//dfns:Private[@name='Anna']"));
    CDataItem holder;
    anna.GetChildByName(QStringLiteral("ParentPrivateGroups"), holder);
    CDataItem entry;
    holder.AddNewChild(entry);
    Set(entry, "pid", GetAttr(g.Node(), "pid"));
    Set(anna, "home_grp", GetAttr(g.Node(), "pid"));
    CDataItem text;
    List(source, "TextMessages").AddNewChild(text);
    Set(text, "txt", "Back at base");

    CRadioDataModel other(m_inst.Environment());
    CRadioDataModel &into = target == QLatin1String("same") ? source : other;
    if (&into == &other)
        QVERIFY(other.LoadProfile(TemplatePath(m_inst, target), true));
    if (targetHas.contains('g')) {
        CDataItem crew;
        List(into, "PrivateGroups").AddNewPriGrpPrivate(QStringLiteral("Group"), crew);
        Set(crew, "name", "NIGHT CREW");
    }
    for (int i = 0; targetHas.contains('s') && i < 10; ++i) {
        CDataItem full;
        List(into, "PublicGroups").AddNewChild(full);  // on channel 1's scan list while it has room
    }

    std::vector<xmlNodePtr> chosen;
    for (const QString &name : items)
        chosen.push_back(source.ProfileDocument()->SelectOne(
            nullptr, "//dfns:*[@cntct_type and @name=$n] | //dfns:TextMessage[@txt=$n]", {{"n", name}}));
    const ExchangeClip clip = CContactExchange::Copy(source.RootItem(), chosen);
    const QString before = into.ProfileText();
    const ImportReport report = CContactExchange::Paste(
        into.RootItem(), ExchangeClip::FromMimeData(std::unique_ptr<QMimeData>(clip.ToMimeData()).get()));
    QStringList listed;
    for (const ImportRowResult &row : report.rows)
        if (row.verdict == ImportRowResult::Refused)
            listed << row.name + ": " + row.detail;
        else if (!row.leftOut.isEmpty())
            listed << row.name + ": " + row.leftOut.join(' ');
    QCOMPARE(listed, leftOut);
    QCOMPARE(report.AnyLeftOut(), !leftOut.isEmpty());
    QVERIFY2(into.ProfileDocument()->SelectOne(nullptr, check), qPrintable(check));
    if (target == QLatin1String("same"))
        QCOMPARE(into.ProfileText(), before);
}

QTEST_MAIN(TestCsvExchange)
#include "tst_csvexchange.moc"
