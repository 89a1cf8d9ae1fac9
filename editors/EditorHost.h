// What the profile tree and the forms need from the profile window around them: the profile
// document, the message boxes, the right-hand side where forms are shown, the modified mark,
// closing the window, the help pane, the status bar's message and the radio dialogs a form
// opens. The desktop program's child frame implements it; so do the tests and the benchmark
// with a bare window.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace zqv {

class CZQVCPSDoc;
class IPrompter;

class IEditorHost {
public:
    virtual ~IEditorHost() = default;

    virtual CZQVCPSDoc &Document() = 0;
    virtual IPrompter &Prompter() = 0;

    // Replaces the right-hand form by the form of node kind `kind`, which the host gets from
    // CZQVCPSTreeView::CreateForm (the root's form may be the host's own). The old form may
    // still be running code when this is called: the host deletes it later, not at once.
    virtual void ShowView(int kind) = 0;
    virtual QWidget *RightView() const = 0;

    // The profile changed: set the document's modified flag and show it.
    virtual void SetModified() = 0;
    // Groups every change made until the matching EndEdit into one undoable step named `name`
    // ("Rename 'Public 1' to 'Depot'"). Nested pairs join the outermost step. Use CEditScope
    // rather than calling them by hand.
    virtual void BeginEdit(const QString &name) { Q_UNUSED(name); }
    virtual void EndEdit() {}
    // A form found the profile inconsistent: close the window without saving. Forms call it
    // from inside their own code, so the host closes the window once control returns to the
    // event loop.
    virtual void CloseWithoutSaving() = 0;

    // The help pane below the form: whether it is shown, the focus notices of the forms'
    // controls (the form's class name and the control's dialog-control id), and a new form
    // without a control focused yet.
    virtual bool HelpPaneShown() const { return false; }
    virtual void ShowControlHelp(const QString &viewClass, int controlId)
    {
        Q_UNUSED(viewClass);
        Q_UNUSED(controlId);
    }
    virtual void BlankHelpPane() {}

    // The message pane of the status bar: a form's text about the control in use, or, for an
    // empty text, the idle prompt again.
    virtual void ShowStatusText(const QString &text) { Q_UNUSED(text); }

    // Runs the read-private-ID dialog, which captures another radio's private ID over the
    // radio link: the ID when the user closed the dialog with OK, nothing when it was cancelled
    // or failed (the dialog has shown why).
    virtual std::optional<QString> ReadPrivateIdFromRadio() = 0;
};

// Makes the changes made while it lives one named step of the host's undo history.
class CEditScope {
public:
    CEditScope(IEditorHost &host, const QString &name) : m_host(host) { m_host.BeginEdit(name); }
    ~CEditScope() { m_host.EndEdit(); }
    CEditScope(const CEditScope &) = delete;
    CEditScope &operator=(const CEditScope &) = delete;

private:
    IEditorHost &m_host;
};

}  // namespace zqv
