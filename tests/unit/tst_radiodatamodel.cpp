// The radio data model: the rule script's file, the clone-compatibility check, adaptation of
// older setting groups on load and its removal or conversion on save, refusal of bad
// profiles without losing the loaded one, and the public-group bank table.
#include "ModelTestSupport.h"
#include "ProfilePatches.h"

#include "RadioDataModel.h"
#include "StringIds.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <sys/stat.h>

using namespace zqv;
using namespace zqv::test;

namespace {

QString G1Path()
{
    return FixturePath("g1/standard_g1.zqv");
}
QString G2Path()
{
    return FixturePath("g2/standard_g2.zqv");
}
QString G3Path()
{
    return FixturePath("profiles/valid_group3.zqv");
}
QString G3Text()
{
    return QString::fromUtf8(ReadBytes(G3Path()));
}

QString Attr(const CRadioDataModel &m, const char *element, const char *name)
{
    return GetAttr(m.ProfileDocument()->SelectOne(nullptr, QStringLiteral("//dfns:%1").arg(QLatin1String(element))),
                   name);
}

// The fields of a group-3 setting element and private contact (the shipped templates are
// group-3 profiles).
QStringList G3Names(const char *element)
{
    return AttributeNames(ReadProfileFile(QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate/ZQ-450 Standard.zqv")),
                          element);
}

}  // namespace

class TestRadioDataModel : public QObject {
    Q_OBJECT

    std::unique_ptr<CTestInstallation> inst;
    CScriptedPrompter prompter;

    std::unique_ptr<CRadioDataModel> NewModel()
    {
        return std::make_unique<CRadioDataModel>(inst->Environment(&prompter));
    }

private slots:
    void init()
    {
        inst = std::make_unique<CTestInstallation>();
        prompter.Clear();
    }

    void ruleScriptPlainOrScrambled()
    {
        const QString js = QString::fromUtf8(ReadBytes(inst->Path("ProfileTemplate/DataProfile.js")));
        QVERIFY(js.startsWith("\"use strict\""));
        for (int mode : {int(TEXT_MODE_UTF16), int(TEXT_MODE_CP1252), -1}) {
            if (mode >= 0) {
                QString scrambled = js;
                ScrambleText(scrambled, mode);
                WriteBytes(inst->Path("ProfileTemplate/DataProfile.js"), EncodeTextFile(scrambled, mode));
            }
            auto model = NewModel();
            QVERIFY(model->LoadProfile(G3Path(), true));
            QVERIFY(model->Context()->script->HasFunction("SetContactName"));
        }
    }

    void brokenOrMissingRuleScript()
    {
        WriteBytes(inst->Path("ProfileTemplate/DataProfile.js"), "\"use strict\";\nvar broken = ;\nfunction f() {}\n");
        QString trace;
        QCOMPARE(ThrownId([&] { NewModel()->LoadProfile(G3Path(), true); }, &trace), int(IDS_FATAL_ERROR_101));
        QVERIFY2(trace.contains("ParseScriptText failed"), qPrintable(trace));
        QVERIFY2(trace.contains("(CRadioDataModel::LoadProfile:"), qPrintable(trace));
        QCOMPARE(prompter.History().size(), size_t(1));
        QVERIFY2(prompter.Texts().first().contains("Line: 2"), qPrintable(prompter.Texts().first()));

        QFile::remove(inst->Path("ProfileTemplate/DataProfile.js"));
        QCOMPARE(ThrownId([&] { NewModel()->LoadProfile(G3Path(), true); }), int(IDS_FATAL_ERROR_REINSTALL));
    }

    void cloneCompatibilityByText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("thrown");
        QTest::addColumn<bool>("result");
        QTest::newRow("absent") << "<a x=\"1\"/>" << 0 << false;
        QTest::newRow("1") << "<a clone_compatibility_version=\"1\"/>" << 0 << true;
        QTest::newRow("3") << "<a clone_compatibility_version=\"3\"/>" << 0 << true;
        QTest::newRow("2") << "<a clone_compatibility_version=\"2\"/>" << int(IDS_RADIO_MODEL_UNSUPPORTED) << false;
        QTest::newRow("13") << "<a clone_compatibility_version=\"13\"/>" << int(IDS_RADIO_MODEL_UNSUPPORTED) << false;
        QTest::newRow("first one counts")
            << "<a clone_compatibility_version=\"3\" b:clone_compatibility_version=\"2\"/>" << 0 << true;
    }
    void cloneCompatibilityByText()
    {
        QFETCH(QString, text);
        QFETCH(int, thrown);
        bool result = false;
        QCOMPARE(ThrownId([&] { result = CRadioDataModel::ValidateProfile(text); }), thrown);
        QTEST(result, "result");
    }

    void group1GainsLaterFieldsAndGivesThemBack()
    {
        const QString original = ReadProfileFile(G1Path());
        auto model = NewModel();
        QVERIFY(model->LoadProfile(G1Path(), true));
        QCOMPARE(model->GetSettingGroup(), 1);
        QCOMPARE(model->GetCloneCompatibility(), 1);
        // the fields of groups 2 and 3, with their defaults
        QCOMPARE(Attr(*model, "setting", "password"), QString(""));
        QCOMPARE(Attr(*model, "setting", "tpt_offset"), QString("0"));
        QCOMPARE(Attr(*model, "setting", "noise_level_accessory"), QString("3"));
        QCOMPARE(Attr(*model, "setting", "noise_level_radio"), QString("3"));  // takes the accessory's
        QCOMPARE(AttributeNames(model->ProfileText(), "setting"), G3Names("setting"));
        QCOMPARE(AttributeNames(model->ProfileText(), "Private"), G3Names("Private"));
        QCOMPARE(model->ProfileDocument()->Select(nullptr, "//dfns:Private/dfns:scrolllist").size(), size_t(2));

        // saving without conversion: exactly the group-1 fields and values of the file
        model->TakeOffDoc(false);
        QCOMPARE(Entries(model->OperatingText()), Entries(original));

        // saving with conversion: exactly the group-3 fields, and a group-3 firmware version
        model->TakeOffDoc(true);
        model->ConvertToLatest();
        const QString converted = model->OperatingText();
        QCOMPARE(AttributeNames(converted, "setting"), G3Names("setting"));
        QCOMPARE(AttributeNames(converted, "Private"), G3Names("Private"));
        QCOMPARE(AttributeNames(converted, "version"), AttributeNames(original, "version"));
        auto doc = CXmlDocument::Parse(converted);
        xmlNodePtr version = doc->SelectOne(nullptr, "//dfns:version");
        QCOMPARE(GetAttr(version, "firmware_release"), QString("94"));
        QCOMPARE(GetAttr(version, "firmware_version"), QString("7"));
        QCOMPARE(GetAttr(version, "firmware_revision"), QString("0"));
        // the group-1 values are untouched
        QCOMPARE(Attr(*model, "setting", "current_time"),
                 GetAttr(doc->SelectOne(nullptr, "//dfns:setting"), "current_time"));
        auto fresh = NewModel();
        QVERIFY(fresh->LoadProfile(converted, false));
        QCOMPARE(fresh->GetSettingGroup(), 3);
        QVERIFY(fresh->AddList().empty());
    }

    // A group-1 profile that already carries the tag the adaptation adds (as a profile read
    // from a radio does) keeps one, opens, and saves back without it.
    void group1TagAlreadyPresentIsNotAddedTwice()
    {
        QString text = ReadProfileFile(G1Path());
        QVERIFY(text.contains("</Private>"));
        text.replace("</Private>", "<scrolllist/></Private>");
        auto model = NewModel();
        QVERIFY(model->LoadProfile(text, false));
        QCOMPARE(model->GetSettingGroup(), 1);
        QCOMPARE(model->ProfileDocument()->Select(nullptr, "//dfns:Private/dfns:scrolllist").size(), size_t(2));
        model->TakeOffDoc(false);
        QVERIFY(!model->OperatingText().contains("scrolllist"));
    }

    void group2GainsGroup3FieldsAndGivesThemBack()
    {
        const QString original = ReadProfileFile(G2Path());
        auto model = NewModel();
        QVERIFY(model->LoadProfile(G2Path(), true));
        QCOMPARE(model->GetSettingGroup(), 2);
        QCOMPARE(AttributeNames(model->ProfileText(), "setting"), G3Names("setting"));
        // a clone-3 radio starts with the clone part's default
        QCOMPARE(Attr(*model, "setting", "tpt_offset"), QString("5"));
        model->TakeOffDoc(false);
        QCOMPARE(Entries(model->OperatingText()), Entries(original));
        model->TakeOffDoc(true);
        QCOMPARE(AttributeNames(model->OperatingText(), "setting"), G3Names("setting"));
    }

    void latestGroupIsLeftAsItIs()
    {
        auto model = NewModel();
        QVERIFY(model->LoadProfile(G3Path(), true));
        QCOMPARE(model->GetSettingGroup(), 3);
        QVERIFY(model->AddList().empty());
        model->TakeOffDoc(false);
        QCOMPARE(Entries(model->OperatingText()), Entries(G3Text()));
        model->TakeOffDoc(true);
        QCOMPARE(Entries(model->OperatingText()), Entries(G3Text()));
    }

    void optionalFieldIsAddedOnlyWhenMissing()
    {
        // carried: kept with its value, in every group
        auto model = NewModel();
        QVERIFY(model->LoadProfile(G1Path(), true));
        QCOMPARE(Attr(*model, "setting", "current_time"), QString("1262304000"));
        // missing: gained with its default and kept on saving, converted or not
        QString text = G3Text();
        text.replace("current_time=\"1262304000\"", "");
        QVERIFY(model->LoadProfile(text, false));
        QCOMPARE(Attr(*model, "setting", "current_time"), QString("0"));
        model->TakeOffDoc(false);
        QVERIFY(AttributeNames(model->OperatingText(), "setting").contains("current_time"));
        QString g1 = ReadProfileFile(G1Path());
        g1.replace("current_time=\"1262304000\"", "");
        QVERIFY(model->LoadProfile(g1, false));
        model->TakeOffDoc(false);
        QVERIFY(AttributeNames(model->OperatingText(), "setting").contains("current_time"));
        QVERIFY(!AttributeNames(model->OperatingText(), "setting").contains("password"));
    }

    void badProfilesAreRefusedAndTheLoadedOneStays_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        const QByteArray g3 = ReadBytes(G3Path());
        for (const char *name : {"missing pid", "151 public groups", "setting before limit", "boolean as word",
                                 "six parents", "no namespace"})
            QTest::newRow(name) << InvalidProfile(name) << int(IDS_INVALID_PROFILE);
        QByteArray clone2 = g3;
        clone2.replace("clone_compatibility_version=\"3\"", "clone_compatibility_version=\"2\"");
        QTest::newRow("clone compatibility 2") << clone2 << int(IDS_RADIO_MODEL_UNSUPPORTED);
        QTest::newRow("truncated") << g3.left(g3.size() / 2) << int(IDS_INVALID_PROFILE);
        QTest::newRow("binary") << QByteArray("\xff\xfe\x00\xd8\x41\x00\x01\x02\x03garbage\x00", 18)
                                << int(IDS_INVALID_PROFILE);
        QTest::newRow("empty") << QByteArray() << int(IDS_INVALID_PROFILE);
        QByteArray many = g3;
        QByteArray groups;
        for (int i = 0; i < 200; ++i)
            groups += QStringLiteral("<PublicGroup cntct_type=\"2\" name=\"G%1\" pid=\"%2\" channel=\"1\" "
                                     "in_scan_list=\"0\" in_scroll_list=\"0\"/>")
                          .arg(i)
                          .arg(17179869183LL - i)
                          .toUtf8();
        many.replace(many.indexOf("<PublicGroups>") + 14,
                     many.indexOf("</PublicGroups>") - many.indexOf("<PublicGroups>") - 14, groups);
        QTest::newRow("200 contacts") << many << int(IDS_INVALID_PROFILE);
        // Each list within the schema's cap, but more contacts in all than a radio holds.
        QByteArray spread = g3;
        QByteArray publics, privates;
        for (int i = 0; i < 80; ++i) {
            publics += QStringLiteral("<PublicGroup cntct_type=\"2\" name=\"P%1\" pid=\"%2\" channel=\"1\" "
                                      "in_scan_list=\"0\" in_scroll_list=\"0\"/>")
                           .arg(i)
                           .arg(17179869183LL - i)
                           .toUtf8();
            privates +=
                QStringLiteral(
                    "<PrivateGroup cntct_type=\"1\" name=\"Q%1\" pid=\"%2\" channel=\"1\" in_scroll_list=\"0\"/>")
                    .arg(i)
                    .arg(4050000 + i)
                    .toUtf8();
        }
        spread.replace(spread.indexOf("<PublicGroups>") + 14,
                       spread.indexOf("</PublicGroups>") - spread.indexOf("<PublicGroups>") - 14, publics);
        spread.replace(spread.indexOf("<PrivateGroups>") + 15,
                       spread.indexOf("</PrivateGroups>") - spread.indexOf("<PrivateGroups>") - 15, privates);
        QTest::newRow("160 contacts over two lists") << spread << int(IDS_INVALID_PROFILE);
        // numbers the validator would take after collapsing white space
        for (const char *patch : {"contrast=\" 7\"", "tot_timer=\"&#9;60\"", "channel=\"3 \"", "in_scan_list=\" 1\""}) {
            QByteArray odd = g3;
            const QByteArray name = QByteArray(patch).left(QByteArray(patch).indexOf('='));
            const qsizetype at = odd.indexOf(" " + name + "=\"") + 1;
            odd.replace(at, odd.indexOf('"', odd.indexOf('"', at) + 1) - at + 1, patch);
            QTest::newRow(patch) << odd << int(IDS_INVALID_PROFILE);
        }
        QByteArray doctype = g3;
        doctype.replace("<ZQVProfile", "<!DOCTYPE z [<!ENTITY e SYSTEM 'file:///etc/passwd'>]><ZQVProfile");
        QTest::newRow("doctype") << doctype << int(IDS_INVALID_PROFILE);
    }
    void badProfilesAreRefusedAndTheLoadedOneStays()
    {
        QFETCH(QByteArray, bytes);
        auto model = NewModel();
        QVERIFY(model->LoadProfile(G1Path(), true));
        const QString before = model->ProfileText();
        const auto context = model->Context();
        const QString path = inst->Path("bad.zqv");
        WriteBytes(path, bytes);
        QString trace;
        QTEST(ThrownId([&] { model->LoadProfile(path, true); }, &trace), "code");
        if (model->Context() != context)
            QFAIL("the loaded profile was replaced");
        QCOMPARE(model->ProfileText(), before);
        QCOMPARE(model->GetSettingGroup(), 1);
        QVERIFY2(trace.contains("(CRadioDataModel::LoadProfile:"), qPrintable(trace));
        if (!trace.contains("clone_compatibility_version"))
            QVERIFY2(trace.contains("File='" + path + "'"), qPrintable(trace));
    }

    // Hostile sizes are refused before the parse, with a message naming the cap, fast. The
    // inputs are generated here, not kept in the repository.
    void hostileSizesAreRefusedFast_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("cap");
        const QByteArray g3 = ReadBytes(G3Path());
        auto crowded = [&](int attributes) {
            QByteArray extra;
            extra.reserve(attributes * 12);
            for (int i = 0; i < attributes; ++i)
                extra += " a" + QByteArray::number(i) + "=\"1\"";
            QByteArray bytes = g3;
            return bytes.insert(bytes.indexOf("<setting") + 8, extra);
        };
        const QString attributeCap = QString::number(kMaxAttributesPerElement);
        QTest::newRow("40,000 attributes") << crowded(40000) << int(IDS_PROFILE_TOO_MANY_ATTRIBUTES) << attributeCap;
        QTest::newRow("300,000 attributes") << crowded(300000) << int(IDS_PROFILE_TOO_MANY_ATTRIBUTES) << attributeCap;
        QTest::newRow("a few over the cap")
            << crowded(kMaxAttributesPerElement - 16) << int(IDS_PROFILE_TOO_MANY_ATTRIBUTES) << attributeCap;
        QByteArray tiny = g3.left(g3.indexOf("<TextMessages>"));
        const QByteArray element = "<x/>";
        tiny += element.repeated(50 * 1024 * 1024 / element.size());
        QTest::newRow("50 MB of tiny elements")
            << tiny << int(IDS_PROFILE_TOO_LARGE) << QString::number(kMaxProfileBytes / 1024);
    }
    void hostileSizesAreRefusedFast()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QFETCH(QString, cap);
        const QString path = inst->Path("hostile.zqv");
        WriteBytes(path, bytes);
        auto model = NewModel();
        QVERIFY(model->Initialize());
        QElapsedTimer timer;
        timer.start();
        try {
            model->LoadProfile(path, true);
            QFAIL("the profile was opened");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), code);
            QVERIFY2(e.MessageText().contains(cap), qPrintable(e.MessageText()));
        }
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!model->Context());
    }

    // The setting fields of a profile's group that the file lacks: refused on open, naming
    // the field, instead of a profile that cannot be checked or written.
    void missingSettingIsNamed_data()
    {
        QTest::addColumn<QString>("field");
        for (const char *field :
             {"password", "call_forward_id", "tpt_offset", "noise_level_accessory", "noise_level_radio",
              "prog_mode_dis", "internal_ptt_dis", "tx_timeout_timer_dis", "priv_grp_call_rep_dis"})
            QTest::newRow(field) << QString::fromLatin1(field);
    }
    void missingSettingIsNamed()
    {
        QFETCH(QString, field);
        QString text = G3Text();
        const QRegularExpression attribute(QStringLiteral("\\s%1=\"[^\"]*\"").arg(field));
        QCOMPARE(text.count(attribute), 1);
        text.remove(attribute);
        const QString path = inst->Path("incomplete.zqv");
        WriteBytes(path, text.toUtf8());
        auto model = NewModel();
        try {
            model->LoadProfile(path, true);
            QFAIL("the profile was opened");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_PROFILE_SETTING_MISSING));
            QVERIFY2(e.MessageText().contains(QLatin1Char('"') + field + QLatin1Char('"')),
                     qPrintable(e.MessageText()));
        }
    }

    // A FIFO given as a profile would block the open for ever; it is refused unopened.
    void onlyRegularFilesAreOpened()
    {
        const QString fifo = inst->Path("profile.zqv");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        auto model = NewModel();
        try {
            model->LoadProfile(fifo, true);
            QFAIL("the FIFO was opened");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_PROFILE_NOT_REGULAR_FILE));
            QVERIFY(e.MessageText().contains(fifo));
        }
    }

    // Plain XML as `show` and editors write it: UTF-8, with or without a byte-order mark, and
    // code page 1252 where the bytes are not UTF-8.
    void plainProfileEncodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray g3 = ReadBytes(G3Path());
        QByteArray utf8 = g3;
        utf8.replace("name=\"Alice\"",
                     "name=\"Ren\xC3\xA9"
                     "e\"");
        QTest::newRow("utf-8") << utf8;
        QTest::newRow("utf-8 with mark") << "\xEF\xBB\xBF" + utf8;
        QByteArray cp1252 = g3;
        cp1252.replace("name=\"Alice\"",
                       "name=\"Ren\xE9"
                       "e\"");
        QTest::newRow("code page 1252") << cp1252;
    }
    void plainProfileEncodings()
    {
        QFETCH(QByteArray, bytes);
        const QString path = inst->Path("plain.zqv");
        WriteBytes(path, bytes);
        auto model = NewModel();
        QVERIFY(model->LoadProfile(path, true));
        QVERIFY(model->ProfileDocument()->SelectOne(nullptr, QStringLiteral("//dfns:Private[@name = $n]"),
                                                    {{"n", QStringLiteral("Ren\u00E9e")}}));
    }

    void bankTable_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("top of the upper range") << "17179869183" << 10 << 1 << 10;
        QTest::newRow("lower range start") << "10000001" << 5 << 1298 << 1302;
        QTest::newRow("above the lower range") << "10000002" << 5 << 0 << -1;
        QTest::newRow("small PID") << "5" << 3 << 7 << 9;
        QTest::newRow("size 0") << "17179869183" << 0 << 0 << -1;
        QTest::newRow("below the upper range") << "17179867883" << 5 << 0 << -1;
    }
    void bankTable()
    {
        QFETCH(QString, start);
        QFETCH(int, size);
        QString text = G3Text();
        text.replace("public_grp_info_start_pid1=\"10000001\"", "public_grp_info_start_pid1=\"" + start + "\"");
        text.replace("public_grp_info_lst_size1=\"20\"", QStringLiteral("public_grp_info_lst_size1=\"%1\"").arg(size));
        auto model = NewModel();
        QVERIFY(model->LoadProfile(text, false));
        const auto &bank = model->Banks()[1];
        QCOMPARE(bank.size, size);
        QCOMPARE(bank.startPid, start);
        QTEST(int(bank.first), "first");
        QTEST(int(bank.last), "last");
        QCOMPARE(model->Banks()[0].first, 1);
        QCOMPARE(model->Banks()[0].last, 100);
        QCOMPARE(model->Banks()[2].last, -1);
    }

    void savingNeedsALoadedProfile()
    {
        QCOMPARE(ThrownId([&] { NewModel()->TakeOffDoc(false); }), int(IDS_SAVE_FORMAT_ERROR));
        QCOMPARE(ThrownId([&] { NewModel()->ConvertToLatest(); }), int(IDS_SAVE_FORMAT_ERROR));
    }
};

QTEST_GUILESS_MAIN(TestRadioDataModel)
#include "tst_radiodatamodel.moc"
