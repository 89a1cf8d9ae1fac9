// The shell's dialogs and the radio information form: the password prompt, the dealer texts,
// the model choice, the port preference, the transfer dialogs without a port, and what the
// radio information form shows for a profile.
#include "AskPwdDlg.h"
#include "ConfigStore.h"
#include "DealerInfoDialog.h"
#include "GuiTestSupport.h"
#include "LinkTrace.h"
#include "MessageBoxPrompter.h"
#include "NewProfileDlg.h"
#include "PreferenceDialog.h"
#include "RadioInfoView.h"
#include "StringTable.h"
#include "TextFile.h"
#include "TransferDialog.h"
#include "XmlDom.h"
#include "ZQVCPSException.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <optional>

using namespace zqv;
using namespace zqvtest;

namespace {

std::unique_ptr<CConfigStore> Store(const QTemporaryDir &dir)
{
    return std::make_unique<CConfigStore>(dir.filePath("user"), dir.filePath("system"));
}

QByteArray Profile(const QByteArray &unitPid, const QByteArray &privates)
{
    return "<?xml version=\"1.0\"?><ZQVProfile xmlns=\"urn:corvane:zqv-cps:profile\">"
           "<version firmware_phase=\"R\" firmware_release=\"94\" firmware_version=\"8\" firmware_revision=\"0\""
           " codeplug_version=\"16\" codeplug_structure=\"3\" codeplug_dev_version=\"5\"/>"
           "<limit pid=\"" +
        unitPid + "\"/><Contacts><Privates>" + privates + "</Privates></Contacts></ZQVProfile>";
}

}  // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void passwordPromptTakesFourDigitsAndChecksThem();
    void dealerInfoKeepsTwoHundredFiftyCharacters();
    void dealerInfoWithoutTextsShowsMessage();
    void newProfileListsTemplates();
    void newProfileWithoutTemplatesShowsMessage();
    void preferenceChoosesPortOrDetection();
    void preferenceSwitchesLinkTrace();
    void transferDialogWithoutPortStartsNothing();
    void radioInfoShowsIdentity_data();
    void radioInfoShowsIdentity();
    void radioInfoWithoutIdentityRaises();
    void messageBoxShowsTextAsItIs();
};

void TestDialogs::passwordPromptTakesFourDigitsAndChecksThem()
{
    CScriptedPrompter prompter;
    CAskPwdDlg dlg(QStringLiteral("0815"), prompter);
    dlg.show();
    QCOMPARE(dlg.windowTitle(), LoadStr(IDS_PASSWORD_DIALOG_TITLE));
    QCOMPARE(dlg.Edit()->echoMode(), QLineEdit::Password);
    QTest::keyClicks(dlg.Edit(), QStringLiteral("0a8-1 59"));
    QCOMPARE(dlg.Edit()->text(), QString("0815"));
    // A wrong password: message 302, the prompt closes with OK, nothing is entered.
    dlg.Edit()->setText(QStringLiteral("0816"));
    dlg.accept();
    QCOMPARE(Shown(prompter), QStringList{LoadStr(IDS_PASSWORD_INCORRECT)});
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(dlg.Entered().isEmpty());
    // Opening again starts empty; the right password is taken.
    dlg.show();
    QVERIFY(dlg.Edit()->text().isEmpty());
    dlg.Edit()->setText(QStringLiteral("0815"));
    dlg.accept();
    QCOMPARE(dlg.Entered(), QString("0815"));
    QCOMPARE(prompter.History().size(), size_t(1));
}

void TestDialogs::dealerInfoKeepsTwoHundredFiftyCharacters()
{
    QTemporaryDir dir;
    auto store = Store(dir);
    for (const auto *v : {&config::UserDealerInfo, &config::UserContactInfo, &config::UserDealerNotes})
        QVERIFY(store->Write(*v, QStringLiteral("line one\r\nline two"), "English"));
    CScriptedPrompter prompter;
    CDealerInfoDialog::Texts texts;
    QVERIFY(CDealerInfoDialog::ReadTexts(*store, "English", texts));
    CDealerInfoDialog dlg(*store, prompter, "English", texts);
    dlg.show();
    QCOMPARE(dlg.DealerInfoEdit()->toPlainText(), QString("line one\nline two"));

    // 250 characters are taken, the 251st is not, whether typed or pasted.
    dlg.NotesEdit()->setPlainText(QString(249, QLatin1Char('n')));
    dlg.NotesEdit()->moveCursor(QTextCursor::End);
    QTest::keyClicks(dlg.NotesEdit(), QStringLiteral("xyz"));
    QCOMPARE(dlg.NotesEdit()->toPlainText().size(), 250);
    QVERIFY(dlg.NotesEdit()->toPlainText().endsWith("nx"));
    dlg.ContactInfoEdit()->setPlainText(QString(300, QLatin1Char('c')));
    QCOMPARE(dlg.ContactInfoEdit()->toPlainText().size(), 250);

    // Empty texts are stored as empty values.
    dlg.DealerInfoEdit()->clear();
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(store->ReadString(config::UserDealerInfo, "English").value_or("?"), QString());
    QCOMPARE(store->ReadString(config::UserDealerNotes, "English")->size(), 250);
    QVERIFY(prompter.History().empty());
}

void TestDialogs::dealerInfoWithoutTextsShowsMessage()
{
    QTemporaryDir dir;
    auto store = Store(dir);
    store->Write(config::UserDealerInfo, QStringLiteral("x"), "English");
    CScriptedPrompter prompter;
    // One text missing, or no language: message 161 and no dialog.
    QCOMPARE(CDealerInfoDialog::Run(*store, prompter, "English", nullptr), int(QDialog::Rejected));
    QCOMPARE(CDealerInfoDialog::Run(*store, prompter, QString(), nullptr), int(QDialog::Rejected));
    QCOMPARE(Shown(prompter), (QStringList{LoadStr(IDS_LANGUAGE_TYPE_ERROR), LoadStr(IDS_LANGUAGE_TYPE_ERROR)}));
}

void TestDialogs::newProfileListsTemplates()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("ProfileTemplate/sub.zqv"));
    for (const char *name : {"Model B.zqv", "Model A.zqv", "notes.txt"}) {
        QFile f(dir.filePath(QStringLiteral("ProfileTemplate/") + name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    CScriptedPrompter prompter;
    CNewProfileDlg dlg(dir.path(), prompter);
    QCOMPARE(dlg.Templates(), (QStringList{"Model A", "Model B"}));
    QCOMPARE(dlg.List()->currentRow(), 0);
    dlg.List()->setCurrentRow(1);
    dlg.accept();
    QCOMPARE(dlg.TemplatePath(), dir.path() + "/ProfileTemplate/Model B.zqv");
}

void TestDialogs::newProfileWithoutTemplatesShowsMessage()
{
    QTemporaryDir dir;
    CScriptedPrompter prompter;
    CNewProfileDlg dlg(dir.path(), prompter);
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QCOMPARE(Shown(prompter), QStringList{LoadStr(IDS_NO_TEMPLATE_FILES)});
    QVERIFY(dlg.TemplatePath().isEmpty());
}

void TestDialogs::preferenceChoosesPortOrDetection()
{
    QTemporaryDir dir;
    auto store = Store(dir);
    // No serial port at all: an empty list.
    {
        CListPortEnumerator none;
        CPreferenceDialog dlg(*store, none);
        QCOMPARE(dlg.PortList()->count(), 0);
    }
    CListPortEnumerator ports;
    ports.Add("ttyS0");
    ports.Add("ttyUSB3", "br zqv cable");
    ports.Add("ttyS1");
    store->Write(config::CurrentComPort, QStringLiteral("ttyS1"));
    store->Write(config::AutoDetect, 0u);
    CPreferenceDialog dlg(*store, ports);
    QStringList shown;
    connect(&dlg, &CPreferenceDialog::PortChosen, this, [&shown](const QString &p) { shown << p; });
    QCOMPARE(dlg.PortList()->count(), 3);
    QVERIFY(!dlg.AutoDetectBox()->isChecked());
    QVERIFY(dlg.PortList()->isEnabled());
    QCOMPARE(dlg.PortList()->currentText(), QString("ttyS1"));
    // Auto detect: the cable's port, and the list is locked.
    dlg.AutoDetectBox()->click();
    QVERIFY(!dlg.PortList()->isEnabled());
    QCOMPARE(dlg.PortList()->currentText(), QString("ttyUSB3"));
    QCOMPARE(shown.last(), QString("ttyUSB3"));
    dlg.accept();
    QCOMPARE(store->ReadString(config::CurrentComPort).value_or(QString()), QString("ttyUSB3"));
    QCOMPARE(store->ReadDword(config::AutoDetect).value_or(0), 1u);
}

// The check box is stored as LinkTrace, read back by the next start and switches the trace into
// the user's data folder; a trace file that cannot be opened keeps the dialog open, stores
// nothing and says why.
void TestDialogs::preferenceSwitchesLinkTrace()
{
    QTemporaryDir dir;
    // The data folder and the trace go back as they were even when a check fails.
    const std::optional<QByteArray> dataHome =
        qEnvironmentVariableIsSet("XDG_DATA_HOME") ? std::optional(qgetenv("XDG_DATA_HOME")) : std::nullopt;
    const auto restore = qScopeGuard([&dataHome] {
        linktrace::Stop();
        if (dataHome)
            qputenv("XDG_DATA_HOME", *dataHome);
        else
            qunsetenv("XDG_DATA_HOME");
    });
    qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
    const QString path = CConfigStore::LinkTraceFilePath();
    QVERIFY2(path.startsWith(dir.filePath("data")) && path.endsWith("/link-trace.log"), qPrintable(path));
    auto store = Store(dir);
    CListPortEnumerator ports;
    {
        CPreferenceDialog dlg(*store, ports);
        QVERIFY(!dlg.LinkTraceBox()->isChecked());
        QVERIFY(dlg.LinkTraceLabel()->text().contains(path));
        dlg.LinkTraceBox()->click();
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }
    QCOMPARE(store->ReadDword(config::LinkTrace).value_or(0), 1u);
    QCOMPARE(linktrace::FilePath(), path);
    const std::uint8_t frame[] = {0xF3, 0x9B, 0x25, 0x3F};
    linktrace::Frame(linktrace::Direction::Sent, frame, 4);
    QVERIFY(ReadTextFile(path).contains(" TX F3 9B 25 3F\n"));

    // The next start: a store on the same folders reads the setting and switches the trace on.
    linktrace::Stop();
    CConfigStore next(dir.filePath("user"), dir.filePath("system"));
    QVERIFY(CPreferenceDialog::ApplyLinkTrace(next));
    QCOMPARE(linktrace::FilePath(), path);
    {
        CPreferenceDialog dlg(next, ports);
        QVERIFY(dlg.LinkTraceBox()->isChecked());
        dlg.LinkTraceBox()->click();
        dlg.accept();
    }
    QVERIFY(!next.ReadLinkTrace());
    QVERIFY(linktrace::FilePath().isEmpty());

    // The trace file's place is taken by a folder: the file cannot be opened.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    {
        CPreferenceDialog dlg(next, ports);
        dlg.LinkTraceBox()->click();
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY2(dlg.LinkTraceLabel()->text().startsWith(
                     FormatStr(IDS_LINK_TRACE_OPEN_FAILED, {path, QString()}).section(':', 0, 0)),
                 qPrintable(dlg.LinkTraceLabel()->text()));
    }
    QVERIFY(!next.ReadLinkTrace());
    QVERIFY(linktrace::FilePath().isEmpty());
}

void TestDialogs::transferDialogWithoutPortStartsNothing()
{
    CScriptedPrompter prompter;
    QStringList pane;
    TransferUiContext context;
    context.prompter = &prompter;
    context.findPort = [] { return QString(); };
    context.setPortPane = [&pane](const QString &t) { pane << t; };
    VirtualCPData record;
    const VirtualCPData before = record;
    CReadWriteDialog dlg(CReadWriteDialog::Mode::Read, record, false, context);
    // The note is shown and Cancel ends the dialog at once.
    QTimer::singleShot(0, &dlg, [&dlg] {
        QCOMPARE(dlg.StatusLabel()->text(), LoadStr(IDS_CANCELING_OPERATION));
        QVERIFY(!dlg.OkButton()->isEnabled());
        dlg.CancelButton()->click();
    });
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QVERIFY(record == before);
    QVERIFY(pane.isEmpty());
    QVERIFY(prompter.History().empty());

    CReadPidDialog pid(context);
    QTimer::singleShot(0, &pid, [&pid] {
        QCOMPARE(pid.InstructionLabel()->text(), LoadStr(IDS_READ_PID_INSTRUCTION));
        pid.reject();
    });
    QCOMPARE(pid.exec(), int(QDialog::Rejected));
    QCOMPARE(pid.CapturedPid(), QString(20, QLatin1Char(' ')));
}

void TestDialogs::radioInfoShowsIdentity_data()
{
    QTest::addColumn<QByteArray>("pid");
    QTest::addColumn<QByteArray>("privates");
    QTest::addColumn<QString>("name");
    QTest::newRow("own contact")
        << QByteArray("4012001")
        << QByteArray("<Private name=\"Other\" pid=\"4012002\"/><Private name=\"Dispatch 1\" pid=\"4012001\"/>")
        << "Dispatch 1";
    QTest::newRow("no own contact") << QByteArray("4012009") << QByteArray("<Private name=\"Other\" pid=\"4012002\"/>")
                                    << "XXXXXXXXXXX";
    QTest::newRow("unknown radio") << QByteArray("XXXXXXXXXXX") << QByteArray() << "XXXXXXXXXXX";
}

void TestDialogs::radioInfoShowsIdentity()
{
    QFETCH(QByteArray, pid);
    QFETCH(QByteArray, privates);
    QFETCH(QString, name);
    auto doc = CXmlDocument::Parse(Profile(pid, privates));
    QVERIFY(doc);
    const CRadioInfoView::Info info = CRadioInfoView::Read(*doc);
    QCOMPARE(info.unitPid, QString::fromLatin1(pid));
    QCOMPARE(info.name, name);
    QCOMPARE(info.firmwareVersion, QString("R5E.08.00"));
    QCOMPARE(info.codeplugVersion, QString("CP03.10.05"));
}

void TestDialogs::radioInfoWithoutIdentityRaises()
{
    auto doc =
        CXmlDocument::Parse(QByteArray("<?xml version=\"1.0\"?><ZQVProfile xmlns=\"urn:corvane:zqv-cps:profile\">"
                                       "<limit pid=\"1\"/></ZQVProfile>"));
    try {
        CRadioInfoView::Read(*doc);
        QFAIL("no exception");
    } catch (const CZQVCPSException &e) {
        QCOMPARE(e.GetMessageId(), int(IDS_RADIO_INFO_LOAD_ERROR));
    }
}

// A message that quotes a file name shows its characters: markup in the name is not read.
void TestDialogs::messageBoxShowsTextAsItIs()
{
    const QString text = QStringLiteral("<font color=green>Radio written OK<br>x.zqv could not be opened.");
    CMessageBoxPrompter prompter;
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        format = box->textFormat();
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QCOMPARE(prompter.Show(text, MB_OK | MB_ICONERROR), IDOK);
    QCOMPARE(shown, text);
    QCOMPARE(format, Qt::PlainText);
}

QTEST_MAIN(TestDialogs)
#include "tst_gui_dialogs.moc"
