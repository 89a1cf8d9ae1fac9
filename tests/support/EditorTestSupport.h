// A bare profile window for the tests and the benchmark of the profile tree and its forms: a
// real profile document over the shipped schema, rule script, templates and setting
// documents, the tree on the left, the form on the right, scripted answers to every message
// box, and a record of what the forms asked of the window.
#pragma once

#include "BaseView.h"
#include "EditorHost.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "XmlDom.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSTreeView.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QSplitter>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <memory>
#include <optional>

namespace zqvtest {

using namespace zqv;

// The shipped installation folder (schema, rule script, templates, setting documents).
inline QString DataDir()
{
#ifdef ZQV_DATA_SOURCE_DIR
    return QStringLiteral(ZQV_DATA_SOURCE_DIR);
#else
    return QStringLiteral(ZQV_SOURCE_DIR "/data");
#endif
}

inline QString TemplatePath(const QString &name)
{
    return DataDir() + QStringLiteral("/ProfileTemplate/") + name;
}

// The shipped fleet template: contacts of every kind, scan and scroll lists.
inline const QString kFleet = QStringLiteral("ZQ-880 Fleet.zqv");

// Sets attribute `name` of `item` through the rule script, agreeing to any question.
inline void Set(CDataItem item, const char *name, const QVariant &value)
{
    int r1 = 0;
    int r2 = 0;
    if (item.SetAttributeValue(QLatin1String(name), value, r1, 1, r2) != 0)
        qFatal("rule script refused %s", name);
}

// The texts of a list's rows, top to bottom.
inline QStringList Texts(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

class CEditorWindow : public QWidget, public IEditorHost, public IDocumentHost {
public:
    CScriptedPrompter prompter;
    QString templatePath;
    int closeRequests = 0;
    bool helpPane = false;
    QStringList helpRequests;  // "CPublicGroupView:1522"
    int blankHelpRequests = 0;
    QString statusText;  // the message pane: empty for the idle prompt
    // The read-private-ID dialog's scripted outcome, and how often a form opened it.
    std::optional<QString> readPidAnswer;
    int readPidRequests = 0;
    QStringList editSteps;
    int editDepth = 0;
    int modifiedOutsideSteps = 0;

    CEditorWindow()
    {
        m_spUpgrade = LoadSettingDoc(DataDir(), QLatin1String(kUpgradeDocName), prompter);
        CModelEnvironment env;
        env.installDir = DataDir();
        env.regionCode = QStringLiteral("ZQV");
        env.upgradeDoc = m_spUpgrade;
        env.prompter = &prompter;
        m_pDoc = std::make_unique<CZQVCPSDoc>(env, *this, prompter);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        m_pSplitter = new QSplitter(Qt::Horizontal, this);
        layout->addWidget(m_pSplitter);
        m_pTree = new CZQVCPSTreeView(*this);
        m_pSplitter->addWidget(m_pTree);
        m_pView = new QWidget;
        m_pSplitter->addWidget(m_pView);
        resize(900, 600);
    }
    ~CEditorWindow() override
    {
        // The forms go before the document they work on.
        delete m_pSplitter;
    }

    // A new profile from shipped template `name`.
    bool NewFromTemplate(const QString &name)
    {
        templatePath = TemplatePath(name);
        if (!m_pDoc->OnNewDocument())
            return false;
        m_pTree->Build();
        return true;
    }

    bool Open(const QString &path)
    {
        if (!m_pDoc->OnOpenDocument(path))
            return false;
        m_pTree->Build();
        return true;
    }

    CZQVCPSTreeView &Tree() { return *m_pTree; }
    // Lets posted requests (buttons' notices, focus requests) run.
    static void Flush()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    // Selects the node of `kind` and `index` as a click would; false when the form kept the
    // selection.
    bool Select(int kind, int index = 0)
    {
        QTreeWidgetItem *node = m_pTree->FindNode(kind, index);
        if (!node)
            qFatal("no node %d/%d", kind, index);
        const bool moved = m_pTree->SelectNode(node);
        Flush();
        return moved;
    }
    // The labels of the children of node `kind`.
    QStringList ChildLabels(int kind) const
    {
        QStringList out;
        if (QTreeWidgetItem *node = m_pTree->FindNode(kind))
            for (int i = 0; i < node->childCount(); ++i)
                out << node->child(i)->text(0);
        return out;
    }
    QString Label(int kind, int index = 0) const
    {
        QTreeWidgetItem *node = m_pTree->FindNode(kind, index);
        return node ? node->text(0) : QString();
    }
    int CurrentKind() const { return ItemKind(CZQVCPSTreeView::NodeValue(m_pTree->currentItem())); }
    int CurrentNodeIndex() const { return ItemIndex(CZQVCPSTreeView::NodeValue(m_pTree->currentItem())); }
    bool IsModified() const { return m_pDoc->IsModified(); }
    void ClearModified() { m_pDoc->SetModifiedFlag(false); }
    CBaseView *Form() const { return qobject_cast<CBaseView *>(m_pView.data()); }
    template <class T>
    T *FormAs() const
    {
        return qobject_cast<T *>(m_pView.data());
    }
    QString ProfileText() const { return m_pDoc->Model().ProfileText(); }
    CDataItem Root() const { return m_pDoc->Model().RootItem(); }

    // IEditorHost
    CZQVCPSDoc &Document() override { return *m_pDoc; }
    IPrompter &Prompter() override { return prompter; }
    void ShowView(int kind) override
    {
        QWidget *view = m_pTree->CreateForm(kind);
        if (!view)
            view = new QWidget;
        QWidget *old = m_pSplitter->replaceWidget(1, view);
        m_pView = view;
        if (old)
            old->deleteLater();
    }
    QWidget *RightView() const override { return m_pView; }
    void SetModified() override
    {
        m_pDoc->SetModifiedFlag(true);
        if (editDepth == 0)
            ++modifiedOutsideSteps;
    }
    // The named steps of the edit history (outermost scopes only), and the changes made
    // outside any step.
    void BeginEdit(const QString &name) override
    {
        if (editDepth++ == 0)
            editSteps << name;
    }
    void EndEdit() override { --editDepth; }
    void CloseWithoutSaving() override { ++closeRequests; }
    bool HelpPaneShown() const override { return helpPane; }
    void ShowControlHelp(const QString &viewClass, int controlId) override
    {
        helpRequests << QStringLiteral("%1:%2").arg(viewClass).arg(controlId);
    }
    void BlankHelpPane() override { ++blankHelpRequests; }
    void ShowStatusText(const QString &text) override { statusText = text; }
    std::optional<QString> ReadPrivateIdFromRadio() override
    {
        ++readPidRequests;
        return readPidAnswer;
    }

    // IDocumentHost
    QString NewProfileTemplatePath() const override { return templatePath; }
    std::shared_ptr<const CXmlDocument> WorkingSettingDocument(int group) override
    {
        return MergeGroupSettingDoc(*m_spUpgrade, group, QStringLiteral("ZQV")).working;
    }
    bool CommitPendingEdit() override { return m_pTree->CommitPendingEdits(); }

private:
    std::shared_ptr<CXmlDocument> m_spUpgrade;
    std::unique_ptr<CZQVCPSDoc> m_pDoc;
    QSplitter *m_pSplitter = nullptr;
    CZQVCPSTreeView *m_pTree = nullptr;
    QPointer<QWidget> m_pView;
};

// A copy of shipped template `name` in `dir` with `edit` applied to its text.
template <class Edit>
QString EditedTemplate(const QTemporaryDir &dir, const QString &name, Edit edit)
{
    QFile in(TemplatePath(name));
    if (!in.open(QIODevice::ReadOnly))
        qFatal("cannot read template %s", qPrintable(name));
    QString text = QString::fromUtf8(in.readAll());
    edit(text);
    const QString path = dir.filePath(QStringLiteral("edited.zqv"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    out.write(text.toUtf8());
    return path;
}

}  // namespace zqvtest
