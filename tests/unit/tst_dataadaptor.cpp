// Profile text <-> radio image: the exact text written for a radio read, lossless round trips,
// the private scroll list of the radio being written, the fixed slot counts, and bad input.
#include "DataAdaptor.h"
#include "ModelTestSupport.h"
#include "StringIds.h"

using namespace zqv;
using namespace zqv::test;

namespace {

QString ReadProfileFixture(const char *name)
{
    return QString::fromUtf8(ReadBytes(FixturePath(QStringLiteral("profiles/") + QLatin1String(name))));
}

VirtualCPContact Contact(int type, const QString &name, const QString &pid, int channel, std::uint8_t flagsA,
                         std::uint8_t flagsB = 0)
{
    VirtualCPContact c;
    c.cntct_type = static_cast<std::uint8_t>(type);
    c.name = name;
    c.pid = pid;
    c.channel = static_cast<std::uint8_t>(channel);
    c.contact_flags_a = flagsA;
    c.contact_flags_b = flagsB;
    return c;
}

// A small radio image with text that needs escaping, a gap in the contact slots and parent
// groups in slots 1 and 3.
VirtualCPData SampleRecord()
{
    VirtualCPData r;
    VirtualCPLimit &l = r.limit;
    l.pid = "4012001";
    l.valid_PID_start = "4000000";
    l.valid_PID_end = "4099999";
    l.bank[0].pid_name = "Harbour & \"Dock\"";
    l.bank[1] = {"10000001", "Depot", 20};
    l.model = "ZK41";
    l.clone_compatibility_version = 3;
    l.max_num_of_contacts = 150;
    l.max_num_of_private_grps = 20;
    l.max_num_of_public_grps = 60;
    l.max_num_of_predefined_msgs = 25;
    l.max_num_of_channels = 16;
    l.max_vol_level = 7;
    l.num_of_languages = 2;
    l.language_id = {0, 4};
    l.limit_flags = LF_MNGR_MODE_EN | LF_TX_TOT_EN | LF_OTA_CLONE_RX_EN | 0x1u;  // bit 0 has no attribute
    VirtualCPSetting &s = r.setting;
    s.password = "4711";
    s.contrast = 3;
    s.backlight = 10000;
    s.vibracall = 2;
    s.tot_timer = 60;
    s.current_time = 1262304000;
    s.alarm_time = 25200;
    s.ringer_vol_level = 4;
    s.speaker_vol_level = 5;
    s.keypad_vol_level = 2;
    s.alarm_vol_level = 6;
    s.earpiece_vol_level = 3;
    s.call_forward_id = "4012002";
    s.tpt_offset = 2;
    s.noise = 0x32;
    s.setting_flags = SF_TIME_FORMAT | SF_SCAN_EN | SF_PROG_MODE_DIS;
    r.contacts[0] = Contact(2, "Yard & Gate", "17179869183", 1, CFA_IN_SCAN_LIST | CFA_IN_SCROLL_LIST);
    // slot 1 stays empty (type 255)
    r.contacts[2] = Contact(1, "Night <Shift>", "4012090", 1, CFA_IN_SCROLL_LIST);
    r.contacts[3] = Contact(0, "O'Brien", "4012002", 2, CFA_ID_IN_USE | CFA_SHOW_GRP_ONLY, CFB_MNGR_MODE);
    r.contacts[3].alert_tone = 3;
    r.contacts[3].home_grp = "4012090";
    r.contacts[3].parent_pid[1] = "4012090";
    r.contacts[3].parent_pid[3] = "4012091";
    r.texts[0] = "On my way";
    r.texts[2] = "5 > 3 & 'ok'";
    return r;
}

const char kSampleText[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\" ?><ZQVProfile xmlns=\"urn:corvane:zqv-cps:profile\">"
    "\r\n\t<version\r\n\tfirmware_phase=\"R\"\r\n\tfirmware_release=\"94\"\r\n\tfirmware_version=\"8\""
    "\r\n\tfirmware_revision=\"0\"\r\n\tcodeplug_version=\"16\"\r\n\tcodeplug_structure=\"3\""
    "\r\n\tcodeplug_dev_version=\"5\"\r\n\t/>"
    "\r\n\t<limit\r\n\tpid=\"4012001\"\r\n\tvalid_PID_start=\"4000000\"\r\n\tvalid_PID_end=\"4099999\""
    "\r\n\tstarting_public_grp_pid=\"17179869183\"\r\n\tpublic_grp_list_size=\"100\""
    "\r\n\tpublic_grp_info_start_pid0=\"17179869183\"\r\n\tpublic_grp_info_pid_name0=\"Harbour &amp; &quot;Dock&quot;\""
    "\r\n\tpublic_grp_info_lst_size0=\"100\""
    "\r\n\tpublic_grp_info_start_pid1=\"10000001\"\r\n\tpublic_grp_info_pid_name1=\"Depot\"\r\n\tpublic_grp_info_lst_"
    "size1=\"20\""
    "\r\n\tpublic_grp_info_start_pid2=\"0\"\r\n\tpublic_grp_info_pid_name2=\"\"\r\n\tpublic_grp_info_lst_size2=\"0\""
    "\r\n\tpublic_grp_info_start_pid3=\"0\"\r\n\tpublic_grp_info_pid_name3=\"\"\r\n\tpublic_grp_info_lst_size3=\"0\""
    "\r\n\tmodel=\"ZK41\"\r\n\tclone_compatibility_version=\"3\"\r\n\tmax_num_of_contacts=\"150\""
    "\r\n\tmax_num_of_private_grps=\"20\"\r\n\tmax_num_of_public_grps=\"60\"\r\n\tmax_num_of_predefined_msgs=\"25\""
    "\r\n\tmax_num_of_channels=\"16\"\r\n\tmax_vol_level=\"7\"\r\n\tnum_of_languages=\"2\""
    "\r\n\tmngr_mode_en=\"1\"\r\n\tsee_all_groups_en=\"0\"\r\n\tvibracall_dis=\"0\"\r\n\tpublic_scan_en=\"0\""
    "\r\n\tprvt_call_rec_dis=\"0\"\r\n\tsms_compose_mesgs_en=\"0\"\r\n\tsms_free_form_mesgs_en=\"0\""
    "\r\n\tsms_mesgs_rx_en=\"0\"\r\n\tsms_mesgs_tx_en=\"0\"\r\n\tprvt_call_ret_en=\"0\"\r\n\tprvt_call_tx_en=\"0\""
    "\r\n\tcall_forward_en=\"0\"\r\n\tadd_prvt_contacts_en=\"0\"\r\n\tadd_prvt_grp_en=\"0\"\r\n\ttx_tot_en=\"1\""
    "\r\n\tota_clone_rx_en=\"1\"\r\n\tremote_disable_rx_en=\"0\"\r\n\tremote_monitor_rx_en=\"0\""
    "\r\n\tota_time_update_rx_en=\"0\"\r\n\tota_clone_tx_en=\"0\"\r\n\tremote_disable_en=\"0\""
    "\r\n\tremote_monitor_en=\"0\"\r\n\tota_time_update_en=\"0\"\r\n\tstatic_ergo_flag2=\"0\">"
    "\r\n\t<languages>\r\n\t<language language_id=\"0\" />\r\n\t<language language_id=\"4\" />"
    "\r\n\t</languages>\r\n\t</limit>"
    "\r\n\t<setting\r\n\tpassword=\"4711\"\r\n\tcontrast=\"3\"\r\n\tbacklight=\"10000\"\r\n\tvibracall=\"2\""
    "\r\n\ttot_timer=\"60\"\r\n\tcurrent_time=\"1262304000\"\r\n\talarm_time=\"25200\"\r\n\tringer_vol_level=\"4\""
    "\r\n\tspeaker_vol_level=\"5\"\r\n\tkeypad_vol_level=\"2\"\r\n\talarm_vol_level=\"6\"\r\n\tearpiece_vol_level=\"3\""
    "\r\n\tlanguage=\"0\"\r\n\tcall_forward_id=\"4012002\"\r\n\ttpt_offset=\"2\"\r\n\tnoise_level_accessory=\"3\""
    "\r\n\tnoise_level_radio=\"2\"\r\n\ttime_format=\"1\"\r\n\tdate_format=\"0\"\r\n\tsee_all_grps=\"0\""
    "\r\n\tscan_en=\"1\"\r\n\talarm_en=\"0\"\r\n\tmngr_mode=\"0\"\r\n\tcall_fwd_en=\"0\"\r\n\tis_disabled=\"0\""
    "\r\n\tprog_mode_dis=\"1\"\r\n\tinternal_ptt_dis=\"0\"\r\n\ttx_timeout_timer_dis=\"0\""
    "\r\n\tpriv_grp_call_rep_dis=\"0\"\r\n\t/>\n\r"
    "\n\r<Contacts> <PublicGroups>"
    "\r\n\t<PublicGroup\r\n\tcntct_type=\"2\"\r\n\tname=\"Yard &amp; Gate\"\r\n\tpid=\"17179869183\"\r\n\tchannel=\"1\""
    "\r\n\tin_scan_list=\"1\"\r\n\tin_scroll_list=\"1\"\r\n\t/>"
    "</PublicGroups><PrivateGroups>"
    "\r\n\t<PrivateGroup\r\n\tcntct_type=\"1\"\r\n\tname=\"Night "
    "&lt;Shift&gt;\"\r\n\tpid=\"4012090\"\r\n\tchannel=\"1\""
    "\r\n\tin_scroll_list=\"1\"\r\n\t/>"
    "</PrivateGroups><Privates>"
    "\r\n\t<Private\r\n\tcntct_type=\"0\"\r\n\tname=\"O'Brien\"\r\n\tpid=\"4012002\"\r\n\tchannel=\"2\""
    "\r\n\tin_scroll_list=\"0\"\r\n\talert_tone=\"3\"\r\n\thome_grp=\"4012090\"\r\n\tshow_grp_only=\"1\""
    "\r\n\tid_in_use=\"1\"\r\n\tsee_all_groups=\"0\"\r\n\tmngr_mode=\"1\"\r\n\tprivate_scroll_list=\"0\">"
    "<ParentPrivateGroups><ParentPrivateGroup pid =\"4012090\" /><ParentPrivateGroup pid =\"4012091\" />"
    "</ParentPrivateGroups><scrolllist/></Private>"
    "</Privates></Contacts>"
    "\r\n<TextMessages>\r\n\t<TextMessage txt=\"On my way\" />\r\n\t<TextMessage txt=\"5 &gt; 3 &amp; 'ok'\" />"
    "\r\n\t</TextMessages></ZQVProfile>";

// A record in which every field the profile carries has a value of its own.
VirtualCPData FullRecord()
{
    VirtualCPData r = SampleRecord();
    r.firmware_phase = 'D';
    r.firmware_release = 0xA1;
    r.firmware_version = 7;
    r.firmware_revision = 9;
    r.codeplug_structure = 4;
    r.codeplug_version = 17;
    r.codeplug_dev_version = 250;
    for (int i = 0; i < 4; ++i)
        r.limit.bank[i] = {QString::number(17179869183LL - 1000 * i), QStringLiteral("Bank <%1>").arg(i),
                           std::uint8_t(10 + i)};
    r.limit.num_of_languages = 6;
    r.limit.language_id = {9, 8, 7, 6, 5, 255};
    r.limit.limit_flags = 0;
    for (int i = 0; i < 23; i += 2)
        r.limit.limit_flags |= kLimitFlagAttributes[i].mask;
    r.setting.setting_flags = 0;
    for (int i = 1; i < 12; i += 2)
        r.setting.setting_flags |= kSettingFlagAttributes[i].mask;
    r.setting.backlight = 4294967295u;
    r.setting.language = 4;
    for (int i = 0; i < profile::kMaxContacts; ++i) {
        const int type = i < 50 ? 2 : (i < 100 ? 1 : 0);
        // names in collation order within each list, so the normalising sort keeps the slots
        VirtualCPContact c = Contact(type, QStringLiteral("C%1 \"x\" & y").arg(i, 3, 10, QLatin1Char('0')),
                                     QString::number(4000000 + i), i % 16, 0);
        if (type == 2)
            c.contact_flags_a = std::uint8_t((i & 1 ? CFA_IN_SCAN_LIST : 0) | (i & 2 ? CFA_IN_SCROLL_LIST : 0));
        if (type == 1)
            c.contact_flags_a = std::uint8_t(i & 1 ? CFA_IN_SCROLL_LIST : 0);
        if (type == 0) {
            c.contact_flags_a = std::uint8_t(i & 0x07);
            c.contact_flags_b = std::uint8_t((i & 8 ? CFB_SEE_ALL_GROUPS : 0) | (i & 16 ? CFB_MNGR_MODE : 0));
            c.alert_tone = std::uint8_t(i);
            c.home_grp = i % 3 ? QString::number(4000050 + i % 50) : QString();
            for (int p = 0; p < i % 6; ++p)
                c.parent_pid[p] = QString::number(4000050 + p);
        }
        r.contacts[i] = c;
    }
    for (int i = 0; i < profile::kMaxTextMessages; ++i)
        r.texts[i] = QStringLiteral("Msg %1 <%2>").arg(QChar('A' + i)).arg(i);
    return r;
}

VirtualCPData FromText(const QString &text, const QString &ownPid = QString())
{
    VirtualCPData r;
    CDataAdaptor::XML2VirtualCP(text, r, ownPid);
    return r;
}

QString ContactsBlock(int count, const char *element = "PublicGroup")
{
    QString out;
    for (int i = 0; i < count; ++i)
        out += QStringLiteral("<%1 cntct_type=\"2\" name=\"G%2\" pid=\"%3\" channel=\"1\" in_scan_list=\"0\" "
                              "in_scroll_list=\"0\"/>")
                   .arg(QLatin1String(element))
                   .arg(i)
                   .arg(17179869183LL - i);
    return out;
}

}  // namespace

class TestDataAdaptor : public QObject {
    Q_OBJECT
private slots:
    void writesTheExactTextOfARadioRead()
    {
        QString text;
        QCOMPARE(CDataAdaptor::VirtualCP2XML(SampleRecord(), text), 1);
        if (text != QLatin1String(kSampleText)) {
            const QString expected = QString::fromUtf8(kSampleText);
            int i = 0;
            while (i < text.size() && i < expected.size() && text[i] == expected[i])
                ++i;
            QFAIL(qPrintable(QStringLiteral("differs at %1: got '%2' expected '%3'")
                                 .arg(i)
                                 .arg(text.mid(i, 40), expected.mid(i, 40))));
        }
    }

    void emptyRecordStillHasEveryList()
    {
        QString text;
        CDataAdaptor::VirtualCP2XML(VirtualCPData(), text);
        QVERIFY(text.contains(
            "<Contacts> <PublicGroups></PublicGroups><PrivateGroups></PrivateGroups><Privates></Privates></Contacts>"));
        QVERIFY(text.endsWith("\r\n<TextMessages>\r\n\t</TextMessages></ZQVProfile>"));
        // a fresh record reads back as itself
        QCOMPARE(FromText(text), VirtualCPData());
    }

    void readingPacksSlotsAndKeepsUnnamedBits()
    {
        QString text;
        CDataAdaptor::VirtualCP2XML(SampleRecord(), text);
        VirtualCPData back;
        back.limit.limit_flags = 0x000080FEu;  // bits without an attribute
        back.setting.setting_flags = 0x00A1FFFFu & ~SF_INTERNAL_PTT_DIS;  // idem for settings
        CDataAdaptor::XML2VirtualCP(text, back);

        QCOMPARE(back.limit.limit_flags, std::uint32_t(LF_MNGR_MODE_EN | LF_TX_TOT_EN | LF_OTA_CLONE_RX_EN | 0x80FEu));
        QCOMPARE(back.setting.setting_flags,
                 std::uint32_t(SF_TIME_FORMAT | SF_SCAN_EN | SF_PROG_MODE_DIS | (0x00A1FFFFu & ~SF_INTERNAL_PTT_DIS)));
        // the empty slot 1 is gone: public groups, private groups, private contacts, packed
        QCOMPARE(back.contacts[0].name, QString("Yard & Gate"));
        QCOMPARE(back.contacts[1].name, QString("Night <Shift>"));
        QCOMPARE(back.contacts[2].name, QString("O'Brien"));
        QCOMPARE(back.contacts[3].cntct_type, kEmptySlot);
        // parent groups of slots 1 and 3 come back packed, in slot order
        QCOMPARE(back.contacts[2].parent_pid[0], QString("4012090"));
        QCOMPARE(back.contacts[2].parent_pid[1], QString("4012091"));
        QVERIFY(back.contacts[2].parent_pid[2].isEmpty());
        QCOMPARE(back.contacts[2].contact_flags_b, std::uint8_t(CFB_MNGR_MODE));
        QCOMPARE(back.texts[1], QString("5 > 3 & 'ok'"));
        QCOMPARE(back.limit.bank[0].pid_name, QString("Harbour & \"Dock\""));
    }

    void roundTripIsLosslessForEveryProfileField()
    {
        const VirtualCPData original = FullRecord();
        QString text;
        CDataAdaptor::VirtualCP2XML(original, text);
        QString sorted = text;
        CDataAdaptor::SortProfileText(sorted);
        for (const QString &t : {text, sorted}) {
            const VirtualCPData back = FromText(t);
            QCOMPARE(back.limit, original.limit);
            QCOMPARE(back.setting, original.setting);
            for (int i = 0; i < profile::kMaxContacts; ++i)
                QVERIFY2(back.contacts[i] == original.contacts[i], qPrintable(QString::number(i)));
            QCOMPARE(back.texts, original.texts);
            QVERIFY(back == original);
        }
        // and text -> record -> text gives the same text again
        QString again;
        CDataAdaptor::VirtualCP2XML(FromText(text), again);
        QCOMPARE(again, text);
    }

    void noiseNibbles()
    {
        VirtualCPData r;
        r.setting.set_noise_levels(3, 2);
        QCOMPARE(r.setting.noise, std::uint8_t(0x32));
        QString text;
        CDataAdaptor::VirtualCP2XML(r, text);
        QVERIFY(text.contains("noise_level_accessory=\"3\"\r\n\tnoise_level_radio=\"2\""));
        // values above a nibble keep their low four bits
        text.replace("noise_level_accessory=\"3\"", "noise_level_accessory=\"19\"");
        text.replace("noise_level_radio=\"2\"", "noise_level_radio=\"255\"");
        QCOMPARE(FromText(text).setting.noise, std::uint8_t(0x3F));
    }

    // A number is unsigned decimal digits; anything else fails the conversion (106) instead
    // of reaching the radio as 0 or as the digits before it.
    void numbersAreReadStrictly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("thrown");
        QTest::addColumn<int>("contrast");
        QTest::addColumn<bool>("flag");
        QTest::newRow("plain") << "7" << 0 << 7 << true;
        QTest::newRow("leading zeros") << "007" << 0 << 7 << true;
        QTest::newRow("too wide keeps low bits") << "300" << 0 << 44 << false;
        QTest::newRow("even is clear") << "2" << 0 << 2 << false;
        for (const char *bad : {" 7", "\t7", "7 ", "12x", "x1", "", "-1", "+7", "0x7"})
            QTest::newRow(qPrintable(QStringLiteral("refused '%1'").arg(QLatin1String(bad))))
                << QString::fromLatin1(bad) << int(IDS_UNKNOWN_ERROR) << 0 << false;
    }
    void numbersAreReadStrictly()
    {
        QFETCH(QString, value);
        QFETCH(int, thrown);
        for (const char *attribute : {"contrast", "scan_en"}) {
            QString text = ReadProfileFixture("valid_group3.zqv");
            QVERIFY(text.contains("contrast=\"3\"") && text.contains("scan_en=\"1\""));
            text.replace(QStringLiteral("%1=\"%2\"")
                             .arg(QLatin1String(attribute), attribute == QLatin1String("contrast") ? "3" : "1"),
                         QStringLiteral("%1=\"%2\"").arg(QLatin1String(attribute), value));
            VirtualCPData r;
            QString trace;
            QCOMPARE(ThrownId([&] { r = FromText(text); }, &trace), thrown);
            if (thrown) {
                QVERIFY2(trace.contains(QLatin1String(attribute)), qPrintable(trace));
                continue;
            }
            if (attribute == QLatin1String("contrast"))
                QTEST(int(r.setting.contrast), "contrast");
            else
                QTEST((r.setting.setting_flags & SF_SCAN_EN) != 0, "flag");
        }
    }

    void privateScrollListOfTheRadioBeingWritten()
    {
        const QString text = ReadProfileFixture("valid_group3.zqv");
        auto inScrollList = [](const VirtualCPData &r) {
            QStringList names;
            for (const auto &c : r.contacts)
                if (!c.IsEmpty() && (c.contact_flags_a & CFA_IN_SCROLL_LIST))
                    names << c.name;
            return names;
        };
        // Base 01 (4012001) has its own list: Dispatch, Alice, Night Shift
        QCOMPARE(inScrollList(FromText(text, "4012001")), QStringList({"Dispatch", "Night Shift", "Alice"}));
        // without the radio's PID, or for a radio without a private list, the global list stands
        const QStringList global({"Dispatch", "Security", "Night Shift", "Alice", "Bruno"});
        QCOMPARE(inScrollList(FromText(text)), global);
        QCOMPARE(inScrollList(FromText(text, "4012002")), global);
        QCOMPARE(inScrollList(FromText(text, "99")), global);
        // the caller's text is not changed
        QVERIFY(text.contains(
            "name=\"Security\"\n\tpid=\"17179869181\"\n\tchannel=\"2\"\n\tin_scan_list=\"1\"\n\tin_scroll_list=\"1\""));
    }

    void privateScrollListNamesWithQuotes()
    {
        QString text = ReadProfileFixture("valid_group3.zqv");
        text.replace("<list name=\"Dispatch\"/><list name=\"Alice\"/><list name=\"Night Shift\"/>",
                     "<list name=\"Say &quot;Hi&quot;\"/><list name=\"&quot;Quoted' both\"/><list name=\"Nobody\"/>");
        text.replace("name=\"Dispatch\"", "name=\"Say &quot;Hi&quot; again\"");
        text.replace("name=\"Maintenance\"", "name=\"Say &quot;Hi&quot;\"");
        text.replace("name=\"Security\"", "name=\"&quot;Quoted' both\"");
        const auto doc = CDataAdaptor::CopyPrvtScrlLst(text, "4012001");
        QStringList listed;
        for (xmlNodePtr c : doc->Select(nullptr, "//dfns:*[@cntct_type and @in_scroll_list = 1]"))
            listed << GetAttr(c, "name");
        QCOMPARE(listed, QStringList({"Say \"Hi\"", "\"Quoted' both"}));
    }

    void neverStoresPastTheSlots()
    {
        QString text = ReadProfileFixture("valid_group3.zqv");
        // 200 public groups, 30 texts, 8 languages: more than a radio holds
        const int start = text.indexOf("<PublicGroups>") + int(strlen("<PublicGroups>"));
        text.replace(start, text.indexOf("</PublicGroups>") - start, ContactsBlock(200));
        text.replace("</TextMessages>", QString("<TextMessage txt=\"t\"/>").repeated(30) + "</TextMessages>");
        text.replace("</languages>", QString("<language language_id=\"9\"/>").repeated(8) + "</languages>");
        const VirtualCPData r = FromText(text);
        for (const auto &c : r.contacts)
            QCOMPARE(c.cntct_type, std::uint8_t(2));
        QCOMPARE(r.contacts[149].name, QString("G149"));
        QCOMPARE(r.texts[24], QString("t"));
        QCOMPARE(r.limit.language_id[5], std::uint8_t(9));
    }

    void parentsBeyondFiveAreNotStored()
    {
        QString text = ReadProfileFixture("valid_group3.zqv");
        QString parents;
        for (int i = 1; i <= 7; ++i)
            parents += QStringLiteral("<ParentPrivateGroup pid=\"%1\"/>").arg(i);
        text.replace("<ParentPrivateGroups><ParentPrivateGroup pid =\"4012091\" />", "<ParentPrivateGroups>" + parents);
        const VirtualCPData r = FromText(text);
        const auto &bruno = r.contacts[9];  // 5 public + 2 private groups, then Base 01, Alice, Bruno
        QCOMPARE(bruno.name, QString("Bruno"));
        QCOMPARE(bruno.parent_pid, (std::array<QString, 5>{"1", "2", "3", "4", "5"}));
    }

    void commentsBetweenEntriesDoNotEndALists()
    {
        QString text = ReadProfileFixture("valid_group3.zqv");
        text.replace("<TextMessage txt=\"Call dispatch\" />", "<!-- kept --><TextMessage txt=\"Call dispatch\" />");
        text.replace("</PrivateGroups>", "<!-- end --></PrivateGroups>");
        const VirtualCPData r = FromText(text);
        QCOMPARE(r.texts[3], QString::fromUtf8("Büro geschlossen"));
        QCOMPARE(r.contacts[7].name, QString("Base 01"));
    }

    void badInputThrowsWithoutCrashing_data()
    {
        QTest::addColumn<QString>("text");
        QString noModel = ReadProfileFixture("valid_group3.zqv");
        noModel.replace("model=\"ZK41\"", "");
        QTest::newRow("missing required attribute") << noModel;
        QString noPassword = ReadProfileFixture("valid_group3.zqv");
        noPassword.replace("password=\"4711\"", "");
        QTest::newRow("missing setting of a later group") << noPassword;
        QString noParentPid = ReadProfileFixture("valid_group3.zqv");
        noParentPid.replace("<ParentPrivateGroup pid =\"4012091\" />", "<ParentPrivateGroup/>");
        QTest::newRow("parent without pid") << noParentPid;
        QTest::newRow("truncated") << ReadProfileFixture("valid_group3.zqv").left(3000);
        QTest::newRow("binary") << QString::fromLatin1("\x01\x02\xff\xfe\x00garbage", 12);
        QTest::newRow("no limit") << QString(
            "<ZQVProfile xmlns=\"urn:corvane:zqv-cps:profile\"><version firmware_phase=\"R\" "
            "firmware_release=\"1\" firmware_version=\"1\" firmware_revision=\"1\" "
            "codeplug_version=\"1\" codeplug_structure=\"1\" codeplug_dev_version=\"1\"/></ZQVProfile>");
    }
    void badInputThrowsWithoutCrashing()
    {
        QFETCH(QString, text);
        QString trace;
        QCOMPARE(ThrownId([&] { FromText(text, "4012001"); }, &trace), int(IDS_UNKNOWN_ERROR));
        QVERIFY2(trace.contains("ErrorMsg: "), qPrintable(trace));
        QVERIFY2(trace.contains("(CDataAdaptor::XML2VirtualCP:"), qPrintable(trace));
    }

    void normalisingSortOrdersEveryList()
    {
        VirtualCPData r;
        const char *names[] = {"Zeta",
                               "alpha",
                               "\xc3\x89"
                               "clair",
                               "Beta",
                               "\xc3\x8b"
                               "tre",
                               "Zz"};
        int slot = 0;
        for (int type : {0, 1, 2})
            for (const char *n : names) {
                r.contacts[slot] = Contact(type, QString::fromUtf8(n), QString::number(100 + slot), 1, 0);
                ++slot;
            }
        for (int i = 0; i < 6; ++i)
            r.texts[i] = QString::fromUtf8(names[i]);
        QString text;
        CDataAdaptor::VirtualCP2XML(r, text);
        CDataAdaptor::SortProfileText(text);
        const VirtualCPData sorted = FromText(text);
        const QStringList expected = QString::fromUtf8("alpha,Beta,\xc3\x89"
                                                       "clair,Zeta,Zz,\xc3\x8b"
                                                       "tre")
                                         .split(',');
        for (int list = 0; list < 3; ++list)
            for (int i = 0; i < 6; ++i)
                QCOMPARE(sorted.contacts[list * 6 + i].name, expected[i]);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(sorted.texts[i], expected[i]);
    }
};

QTEST_GUILESS_MAIN(TestDataAdaptor)
#include "tst_dataadaptor.moc"
