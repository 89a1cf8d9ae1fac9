// The connection troubleshooter: runs the checks between the program and the radio in order
// and stops at the first that fails, with a sentence that says what is wrong and what to do:
//
//   1. the port exists;
//   2. this user may open it (on Linux: the group that owns the device, whether the user is
//      in it, whether the cable's udev rule is installed, and the command that fixes it);
//   3. no other program holds it (named with its process ID where the system tells);
//   4. the radio answers the identify request;
//   5. its replies are well-formed (garbled replies point at the cable);
//   6. its firmware has a setting group and its model is one this program programs.
//
// Nothing here shows anything: the desktop program's Test Connection window and
// `zqvcps-cli doctor` print the report.
#pragma once

#include "RadioTransfer.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace zqv {

enum class DoctorCheck { PortExists, MayOpen, NotHeld, Answers, WellFormed, Supported };

struct DoctorStep {
    DoctorCheck check;
    bool passed = false;
    QString detail;  // for a failed step: what is wrong and what to do
};

struct DoctorReport {
    QString port;
    QList<DoctorStep> steps;  // up to and including the first failure
    QString summary;  // after a full pass: what answered
    bool AllPassed() const { return !steps.isEmpty() && steps.last().passed && !summary.isEmpty(); }
    // The first failed step, or null.
    const DoctorStep *Failure() const;
    // One line per check, then the failure's sentence (or the summary).
    QString Text() const;
};

// The name of a check as the report shows it.
QString DoctorCheckName(DoctorCheck check);

class CCableDoctor {
public:
    // The setting group of a firmware version ("R5E.08.00"); 0 when none has it, negative
    // when it could not be told.
    using GroupLookup = std::function<int(const QString &firmwareVersion)>;
    // Tries to open the device for reading and writing as this user; 0 or the errno.
    using OpenProbe = std::function<int(const QString &devicePath)>;

    explicit CCableDoctor(GroupLookup groupOf) : m_groupOf(std::move(groupOf)) {}

    void SetPortFactory(CRadioTransfer::PortFactory factory) { m_portFactory = std::move(factory); }
    void SetOpenProbe(OpenProbe probe) { m_openProbe = std::move(probe); }
    void SetProcRoot(const QString &root) { m_strProcRoot = root; }
    // Where the cable's udev rule may be installed.
    void SetUdevRulePaths(const QStringList &paths) { m_udevRules = paths; }
    // The model family a radio must belong to (the clone-compatibility version).
    void SetModelFamily(int family) { m_nModelFamily = family; }

    DoctorReport Run(const QString &port) const;

    // The last report of this process (the support bundle includes it); empty before the
    // first run.
    static QString LastReportText();

private:
    bool CheckAccess(const QString &path, DoctorReport &report) const;
    bool CheckRadio(const QString &path, DoctorReport &report) const;

    GroupLookup m_groupOf;
    CRadioTransfer::PortFactory m_portFactory;
    OpenProbe m_openProbe;
    QString m_strProcRoot = QStringLiteral("/proc");
    QStringList m_udevRules{QStringLiteral("/etc/udev/rules.d/70-zqvcps-cable.rules"),
                            QStringLiteral("/lib/udev/rules.d/70-zqvcps-cable.rules"),
                            QStringLiteral("/usr/lib/udev/rules.d/70-zqvcps-cable.rules"),
                            QStringLiteral("/usr/local/lib/udev/rules.d/70-zqvcps-cable.rules")};
    int m_nModelFamily = 3;
};

}  // namespace zqv

namespace zqv {

class IPrompter;

// How the program offers the troubleshooter after a failure. With `asButton` the failure's
// box gets a button that runs `handler` on the port (the desktop program opens its Test
// Connection window); otherwise `handler` runs after the message (the command-line tool prints
// the command to run). Without a handler the message is shown as it is.
void SetTroubleshooterHandler(std::function<void(const QString &port)> handler, bool asButton = true);
// Runs the handler on `port` (nothing without one): a window's own offer was taken up.
void TakeUpTroubleshooter(const QString &port);

// Shows a failed radio operation's message and offers the troubleshooter on `port` as the
// handler says. A cancel by the user is shown as it is.
void ShowTransferFailure(IPrompter &prompter, const QString &text, int code, const QString &port, unsigned style = 0);

}  // namespace zqv
