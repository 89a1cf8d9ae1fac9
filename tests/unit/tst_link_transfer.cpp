// The transfer operations against the simulated radio run in-process: what a read yields, what
// a write sends and in which order, the questions, cancel, the failure paths (each reported
// once), capture, and the transfer lock.
#include "LinkCodec.h"
#include "LinkTestSupport.h"
#include "StringTable.h"
#include "TransferRecord.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <atomic>

using namespace zqv;
using namespace zqv::link;
using namespace zqv::test;

namespace {

// The contacts of one type in slot order, as the radio holds them: their records on the wire.
QList<QByteArray> OfType(const VirtualCPData &r, int type)
{
    QList<QByteArray> out;
    for (const VirtualCPContact &c : r.contacts) {
        QByteArray bytes;
        if (c.cntct_type == type && EncodeContact(c, bytes))
            out << bytes;
    }
    return out;
}

// Collects the request log of a simulated radio.
struct CRequestLog {
    explicit CRequestLog(CRadioSim &sim)
    {
        sim.onRequest = [this](const QString &line) {
            std::lock_guard<std::mutex> lock(mutex);
            lines << line;
        };
    }
    QStringList Commands() const
    {
        QStringList out;
        for (const QString &l : lines)
            out << l.left(2);
        return out;
    }
    std::mutex mutex;
    QStringList lines;
};

}  // namespace

class TestLinkTransfer : public QObject {
    Q_OBJECT
private slots:
    // ---- operations against the simulated radio ----

    void readFullRadio()
    {
        CRadioSim sim;
        sim.memory = CRadioSim::FullRadio();
        CRecordingObserver obs;
        VirtualCPData target;
        QCOMPARE(SimTransfer(sim, &obs)->ReadRadio(target), 1);
        QCOMPARE(obs.Progress(), (std::vector<int>{20, 40, 60, 80}));
        QCOMPARE(obs.Events().back(), (CRecordingObserver::Event{'s', 0}));
        for (int i = 0; i < profile::kMaxContacts; ++i)
            QVERIFY2(target.contacts[i] == sim.memory.contacts[i], qPrintable(QString::number(i)));
        QCOMPARE(target.texts, sim.memory.texts);
        QCOMPARE(target.setting, sim.memory.setting);
        QCOMPARE(target.limit, sim.memory.limit);
        QCOMPARE(target, sim.memory);
    }

    void readEmptyRadio()
    {
        CRadioSim sim;
        sim.memory = CRadioSim::EmptyRadio();
        CRecordingObserver obs;
        VirtualCPData target;
        target.texts[0] = QStringLiteral("old");
        QCOMPARE(SimTransfer(sim, &obs)->ReadRadio(target), 1);
        QCOMPARE(obs.Progress(), (std::vector<int>{20, 40, 60, 80}));
        QCOMPARE(target, sim.memory);
    }

    // A read never reports success with records missing.
    void readListMustBeWhole_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("data");  // replaces the reply data after the letter
        QTest::addColumn<int>("result");
        QTest::newRow("another index than asked") << 0x30 << 3 << QByteArray("\x04\x96", 2) << -8;
        QTest::newRow("the total changes") << 0x30 << 3 << QByteArray("\x03\x95", 2) << -8;
        QTest::newRow("the list ends early") << 0x30 << 3 << QByteArray("\x00\x00", 2) << -8;
        QTest::newRow("first reply not record 1") << 0x30 << 0 << QByteArray("\x02\x96", 2) << -8;
        QTest::newRow("more records than slots") << 0x30 << 0 << QByteArray("\x01\x97", 2) << -8;
        QTest::newRow("texts: ends early") << 0x32 << 25 << QByteArray("\x00\x00", 2) << -8;
        QTest::newRow("no index and total") << 0x32 << 2 << QByteArray("\x02", 1) << -8;
        QTest::newRow("record cut short") << 0x32 << 2
                                          << QByteArray("\x02\x19"
                                                        "abc",
                                                        5)
                                          << -8;
        QTest::newRow("first reply with total 0 is the empty list") << 0x32 << 0 << QByteArray("\x05\x00", 2) << 1;
    }
    void readListMustBeWhole()
    {
        QFETCH(int, command);
        QFETCH(int, index);
        QFETCH(QByteArray, data);
        CRadioSim sim;
        sim.memory = CRadioSim::FullRadio();
        const auto filter = [&](const QByteArray &request, QByteArray reply) {
            const int header = std::uint8_t(request[0]) == 0xFF ? 4 : 2;
            if (std::uint8_t(request[header]) == command && std::uint8_t(request[header + 1]) == index)
                return BuildReply(0x41, QByteArray(1, command == 0x30 ? 'H' : 'I') + data);
            return reply;
        };
        CRecordingObserver obs;
        VirtualCPData target;
        target.texts[0] = QStringLiteral("unchanged");
        QTEST(SimTransfer(sim, &obs, filter)->ReadRadio(target), "result");
        if (QTest::currentDataTag() == QByteArray("first reply with total 0 is the empty list")) {
            QCOMPARE(target.texts, (std::array<QString, 25>{}));
        } else {
            QCOMPARE(target.texts[0], QStringLiteral("unchanged"));
            QCOMPARE(obs.Failures(), (std::vector<int>{-8}));
        }
    }

    // A contact of a type this program does not know and control characters in a name and a
    // text do not fail the read: the contact is left out, the characters become blanks, and
    // the read says how many of each.
    void readLeavesOutWhatAProfileCannotHold()
    {
        CRadioSim sim;
        CRadioSim::AddForeignRecords(sim.memory);
        CRecordingObserver obs;
        VirtualCPData target;
        auto transfer = SimTransfer(sim, &obs);
        QCOMPARE(transfer->ReadRadio(target), 1);
        QCOMPARE(transfer->LastReadNotes(), (ReadNotes{1, 2}));
        VirtualCPData want = sim.memory;
        want.contacts[2] = VirtualCPContact();
        want.contacts[0].name.replace(QChar(0x07), u' ');
        want.texts[0].replace(QChar(0x1B), u' ');
        QCOMPARE(target, want);
        QCOMPARE(
            ReadNoteTexts(transfer->LastReadNotes()),
            (QStringList{"1 contact(s) of a type this program does not know were left out of the read.",
                         "2 control character(s) in names and texts read from the radio were replaced by blanks."}));
        // A clean radio leaves nothing to say.
        sim.memory = CRadioSim::FullRadio();
        QCOMPARE(transfer->ReadRadio(target), 1);
        QCOMPARE(transfer->LastReadNotes(), ReadNotes{});
        QVERIFY(ReadNoteTexts(ReadNotes{}).isEmpty());
    }

    void cancelDuringReadLeavesTargetUnchanged()
    {
        CRadioSim sim;
        sim.memory = CRadioSim::FullRadio();
        CRecordingObserver obs;
        obs.onProgress = [&obs](int p) {
            if (p == 60)
                obs.session->RequestCancel();
        };
        VirtualCPData target;
        target.limit.pid = QStringLiteral("keep");
        const VirtualCPData before = target;
        CRequestLog log(sim);
        QCOMPARE(SimTransfer(sim, &obs)->ReadRadio(target), -12);
        QCOMPARE(target, before);
        QCOMPARE(obs.Failures(), (std::vector<int>{-12}));
        QCOMPARE(log.Commands(), (QStringList{"25", "26", "27", "28"}));  // no command after the cancel
    }

    void writeFullProfile()
    {
        CRadioSim sim;
        sim.memory = CRadioSim::EmptyRadio();
        const VirtualCPData profile = CRadioSim::FullRadio();
        const VirtualCPData source = profile;
        CRequestLog log(sim);
        CRecordingObserver obs;
        QCOMPARE(SimTransfer(sim, &obs)->WriteRadio(profile), 1);
        QCOMPARE(profile, source);  // the source record is left as it was
        QCOMPARE(obs.Progress(), (std::vector<int>{20, 40, 60, 80}));
        QCOMPARE(sim.EndWriteCount(), 1);
        for (int type : {0, 1, 2})
            QCOMPARE(OfType(sim.memory, type), OfType(profile, type));
        QCOMPARE(sim.memory.texts, profile.texts);
        QCOMPARE(sim.memory.setting, profile.setting);
        // Three passes: private groups, public groups, private contacts, numbered 1..150.
        QStringList expected{"25", "26", "27", "29"};
        for (int i = 1; i <= 150; ++i)
            expected << QStringLiteral("31 %1/150").arg(i);
        for (int i = 1; i <= 25; ++i)
            expected << QStringLiteral("33 %1/25").arg(i);
        expected << "36";
        QCOMPARE(log.lines, expected);
        QCOMPARE(sim.memory.contacts[0].cntct_type, std::uint8_t(1));
        QCOMPARE(sim.memory.contacts[20].cntct_type, std::uint8_t(2));
        QCOMPARE(sim.memory.contacts[50].cntct_type, std::uint8_t(0));
    }

    void writeEmptyLists()
    {
        CRadioSim sim;
        VirtualCPData profile = CRadioSim::EmptyRadio();
        profile.contacts[0] = MakeContact("Me", "20000001", 0);  // the radio's own contact only
        profile.contacts[0].contact_flags_a = CFA_ID_IN_USE;
        CRequestLog log(sim);
        CRecordingObserver obs;
        QCOMPARE(SimTransfer(sim, &obs)->WriteRadio(profile), 1);
        QCOMPARE(log.lines, (QStringList{"25", "26", "27", "29", "31 1/1", "33 0/0", "36"}));
        QVERIFY(std::all_of(sim.memory.texts.begin(), sim.memory.texts.end(),
                            [](const QString &t) { return t.isEmpty(); }));
        profile.contacts[0] = VirtualCPContact();
        log.lines.clear();
        obs.answers = {true};
        QCOMPARE(SimTransfer(sim, &obs)->WriteRadio(profile), 1);
        QCOMPARE(log.lines, (QStringList{"25", "26", "27", "29", "31 0/0", "33 0/0", "36"}));
    }

    void writeQuestions_data()
    {
        QTest::addColumn<bool>("answerLate");
        QTest::addColumn<bool>("yes");
        QTest::newRow("no, answered before the worker waits") << false << false;
        QTest::newRow("no, answered while it waits") << true << false;
        QTest::newRow("yes, answered before the worker waits") << false << true;
        QTest::newRow("yes, answered while it waits") << true << true;
    }
    void writeQuestions()
    {
        QFETCH(bool, answerLate);
        QFETCH(bool, yes);
        CRadioSim sim;
        sim.memory = CRadioSim::EmptyRadio();
        sim.memory.limit.max_num_of_private_grps = 5;  // the profile has 20
        sim.memory.limit.pid = QStringLiteral("20009999");  // not in the profile
        VirtualCPData profile = CRadioSim::FullRadio();
        CRequestLog log(sim);
        CRecordingObserver obs;
        obs.answerLate = answerLate;
        obs.answers = {yes, yes};
        auto transfer = SimTransfer(sim, &obs);
        std::thread worker([&] { transfer->WriteRadio(profile); });
        worker.join();
        if (!yes) {
            // No: nothing but the opening and the limit record was sent, and the user sees
            // "User Canceled" once.
            QCOMPARE(log.Commands(), (QStringList{"25", "26", "27"}));
            QCOMPARE(obs.Events(), (std::vector<CRecordingObserver::Event>{{'p', 20}, {'q', -2}, {'f', -12}}));
            QCOMPARE(sim.ResetCount(), 0);
            return;
        }
        QCOMPARE(obs.Failures(), std::vector<int>{});
        const auto events = obs.Events();
        QCOMPARE(events[1], (CRecordingObserver::Event{'q', -2}));
        QCOMPARE(events[2], (CRecordingObserver::Event{'q', -1}));
        // Yes: the write announces exactly the records it sends (5 private groups, all 30
        // public groups, 100 private contacts = 135).
        QVERIFY(log.lines.contains("31 135/135"));
        QVERIFY(!log.lines.contains("31 136/135") && !log.lines.contains("31 1/150"));
        QCOMPARE(OfType(sim.memory, 1).size(), 5);
    }

    void vibracallFollowsTheRadio()
    {
        CRadioSim sim;
        sim.memory.limit.limit_flags |= LF_VIBRACALL_DIS;
        VirtualCPData profile = CRadioSim::DefaultRadio();
        profile.limit.limit_flags |= LF_VIBRACALL_DIS;
        profile.setting.vibracall = 1;
        CRecordingObserver obs;
        QCOMPARE(SimTransfer(sim, &obs)->WriteRadio(profile), 1);
        QCOMPARE(sim.memory.setting.vibracall, std::uint8_t(2));
    }

    // After the radio refuses a record (-8) or the user cancels once data went out, the
    // radio is reset and the first failure is the only one reported.
    void abortedWriteResetsTheRadio_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("resets");
        QTest::newRow("refused contact") << "31@5:q-other" << 0 << -8 << 1;
        QTest::newRow("refused text") << "33@2:q-other" << 0 << -8 << 1;
        QTest::newRow("refused end of write") << "36:q-other" << 0 << -8 << 1;
        QTest::newRow("cancel after the settings") << "" << 60 << -12 << 1;
        QTest::newRow("cancel after the contacts") << "" << 80 << -12 << 1;
        QTest::newRow("cancel before any data") << "" << 20 << -12 << 0;
        QTest::newRow("busy radio: no reset") << "31@5:q-fe" << 0 << -11 << 0;
        QTest::newRow("refused before any data") << "26:q-other" << 0 << -8 << 0;
        QTest::newRow("silent part-way: connection lost, no reset") << "31:silent" << 0 << -20 << 0;
    }
    void abortedWriteResetsTheRadio()
    {
        QFETCH(QString, fault);
        QFETCH(int, cancelAt);
        CRadioSim sim;
        if (!fault.isEmpty()) {
            SimFault f;
            QVERIFY(ParseSimFault(fault, f));
            sim.faults.push_back(f);
        }
        CRecordingObserver obs;
        obs.onProgress = [cancelAt, &obs](int p) {
            if (p == cancelAt)
                obs.session->RequestCancel();
        };
        CRequestLog log(sim);
        QFETCH(int, result);
        auto transfer = SimTransfer(sim, &obs);
        QCOMPARE(transfer->WriteRadio(CRadioSim::FullRadio()), result);
        QCOMPARE(obs.Failures(), std::vector<int>{result});
        QTEST(sim.ResetCount(), "resets");
        QCOMPARE(transfer->LastWriteResetRadio(), sim.ResetCount() > 0);  // the user is told
        if (sim.ResetCount())
            QCOMPARE(log.Commands().mid(log.Commands().size() - 2), (QStringList{"27", "37"}));
    }

    // A record whose reply is lost is sent again; the radio takes the repeat and answers it,
    // and the write ends with everything in place.
    void writeRepeatsARecordWhoseReplyWasLost_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("request");
        QTest::newRow("settings") << "29@1:drop-reply"
                                  << "29";
        QTest::newRow("first contact") << "31@1:drop-reply"
                                       << "31 1/150";
        QTest::newRow("a later contact") << "31@3:drop-reply"
                                         << "31 3/150";
        QTest::newRow("a text") << "33@2:drop-reply"
                                << "33 2/25";
    }
    void writeRepeatsARecordWhoseReplyWasLost()
    {
        QFETCH(QString, fault);
        QFETCH(QString, request);
        CRadioSim sim;
        sim.memory = CRadioSim::EmptyRadio();
        SimFault f;
        QVERIFY(ParseSimFault(fault, f));
        sim.faults.push_back(f);
        CRequestLog log(sim);
        CRecordingObserver obs;
        QCOMPARE(SimTransfer(sim, &obs)->WriteRadio(CRadioSim::FullRadio()), 1);
        QCOMPARE(log.lines.count(request), 2);
        QCOMPARE(sim.ResetCount(), 0);
        const VirtualCPData profile = CRadioSim::FullRadio();
        for (int type : {0, 1, 2})
            QCOMPARE(OfType(sim.memory, type), OfType(profile, type));
        QCOMPARE(sim.memory.texts, profile.texts);
        QCOMPARE(sim.memory.setting, profile.setting);
    }

    void openingFailures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("result");
        QTest::newRow("silent") << "all:silent" << -2;
        QTest::newRow("bad checksums: the cable, not a port in use") << "all:bad-checksum" << -21;
        QTest::newRow("silent after answering: connection lost") << "27:silent" << -20;
        QTest::newRow("busy") << "25:q-fe" << -11;
        QTest::newRow("reset or write first") << "25:q-fd" << -14;
        QTest::newRow("earlier firmware") << "25:old-firmware" << -3;
        QTest::newRow("invalid opcode") << "26:bad-opcode" << -6;
        QTest::newRow("unsupported command") << "27:bad-letter" << -7;
        QTest::newRow("operation unsupported") << "27:s4" << -10;
        QTest::newRow("version") << "version" << -4;
        QTest::newRow("model") << "model" << -5;
    }
    void openingFailures()
    {
        QFETCH(QString, setup);
        CRadioSim sim;
        SimFault f;
        if (setup == "version")
            sim.memory.firmware_version = 9;
        else if (setup == "model")
            sim.memory.limit.clone_compatibility_version = 2;
        else if (ParseSimFault(setup, f))
            sim.faults.push_back(f);
        CRequestLog log(sim);
        CRecordingObserver obs;
        VirtualCPData target;
        QFETCH(int, result);
        QCOMPARE(SimTransfer(sim, &obs)->ReadRadio(target), result);
        QCOMPARE(obs.Failures(), std::vector<int>{result});
        QVERIFY(!log.Commands().contains("28"));  // nothing is read after a failure
        QCOMPARE(target, VirtualCPData());
        // The write sends nothing either.
        CRecordingObserver wobs;
        log.lines.clear();
        SimTransfer(sim, &wobs)->WriteRadio(CRadioSim::DefaultRadio());
        QCOMPARE(wobs.Failures(), std::vector<int>{result});
        QVERIFY(!log.Commands().contains("29") && !log.Commands().contains("31"));
    }

    void shortOperations()
    {
        CRadioSim sim;
        sim.memory.setting.password = QStringLiteral("4321");
        sim.memory.firmware_version = 7;
        CRecordingObserver obs;
        QString pid;
        QCOMPARE(SimTransfer(sim, &obs)->ReadUnitPid(pid), 1);
        QCOMPARE(pid, QStringLiteral("20000001"));
        VirtualCPData record;
        QCOMPARE(SimTransfer(sim, &obs)->ReadRadioPassword(record), 1);
        QCOMPARE(record.setting.password, QStringLiteral("4321"));
        QCOMPARE(SimTransfer(sim, &obs)->ReadIdentity(record), 1);
        QCOMPARE(record.firmware_version, std::uint8_t(7));
        CRequestLog log(sim);
        QCOMPARE(SimTransfer(sim, &obs)->ResetRadio(), 1);
        QCOMPARE(log.Commands(), (QStringList{"27", "37"}));  // a reset has no opening
        QCOMPARE(obs.Failures(), std::vector<int>{});

        // A settings block that ends inside its call-forward text: the password is unreadable.
        const auto cut = [](const QByteArray &request, QByteArray reply) {
            if (request.at(2) == 0x28)
                return BuildReply(0x41, QByteArray("G") + QByteArray(30, '\x01'));
            return reply;
        };
        QCOMPARE(SimTransfer(sim, &obs, cut)->ReadRadioPassword(record), -17);
    }

    void capture_data()
    {
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("result");
        QTest::addColumn<std::vector<int>>("progress");
        QTest::newRow("second poll") << 2 << "" << 1 << std::vector<int>{20, 40};
        QTest::newRow("nobody keys up") << 0 << "" << -9 << std::vector<int>{20, 40, 60, 80, 100};
        QTest::newRow("cannot start listening") << 0 << "38:s-other" << -11 << std::vector<int>{20};
        QTest::newRow("poll unsupported") << 0 << "39:s4" << -10 << std::vector<int>{20};
    }
    void capture()
    {
        QFETCH(QString, fault);
        CRadioSim sim;
        QFETCH(int, after);
        sim.captureAfterPolls = after;
        SimFault f;
        if (ParseSimFault(fault, f))
            sim.faults.push_back(f);
        CRecordingObserver obs;
        QString pid;
        QTEST(SimTransfer(sim, &obs)->CapturePid(pid), "result");
        QTEST(obs.Progress(), "progress");
        QCOMPARE(pid, QTest::currentDataTag() == QByteArray("second poll") ? QStringLiteral("20001234") : QString());
    }

    // A terminal's Ctrl+C only sets the cancel flag; the capture's pause between polls still
    // ends at once instead of running its full length.
    void captureStopsSoonAfterTheCancelFlagIsSet()
    {
        CRadioSim sim;
        CRecordingObserver obs;
        auto transfer = SimTransfer(sim, &obs);
        CRadioTransfer::Timing timing;
        timing.capturePollMs = 3000;
        transfer->SetTiming(timing);
        QString pid;
        QElapsedTimer clock;
        int result = 0;
        std::thread worker([&] { result = transfer->CapturePid(pid); });
        clock.start();
        QTest::qWait(200);
        transfer.session->CancelFlag().store(1);
        worker.join();
        QCOMPARE(result, -12);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    // Sessions of two ports run side by side, each with its own cancel flag; two sessions on
    // one port never overlap, and one that cannot get the port in time fails as "port in use"
    // without opening it.
    void sessionsShareNothingButTheirPort()
    {
        CRadioSim simA, simB;
        simA.memory = simB.memory = CRadioSim::FullRadio();
        std::mutex mutex;
        QString order;
        std::atomic<int> inside{0}, most{0};
        const auto tag = [&](char c) {
            return [&, c](const QByteArray &, QByteArray reply) {
                const int now = ++inside;
                most = std::max(most.load(), now);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                {
                    std::lock_guard<std::mutex> lock(mutex);
                    order += QLatin1Char(c);
                }
                --inside;
                return reply;
            };
        };
        for (const bool onePort : {true, false}) {
            order.clear();
            most = 0;
            CRecordingObserver obsA, obsB;
            auto a = SimTransfer(simA, &obsA, tag('a'), QStringLiteral("simA"));
            auto b = SimTransfer(simB, &obsB, tag('b'), onePort ? QStringLiteral("simA") : QStringLiteral("simB"));
            // One port: the waiting session gives up at once, so the overlap shows as a failure.
            CRadioTransfer::Timing timing;
            timing.endWritePauseMs = 0;
            timing.portWaitMs = onePort ? 0 : 2000;
            b->SetTiming(timing);
            obsB.onProgress = [&](int) { b.session->RequestCancel(); };  // b's cancel is b's only
            VirtualCPData ra, rb;
            int resultA = 0, resultB = 0;
            std::thread ta([&] { resultA = a->ReadRadio(ra); });
            while (onePort && most.load() == 0)
                std::this_thread::yield();
            std::thread tb([&] { resultB = b->ReadRadio(rb); });
            ta.join();
            tb.join();
            QCOMPARE(resultA, 1);
            QCOMPARE(ra, simA.memory);
            QCOMPARE(resultB, onePort ? int(link::LR_PORT_FAILURE) : int(link::LR_USER_CANCELED));
            QCOMPARE(obsB.Failures(), std::vector<int>{resultB});
            if (onePort) {
                QVERIFY2(!order.contains(u'b'), qPrintable(order));  // b never opened the port
                QCOMPARE(most.load(), 1);
            }
        }
        // Once the port is free again, the next session on it gets it.
        CRecordingObserver obs;
        VirtualCPData again;
        QCOMPARE(SimTransfer(simA, &obs, {}, QStringLiteral("simA"))->ReadRadio(again), 1);
    }

    void failureTexts()
    {
        QCOMPARE(TransferFailureText(-1), QStringLiteral("Error: COM port already in use by another application."));
        QCOMPARE(TransferFailureText(-2),
                 QStringLiteral("Error: Unable to establish a connection with the radio.\n"
                                "          Please check your connection and try again."));
        QCOMPARE(TransferFailureText(-6), QStringLiteral("Error: Operation Failed (Invalid Opcode)."));
        QCOMPARE(TransferFailureText(-12), QStringLiteral("Error: Operation Failed (User Canceled)."));
        QCOMPARE(TransferFailureText(-17), QStringLiteral("Error: Unable to get radio password."));
        QCOMPARE(TransferFailureText(0), QStringLiteral("Error: Operation Failed (0)."));
        QCOMPARE(TransferFailureText(-16), QStringLiteral("Error: Operation Failed (-16)."));
        QCOMPARE(TransferFailureText(-19), LoadStr(IDS_PORT_NOT_FOUND));
        QCOMPARE(TransferFailureText(-20), LoadStr(IDS_CONNECTION_LOST));
    }
};

QTEST_GUILESS_MAIN(TestLinkTransfer)
#include "tst_link_transfer.moc"
