// The radio link at byte level: request frames, the reply reader, the command-result rules, the
// exchange's retries and their trace, and the codecs of every record that travels in a command.
#include "LinkCodec.h"
#include "LinkFrame.h"
#include "LinkTestSupport.h"
#include "LinkTrace.h"
#include "RadioLink.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

using namespace zqv;
using namespace zqv::link;

namespace {

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// Feeds a fixed byte string to the reply reader; then time-outs, or a line failure.
class CBytes : public IByteSource {
public:
    explicit CBytes(QByteArray bytes, bool failAtEnd = false) : m_bytes(std::move(bytes)), m_failAtEnd(failAtEnd) {}
    int NextByte() override
    {
        if (m_pos < m_bytes.size())
            return std::uint8_t(m_bytes.at(m_pos++));
        return m_failAtEnd ? kPortFailure : kTimeout;
    }

private:
    QByteArray m_bytes;
    bool m_failAtEnd;
    qsizetype m_pos = 0;
};

const std::uint8_t *U8(const QByteArray &b)
{
    return reinterpret_cast<const std::uint8_t *>(b.constData());
}

}  // namespace

class TestLink : public QObject {
    Q_OBJECT
private slots:
    void requestFrames_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("payloadLength");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("identity request") << 0x25 << 0 << Hex("F29B254D");
        QTest::newRow("12-byte payload: short form, n = 14") << 0x29 << 12 << Hex("FE9B290000000000000000000000003D");
        QTest::newRow("13-byte payload: long form, 00 0F")
            << 0x29 << 13 << Hex("FF9B000F29000000000000000000000000002D");
    }
    void requestFrames()
    {
        QFETCH(int, command);
        QFETCH(int, payloadLength);
        const QByteArray payload(payloadLength, '\0');
        std::uint8_t frame[kMaxFrameBytes + 8];
        const int length = CRadioLink::Build(kRequestOpcode, std::uint8_t(command), U8(payload), payloadLength, frame);
        QTEST(QByteArray(reinterpret_cast<const char *>(frame), length), "frame");
    }

    void requestSizeLimit()
    {
        const QByteArray payload(122, 'x');
        std::uint8_t frame[kMaxFrameBytes + 8];
        QCOMPARE(CRadioLink::Build(kRequestOpcode, 0x33, U8(payload), 121, frame), 4 + 122 + 1);
        QCOMPARE(frame[2] * 256 + frame[3], 123);
        QCOMPARE(CRadioLink::Build(kRequestOpcode, 0x33, U8(payload), 122, frame), 0);
        // A request that cannot be built fails its command with "Message Compose".
        test::CScriptedPort port([](const QByteArray &) { return QByteArray(); });
        CRadioLink link(&port);
        CRadioLink::Reply reply;
        QCOMPARE(link.WriteText(1, 1, QByteArray(120, 'a'), reply), int(LR_MESSAGE_COMPOSE));
        QVERIFY(port.written.isEmpty());
    }

    void replyReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("failAtEnd");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("opcode");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("P") << Hex("50F241507C") << false << 1 << 0x41 << QByteArray("P");
        QTest::newRow("identity") << Hex("50F941455E080003100552B0") << false << 8 << 0x41 << Hex("455E080003100552");
        QTest::newRow("noise before the length byte is skipped")
            << Hex("5000127FEFF241507C") << false << 1 << 0x41 << QByteArray("P");
        QTest::newRow("long form") << Hex("50FF410010470102030405060708090A0B0C0D0EFF") << false << 15 << 0x41
                                   << Hex("470102030405060708090A0B0C0D0E");
        QTest::newRow("24-bit prefix of opcode 0x80 is checked, not delivered")
            << Hex("50FF8000050102035025") << false << 1 << 0x80 << QByteArray("P");
        QTest::newRow("wrong start byte") << Hex("51F241507C") << false << 0 << -1 << QByteArray();
        QTest::newRow("bad checksum") << Hex("50F241507D") << false << -1 << -1 << QByteArray();
        QTest::newRow("short n = 1 has no body") << Hex("50F14100") << false << 0 << -1 << QByteArray();
        QTest::newRow("short n = 0") << Hex("50F04100") << false << 0 << -1 << QByteArray();
        QTest::newRow("long n = 0 is only a checksum") << Hex("50FF410000BF") << false << 0 << -1 << QByteArray();
        QTest::newRow("prefix leaves no body") << Hex("50FF80000401020300") << false << 0 << -1 << QByteArray();
        QTest::newRow("body above 121 bytes")
            << Hex("50FF41007B") + QByteArray(130, 'x') << false << 0 << -1 << QByteArray();
        QTest::newRow("time-out inside the body") << Hex("50F94145") << false << 0 << -1 << QByteArray();
        QTest::newRow("nothing at all") << QByteArray() << false << 0 << -1 << QByteArray();
        QTest::newRow("line fails inside the body") << Hex("50F94145") << true << -1 << -1 << QByteArray();
        QTest::newRow("endless noise") << Hex("50") + QByteArray(400, '\x01') << false << 0 << -1 << QByteArray();
    }
    void replyReader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, failAtEnd);
        QFETCH(int, result);
        QFETCH(int, opcode);
        CBytes source(bytes, failAtEnd);
        std::uint8_t op = 0;
        std::uint8_t body[kMaxReplyBody] = {};
        QCOMPARE(ReadReply(source, op, body), result);
        if (result > 0) {
            QCOMPARE(int(op), opcode);
            QTEST(QByteArray(reinterpret_cast<const char *>(body), result), "body");
        }
    }

    void commandResult_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("opcode");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("result");
        QTest::newRow("expected letter") << 0x25 << 8 << 0x41 << QByteArray("E") << 1;
        QTest::newRow("P for a write") << 0x31 << 1 << 0x41 << QByteArray("P") << 1;
        QTest::newRow("port failure") << 0x25 << -1 << 0 << QByteArray() << -1;
        QTest::newRow("unbuildable request") << 0x25 << -2 << 0 << QByteArray() << -13;
        QTest::newRow("no reply") << 0x25 << 0 << 0 << QByteArray() << -2;
        QTest::newRow("0x8C with 0: earlier firmware") << 0x25 << 1 << 0x8C << Hex("00") << -3;
        QTest::newRow("0x8C with another byte") << 0x25 << 1 << 0x8C << Hex("01") << -6;
        QTest::newRow("another opcode") << 0x25 << 1 << 0x42 << QByteArray("E") << -6;
        QTest::newRow("Q FD") << 0x30 << 3 << 0x41 << Hex("5130FD") << -14;
        QTest::newRow("Q FE: busy") << 0x30 << 3 << 0x41 << Hex("5130FE") << -11;
        QTest::newRow("Q other") << 0x30 << 3 << 0x41 << Hex("513000") << -8;
        QTest::newRow("Q without detail") << 0x30 << 1 << 0x41 << QByteArray("Q") << -8;
        QTest::newRow("S 1: timed out") << 0x25 << 2 << 0x41 << Hex("5301") << -9;
        QTest::newRow("S 4: unsupported") << 0x25 << 2 << 0x41 << Hex("5304") << -10;
        QTest::newRow("S 2 where not expected gives r") << 0x25 << 2 << 0x41 << Hex("5302") << 2;
        QTest::newRow("S other") << 0x25 << 2 << 0x41 << Hex("5303") << -8;
        QTest::newRow("S without status") << 0x25 << 1 << 0x41 << QByteArray("S") << -8;
        QTest::newRow("unexpected letter") << 0x26 << 1 << 0x41 << QByteArray("E") << -7;
        QTest::newRow("start capture: S is its letter") << 0x38 << 2 << 0x41 << Hex("5303") << 1;
        QTest::newRow("poll: captured") << 0x39 << 5 << 0x41 << Hex("5302313200") << 1;
        QTest::newRow("poll: still waiting") << 0x39 << 2 << 0x41 << Hex("5301") << -9;
        QTest::newRow("poll: unsupported") << 0x39 << 2 << 0x41 << Hex("5304") << -10;
    }
    void commandResult()
    {
        QFETCH(int, command);
        QFETCH(int, r);
        QFETCH(int, opcode);
        QFETCH(QByteArray, body);
        body.resize(kMaxReplyBody);
        QTEST(CommandResult(std::uint8_t(command), r, std::uint8_t(opcode), U8(body)), "result");
    }

    void exchangeRetries_data()
    {
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("attempts");
        // The link trace of the exchange: every attempt's request, everything read after it.
        QTest::addColumn<QStringList>("trace");
        const QByteArray ok = Hex("50F941455E080003100552B0");
        const QString tx = QStringLiteral("TX F29B254D");
        const QString rxOk = QStringLiteral("RX 50F941455E080003100552B0");
        const QString rxWrong = QStringLiteral("RX 51F241507C");
        const QString discarded = QStringLiteral("EV the last 4 bytes came after the reply and were discarded");
        const QString noReply = QStringLiteral("EV no valid reply");
        const QString failed = QStringLiteral("EV reply failed: checksum error or line failure");
        QTest::newRow("first attempt") << QList<QByteArray>{ok} << 1 << 1 << QStringList{tx, rxOk};
        QTest::newRow("wrong start byte, then a reply") << QList<QByteArray>{Hex("51F241507C"), ok} << 1 << 2
                                                        << QStringList{tx, rxWrong, discarded, noReply, tx, rxOk};
        QTest::newRow("wrong start byte three times: no reply")
            << QList<QByteArray>{Hex("51F241507C"), Hex("51F241507C"), Hex("51F241507C"), ok} << -2 << 3
            << QStringList{tx,        rxWrong, discarded, noReply, tx,        rxWrong,
                           discarded, noReply, tx,        rxWrong, discarded, noReply};
        QTest::newRow("bad checksum three times")
            << QList<QByteArray>{Hex("50F941455E080003100552B1"), Hex("50F941455E080003100552B1"),
                                 Hex("50F941455E080003100552B1")}
            << -21 << 3
            << QStringList{tx, "RX 50F941455E080003100552B1", failed, tx, "RX 50F941455E080003100552B1", failed,
                           tx, "RX 50F941455E080003100552B1", failed};
        QTest::newRow("silence") << QList<QByteArray>{} << -2 << 3
                                 << QStringList{tx, noReply, tx, noReply, tx, noReply};
    }
    void exchangeRetries()
    {
        QFETCH(QList<QByteArray>, replies);
        test::CScriptedPort port(
            [&replies](const QByteArray &) { return replies.isEmpty() ? QByteArray() : replies.takeFirst(); });
        QTemporaryDir dir;
        const QString tracePath = dir.filePath(QStringLiteral("trace.log"));
        QVERIFY(linktrace::Start(tracePath));
        CRadioLink link(&port);
        CRadioLink::Reply reply;
        const int result = link.ReadIdentity(reply);
        linktrace::Stop();
        QTEST(result, "result");
        QTEST(int(port.written.size()), "attempts");
        QCOMPARE(port.purges, port.written.size());  // the port is purged before every attempt
        for (const QByteArray &request : port.written)
            QCOMPARE(request, Hex("F29B254D"));
        QStringList trace = test::TraceOf(tracePath);
        QVERIFY2(!trace.isEmpty() && trace.takeFirst().startsWith(QLatin1String("EV trace started: ")),
                 qPrintable(trace.join('\n')));
        QTEST(trace, "trace");
    }

    // Lines traced from several threads at once stay whole, and the trace appends to what the
    // file held.
    void traceFromThreads()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("trace.log"));
        QVERIFY(linktrace::Start(path));
        linktrace::Stop();
        QVERIFY(linktrace::Start(path));
        constexpr int kLines = 2000;
        const auto send = [](std::uint8_t fill) {
            std::uint8_t frame[64];
            std::fill(std::begin(frame), std::end(frame), fill);
            for (int i = 0; i < kLines; ++i)
                linktrace::Frame(linktrace::Direction::Sent, frame, int(sizeof frame));
        };
        std::thread a(send, std::uint8_t(0xAA)), b(send, std::uint8_t(0x55));
        a.join();
        b.join();
        linktrace::Stop();
        const QByteArray late = Hex("F29B254D");
        linktrace::Frame(linktrace::Direction::Sent, U8(late), int(late.size()));  // stopped: not in the file
        int aa = 0, x55 = 0;
        const QStringList trace = test::TraceOf(path);
        for (const QString &line : trace) {
            aa += line == QStringLiteral("TX ") + QString(QStringLiteral("AA")).repeated(64);
            x55 += line == QStringLiteral("TX ") + QString(QStringLiteral("55")).repeated(64);
        }
        QCOMPARE(aa, kLines);
        QCOMPARE(x55, kLines);
        QCOMPARE(trace.size(), 2 * kLines + 2);  // and the two "trace started" lines
        QCOMPARE(QFileInfo(path).permissions(),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
    }

    // Only a regular file takes a trace: a FIFO or a device is refused before it is opened,
    // and lines a full file cannot take are said to be lost instead of vanishing.
    void traceGoesOnlyWhereItCanBeKept()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("fifo.log"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const QString &path : {fifo, QStringLiteral("/dev/full"), dir.path()}) {
            QString error;
            QVERIFY2(!linktrace::Start(path, &error), qPrintable(path));
            QCOMPARE(error, LoadStr(IDS_NOT_REGULAR_FILE_REASON));
            QVERIFY(linktrace::FilePath().isEmpty());
        }

        const QString path = dir.filePath(QStringLiteral("trace.log"));
        QVERIFY(linktrace::Start(path));
        QVERIFY(linktrace::WriteError().isEmpty());
        {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit old{};
            ::getrlimit(RLIMIT_FSIZE, &old);
            rlimit limit{rlim_t(QFileInfo(path).size()), old.rlim_max};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            linktrace::Event(QStringLiteral("a line the file has no room for"));
            ::setrlimit(RLIMIT_FSIZE, &old);
        }
        linktrace::Stop();
        QCOMPARE(linktrace::WriteError(), QStringLiteral("File too large"));
    }

    void exchangeNeedsAWorkingPort()
    {
        test::CScriptedPort port([](const QByteArray &) { return Hex("50F241507C"); });
        CRadioLink link(&port);
        CRadioLink::Reply reply;
        port.open = false;
        QCOMPARE(link.Start(reply), int(LR_PORT_FAILURE));
        port.open = true;
        port.lastError = 5;
        QCOMPARE(link.Start(reply), int(LR_PORT_FAILURE));
        QVERIFY(port.written.isEmpty());
        port.lastError = 0;
        QCOMPARE(link.Start(reply), int(LR_SUCCESS));
        std::uint8_t opcode = 0;
        QCOMPARE(link.Exchange(nullptr, 0, opcode, reply.body, false), -2);
    }

    void identityAcceptance_data()
    {
        QTest::addColumn<QByteArray>("identity");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QChar>("phase");
        QTest::newRow("R 5E.08") << Hex("5E0800031005") + "R" << true << QChar('R');
        QTest::newRow("R 5E.09 is too new") << Hex("5E0900031005") + "R" << false << QChar();
        QTest::newRow("R 5D.08 is another family") << Hex("5D0800031005") + "R" << false << QChar();
        QTest::newRow("D accepts any version") << Hex("7F6300031005") + "D" << true << QChar('D');
        QTest::newRow("another letter is stored as D") << Hex("5E0100031005") + "X" << true << QChar('D');
        QTest::newRow("another letter still needs the version rules") << Hex("5E0900031005") + "X" << false << QChar();
        QTest::newRow("short identity") << Hex("5E08000310") << false << QChar();
    }
    void identityAcceptance()
    {
        QFETCH(QByteArray, identity);
        QFETCH(bool, accepted);
        VirtualCPData record;
        record.firmware_phase = QLatin1Char('?');
        QCOMPARE(DecodeIdentity(U8(identity), int(identity.size()), record), accepted);
        if (!accepted) {
            QCOMPARE(record.firmware_phase, QChar('?'));  // a rejected identity is not stored
            return;
        }
        QTEST(record.firmware_phase, "phase");
        QCOMPARE(record.firmware_release, std::uint8_t(identity[0]));
        QCOMPARE(record.firmware_version, std::uint8_t(identity[1]));
        QCOMPARE(record.codeplug_structure, std::uint8_t(3));
        QCOMPARE(record.codeplug_version, std::uint8_t(0x10));
        QCOMPARE(record.codeplug_dev_version, std::uint8_t(5));
        // The radio's identity travels with its letter last.
        QCOMPARE(EncodeIdentity(record).left(6), identity.left(6));
    }

    void limitRecordRoundTrip()
    {
        const VirtualCPData radio = CRadioSim::FullRadio();
        const QByteArray bytes = EncodeLimit(radio.limit);
        VirtualCPLimit decoded;
        QVERIFY(DecodeLimit(U8(bytes), int(bytes.size()), decoded));
        QCOMPARE(decoded, radio.limit);
        // Every field is needed: a record cut anywhere is refused and changes nothing.
        for (int cut = 0; cut < bytes.size(); ++cut) {
            VirtualCPLimit partial;
            QVERIFY2(!DecodeLimit(U8(bytes), cut, partial), qPrintable(QString::number(cut)));
            QCOMPARE(partial, VirtualCPLimit());
        }
    }

    void pidRangeAcceptance_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("widest") << "10000001"
                                << "17179867883" << true;
        QTest::newRow("start not above 10000000") << "10000000"
                                                  << "20000000" << false;
        QTest::newRow("empty range") << "20000000"
                                     << "20000000" << false;
        QTest::newRow("reversed") << "30000000"
                                  << "20000000" << false;
        QTest::newRow("end past the private IDs") << "20000000"
                                                  << "17179867884" << false;
        QTest::newRow("not a number") << "2000a000"
                                      << "30000000" << false;
        QTest::newRow("beyond 64 bits") << "20000000"
                                        << "99999999999999999999999" << false;
    }
    void pidRangeAcceptance()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, accepted);
        VirtualCPLimit limit = CRadioSim::FullRadio().limit;
        limit.valid_PID_start = start;
        limit.valid_PID_end = end;
        const QByteArray bytes = EncodeLimit(limit);
        VirtualCPLimit decoded;  // a fresh record: no previous range
        QVERIFY(DecodeLimit(U8(bytes), int(bytes.size()), decoded));
        QCOMPARE(decoded.valid_PID_start, accepted ? start : QStringLiteral("10000001"));
        QCOMPARE(decoded.valid_PID_end, accepted ? end : QStringLiteral("17179867883"));
        // A range the radio does not send acceptably keeps the one known before.
        VirtualCPLimit known;
        known.valid_PID_start = QStringLiteral("20000000");
        known.valid_PID_end = QStringLiteral("30000000");
        QVERIFY(DecodeLimit(U8(bytes), int(bytes.size()), known));
        QCOMPARE(known.valid_PID_start, accepted ? start : QStringLiteral("20000000"));
    }

    void publicGroupBlockAcceptance_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("default block") << "17179869183" << 100 << true;
        QTest::newRow("highest 34-bit ID") << "17179869183" << 255 << true;
        QTest::newRow("2^34 is too high") << "17179869184" << 1 << false;
        QTest::newRow("above 2^32") << "5000000000" << 255 << true;
        QTest::newRow("below 2^32, at the lowest start") << "4294966095" << 100 << true;
        QTest::newRow("below 2^32, one under") << "4294966094" << 100 << false;
        QTest::newRow("size 0 is ignored") << "17179869000" << 0 << false;
        QTest::newRow("not a number") << "17179869l83" << 10 << false;
    }
    void publicGroupBlockAcceptance()
    {
        QFETCH(QString, start);
        QFETCH(int, size);
        QFETCH(bool, accepted);
        VirtualCPLimit limit = CRadioSim::FullRadio().limit;
        limit.bank[0].start_pid = start;
        limit.bank[0].lst_size = std::uint8_t(size);
        const QByteArray bytes = EncodeLimit(limit);
        VirtualCPLimit decoded;
        QVERIFY(DecodeLimit(U8(bytes), int(bytes.size()), decoded));
        const PublicGroupInfo expected = accepted ? PublicGroupInfo{start, "Public", std::uint8_t(size)}
                                                  : PublicGroupInfo{"17179869183", "Public", 100};
        QCOMPARE(decoded.bank[0], expected);
        for (int i = 1; i < 4; ++i)
            QCOMPARE(decoded.bank[i], PublicGroupInfo{});
    }

    void settingsBlock()
    {
        VirtualCPSetting s = CRadioSim::FullRadio().setting;
        s.call_forward_id = QStringLiteral("1234");
        s.password = QStringLiteral("9876");
        const QByteArray bytes = EncodeSettings(s);
        QCOMPARE(bytes.size(), 4 + 33);  // c + 33
        QCOMPARE(bytes.mid(1, 4), Hex("0000000A"));  // backlight big-endian
        QCOMPARE(bytes.mid(20, 4), Hex("030000B4"));  // flags least significant byte first
        QCOMPARE(bytes.mid(24, 5), QByteArray("1234\0", 5));
        QCOMPARE(bytes.mid(29, 5), QByteArray("9876\0", 5));
        QCOMPARE(bytes.right(1), Hex("21"));  // the noise byte
        VirtualCPSetting decoded;
        QVERIFY(DecodeSettings(U8(bytes), int(bytes.size()), decoded));
        QCOMPARE(decoded, s);

        // A block that ends after the call-forward text (c + 25 or c + 26 bytes) keeps the
        // password and the last three fields.
        for (int length : {4 + 25, 4 + 26}) {
            VirtualCPSetting old;
            old.password = QStringLiteral("1111");
            old.tot_timer = 9;
            old.tpt_offset = 8;
            old.noise = 0x77;
            QVERIFY(DecodeSettings(U8(bytes), length, old));
            QCOMPARE(old.call_forward_id, QStringLiteral("1234"));
            QCOMPARE(old.contrast, s.contrast);
            QCOMPARE(old.password, QStringLiteral("1111"));
            QCOMPARE(old.tot_timer, std::uint8_t(9));
            QCOMPARE(old.noise, std::uint8_t(0x77));
        }
        // Without the noise byte only the noise level stays.
        VirtualCPSetting old;
        old.noise = 0x77;
        QVERIFY(DecodeSettings(U8(bytes), int(bytes.size()) - 1, old));
        QCOMPARE(old.tpt_offset, s.tpt_offset);
        QCOMPARE(old.noise, std::uint8_t(0x77));
        // A block that ends inside the call-forward text is refused.
        QVERIFY(!DecodeSettings(U8(bytes), 4 + 24, old));
    }

    void contactMembers_data()
    {
        QTest::addColumn<QStringList>("parents");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QByteArray>("wire");  // member count, home position, member PIDs
        QTest::newRow("home among the parents") << QStringList{"31", "32"} << "31"
                                                << QByteArray("\x02\x01"
                                                              "31\0"
                                                              "32\0",
                                                              8);
        QTest::newRow("empty parent slots are skipped") << QStringList{"31", "", "33"} << "33"
                                                        << QByteArray("\x02\x02"
                                                                      "31\0"
                                                                      "33\0",
                                                                      8);
        QTest::newRow("a home elsewhere is appended") << QStringList{"31"} << "99"
                                                      << QByteArray("\x02\x02"
                                                                    "31\0"
                                                                    "99\0",
                                                                    8);
        QTest::newRow("no home: position 0, nothing appended") << QStringList{"31"} << ""
                                                               << QByteArray("\x01\x00"
                                                                             "31\0",
                                                                             5);
        QTest::newRow("no groups at all") << QStringList{} << "" << QByteArray("\x00\x00", 2);
        QTest::newRow("five parents and a public home") << QStringList{"1", "2", "3", "4", "5"} << "9"
                                                        << QByteArray("\x06\x06"
                                                                      "1\0"
                                                                      "2\0"
                                                                      "3\0"
                                                                      "4\0"
                                                                      "5\0"
                                                                      "9\0",
                                                                      14);
    }
    void contactMembers()
    {
        QFETCH(QStringList, parents);
        QFETCH(QString, home);
        QFETCH(QByteArray, wire);
        VirtualCPContact c;
        c.name = QString::fromLatin1("Agent \xC9");
        c.pid = QStringLiteral("20000005");
        c.cntct_type = 0;
        c.alert_tone = 3;
        c.channel = 2;
        c.contact_flags_a = CFA_ID_IN_USE | CFA_IN_SCAN_LIST;
        for (int i = 0; i < parents.size(); ++i)
            c.parent_pid[i] = parents[i];
        c.home_grp = home;
        QByteArray bytes;
        QVERIFY(EncodeContact(c, bytes));
        QCOMPARE(bytes,
                 QByteArray("Agent \xC9\0\x03"
                            "20000005\0\x09\x02\x00",
                            21) +
                     wire);

        VirtualCPContact back;
        QVERIFY(DecodeContact(U8(bytes), int(bytes.size()), back));
        QCOMPARE(back.home_grp, home);
        QCOMPARE(int(back.member_count), int(std::uint8_t(wire[0])));
        QCOMPARE(int(back.home_grp_position), int(std::uint8_t(wire[1])));
        QCOMPARE(back.contact_flags_b, std::uint8_t(CFB_SEE_ALL_GROUPS));  // arrives with every private contact
        QCOMPARE(back.name, c.name);
        // The members fill the parent slots in order (at most five).
        QStringList members;
        for (const QString &p : back.parent_pid)
            if (!p.isEmpty())
                members << p;
        QStringList sent;
        for (const QString &p : parents)
            if (!p.isEmpty())
                sent << p;
        if (!home.isEmpty() && !sent.contains(home) && sent.size() < 5)
            sent << home;
        QCOMPARE(members, sent);
        for (int cut = 0; cut < bytes.size(); ++cut)
            QVERIFY(!DecodeContact(U8(bytes), cut, back));
    }

    void groupsCarryNoMembers()
    {
        VirtualCPContact g;
        g.name = QStringLiteral("Group");
        g.pid = QStringLiteral("30000001");
        g.cntct_type = 1;
        g.parent_pid[0] = QStringLiteral("1");
        QByteArray bytes;
        QVERIFY(EncodeContact(g, bytes));
        QCOMPARE(bytes,
                 QByteArray("Group\0\0"
                            "30000001\0\0\0\x01",
                            19));
        g.cntct_type = kEmptySlot;
        QVERIFY(!EncodeContact(g, bytes));  // an empty slot is never sent
    }

    void radioText()
    {
        // Single-byte text: low 8 bits out, Latin-1 in, 80 characters at most.
        QCOMPARE(EncodeText(QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC")), QByteArray("caf\xE9 \xAC\0", 7));
        const QByteArray bytes = QByteArray(90, '\xE9') + '\0';
        QString text;
        QVERIFY(DecodeText(U8(bytes), int(bytes.size()), text));
        QCOMPARE(text, QString(80, QChar(0xE9)));
        QVERIFY(!DecodeText(U8(bytes), 90, text));  // not terminated
        QString pid;
        QVERIFY(DecodeCapturedPid(U8(QByteArray("\x02"
                                                "123456789012345\0",
                                                17)),
                                  17, pid));
        QCOMPARE(pid, QStringLiteral("12345678901"));
    }
};

QTEST_APPLESS_MAIN(TestLink)
#include "tst_link.moc"
