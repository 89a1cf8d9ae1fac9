// Opening and saving a 150-contact profile through the profile document, against a bare
// libxml2 parse + schema validation of the same text.
//
//   bench_profile_open [--iterations N] [--install-dir DIR]
//
// Open = read the file, unscramble, sort, check, adapt, validate (a model that has started its
// script engine and loaded the schema). Save in memory = take off the adaptation, scramble,
// encode (Serialize); to disk = that, plus writing a temporary file, syncing it and renaming it
// over the old one. The profile is a group-3 profile of 50 public groups, 30 private
// groups, 70 private contacts and 25 text messages, written as the program writes it
// (scrambled UTF-16); a group-1 copy shows the cost of the adaptation.
#include "DataAdaptor.h"
#include "ProfileSchema.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "StringIds.h"
#include "TextFile.h"
#include "ZQVCPSDoc.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <libxml/parser.h>

using namespace zqv;

namespace {

VirtualCPData FullRecord()
{
    VirtualCPData r;
    r.limit.pid = "10000101";
    r.limit.valid_PID_start = "10000101";
    r.limit.valid_PID_end = "19999999";
    r.limit.model = "Q880";
    r.limit.clone_compatibility_version = 3;
    r.limit.max_num_of_contacts = 150;
    r.limit.max_num_of_private_grps = 50;
    r.limit.max_num_of_public_grps = 100;
    r.limit.max_num_of_predefined_msgs = 25;
    r.limit.max_num_of_channels = 16;
    r.limit.max_vol_level = 7;
    r.limit.num_of_languages = 3;
    r.limit.language_id = {0, 1, 4};
    r.setting.set_noise_levels(2, 2);
    int slot = 0;
    for (int i = 0; i < 50; ++i, ++slot) {
        VirtualCPContact &c = r.contacts[slot];
        c.cntct_type = 2;
        c.name = QStringLiteral("Public group %1").arg(i, 2, 10, QLatin1Char('0'));
        c.pid = QString::number(17179869183LL - i);
        c.channel = std::uint8_t(1 + i % 16);
        c.contact_flags_a = std::uint8_t(i % 3 == 0 ? CFA_IN_SCAN_LIST : 0);
    }
    for (int i = 0; i < 30; ++i, ++slot) {
        VirtualCPContact &c = r.contacts[slot];
        c.cntct_type = 1;
        c.name = QStringLiteral("Private group %1").arg(i, 2, 10, QLatin1Char('0'));
        c.pid = QString::number(10001000 + i);
        c.channel = 1;
    }
    for (int i = 0; i < 70; ++i, ++slot) {
        VirtualCPContact &c = r.contacts[slot];
        c.cntct_type = 0;
        c.name = i == 0 ? QStringLiteral("This radio") : QStringLiteral("Private %1").arg(i, 2, 10, QLatin1Char('0'));
        c.pid = QString::number(10000101 + i);
        c.channel = 1;
        c.alert_tone = 1;
        c.contact_flags_a = CFA_ID_IN_USE | CFA_IN_SCROLL_LIST;
        c.home_grp = QString::number(10001000 + i % 30);
        for (int p = 0; p < 3; ++p)
            c.parent_pid[p] = QString::number(10001000 + (i + p) % 30);
    }
    for (int i = 0; i < 25; ++i)
        r.texts[i] = QStringLiteral("Predefined message %1, please acknowledge").arg(i);
    return r;
}

// Builds each group's working setting document once, as the application keeps its current one.
class CBenchHost : public IDocumentHost {
public:
    explicit CBenchHost(std::shared_ptr<const CXmlDocument> upgrade) : m_spUpgrade(std::move(upgrade)) {}
    QString NewProfileTemplatePath() const override { return QString(); }
    std::shared_ptr<const CXmlDocument> WorkingSettingDocument(int group) override
    {
        auto &doc = m_cache[group];
        if (!doc)
            doc = MergeGroupSettingDoc(*m_spUpgrade, group, QStringLiteral("ZQV")).working;
        return doc;
    }

private:
    std::shared_ptr<const CXmlDocument> m_spUpgrade;
    std::map<int, std::shared_ptr<const CXmlDocument>> m_cache;
};

QString ReadProfileFileText(const QString &path)
{
    int mode = 0;
    QString text = ReadTextFile(path, &mode);
    if (!text.startsWith(QLatin1String("<?xml")))
        ScrambleText(text, mode);
    return text;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    QStringList args = app.arguments().mid(1);
    int iterations = 50;
    QString installDir = QStringLiteral(ZQV_BUILD_DIR "/data");
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--iterations"))
            iterations = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--install-dir"))
            installDir = args[i + 1];
    }
    CScriptedPrompter prompter;
    CModelEnvironment env;
    env.installDir = installDir;
    env.regionCode = QStringLiteral("ZQV");
    env.upgradeDoc = LoadSettingDoc(installDir, QLatin1String(kUpgradeDocName), prompter);
    env.prompter = &prompter;
    if (!env.upgradeDoc) {
        err << "no setting documents in " << installDir << "/lib\n";
        return 1;
    }
    CBenchHost host(env.upgradeDoc);
    QTemporaryDir dir;

    // The profile files: group 3 as the program writes it, and a group-1 copy.
    CZQVCPSDoc maker(env, host, prompter);
    maker.SetVirtualCPData(FullRecord());
    const QString g3Path = dir.filePath("g3.zqv");
    if (!maker.OnSaveDocument(g3Path))
        qFatal("cannot write the benchmark profile");
    // The group-1 copy: the firmware of group 1 and none of the fields later groups added.
    auto g1Doc = CXmlDocument::Parse(maker.Model().ProfileText());
    SetAttr(g1Doc->SelectOne(nullptr, "//dfns:version"), "firmware_version", "2");
    for (const char *field : {"password", "call_forward_id", "tpt_offset", "noise_level_accessory", "noise_level_radio",
                              "prog_mode_dis", "internal_ptt_dis", "tx_timeout_timer_dis", "priv_grp_call_rep_dis"})
        RemoveAttr(g1Doc->SelectOne(nullptr, "//dfns:setting"), field);
    for (xmlNodePtr contact : g1Doc->Select(nullptr, "//dfns:Private"))
        RemoveAttr(contact, "private_scroll_list");
    for (xmlNodePtr list : g1Doc->Select(nullptr, "//dfns:Private/dfns:scrolllist"))
        g1Doc->Detach(list);
    const QString g1Text = g1Doc->ToString();
    const QString g1Path = dir.filePath("g1.zqv");
    {
        CZQVCPSDoc g1(env, host, prompter);
        if (!g1.Model().LoadProfile(g1Text, false))
            qFatal("group-1 copy does not load");
        prompter.Queue(IDNO);
        if (!g1.OnSaveDocument(g1Path))
            qFatal("cannot write the group-1 copy");
    }
    const QString plain = ReadProfileFileText(g3Path);
    const QByteArray utf8 = plain.toUtf8();

    // Baseline: libxml2 parse + schema validation of the same text.
    QFile xsdFile(installDir + "/ProfileTemplate/DataProfile.xsd");
    xsdFile.open(QIODevice::ReadOnly);
    auto schema = CProfileSchema::Load(xsdFile.readAll());
    if (!schema)
        qFatal("schema does not load");
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < iterations; ++i) {
        auto doc =
            CXmlDocument::Adopt(xmlReadMemory(utf8.constData(), int(utf8.size()), nullptr, "UTF-8", XML_PARSE_NONET));
        if (!schema->Validate(*doc))
            qFatal("baseline does not validate");
    }
    const double bareMs = timer.nsecsElapsed() / 1e6 / iterations;
    // The normalising sort alone (part of every open).
    timer.restart();
    for (int i = 0; i < iterations; ++i) {
        QString text = plain;
        CDataAdaptor::SortProfileText(text);
    }
    const double sortMs = timer.nsecsElapsed() / 1e6 / iterations;

    enum Step { Open, Serialize, Save };
    auto measure = [&](const QString &path, Step step, int answer) {
        CZQVCPSDoc doc(env, host, prompter);
        if (!doc.OnOpenDocument(path))  // first open: starts the script engine, loads the schema
            qFatal("open failed");
        const QString target = dir.filePath("saved.zqv");
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < iterations; ++i) {
            if (step != Open && doc.Model().GetSettingGroup() != kLatestSettingGroup)
                prompter.Queue(answer);
            if (step == Open && !doc.Model().LoadProfile(path, true))
                qFatal("open failed");
            if (step == Serialize && doc.Serialize().isEmpty())
                qFatal("serialize failed");
            if (step == Save && !doc.OnSaveDocument(target))
                qFatal("save failed");
        }
        return t.nsecsElapsed() / 1e6 / iterations;
    };
    timer.restart();
    {
        CZQVCPSDoc doc(env, host, prompter);
        doc.OnOpenDocument(g3Path);
    }
    const double firstOpenMs = timer.nsecsElapsed() / 1e6;
    const double rows[] = {measure(g3Path, Open, 0), measure(g3Path, Serialize, 0),    measure(g3Path, Save, 0),
                           measure(g1Path, Open, 0), measure(g1Path, Serialize, IDNO), measure(g1Path, Save, IDNO)};
    const char *names[] = {"open group 3",           "save group 3, in memory", "save group 3, to disk",
                           "open group 1 (adapted)", "save group 1, in memory", "save group 1, to disk"};

    out << "profile: 150 contacts, 25 text messages, " << plain.size() << " characters; " << iterations
        << " iterations\n";
    out << QString::asprintf("%-40s %8.3f ms\n", "bare libxml2 parse + validate", bareMs);
    out << QString::asprintf("%-40s %8.3f ms\n", "first open (engine, schema, profile)", firstOpenMs);
    out << QString::asprintf("%-40s %8.3f ms = %.2f x bare\n", "normalising sort alone", sortMs, sortMs / bareMs);
    for (int i = 0; i < 6; ++i)
        out << QString::asprintf("%-40s %8.3f ms = %.2f x bare\n", names[i], rows[i], rows[i] / bareMs);
    return 0;
}
