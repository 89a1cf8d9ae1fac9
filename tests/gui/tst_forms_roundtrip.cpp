// Edits made through the contact and list forms reach the file and the radio: edit, save,
// `zqvcps-cli show` the file, `zqvcps-cli write` it to the simulated radio, read its memory.
#include "CliTestSupport.h"
#include "EditorTestSupport.h"
#include "ListFormViews.h"
#include "PrivateGroupView.h"
#include "PrivateView.h"
#include "TransferTestSupport.h"
#include "TwoListWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace zqvtest;

namespace {

// The start tag of the `element` whose name is `name` in profile text `text`.
QString StartTag(const QString &text, const QString &element, const QString &name)
{
    const QRegularExpression re(QStringLiteral("<%1\\b[^>]*>").arg(element));
    for (auto it = re.globalMatch(text); it.hasNext();) {
        const QString tag = it.next().captured();
        if (tag.contains(QStringLiteral("name=\"%1\"").arg(name)))
            return tag;
    }
    return QString();
}

int Memberships(const QString &text, const QString &pid)
{
    return static_cast<int>(
        text.count(QRegularExpression(QStringLiteral("<ParentPrivateGroup\\s+pid\\s*=\\s*\"%1\"").arg(pid))));
}

// Every edit the test makes, checked on one profile text.
void CheckEdits(const QString &text)
{
    QVERIFY2(StartTag(text, QStringLiteral("Private"), QStringLiteral("This Radio")).contains("alert_tone=\"7\""),
             qPrintable(StartTag(text, QStringLiteral("Private"), QStringLiteral("This Radio"))));
    QVERIFY(StartTag(text, QStringLiteral("Private"), QStringLiteral("This Radio")).contains("show_grp_only=\"1\""));
    QVERIFY(StartTag(text, QStringLiteral("PrivateGroup"), QStringLiteral("Group 1")).contains("in_scroll_list=\"0\""));
    QVERIFY(StartTag(text, QStringLiteral("PublicGroup"), QStringLiteral("Public 1")).contains("in_scan_list=\"0\""));
    QVERIFY(StartTag(text, QStringLiteral("Private"), QStringLiteral("Private 1")).contains("pid=\"10000321\""));
    QCOMPARE(Memberships(text, QStringLiteral("10000102")), 2);
}

// zqvcps-cli on the source tree's data folder, the one the window works on.
zqv::test::CliResult RunCli(const QStringList &args)
{
    return zqv::test::Cli(args, QProcessEnvironment::systemEnvironment(), DataDir());
}

}  // namespace

class TestFormsRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void editSaveShowWrite()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        // A second private contact, with its ID typed into its form.
        QVERIFY(w.Select(kNodePrivates));
        w.Tree().OnAdd();
        w.Flush();
        auto *added = w.FormAs<CPrivateView>();
        QVERIFY(added);
        added->PidEdit()->setFocus();
        added->PidEdit()->clear();
        QTest::keyClicks(added->PidEdit(), QStringLiteral("10000321"));
        added->RingerList()->setFocus();

        // The radio's own contact: ringer 7 and "Group Only".
        QVERIFY(w.Select(kNodePrivates));
        const QStringList privates = w.ChildLabels(kNodePrivates);
        QVERIFY(w.Select(kNodePrivate, static_cast<int>(privates.indexOf(QStringLiteral("This Radio")))));
        auto *own = w.FormAs<CPrivateView>();
        QVERIFY(own);
        QCOMPARE(own->NameEdit()->text(), QStringLiteral("This Radio"));
        own->RingerList()->setCurrentIndex(6);
        own->GroupOnly()->click();

        // "Private 1" joins "Group 1".
        QVERIFY(w.Select(kNodePrivateGroup, 0));
        CTwoListWidget *members = w.FormAs<CPrivateGroupView>()->Members();
        CTwoListWidget::SelectRow(members->AvailableList(), 0, false);
        members->AddButton()->click();

        // "Group 1" leaves the scroll list, "Public 1" channel 1's scan list.
        QVERIFY(w.Select(kNodeScrollList));
        CTwoListWidget *scroll = w.FormAs<CScrollListView>()->Lists();
        CTwoListWidget::FindByName(scroll->SelectedList(), QStringLiteral("Group 1"))->setSelected(true);
        scroll->RemoveButton()->click();
        QVERIFY(w.Select(kNodeScanChannel, 0));
        CTwoListWidget *scan = w.FormAs<CScanChannelView>()->Lists();
        scan->SelectedList()->selectAll();
        scan->RemoveButton()->click();
        QVERIFY(w.Select(kNodeLists));
        QVERIFY(w.prompter.History().empty());
        QCOMPARE(w.closeRequests, 0);

        zqv::test::CSimProcess sim({QStringLiteral("--profile"), TemplatePath(QStringLiteral("ZQ-880 Fleet.zqv"))});
        QVERIFY(sim.Ok());
        const QString file = sim.Path(QStringLiteral("edited.zqv"));
        QVERIFY(w.Document().OnSaveDocument(file));

        const zqv::test::CliResult shown = RunCli({QStringLiteral("show"), file});
        QCOMPARE(shown.exit, 0);
        CheckEdits(shown.out + shown.err);

        const zqv::test::CliResult written =
            RunCli({QStringLiteral("write"), QStringLiteral("--port"), sim.port, QStringLiteral("--yes"), file});
        QVERIFY2(written.exit == 0, qPrintable(written.out + written.err));
        sim.Stop();
        CheckEdits(sim.Dump());
    }
};

QTEST_MAIN(TestFormsRoundTrip)
#include "tst_forms_roundtrip.moc"
