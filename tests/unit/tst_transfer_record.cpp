// The record rules around a transfer, without a radio: counting, what a read tidies, the own
// contact's switches, and whether a profile fits a radio.
#include "LinkCodec.h"
#include "LinkTestSupport.h"
#include "StringTable.h"
#include "TransferRecord.h"

#include <QTest>

using namespace zqv;
using namespace zqv::link;
using namespace zqv::test;

class TestTransferRecord : public QObject {
    Q_OBJECT
private slots:

    void counters()
    {
        VirtualCPData r;
        r.contacts[0] = MakeContact("G", "30000001", 1);
        r.contacts[3] = MakeContact("P", "17179869183", 2);
        r.contacts[5] = MakeContact("A", "20000001", 0);
        r.contacts[6] = MakeContact("", "20000002", 0);  // no name: not counted, never sent
        r.texts[2] = QStringLiteral("x");
        RecountCounters(r);
        QCOMPARE(r.contact_count, 3);
        QCOMPARE(r.private_group_count, 1);
        QCOMPARE(r.public_group_count, 1);
        QCOMPARE(r.text_message_count, 1);
        QCOMPARE(FindContact(r, QStringLiteral("20000001"), 0), 5);
        QCOMPARE(FindContact(r, QStringLiteral("20000001"), 1), -1);
        QCOMPARE(FindContact(r, QStringLiteral("20000002"), 0), -1);
    }

    void tidyAfterRead_data()
    {
        QTest::addColumn<QStringList>("parents");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QStringList>("tidyParents");
        QTest::addColumn<QString>("tidyHome");
        // 31 and 32 are private groups, 90 a public group, 77 nothing known.
        QTest::newRow("all fine") << QStringList{"31", "32"} << "31" << QStringList{"31", "32", "", "", ""} << "31";
        QTest::newRow("a public group is no parent")
            << QStringList{"31", "90"} << "90" << QStringList{"31", "", "", "", ""} << "90";
        QTest::newRow("unknown parent and home are dropped")
            << QStringList{"77", "32"} << "77" << QStringList{"", "32", "", "", ""} << "";
        QTest::newRow("a private home takes the first free slot")
            << QStringList{"90", "31"} << "32" << QStringList{"32", "31", "", "", ""} << "32";
        QTest::newRow("no free slot for the home")
            << QStringList{"31", "31", "31", "31", "31"} << "32" << QStringList{"31", "31", "31", "31", "31"} << "32";
    }
    void tidyAfterRead()
    {
        QFETCH(QStringList, parents);
        QFETCH(QString, home);
        VirtualCPData r;
        r.limit.max_num_of_contacts = 4;
        r.contacts[0] = MakeContact("G1", "31", 1);
        r.contacts[1] = MakeContact("G2", "32", 1);
        r.contacts[2] = MakeContact("P", "90", 2);
        r.contacts[3] = MakeContact("A", "20000001", 0, parents, home.toLatin1().constData());
        r.contacts[4] = MakeContact("B", "20000002", 0, {"77"}, "77");  // beyond max_num_of_contacts
        TidyPrivateContacts(r);
        QStringList got(r.contacts[3].parent_pid.begin(), r.contacts[3].parent_pid.end());
        QTEST(got, "tidyParents");
        QTEST(r.contacts[3].home_grp, "tidyHome");
        QCOMPARE(r.contacts[4].parent_pid[0], QStringLiteral("77"));
        QCOMPARE(r.contacts[4].home_grp, QStringLiteral("77"));
    }

    void ownContactFlags()
    {
        VirtualCPData r;
        r.limit.pid = QStringLiteral("20000001");
        r.contacts[0] = MakeContact("Me", "20000001", 0);
        r.contacts[1] = MakeContact("Other", "20000002", 0);
        r.contacts[0].contact_flags_b = r.contacts[1].contact_flags_b = CFB_SEE_ALL_GROUPS;
        r.setting.setting_flags = SF_MNGR_MODE | SF_SEE_ALL_GRPS;
        r.limit.limit_flags = LF_MNGR_MODE_EN;  // see-all-groups is not a feature of this radio
        ApplyOwnContactFlags(r);
        QCOMPARE(r.contacts[0].contact_flags_b, std::uint8_t(CFB_MNGR_MODE));
        QCOMPARE(r.contacts[1].contact_flags_b, std::uint8_t(CFB_SEE_ALL_GROUPS));

        // Before a write the switches follow the own contact, where the radio has the feature.
        r.contacts[0].contact_flags_b = CFB_MNGR_MODE | CFB_SEE_ALL_GROUPS;
        r.setting.setting_flags = SF_TIME_FORMAT;
        ApplyOwnSettingFlags(r);
        QCOMPARE(r.setting.setting_flags, std::uint32_t(SF_TIME_FORMAT | SF_MNGR_MODE));
        r.limit.pid = QStringLiteral("20000009");  // not in the profile: both off
        ApplyOwnSettingFlags(r);
        QCOMPARE(r.setting.setting_flags, std::uint32_t(SF_TIME_FORMAT));
    }

    void recordsToSend()
    {
        VirtualCPData r;
        r.limit.max_num_of_contacts = 6;
        r.limit.max_num_of_private_grps = 2;
        r.limit.max_num_of_public_grps = 1;
        r.limit.max_num_of_predefined_msgs = 2;
        r.contacts[0] = MakeContact("A", "20000001", 0);
        r.contacts[1] = MakeContact("P1", "17179869183", 2);
        r.contacts[2] = MakeContact("G1", "31", 1);
        r.contacts[3] = MakeContact("P2", "17179869182", 2);
        r.contacts[5] = MakeContact("G2", "32", 1);
        r.contacts[6] = MakeContact("G3", "33", 1);
        r.contacts[7] = MakeContact("B", "20000002", 0);
        r.contacts[8] = MakeContact("C", "20000003", 0);
        r.contacts[9] = MakeContact("D", "20000004", 0);
        // Private groups, public groups, private contacts; each up to its limit; the whole list
        // cut to max_num_of_contacts.
        QCOMPARE(ContactsToSend(r), (std::vector<int>{2, 5, 1, 0, 7, 8}));
        r.limit.max_num_of_contacts = 20;
        QCOMPARE(ContactsToSend(r), (std::vector<int>{2, 5, 1, 0, 7, 8, 9}));
        r.texts[1] = QStringLiteral("one");
        r.texts[4] = QStringLiteral("two");
        r.texts[9] = QStringLiteral("three");
        QCOMPARE(TextsToSend(r), (std::vector<int>{1, 4}));  // numbered 1, 2: no gaps
    }

    void profileFitsRadio_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("fits");
        QTest::newRow("as is") << "" << true;
        QTest::newRow("public group outside the blocks") << "foreign-public" << false;
        QTest::newRow("too many private groups") << "private-groups" << false;
        QTest::newRow("too many public groups") << "public-groups" << false;
        QTest::newRow("too many private contacts") << "privates" << false;
        QTest::newRow("too many texts") << "texts" << false;
        QTest::newRow("a feature the radio lacks") << "feature" << false;
        QTest::newRow("a feature the profile lacks is fine") << "radio-feature" << true;
        QTest::newRow("radio disables vibracall") << "vibracall" << false;
    }
    void profileFitsRadio()
    {
        QFETCH(QString, change);
        VirtualCPData r;
        VirtualCPLimit radio;  // default block: 17179869084..17179869183
        radio.max_num_of_contacts = 5;
        radio.max_num_of_private_grps = 1;
        radio.max_num_of_public_grps = 2;
        radio.max_num_of_predefined_msgs = 1;
        radio.limit_flags = LF_CALL_FORWARD_EN;
        r.limit.limit_flags = LF_CALL_FORWARD_EN;
        r.contacts[0] = MakeContact("G1", "31", 1);
        r.contacts[1] = MakeContact("P1", "17179869183", 2);
        r.contacts[2] = MakeContact("P2", "17179869084", 2);
        r.contacts[3] = MakeContact("A", "20000001", 0);
        r.contacts[4] = MakeContact("B", "20000002", 0);
        r.texts[0] = QStringLiteral("t");
        if (change == "foreign-public")
            r.contacts[2].pid = QStringLiteral("17179869083");
        else if (change == "private-groups")
            r.contacts[5] = MakeContact("G2", "32", 1);
        else if (change == "public-groups")
            r.contacts[5] = MakeContact("P3", "17179869100", 2);
        else if (change == "privates")
            r.contacts[5] = MakeContact("C", "20000003", 0);
        else if (change == "texts")
            r.texts[3] = QStringLiteral("u");
        else if (change == "feature")
            r.limit.limit_flags |= LF_SMS_COMPOSE_MESGS_EN;
        else if (change == "radio-feature")
            radio.limit_flags |= LF_SMS_COMPOSE_MESGS_EN | LF_MNGR_MODE_EN;
        else if (change == "vibracall")
            radio.limit_flags |= LF_VIBRACALL_DIS;
        RecountCounters(r);
        QTEST(CheckFits(r, radio), "fits");
        if (change == "foreign-public") {
            // The group the radio cannot hold is dropped from what will be sent.
            QCOMPARE(r.contacts[2].cntct_type, kEmptySlot);
            QCOMPARE(r.contact_count, 4);
            QCOMPARE(r.public_group_count, 1);
        }
    }
};

QTEST_MAIN(TestTransferRecord)
#include "tst_transfer_record.moc"
