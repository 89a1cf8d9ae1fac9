// zqvcps-cli run as a user runs it, and profile files as records, for the tests that drive the
// command-line tool against zqv-radio-sim. The including target defines ZQV_CLI (the tool)
// and ZQV_BUILD_DIR for Cli(), and links zqv_model.
#pragma once

#include "DataAdaptor.h"
#include "ModelTestSupport.h"
#include "TextFile.h"
#include "VirtualCPData.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTest>
#include <algorithm>

namespace zqv::test {

struct CliResult {
    int exit = -1;
    QString out, err;
};

#ifdef ZQV_CLI
// Runs the tool on `installDir` (the built data folder unless given). A run that crashes, does
// not start or is still running after a minute gives exit -1; a hung run is killed first.
inline CliResult Cli(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
                     const QString &installDir = QStringLiteral(ZQV_BUILD_DIR "/data"))
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProgram(QStringLiteral(ZQV_CLI));
    p.setArguments(QStringList{QStringLiteral("--install-dir"), installDir} + args);
    p.setStandardInputFile(QProcess::nullDevice());  // no terminal: questions are answered No
    p.start();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString::fromLocal8Bit(p.readAllStandardOutput()),
                QString::fromLocal8Bit(p.readAllStandardError()) + QStringLiteral("\n[zqvcps-cli did not finish]\n")};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()), QString::fromLocal8Bit(p.readAllStandardError())};
}
#endif

// A profile file's record.
inline VirtualCPData LoadRecord(const QString &path)
{
    VirtualCPData record;
    CDataAdaptor::XML2VirtualCP(ReadProfileFile(path), record);
    return record;
}

inline void SaveProfile(const VirtualCPData &record, const QString &path)
{
    QString text;
    CDataAdaptor::VirtualCP2XML(record, text);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(EncodeTextFile(text, TEXT_MODE_UTF16));
}

// Compares every field a profile carries. A profile keeps its contacts and texts in its own
// order, so contacts are matched by type and PID and texts compared as sorted lists; the
// record bits without a profile attribute are left out.
inline void CompareAsProfiles(const VirtualCPData &got, const VirtualCPData &want)
{
    QCOMPARE(got.firmware_phase, want.firmware_phase);
    QCOMPARE(got.firmware_version, want.firmware_version);
    QCOMPARE(got.codeplug_structure, want.codeplug_structure);
    VirtualCPLimit gl = got.limit, wl = want.limit;
    gl.limit_flags &= ~0x80FFu;
    wl.limit_flags &= ~0x80FFu;
    gl.limit_flags2 = wl.limit_flags2 = 0;
    QCOMPARE(gl, wl);
    VirtualCPSetting gs = got.setting, ws = want.setting;
    std::uint32_t named = 0;
    for (const FlagAttribute &f : kSettingFlagAttributes)
        named |= f.mask;
    gs.setting_flags &= named;
    ws.setting_flags &= named;
    QCOMPARE(gs, ws);
    int compared = 0;
    for (const VirtualCPContact &w : want.contacts) {
        if (w.IsEmpty())
            continue;
        const auto g = std::find_if(got.contacts.begin(), got.contacts.end(), [&](const VirtualCPContact &c) {
            return c.cntct_type == w.cntct_type && c.pid == w.pid;
        });
        QVERIFY2(g != got.contacts.end(), qPrintable(w.pid));
        QCOMPARE(g->name, w.name);
        QCOMPARE(g->alert_tone, w.alert_tone);
        QCOMPARE(g->contact_flags_a, w.contact_flags_a);
        QCOMPARE(g->channel, w.channel);
        if (w.cntct_type == profile::kPrivateContact) {
            QCOMPARE(g->contact_flags_b, w.contact_flags_b);
            QCOMPARE(g->parent_pid, w.parent_pid);
            QCOMPARE(g->home_grp, w.home_grp);
        }
        ++compared;
    }
    QCOMPARE(int(std::count_if(got.contacts.begin(), got.contacts.end(),
                               [](const VirtualCPContact &c) { return !c.IsEmpty(); })),
             compared);
    QStringList gt(got.texts.begin(), got.texts.end()), wt(want.texts.begin(), want.texts.end());
    gt.removeAll(QString());
    wt.removeAll(QString());
    gt.sort();
    wt.sort();
    QCOMPARE(gt, wt);
}

}  // namespace zqv::test
