// The serial port on a pseudo-terminal made by the test (time-outs, raw line, exclusive use,
// hang-up, purge), and the choice of the port with a fixed list of ports.
#include "ConfigStore.h"
#include "PortEnumerator.h"
#include "SerialPort.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace zqv;

namespace {

// The controlling side of a pseudo-terminal; the port under test opens its terminal side.
struct CPty {
    CPty()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        path = QString::fromLatin1(ptsname(master));
    }
    ~CPty()
    {
        if (master >= 0)
            ::close(master);
    }
    void Send(const QByteArray &bytes) const
    {
        QVERIFY(::write(master, bytes.constData(), bytes.size()) == bytes.size());
    }
    int master = -1;
    QString path;
};

}  // namespace

class TestLinkPort : public QObject {
    Q_OBJECT
private slots:
    void portThatDoesNotExist()
    {
        CSerialPort port(QStringLiteral("/dev/zqv-no-such-port"));
        QVERIFY(!port.IsOpen());
        QCOMPARE(port.GetLastError(), std::uint32_t(ENOENT));
        std::uint8_t b[4] = {1, 2, 3, 4};
        QCOMPARE(port.Read(b, 4, true), 0);
        QCOMPARE(port.Write(b, 4), 0);
        QCOMPARE(port.Close(), 1);
        QCOMPARE(port.Trouble(), PortTrouble::Missing);
        CSerialPort notATerminal(QStringLiteral("/dev/null"));
        QVERIFY(!notATerminal.IsOpen());
        QVERIFY(notATerminal.GetLastError() != 0);
        QCOMPARE(notATerminal.Trouble(), PortTrouble::NotTerminal);
        CSerialPort folder(QStringLiteral("/tmp"));
        QVERIFY(!folder.IsOpen());
        QCOMPARE(folder.Trouble(), PortTrouble::NotTerminal);
    }

    void opensRawAndExclusive()
    {
        CPty pty;
        CSerialPort port(pty.path);
        QVERIFY(port.IsOpen());
        QCOMPARE(port.GetLastError(), std::uint32_t(0));  // no modem lines on a pty: not a failure
        termios tio{};
        QVERIFY(tcgetattr(pty.master, &tio) == 0);
        QCOMPARE(cfgetispeed(&tio), speed_t(B9600));
        QCOMPARE(tio.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), tcflag_t(CS8));
        QCOMPARE(tio.c_lflag & (ICANON | ECHO | ISIG), tcflag_t(0));
        QCOMPARE(tio.c_iflag & (IXON | IXOFF | ICRNL), tcflag_t(0));

        // Bytes pass unchanged: no line editing, no CR/LF translation, nothing inserted.
        const QByteArray bytes("\r\n\x03\x11\x13\xFF\x00\x7F", 8);
        pty.Send(bytes);
        std::uint8_t in[16] = {};
        QCOMPARE(port.Read(in, 8, true), 8);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(in), 8), bytes);
        QCOMPARE(port.Write(reinterpret_cast<const std::uint8_t *>(bytes.constData()), 8), 8);
        char out[16] = {};
        QCOMPARE(::read(pty.master, out, sizeof out), ssize_t(8));
        QCOMPARE(QByteArray(out, 8), bytes);

        // A second user is refused while the port is held, and let in once it is closed.
        {
            CSerialPort second(pty.path);
            QVERIFY(!second.IsOpen());
            QCOMPARE(second.GetLastError(), std::uint32_t(EBUSY));
        }
        QCOMPARE(port.Close(), 1);
        QVERIFY(!port.IsOpen());
        CSerialPort third(pty.path);
        QVERIFY(third.IsOpen());
    }

    void readTimeOuts()
    {
        CPty pty;
        CSerialPort port(pty.path);
        std::uint8_t in[8] = {};
        QElapsedTimer t;
        t.start();
        QCOMPARE(port.Read(in, 1, true), 0);  // 100 ms per byte asked for
        QVERIFY2(t.elapsed() >= 95 && t.elapsed() < 300, qPrintable(QString::number(t.elapsed())));

        t.restart();
        QCOMPARE(port.Read(in, 8, false), 0);  // nothing queued: returns at once
        QVERIFY(t.elapsed() < 20);

        pty.Send("ab");
        t.restart();
        QCOMPARE(port.Read(in, 5, true), 2);  // waits for all five, up to 500 ms
        QVERIFY2(t.elapsed() >= 480 && t.elapsed() < 800, qPrintable(QString::number(t.elapsed())));

        pty.Send("xyz");
        QTest::qWait(20);
        QCOMPARE(port.Read(in, 8, false), 3);  // only what is queued
        QCOMPARE(port.GetLastError(), std::uint32_t(0));
    }

    void purgeAndHangUp()
    {
        auto pty = std::make_unique<CPty>();
        CSerialPort port(pty->path);
        pty->Send("stale");
        QTest::qWait(20);
        PortStatus status;
        QVERIFY(port.ClearErrors(&status, nullptr));
        QCOMPARE(status.cbInQue, std::uint32_t(5));
        QVERIFY(port.Purge(PURGE_RXCLEAR | PURGE_TXCLEAR));
        std::uint8_t in[8] = {};
        QCOMPARE(port.Read(in, 8, false), 0);

        // The other side goes away: the read fails at once, as a port failure.
        pty.reset();
        QElapsedTimer t;
        t.start();
        QCOMPARE(port.Read(in, 1, true), 0);
        QVERIFY(port.GetLastError() != 0);
        QVERIFY2(t.elapsed() < 50, qPrintable(QString::number(t.elapsed())));
        // and stays known as a lost line after the purge that clears the last error
        port.Purge(PURGE_RXCLEAR | PURGE_TXCLEAR);
        QCOMPARE(port.Trouble(), PortTrouble::Lost);
    }

    void portNumbers()
    {
        QCOMPARE(PortNumber(QStringLiteral("ttyUSB2")), 2);
        QCOMPARE(PortNumber(QStringLiteral("COM10")), 10);
        QCOMPARE(PortNumber(QStringLiteral("ttyS")), -1);
    }

    void validatePort()
    {
        CListPortEnumerator ports;
        QCOMPARE(ValidatePort(ports, QStringLiteral("COM3")), QString());  // no port at all
        ports.Add(QStringLiteral("COM5"));
        ports.Add(QStringLiteral("COM3"));
        QCOMPARE(ValidatePort(ports, QStringLiteral("COM5")), QStringLiteral("COM5"));
        QCOMPARE(ValidatePort(ports, QStringLiteral("COM7")), QStringLiteral("COM3"));
        QCOMPARE(ValidatePort(ports, QString()), QStringLiteral("COM3"));
        QCOMPARE(ValidatePort(ports, QStringLiteral("/dev/COM5")), QStringLiteral("/dev/COM5"));
        CListPortEnumerator same;
        same.Add(QStringLiteral("ttyS0"));
        same.Add(QStringLiteral("ttyUSB0"));
        QCOMPARE(ValidatePort(same, QStringLiteral("ttyACM0")), QStringLiteral("ttyS0"));  // first of equals
    }

    void detectCable()
    {
        CListPortEnumerator ports;
        ports.Add(QStringLiteral("ttyS0"), QStringLiteral("16550A"));
        QCOMPARE(DetectCable(ports, 0), QString());
        ports.Add(QStringLiteral("ttyUSB3"), QStringLiteral("br zqv cable"));
        ports.Add(QStringLiteral("ttyUSB1"), QStringLiteral("BR ZQV CABLE"));
        QCOMPARE(DetectCable(ports, 0), QStringLiteral("ttyUSB3"));  // the first in the system's order
        ports.ports[1].description = QStringLiteral("BR ZQV CABLE 2");
        QCOMPARE(DetectCable(ports, 0), QStringLiteral("ttyUSB1"));
    }

    void findPort_data()
    {
        QTest::addColumn<int>("autoDetect");  // -1: cannot be read
        QTest::addColumn<QString>("current");  // "-": cannot be read
        QTest::addColumn<bool>("cable");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QString>("port");
        QTest::newRow("configuration unreadable") << -1 << "COM5" << true << false << "COM3";
        QTest::newRow("the chosen port") << 0 << "COM5" << true << false << "COM5";
        QTest::newRow("the chosen port is gone") << 0 << "COM9" << false << false << "COM3";
        QTest::newRow("no chosen port") << 0 << "-" << false << false << "COM3";
        QTest::newRow("automatic: the cable") << 1 << "COM3" << true << false << "COM5";
        QTest::newRow("automatic without a cable") << 1 << "COM5" << false << false << "COM3";
        QTest::newRow("detection forced") << 0 << "COM3" << true << true << "COM5";
    }
    void findPort()
    {
        QFETCH(int, autoDetect);
        QFETCH(QString, current);
        QFETCH(bool, cable);
        QFETCH(bool, force);
        CListPortEnumerator ports;
        ports.Add(QStringLiteral("COM5"), cable ? QStringLiteral("BR ZQV Cable") : QStringLiteral("USB Serial"));
        ports.Add(QStringLiteral("COM3"));
        PortPreference preference;
        if (autoDetect >= 0)
            preference.autoDetect = autoDetect;
        if (current != QLatin1String("-"))
            preference.currentComPort = current;
        QTEST(FindPort(ports, preference, force, 0), "port");
    }

    void preferenceFromTheConfiguration()
    {
        QTemporaryDir dir;
        CConfigStore config(dir.filePath(QStringLiteral("user")), dir.filePath(QStringLiteral("system")));
        PortPreference p = ReadPortPreference(config);
        QVERIFY(!p.autoDetect && !p.currentComPort);
        QVERIFY(config.Write(config::AutoDetect, 0u));
        QVERIFY(config.Write(config::CurrentComPort, QStringLiteral("ttyUSB1")));
        p = ReadPortPreference(config);
        QCOMPARE(p.autoDetect, std::optional<int>(0));
        QCOMPARE(p.currentComPort, std::optional<QString>(QStringLiteral("ttyUSB1")));
        CListPortEnumerator ports;
        ports.Add(QStringLiteral("ttyUSB0"), QStringLiteral("BR ZQV CABLE"));
        ports.Add(QStringLiteral("ttyUSB1"));
        QCOMPARE(FindPort(ports, p, false, 0), QStringLiteral("ttyUSB1"));
        QVERIFY(config.Write(config::AutoDetect, 1u));
        QCOMPARE(FindPort(ports, ReadPortPreference(config), false, 0), QStringLiteral("ttyUSB0"));
    }
};

QTEST_GUILESS_MAIN(TestLinkPort)
#include "tst_link_port.moc"
