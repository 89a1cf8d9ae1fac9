// Setting groups: version numbers and spans, the merge of a group's working setting document
// with its failure paths, and the shipped UpDownGradeSetting.stv's three generations.
#include "ControlIds.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "ShellFixture.h"
#include "StringIds.h"
#include "ZQVCPSException.h"

#include <QRegularExpression>
#include <QTest>
#include <set>

using namespace zqv;

namespace {

QString Fixture(const char *name)
{
    QFile file(QStringLiteral(ZQV_FIXTURES_DIR "/settings/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return QString::fromUtf8(file.readAll());
}

QString Shipped()
{
    QFile file(QStringLiteral(ZQV_DATA_SOURCE_DIR "/lib/UpDownGradeSetting.stv"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

std::shared_ptr<CXmlDocument> Parse(const QString &text)
{
    auto doc = CXmlDocument::Parse(text);
    if (!doc)
        qFatal("test document does not parse");
    return doc;
}

// Control ids of the working document (root: the merged RegionCommon), by visibility.
struct Visibility {
    std::set<int> shown, hidden;
};
Visibility ControlsOf(const CXmlDocument &working)
{
    Visibility v;
    for (xmlNodePtr control : working.Select(nullptr, "/dfns:RegionCommon/dfns:*/dfns:Control")) {
        const int id = GetAttr(control, "ID").toInt();
        (GetAttr(control, "isVisible") == QLatin1String("1") ? v.shown : v.hidden).insert(id);
    }
    return v;
}

// The codeplug fields that exist after a build.
std::set<QString> FieldsOf(const CXmlDocument &merged)
{
    std::set<QString> fields;
    for (xmlNodePtr field :
         merged.Select(nullptr, "//dfns:CodePlugSetting/dfns:G1/dfns:RegionCommon/dfns:CPField[@isExist='1']"))
        fields.insert(GetAttr(field, "name"));
    return fields;
}

std::set<int> Ids(std::initializer_list<int> ids)
{
    return std::set<int>(ids);
}

}  // namespace

Q_DECLARE_METATYPE(std::set<int>)

class TestSettingsMerge : public QObject {
    Q_OBJECT
private slots:
    void versionNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("number");
        QTest::newRow("hex parts") << "0A.10.05" << qint64(101605);
        QTest::newRow("decimal-looking parts read as hex") << "01.10.05" << qint64(11605);
        QTest::newRow("default firmware") << "5E.08.00" << qint64(940800);
        QTest::newRow("a part that is not hex") << "ZZ.01.02" << qint64(102);
        QTest::newRow("empty") << "" << qint64(0);
    }
    void versionNumbers()
    {
        QFETCH(QString, text);
        QFETCH(qint64, number);
        QCOMPARE(ParseVersionNumber(text), number);
    }

    void groupOfVersion_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("group");
        const QString spans = Fixture("versions.stv");
        QTest::newRow("exact entry beats a later span") << spans << "01.20.00" << 2;
        QTest::newRow("exact entry beats an earlier span") << spans << "01.05.03" << 3;
        QTest::newRow("R phase") << spans << "R01.05.03" << 3;
        QTest::newRow("D phase") << spans << "D01.05.03" << 3;
        QTest::newRow("several phase letters") << spans << "DR01.05.03" << 3;
        QTest::newRow("first span in document order") << spans << "01.05.00" << 2;
        QTest::newRow("start bound inclusive") << spans << "01.00.00" << 2;
        QTest::newRow("only the later span") << spans << "01.10.00" << 3;
        QTest::newRow("end bound inclusive") << spans << "02.00.00" << 3;
        QTest::newRow("above every span") << spans << "02.00.01" << 0;
        QTest::newRow("below every span") << spans << "00.04.99" << 0;
        QTest::newRow("span end .99 does not reach the next version part") << spans << "00.06.10" << 0;
        QTest::newRow("inside span 1") << spans << "R00.05.99" << 1;
        const QString shipped = Shipped();
        QTest::newRow("shipped: first release") << shipped << "R5E.00.00" << 1;
        QTest::newRow("shipped: last of generation 1") << shipped << "R5E.03.99" << 1;
        QTest::newRow("shipped: first of generation 2") << shipped << "R5E.04.00" << 2;
        QTest::newRow("shipped: early generation 2") << shipped << "R5E.04.10" << 2;
        QTest::newRow("shipped: last of generation 2") << shipped << "D5E.06.99" << 2;
        QTest::newRow("shipped: early generation 3") << shipped << "R5E.07.10" << 3;
        QTest::newRow("shipped: default firmware") << shipped << "R5E.08.00" << 3;
        QTest::newRow("shipped: unknown later firmware") << shipped << "R5E.09.00" << 0;
        QTest::newRow("shipped: other family") << shipped << "R5D.08.00" << 0;
    }
    void groupOfVersion()
    {
        QFETCH(QString, document);
        QFETCH(QString, version);
        QFETCH(int, group);
        QCOMPARE(GetGroupByVersion(*Parse(document), version), group);
    }

    void mergeByGroup_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<std::set<int>>("shown");
        QTest::addColumn<std::set<int>>("hidden");
        QTest::addColumn<QStringList>("fields");
        // f_region: absent in the common part, present in group 1's region part; f_new only in
        // group 2's part; control 2 has no isVisible; control 4 only in group 1's region part.
        QTest::newRow("group 1") << 1 << Ids({1, 3, 4, 10, 11}) << Ids({2}) << QStringList{"f_base", "f_region"};
        QTest::newRow("group 2") << 2 << Ids({3, 4, 10, 11, 12, 13}) << Ids({1, 2})
                                 << QStringList{"f_base", "f_later", "f_new", "f_region"};
        QTest::newRow("group 3") << 3 << Ids({1, 3, 4, 10, 12}) << Ids({2}) << QStringList{"f_base", "f_later"};
    }
    void mergeByGroup()
    {
        QFETCH(int, group);
        QFETCH(std::set<int>, shown);
        QFETCH(std::set<int>, hidden);
        QFETCH(QStringList, fields);
        auto upgrade = Parse(Fixture("merge.stv"));
        const QByteArray before = upgrade->ToUtf8();
        const GroupSettingDocs docs = MergeGroupSettingDoc(*upgrade, group, "ZQV");
        QCOMPARE(NodeName(docs.working->Root()), QStringLiteral("RegionCommon"));
        const Visibility v = ControlsOf(*docs.working);
        QCOMPARE(v.shown, shown);
        QCOMPARE(v.hidden, hidden);
        const std::set<QString> got = FieldsOf(*docs.merged);
        QCOMPARE(QStringList(got.begin(), got.end()), fields);
        // The page query of the form views finds the controls in the working document.
        QVERIFY(!docs.working->Select(nullptr, "//dfns:PageA/dfns:*").empty());
        QCOMPARE(upgrade->ToUtf8(), before);  // builds work on a copy
    }

    void brokenEntriesStopTheBuild_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("messageId");
        QTest::addColumn<QString>("op");
        const QString both = QStringLiteral("CZQVCPSApp::MergeCpToBase");
        const QString codePlug = QStringLiteral("CZQVCPSApp::CodePlugMergeToBase");
        QTest::newRow("CPField without isExist")
            << "<CPField name=\"f_new\" isExist=\"1\">"
            << "<CPField name=\"f_new\">" << 2 << int(IDS_SETTING_NODE_INCORRECT) << codePlug;
        QTest::newRow("CPField without name")
            << "<CPField name=\"f_new\" isExist=\"1\">"
            << "<CPField isExist=\"1\">" << 2 << int(IDS_SETTING_NODE_INCORRECT) << codePlug;
        QTest::newRow("control in both parts")
            << "<Control ID=\"10\" RightView=\"PageA\"/>"
            << "<Control ID=\"1\" RightView=\"PageA\"/>" << 1 << int(IDS_SETTING_NODE_IN_BOTH_PARTS) << both;
        QTest::newRow("isExist not a number") << "<CPField name=\"f_later\" isExist=\"1\"/>\n        <!-- only"
                                              << "<CPField name=\"f_later\" isExist=\"yes\"/>\n        <!-- only" << 2
                                              << int(IDS_UNKNOWN_ERROR) << QString();
        QTest::newRow("control without RightView")
            << "<Control ID=\"13\" RightView=\"PageB\"/>"
            << "<Control ID=\"13\"/>" << 2 << int(IDS_UNKNOWN_ERROR) << QString();
        QTest::newRow("RightView of a missing page")
            << "<Control ID=\"13\" RightView=\"PageB\"/>"
            << "<Control ID=\"13\" RightView=\"PageC\"/>" << 2 << int(IDS_UNKNOWN_ERROR) << QString();
        QTest::newRow("control id not a number")
            << "<Control ID=\"10\" RightView=\"PageA\"/>"
            << "<Control ID=\"ten\" RightView=\"PageA\"/>" << 1 << int(IDS_UNKNOWN_ERROR) << QString();
        QTest::newRow("visible control id not a number")
            << "<Control ID=\"3\" isVisible=\"1\"/>"
            << "<Control ID=\"x3\" isVisible=\"1\"/>" << 1 << int(IDS_UNKNOWN_ERROR) << QString();
        QTest::newRow("region page missing in the base")
            << "<PageB><Control ID=\"4\" isVisible=\"1\"/></PageB>"
            << "<PageC><Control ID=\"4\" isVisible=\"1\"/></PageC>" << 1 << int(IDS_UNKNOWN_ERROR) << QString();
        QTest::newRow("group not in the document") << ""
                                                   << "" << 7 << int(IDS_UNKNOWN_ERROR) << QString();
        QTest::newRow("region part missing")
            << "<ZQV/>\n    </G2>\n    <G3>\n      <RegionCommon>\n        <CPField"
            << "</G2>\n    <G3>\n      <RegionCommon>\n        <CPField" << 2 << int(IDS_UNKNOWN_ERROR) << QString();
    }
    void brokenEntriesStopTheBuild()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, group);
        QFETCH(int, messageId);
        QFETCH(QString, op);
        QString text = Fixture("merge.stv");
        if (!from.isEmpty()) {
            QVERIFY2(text.count(from) == 1, qPrintable(from));
            text.replace(from, to);
        }
        try {
            MergeGroupSettingDoc(*Parse(text), group, "ZQV");
            QFAIL("the build must fail");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), messageId);
            if (!op.isEmpty()) {
                // The trace the user sees: one line, operation, location, message text.
                const QRegularExpression line(
                    QStringLiteral("^\\n\\(%1:\\d+\\) %2$")
                        .arg(QRegularExpression::escape(op), QRegularExpression::escape(LoadStr(messageId))));
                QVERIFY2(line.match(e.GetTrace()).hasMatch(), qPrintable(e.GetTrace()));
            }
        }
    }

    void failedBuildKeepsTheCurrentDocument()
    {
        CShellFixture fx;
        QString text = Fixture("merge.stv");
        text.replace("<CPField name=\"f_new\" isExist=\"1\">", "<CPField name=\"f_new\">");
        fx.WriteLib("UpDownGradeSetting.stv", text.toUtf8());
        QVERIFY(fx.Shell().Start());
        const auto working = fx.Shell().GetWorkingSettingDoc();
        QCOMPARE(fx.Shell().GetCurrentSettingGroup(), 3);

        QVERIFY(!fx.Shell().BuildGroupSettingDoc(2));  // 293: the trace text is shown
        QCOMPARE(fx.Shown().size(), 1);
        QVERIFY(fx.Shown().front().startsWith("\n(CZQVCPSApp::CodePlugMergeToBase:"));
        QVERIFY(fx.Shown().front().endsWith(LoadStr(IDS_SETTING_NODE_INCORRECT)));
        QVERIFY(!fx.Shell().BuildGroupSettingDoc(9));  // a broken document: message 106
        QCOMPARE(fx.Shown().back(), LoadStr(IDS_UNKNOWN_ERROR));
        QCOMPARE(fx.Shell().GetCurrentSettingGroup(), 3);
        QCOMPARE(fx.Shell().GetWorkingSettingDoc(), working);
        QCOMPARE(ControlsOf(*working).shown, Ids({1, 3, 4, 10, 12}));

        QVERIFY(fx.Shell().BuildGroupSettingDoc(1));
        QCOMPARE(fx.Shell().GetCurrentSettingGroup(), 1);
    }

    void buildsNeverAccumulate()
    {
        CShellFixture fx;
        QVERIFY(fx.Shell().Start());
        const QByteArray group3 = fx.Shell().GetWorkingSettingDoc()->ToUtf8();
        QByteArray group1;
        for (int group : {1, 2, 1}) {
            QVERIFY(fx.Shell().BuildGroupSettingDoc(group));
            if (group == 1 && group1.isEmpty())
                group1 = fx.Shell().GetWorkingSettingDoc()->ToUtf8();
        }
        QCOMPARE(fx.Shell().GetWorkingSettingDoc()->ToUtf8(), group1);
        QVERIFY(fx.Shell().BuildGroupSettingDoc(3));
        QCOMPARE(fx.Shell().GetWorkingSettingDoc()->ToUtf8(), group3);
        QVERIFY(fx.Shown().isEmpty());
    }

    void shippedGenerationsDiffer()
    {
        auto upgrade = Parse(Shipped());
        std::set<QString> fields[4];
        Visibility visibility[4];
        for (int group : {1, 2, 3}) {
            const GroupSettingDocs docs = MergeGroupSettingDoc(*upgrade, group, "ZQV");
            fields[group] = FieldsOf(*docs.merged);
            visibility[group] = ControlsOf(*docs.working);
            // A page names controls of its own view, each once; generation 3 names all of them
            // (older ones leave out the controls of fields they lack, which hides them).
            for (const FormViewControls &view : kFormViewControls) {
                const auto nodes = docs.working->Select(
                    nullptr, QStringLiteral("/dfns:RegionCommon/dfns:%1/dfns:Control").arg(view.page));
                std::multiset<int> onPage;
                for (xmlNodePtr node : nodes)
                    onPage.insert(GetAttr(node, "ID").toInt());
                const std::multiset<int> all(view.ids, view.ids + view.count);
                QVERIFY2(std::includes(all.begin(), all.end(), onPage.begin(), onPage.end()), view.page);
                if (group == 3)
                    QCOMPARE(onPage, all);
            }
        }
        // Each generation adds fields, none takes one away.
        QVERIFY(std::includes(fields[2].begin(), fields[2].end(), fields[1].begin(), fields[1].end()));
        QVERIFY(std::includes(fields[3].begin(), fields[3].end(), fields[2].begin(), fields[2].end()));
        QVERIFY(fields[1].size() < fields[2].size() && fields[2].size() < fields[3].size());
        for (const char *later : {"private_scroll_list", "password", "tpt_offset", "noise_level_accessory",
                                  "noise_level_radio", "call_forward_id"})
            QVERIFY2(!fields[1].count(later) && fields[3].count(later), later);
        QVERIFY(fields[2].count("password") && !fields[2].count("tpt_offset"));

        // Generation 3 has every attribute the profile schema declares.
        auto schema = Parse([] {
            QFile file(QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate/DataProfile.xsd"));
            file.open(QIODevice::ReadOnly);
            return QString::fromUtf8(file.readAll());
        }());
        schema->BindPrefix("xs", kXsdNamespace);
        for (xmlNodePtr attribute : schema->Select(nullptr, "//xs:attribute[@name]"))
            QVERIFY2(fields[3].count(GetAttr(attribute, "name")), qPrintable(GetAttr(attribute, "name")));

        // The controls follow the fields.
        QVERIFY(visibility[1].hidden.count(IDC_SETTINGS_PASSWORD) == 0 &&
                !visibility[1].shown.count(IDC_SETTINGS_PASSWORD));
        QVERIFY(visibility[2].shown.count(IDC_SETTINGS_PASSWORD) &&
                visibility[2].shown.count(IDC_SETTINGS_CONFIRM_PASSWORD));
        QVERIFY(!visibility[2].shown.count(IDC_SETTINGS_TPT_OFFSET) &&
                visibility[3].shown.count(IDC_SETTINGS_TPT_OFFSET));
        QVERIFY(!visibility[2].shown.count(IDC_PRIVATE_SCROLL_ENABLE) &&
                visibility[3].shown.count(IDC_PRIVATE_SCROLL_ENABLE));
        QVERIFY(visibility[1].shown.count(IDC_SETTINGS_CONTRAST) && visibility[3].shown.count(IDC_SETTINGS_CONTRAST));
    }
};

QTEST_GUILESS_MAIN(TestSettingsMerge)
#include "tst_settingsmerge.moc"
