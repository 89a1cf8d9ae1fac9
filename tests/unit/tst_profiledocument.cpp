// The profile document: saving old formats with or without conversion, the two file
// encodings, saves that fail without touching the old file, new profiles from templates and
// radio images, the record exchange, the public-group ID conversions, and closing.
#include "ModelTestSupport.h"

#include "DataAdaptor.h"
#include "SettingsMerge.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSDoc.h"

#include <QFileInfo>
#include <csignal>
#include <optional>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace zqv;
using namespace zqv::test;

namespace {

class CTestHost : public IDocumentHost {
public:
    explicit CTestHost(std::shared_ptr<const CXmlDocument> upgrade) : m_spUpgrade(std::move(upgrade)) {}
    QString NewProfileTemplatePath() const override { return templatePath; }
    std::shared_ptr<const CXmlDocument> WorkingSettingDocument(int group) override
    {
        groupsAsked << group;
        return MergeGroupSettingDoc(*m_spUpgrade, group, QStringLiteral("ZQV")).working;
    }
    bool CommitPendingEdit() override { return commit; }
    void ProfileReloaded() override { ++reloads; }

    QString templatePath;
    bool commit = true;
    int reloads = 0;
    QList<int> groupsAsked;

private:
    std::shared_ptr<const CXmlDocument> m_spUpgrade;
};

class CTestFileDialog : public IFileDialog {
public:
    QString GetSaveFileName(const SaveRequest &r) override
    {
        requests.push_back(r);
        return answer;
    }
    QString answer;
    std::vector<SaveRequest> requests;
};

bool HasBom(const QByteArray &bytes)
{
    return bytes.startsWith("\xff\xfe");
}

VirtualCPData RadioRecord()
{
    QString text = QString::fromUtf8(ReadBytes(FixturePath("profiles/valid_group3.zqv")));
    VirtualCPData r;
    CDataAdaptor::XML2VirtualCP(text, r);
    return r;
}

// Restores a resource limit when the test ends.
struct CLimitGuard {
    CLimitGuard(int resource, rlim_t soft) : m_resource(resource)
    {
        getrlimit(resource, &m_saved);
        rlimit l = m_saved;
        l.rlim_cur = soft;
        setrlimit(resource, &l);
    }
    ~CLimitGuard() { setrlimit(m_resource, &m_saved); }
    int m_resource;
    rlimit m_saved;
};

// A mount on a test folder, taken away when the test ends.
struct CMountGuard {
    CMountGuard(const QString &target, const char *type, unsigned long flags, const char *options)
        : m_target(QFile::encodeName(target))
    {
        const QByteArray source = type ? QByteArray(type) : m_target;
        ok = ::mount(source.constData(), m_target.constData(), type, flags, options) == 0;
    }
    bool Remount(unsigned long flags) { return ::mount(nullptr, m_target.constData(), nullptr, flags, nullptr) == 0; }
    ~CMountGuard()
    {
        if (ok)
            ::umount2(m_target.constData(), MNT_DETACH);
    }
    QByteArray m_target;
    bool ok = false;
};

}  // namespace

class TestProfileDocument : public QObject {
    Q_OBJECT

    std::unique_ptr<CTestInstallation> inst;
    std::unique_ptr<CTestHost> host;
    CScriptedPrompter prompter;
    CTestFileDialog dialog;

    std::unique_ptr<CZQVCPSDoc> NewDoc()
    {
        return std::make_unique<CZQVCPSDoc>(inst->Environment(&prompter), *host, prompter, &dialog);
    }
    // A copy of a fixture in the installation's temporary folder.
    QString Copy(const QString &fixture, const QString &name)
    {
        const QString path = inst->Path(name);
        QFile::remove(path);
        QFile::copy(FixturePath(fixture), path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

private slots:
    void init()
    {
        inst = std::make_unique<CTestInstallation>();
        host = std::make_unique<CTestHost>(inst->UpgradeDoc());
        prompter.Clear();
        dialog = CTestFileDialog();
    }

    void group1SavedWithoutConversionStaysSingleByteGroup1()
    {
        const QString path = Copy("g1/standard_g1.zqv", "g1.zqv");
        auto doc = NewDoc();
        QVERIFY(doc->OnOpenDocument(path));
        QCOMPARE(host->groupsAsked, QList<int>({1}));
        for (int round = 0; round < 2; ++round) {
            prompter.Queue(IDNO);
            QVERIFY(doc->OnSaveDocument(inst->Path("out.zqv")));
            // the question is asked again as long as the answer is No
            QCOMPARE(prompter.History().size(), size_t(round + 1));
            QCOMPARE(prompter.Texts().last(), LoadStr(IDS_CONVERT_TO_LATEST_FORMAT));
        }
        const QByteArray bytes = ReadBytes(inst->Path("out.zqv"));
        QVERIFY(!HasBom(bytes));
        QVERIFY(!bytes.startsWith("<?xml"));  // scrambled
        int mode = -1;
        const QString text = ReadProfileFile(inst->Path("out.zqv"), &mode);
        QCOMPARE(mode, int(TEXT_MODE_CP1252));
        QCOMPARE(Entries(text), Entries(ReadProfileFile(path)));
        QVERIFY(!doc->IsConvertAgreed());
        QCOMPARE(doc->Model().GetSettingGroup(), 1);
    }

    void group1ConvertedOnYesAndAskedOnlyOnce()
    {
        auto doc = NewDoc();
        QVERIFY(doc->OnOpenDocument(Copy("g1/standard_g1.zqv", "g1.zqv")));
        prompter.Queue(IDYES);
        QVERIFY(doc->OnSaveDocument(inst->Path("out.zqv")));
        QCOMPARE(prompter.History().size(), size_t(1));
        QVERIFY(doc->IsConvertAgreed());
        QCOMPARE(doc->Model().GetSettingGroup(), 3);
        QCOMPARE(host->reloads, 1);
        QCOMPARE(host->groupsAsked, QList<int>({1, 3}));  // the setting document follows the group

        const QByteArray bytes = ReadBytes(inst->Path("out.zqv"));
        QVERIFY(HasBom(bytes));
        int mode = -1;
        const QString text = ReadProfileFile(inst->Path("out.zqv"), &mode);
        QCOMPARE(mode, int(TEXT_MODE_UTF16));
        auto saved = CXmlDocument::Parse(text);
        QVERIFY(saved);
        QCOMPARE(GetAttr(saved->SelectOne(nullptr, "//dfns:version"), "firmware_version"), QString("7"));
        QVERIFY(HasAttr(saved->SelectOne(nullptr, "//dfns:setting"), "noise_level_radio"));

        QVERIFY(doc->OnSaveDocument(inst->Path("out2.zqv")));
        QCOMPARE(prompter.History().size(), size_t(1));  // not asked again

        // the converted file opens as a group-3 profile without a question on saving
        auto reopened = NewDoc();
        QVERIFY(reopened->OnOpenDocument(inst->Path("out.zqv")));
        QCOMPARE(reopened->Model().GetSettingGroup(), 3);
        QVERIFY(reopened->OnSaveDocument(inst->Path("out3.zqv")));
        QCOMPARE(prompter.History().size(), size_t(1));
        QVERIFY(HasBom(ReadBytes(inst->Path("out3.zqv"))));
    }

    void group3SavedWithoutQuestionInItsOwnEncoding()
    {
        auto doc = NewDoc();
        QVERIFY(doc->OnOpenDocument(Copy("profiles/valid_group3.zqv", "g3.zqv")));
        QVERIFY(doc->OnSaveDocument(inst->Path("g3.zqv")));
        QVERIFY(prompter.History().empty());
        // read from a single-byte file, written back as one
        QVERIFY(!HasBom(ReadBytes(inst->Path("g3.zqv"))));
        QCOMPARE(Entries(ReadProfileFile(inst->Path("g3.zqv"))),
                 Entries(QString::fromUtf8(ReadBytes(FixturePath("profiles/valid_group3.zqv")))));
    }

    void group1TextOutsideCodePage1252IsWrittenInUtf16()
    {
        auto doc = NewDoc();
        QVERIFY(doc->OnOpenDocument(Copy("g1/standard_g1.zqv", "g1.zqv")));
        SetAttr(doc->Model().ProfileDocument()->SelectOne(nullptr, "//dfns:TextMessage"), "txt",
                QString::fromUtf8("\xce\xa9 ohm"));
        prompter.Queue(IDNO);
        QVERIFY(doc->OnSaveDocument(inst->Path("out.zqv")));
        QVERIFY(HasBom(ReadBytes(inst->Path("out.zqv"))));
        QVERIFY(ReadProfileFile(inst->Path("out.zqv")).contains(QString::fromUtf8("\xce\xa9 ohm")));
    }

    void newFromRadioRecord()
    {
        const VirtualCPData record = RadioRecord();
        auto doc = NewDoc();
        QVERIFY(doc->OnNewDocument(&record));
        QCOMPARE(doc->GetTitle(), QString("4012001"));
        QVERIFY(doc->IsModified());
        QVERIFY(doc->GetPathName().isEmpty());
        QCOMPARE(doc->Model().GetSettingGroup(), 3);
        QVERIFY(doc->SettingDocument()->Root());
        // sorted as profiles are kept, and written in UTF-16
        VirtualCPData back;
        QVERIFY(doc->GetVirtualCPData(back));
        QCOMPARE(back.contacts[0].name, QString("Dispatch"));
        QCOMPARE(back.contacts[1].name, QString("Events"));
        QVERIFY(doc->OnSaveDocument(inst->Path("read.zqv")));
        QVERIFY(HasBom(ReadBytes(inst->Path("read.zqv"))));
        QVERIFY(!doc->IsModified());
    }

    void newFromTemplate()
    {
        host->templatePath = inst->Path("ProfileTemplate/ZQ-880 Fleet.zqv");
        auto doc = NewDoc();
        QVERIFY(doc->OnNewDocument());
        QVERIFY(!doc->IsModified());
        QCOMPARE(doc->Model().GetSettingGroup(), 3);
        VirtualCPData r;
        QVERIFY(doc->GetVirtualCPData(r));
        QCOMPARE(r.limit.model, QString("Z880"));

        host->templatePath = inst->Path("missing.zqv");
        auto broken = NewDoc();
        QVERIFY(!broken->OnNewDocument());
        QCOMPARE(prompter.Texts(), QStringList({LoadStr(IDS_INVALID_PROFILE)}));
    }

    void everyShippedTemplateIsAUsableGroup3Profile()
    {
        const QDir dir(QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate"));
        const QStringList templates = dir.entryList({"*.zqv"}, QDir::Files);
        QVERIFY(templates.size() >= 3);
        QSet<QString> models;
        for (const QString &name : templates) {
            host->templatePath = dir.filePath(name);
            auto doc = NewDoc();
            QVERIFY2(doc->OnNewDocument(), qPrintable(name));
            QCOMPARE(doc->Model().GetSettingGroup(), 3);
            QVERIFY(doc->Model().AddList().empty());
            VirtualCPData r;
            QVERIFY(doc->GetVirtualCPData(r));
            models << r.limit.model;
            // the radio's own private contact, a public group and a text message
            bool own = false, publicGroup = false;
            for (const auto &c : r.contacts) {
                own |= c.cntct_type == 0 && c.pid == r.limit.pid;
                publicGroup |= c.cntct_type == 2 && doc->PidToNumber(c.pid) > 0;
            }
            QVERIFY2(own && publicGroup && !r.texts[0].isEmpty(), qPrintable(name));
        }
        QCOMPARE(models.size(), templates.size());
    }

    // Each way writing the file can fail: the message names the file and the system's reason,
    // and what was at the path before is untouched.
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reason");  // part of the system's text for the failure
        QTest::newRow("read-only folder") << "readonly"
                                          << "Read-only file system";
        QTest::newRow("permission denied") << "denied"
                                           << "Permission denied";
        QTest::newRow("missing folder") << "missing"
                                        << "No such file or directory";
        QTest::newRow("path is a folder") << "folder"
                                          << "not a regular file";
        // Special files keep what they are: a save never replaces them with a regular file
        // (nor writes through them).
        QTest::newRow("path is a FIFO") << "fifo"
                                        << "not a regular file";
        QTest::newRow("path is a device node") << "device"
                                               << "not a regular file";
        // Over the size an open accepts: a file that could not be opened again is not written.
        QTest::newRow("profile over the size limit") << "toolarge"
                                                     << "too large for a profile";
        QTest::newRow("temporary file cannot be created") << "longname"
                                                          << "File name too long";
        QTest::newRow("disk full") << "full"
                                   << "No space left on device";
        QTest::newRow("file-size limit (short write)") << "fsize"
                                                       << "File too large";
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, how);
        QFETCH(QString, reason);
        const QString out = inst->Path("out");
        QDir(inst->Dir()).mkpath("out");
        std::optional<CMountGuard> mount;
        if (how == "full") {
            // A tmpfs of two pages: the old file takes one, the new profile needs more.
            mount.emplace(out, "tmpfs", 0, "size=8k");
            if (!mount->ok)
                QSKIP("no tmpfs can be mounted here (needs the right to mount)");
        }
        QString target = inst->Path("out/profile.zqv");
        if (how == "longname")
            target = inst->Path("out/" + QString(250, 'p') + ".zqv");
        else if (how == "missing")
            target = inst->Path("out/missing/profile.zqv");
        const QByteArray old = "old profile bytes that must survive";
        const bool special = how == "folder" || how == "fifo" || how == "device";
        if (how == "folder")
            QVERIFY(QDir(out).mkpath("profile.zqv/inside"));
        else if (how == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        else if (how == "device") {
            // A node of the device that refuses every write, made where replacing it is harmless.
            if (mknod(QFile::encodeName(target).constData(), S_IFCHR | 0600, makedev(1, 7)) != 0)
                QSKIP("no device node can be made here (needs the right to make one)");
        } else if (how != "missing")
            WriteBytes(target, old);
        if (how == "readonly") {
            mount.emplace(out, nullptr, MS_BIND, nullptr);
            if (!mount->ok || !mount->Remount(MS_BIND | MS_REMOUNT | MS_RDONLY))
                QSKIP("no read-only bind mount can be made here (needs the right to mount)");
        }

        auto doc = NewDoc();
        QString source = Copy("profiles/valid_group3.zqv", "g3.zqv");
        if (how == "toolarge") {
            // Just under the limit as UTF-8; a character outside code page 1252 makes the save
            // UTF-16, twice the size.
            QByteArray bytes = ReadBytes(source);
            const QByteArray comment = "<!-- \xE2\x82\xAC" + QByteArray(int(kMaxProfileBytes * 0.6), 'c') + " -->";
            bytes.insert(bytes.indexOf("?>") + 2, comment);
            WriteBytes(source, bytes);
        }
        QVERIFY(doc->OnOpenDocument(source));
        doc->SetModifiedFlag(true);
        bool saved = true;
        if (how == "denied") {
            // Folder permissions do not bind the superuser, but they bind its file-system
            // identity once that is another user's (this thread only, undone at once).
            QFile::setPermissions(out, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
            const uid_t before = setfsuid(geteuid() == 0 ? 65534 : geteuid());
            saved = doc->OnSaveDocument(target);
            setfsuid(before);
            QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else if (how == "fsize") {
            std::signal(SIGXFSZ, SIG_IGN);
            CLimitGuard limit(RLIMIT_FSIZE, 1024);
            saved = doc->OnSaveDocument(target);
        } else {
            saved = doc->OnSaveDocument(target);
        }
        QVERIFY(!saved);
        QCOMPARE(prompter.Texts().size(), qsizetype(1));
        const QString message = prompter.Texts().first();
        QVERIFY2(message.startsWith(FormatStr(IDS_SAVE_IO_ERROR, {target, QString()}).section(u'\n', 0, 0)),
                 qPrintable(message));
        QVERIFY2(message.contains(target) && message.contains(reason, Qt::CaseInsensitive), qPrintable(message));
        QCOMPARE(doc->GetLastErrorId(), int(IDS_SAVE_IO_ERROR));
        QVERIFY(doc->IsModified());
        if (how == "folder")
            QCOMPARE(QDir(target).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"inside"});
        else if (how == "fifo" || how == "device")
            QCOMPARE(QFileInfo(target).isFile(), false);
        else if (how == "missing")
            QVERIFY(!QFileInfo::exists(QFileInfo(target).path()));
        else
            QCOMPARE(ReadBytes(target), old);
        const qsizetype files = how == "missing" || special ? 0 : 1;
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), files);  // no leftovers
    }

    // A save can be checked before long work without leaving anything behind.
    void canSaveToNamesTheReason()
    {
        QString why;
        QVERIFY(CZQVCPSDoc::CanSaveTo(inst->Path("fresh.zqv"), &why));
        QVERIFY(!QFileInfo::exists(inst->Path("fresh.zqv")));
        QVERIFY(!CZQVCPSDoc::CanSaveTo(inst->Path("nowhere/x.zqv"), &why));
        QVERIFY2(why.contains("No such file or directory"), qPrintable(why));
        QVERIFY(!CZQVCPSDoc::CanSaveTo(inst->Dir(), &why));
        QVERIFY(!CZQVCPSDoc::CanSaveTo(inst->Path(QString(250, 'p') + ".zqv"), &why));
        QVERIFY2(why.contains("File name too long"), qPrintable(why));
        QCOMPARE(QDir(inst->Dir()).entryList(QDir::Files | QDir::Hidden).filter(".zqv.").size(), qsizetype(0));
    }

    void recordExchange()
    {
        auto doc = NewDoc();
        QVERIFY(doc->OnOpenDocument(Copy("profiles/valid_group3.zqv", "g3.zqv")));
        VirtualCPData own, global;
        QVERIFY(doc->GetVirtualCPData(own, "4012001"));
        QVERIFY(doc->GetVirtualCPData(global));
        auto scrollNames = [](const VirtualCPData &r) {
            QStringList n;
            for (const auto &c : r.contacts)
                if (!c.IsEmpty() && (c.contact_flags_a & CFA_IN_SCROLL_LIST))
                    n << c.name;
            return n;
        };
        QCOMPARE(scrollNames(own), QStringList({"Dispatch", "Night Shift", "Alice"}));
        QCOMPARE(scrollNames(global).size(), 5);

        // a radio image replaces the profile; one that makes no valid profile leaves it
        VirtualCPData radio = RadioRecord();
        radio.contacts[0].name = "Renamed";
        QVERIFY(doc->SetVirtualCPData(radio));
        QVERIFY(doc->Model().ProfileText().contains("Renamed"));
        radio.contacts[0].name = QStringLiteral("Bad\x01name");
        const QString before = doc->Model().ProfileText();
        QString trace;
        QCOMPARE(ThrownId([&] { doc->SetVirtualCPData(radio); }, &trace), int(IDS_INVALID_PROFILE));
        QVERIFY2(trace.contains("(CZQVCPSDoc::SetVirtualCPData:"), qPrintable(trace));
        QCOMPARE(doc->Model().ProfileText(), before);
    }

    // A refusal whose message names something shows it filled in: here the FIFO, which the
    // open never waits on.
    void openRefusalNamesWhatItRefused()
    {
        const QString fifo = inst->Path("fifo.zqv");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        auto doc = NewDoc();
        QVERIFY(!doc->OnOpenDocument(fifo));
        QCOMPARE(doc->GetLastErrorId(), int(IDS_PROFILE_NOT_REGULAR_FILE));
        QCOMPARE(prompter.History().size(), size_t(1));
        QCOMPARE(prompter.History().front().text, FormatStr(IDS_PROFILE_NOT_REGULAR_FILE, {fifo}));
        QVERIFY(prompter.History().front().text.startsWith(fifo));
    }

    void publicGroupNumbers_data()
    {
        QTest::addColumn<QString>("pid");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("reverse");
        // bank 0: 17179869183 .. 17179869084 (1-100); bank 1: 10000001 .. 9999982 (1298-1317)
        QTest::newRow("bank 0 top") << "17179869183" << 1 << true;
        QTest::newRow("bank 0, fourth") << "17179869180" << 4 << true;
        QTest::newRow("bank 0 last") << "17179869084" << 100 << true;
        QTest::newRow("bank 1 top") << "10000001" << 1298 << true;
        QTest::newRow("bank 1 third") << "9999999" << 1300 << true;
        QTest::newRow("below bank 0") << "17179869083" << 0 << false;
        QTest::newRow("above bank 1") << "10000002" << 0 << false;
        QTest::newRow("in no bank") << "5000" << 0 << false;
        QTest::newRow("not a number") << "abc" << 0 << false;
    }
    void publicGroupNumbers()
    {
        QFETCH(QString, pid);
        QFETCH(int, number);
        QFETCH(bool, reverse);
        auto doc = NewDoc();
        QVERIFY(doc->OnOpenDocument(Copy("profiles/valid_group3.zqv", "g3.zqv")));
        QCOMPARE(doc->PidToNumber(pid), number);
        if (reverse)
            QCOMPARE(doc->NumberToPid(number), pid);
        // numbers outside every bank have no PID
        QCOMPARE(doc->NumberToPid(101), QString());
        QCOMPARE(doc->NumberToPid(1318), QString());
        QCOMPARE(doc->NumberToPid(0), QString());
    }

    void closingAndSaveAs()
    {
        const VirtualCPData record = RadioRecord();
        auto doc = NewDoc();
        QVERIFY(doc->OnNewDocument(&record));
        doc->SetTitle("4012001:radio");
        // Cancel keeps it open; No closes without writing
        prompter.Queue(IDCANCEL);
        QVERIFY(!doc->SaveModified());
        QCOMPARE(prompter.Texts().last(), FormatStr(IDS_SAVE_CHANGES_QUESTION, {"4012001:radio"}));
        prompter.Queue(IDNO);
        QVERIFY(doc->SaveModified());
        QVERIFY(dialog.requests.empty());
        // Yes without a path asks for one; cancelling the dialog keeps it open
        prompter.Queue(IDYES);
        QVERIFY(!doc->SaveModified());
        QCOMPARE(dialog.requests.size(), size_t(1));
        QCOMPARE(dialog.requests[0].proposedPath, QString("4012001.zqv"));
        QCOMPARE(dialog.requests[0].filter, QString("ZQV CPS Files (*.zqv);;All Files (*.*)"));
        QCOMPARE(dialog.requests[0].defaultExtension, QString("zqv"));
        // a chosen path is saved to and becomes the document's
        dialog.answer = inst->Path("chosen.zqv");
        prompter.Queue(IDYES);
        QVERIFY(doc->SaveModified());
        QCOMPARE(doc->GetPathName(), dialog.answer);
        QCOMPARE(doc->GetTitle(), QString("chosen.zqv"));
        QVERIFY(!doc->IsModified());
        QVERIFY(doc->SaveModified());  // nothing left to ask
        QCOMPARE(prompter.History().size(), size_t(4));
    }

    void viewThatRefusesItsEditStopsTheSave()
    {
        auto doc = NewDoc();
        QVERIFY(doc->OnOpenDocument(Copy("g1/standard_g1.zqv", "g1.zqv")));
        host->commit = false;
        QVERIFY(!doc->OnSaveDocument(inst->Path("out.zqv")));
        QVERIFY(!QFile::exists(inst->Path("out.zqv")));
        QVERIFY(prompter.History().empty());
    }
};

QTEST_GUILESS_MAIN(TestProfileDocument)
#include "tst_profiledocument.moc"
