// What every right-hand form of a profile window shares: its place in the window (the tree
// that shows it, the document it edits), the table of its controls with their ids and styles,
// the controls' visibility from the document's setting document, the colours and the layout
// on resizing, the hooks the tree calls (validate before leaving, after-add focus, change
// notices), the help pane's control-focus notice and the validation pause shared by all forms.
//
// A form registers its controls with design rectangles, in Tab order. The rectangles give the
// form's rows and columns, not its positions: a layout (FormLayout.h) made from them puts the
// controls in rows in the design's order with the design's spacing, makes each label column as
// wide as its longest label, lets fields and lists grow with the window up to a readable width
// and keeps the block centred, runs headings across the form as bands, lets the lowest list take
// the height left, and closes up rows whose controls are hidden. The form scrolls only in a
// window smaller than the least size of that layout.
#pragma once

#include "DataItem.h"
#include "NodeKinds.h"
#include "ZQVCPSException.h"

#include <QPointer>
#include <QRect>
#include <QScrollArea>
#include <QStringList>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zqv {

class CTwoListWidget;

class CZQVCPSDoc;
class CZQVCPSTreeView;
class IEditorHost;
class IPrompter;

// What the rule script answered to one data-item call (an attribute write or a delete): the
// change was made, refused, or waits for the user's answer to a question.
enum class RuleResult { Applied, Refused, Ask };

// One rule-script answer decoded: the outcome, the string-table message the script named (a
// notice when applied, the reason when refused, the question when asking; 0 for none) and its
// message-box style.
struct RuleAnswer {
    RuleResult result = RuleResult::Applied;
    int message = 0;
    unsigned style = 0;
};

class CBaseView : public QScrollArea {
    Q_OBJECT
public:
    // One data-item call with rule hooks, given the confirm parameter (0 first, 1 after the
    // user agreed); it stores the script's message and box style and returns its result.
    using RuleCall = std::function<int(int confirm, int &message, int &style)>;

    // Makes `call` once and decodes the answer without showing anything.
    static RuleAnswer CallRule(const RuleCall &call, int confirm = 0);
    // How the answer to a rule script's question goes back to it: only an agreement repeats
    // the call (with confirm 1), or every answer is handed over as it is, for questions whose
    // No is a choice rather than a cancel (the script decides what No does).
    enum class AnswerMode { AgreeOnly, PassAnswer };
    // Makes `call` and shows what the script answered: a notice of an applied change, the
    // message of a refusal, or the question with its box style; an OK (or Yes) to the question
    // makes the call again with confirm 1, whose answer is shown the same way. `questionArgs`
    // fill the question's placeholders. Applied or Refused, or Ask when the user declined the
    // question (the profile is then unchanged). With PassAnswer the call is repeated with the
    // box's answer itself, whatever it was.
    static RuleResult ApplyRule(IPrompter &prompter, const RuleCall &call, const QStringList &questionArgs = {},
                                AnswerMode mode = AnswerMode::AgreeOnly);

    // Styles in a form's control table: 1 and 2 are headings (blue band, white text);
    // read-only fields sit on the colour of a control face, so that they do not look as if
    // they took typing; everything else is painted opaque on the palette's page colour
    // (ThemeColours.h).
    enum ControlStyle : int { kStyleNormal = 0, kStyleHeading = 1, kStyleSubHeading = 2, kStyleReadOnly = 3 };

    // The layout margins: headings keep this distance to the sides and the top, the control
    // block at least kMinLeftMargin to the sides and the foot.
    static constexpr int kHeadingMargin = 10;
    static constexpr int kMinLeftMargin = 20;
    // The least height of the list that takes the height left, and the least width any list
    // keeps in a narrow window.
    static constexpr int kMinTwoListHeight = 150;
    static constexpr int kMinTwoListWidth = 700;
    // A field grows with the window up to this many times its design width.
    static constexpr int kFieldGrowth = 2;
    // The least space between two columns of controls.
    static constexpr int kMinColumnGap = 10;

    CBaseView(IEditorHost &host, CZQVCPSTreeView &tree, NodeKind kind, QWidget *parent = nullptr);
    ~CBaseView() override;

    // The node kind this form shows, and its class name (the help pane's section).
    NodeKind Kind() const { return m_nKind; }
    const char *ViewClass() const;

    // Fills the form from the profile. Called once by the tree right after construction;
    // data-model failures throw CZQVCPSException.
    virtual void Load() {}
    // Called by the tree before its selection moves away from this form: 1 leave, 0 stay,
    // -1 the form's element was deleted (leave).
    virtual int ValidateBeforeLeaving() { return 1; }
    // The tree added an element of kind `addedKind` and shows this form for it.
    virtual void OnAfterAdd(int addedKind) { Q_UNUSED(addedKind); }
    // Puts the focus into control `controlId` with its text selected.
    virtual void ReturnToField(int controlId) { Q_UNUSED(controlId); }
    // A change notice sent by another view.
    virtual void OnUpdate(const ViewHint &hint) { Q_UNUSED(hint); }
    // F6 in the tree: the focus goes to the control of this form that had it last, else to
    // its first control that takes Tab.
    void TakeFocusFromTree();

    // Shows or hides the controls as page `page` of the setting document says, then lays the
    // form out again.
    void ApplyPageVisibility(const QString &page);
    // Gives each control that has no name of its own the label that stands for it on the
    // form: the one to its left on the same row (to its right for an icon button), else the
    // one just above it. Called once the form is filled.
    void NameControlsByLabels();
    // The control with dialog-control id `id` (null when the form has none).
    QWidget *Control(int id) const;
    // The text control `id` shows (label, line or text edit, button, check box, combo box).
    QString ControlText(int id) const;
    // True when the form found the profile inconsistent and asked to close the window.
    bool HasDataError() const { return m_bDataError; }

    // The pause of the name-field checks of all forms, set while a form deletes its own
    // element after a failed validation.
    static bool IsValidationSuspended();
    class CSuspendValidation {
    public:
        CSuspendValidation();
        ~CSuspendValidation();
        CSuspendValidation(const CSuspendValidation &) = delete;
        CSuspendValidation &operator=(const CSuspendValidation &) = delete;
    };

protected:
    // Adds `widget` to the form's control table with its design rectangle (see the top).
    template <class W>
    W *AddControl(int id, W *widget, const QRect &design, int style = kStyleNormal)
    {
        Register(id, widget, design, style);
        return widget;
    }
    // A heading label across the top.
    QLabel *AddHeading(int id, const QString &text, int y = 10, int style = kStyleHeading);
    // A plain label.
    QLabel *AddLabel(int id, const QString &text, const QRect &design);
    // A field that shows a value the user cannot change: read-only, without a frame, on the
    // read-only grey; its text can be selected and copied.
    QLineEdit *AddReadOnlyField(int id, const QRect &design);
    // A push button with the icon of node kind `iconKind` that sends an Add notice for
    // `addKind`.
    QPushButton *AddAddButton(int id, NodeKind iconKind, NodeKind addKind, const QRect &design);
    // Places `twoList` at `design` as one control, known by the id of its selected list (which
    // decides its visibility), and gives its parts their own ids: Control() finds each part
    // and each sends its own help notice.
    struct TwoListIds {
        int availableLabel;
        int available;
        int selectedLabel;
        int selected;
        int add;
        int remove;
    };
    CTwoListWidget *AddTwoList(CTwoListWidget *twoList, const TwoListIds &ids, const QRect &design);

    QWidget *Canvas() const { return m_pCanvas; }
    // Lays the form out again now (after its controls were shown or hidden).
    void RelayOut();

    IEditorHost &Host() const { return m_host; }
    CZQVCPSTreeView &Tree() const { return m_tree; }
    CZQVCPSDoc &Document() const;
    IPrompter &Prompter() const;
    // The root element of the profile.
    CDataItem ProfileRoot() const;
    // The index of the element this form works on (the tree's current item index).
    int CurrentIndex() const;

    // Marks the document modified.
    void SetModified();
    // "Profile data Error! The profile will be closed.", then the window closes unsaved.
    void ProfileDataError();
    // Runs `action` (a reaction to the user); a data-model exception is shown with its
    // message id instead of leaving the form.
    template <class F>
    void Guarded(F action)
    {
        try {
            action();
        } catch (const CZQVCPSException &e) {
            ShowMessage(e.GetMessageId(), 0);
        }
    }
    // Shows string-table message `messageId` with message-box style `style`.
    int ShowMessage(int messageId, unsigned style);
    // Sets attribute `name` of `item` to `value` through the rule script, as ApplyRule shows
    // and asks.
    RuleResult SetValue(CDataItem &item, const QString &name, const QVariant &value,
                        const QStringList &questionArgs = {}, AnswerMode mode = AnswerMode::AgreeOnly);
    // For a refresh notice of this form's own node (the tree renamed it): shows the name of
    // the record `record` gives in `name` and `heading` again. Other notices are ignored.
    void ShowNameAgain(const ViewHint &hint, const std::function<CDataItem()> &record, QLineEdit *name,
                       QLabel *heading);
    // Removes the first child of `list` whose attribute `name` is `value` through the rule
    // script, as ApplyRule shows and asks; true when it was removed (false: no such child, or
    // refused or declined).
    bool RemoveChildWhere(CDataItem &list, const char *name, const QString &value);
    // Writes the `pid` of contact or group `item` through the rule script. A refusal says what
    // the user needs to pick another: a private ID outside the model's range adds that range
    // on a second line, an ID that another contact holds names it. True when it went in;
    // otherwise `restore` (if any) puts the control back.
    bool SetPid(CDataItem &item, const QString &pid, const std::function<void()> &restore = {});
    // The same write without any message, for checks that report failures their own way.
    static RuleAnswer SetValueQuietly(CDataItem &item, const QString &name, const QVariant &value);
    // SetValue for a control that shows the attribute. Applied: answers true. Refused,
    // declined, or the data model failed: shows the message (if any), calls `restore` to put
    // the control back on what the profile holds, and answers false. A refused value is the
    // user's to correct: the window stays open.
    bool SetValueOrRestore(CDataItem &item, const QString &name, const QVariant &value,
                           const std::function<void()> &restore, const QStringList &questionArgs = {});
    // Marks the profile modified after contacts moved between two lists, as one undo step
    // named for the move ("Add 'Depot' to 'Scroll List'", "Remove 4 contacts from 'Yard'").
    void SetModifiedByMove(bool add, const QStringList &names, const QString &list);
    // Change notices to the tree and the other views: now, or once control is back in the
    // event loop (for buttons whose notice replaces this very form).
    void SendHint(int operation, NodeKind kind, int index);
    void PostHint(int operation, NodeKind kind, int index);
    // Asks, once control is back in the event loop, for the focus in control `controlId`.
    void PostReturnToField(int controlId);
    // Gives `edit` (a line or plain-text edit) the focus with its whole text selected.
    static void FocusAndSelectAll(QWidget *edit);
    // Puts `list` on entry `index` without a change signal: the form's own handlers do not
    // run when it shows what the profile holds or returns to it after a refusal.
    static void SelectQuietly(QComboBox *list, int index);
    // Whether the focus went to another control of this form, other than `exempt` (a Delete
    // button needs no valid field): only then does a field that was left judge its text.
    bool FocusStaysInForm(const QWidget *exempt) const;
    // A name field was left: an empty name is refused with its message, any other goes through
    // the rule script as SetValue shows and asks. A name that went in is shown in `heading`,
    // marks the profile modified when it differs, and refreshes the tree's label of `kind`.
    // Refused: the caller puts the focus back into the field.
    enum class NameCommit { Refused, Kept, Changed };
    NameCommit CommitName(CDataItem item, const QString &name, QLabel *heading, NodeKind kind);
    // Before leaving the form: writes `value` without messages (the caller lists what is
    // wrong), marks the profile modified when it changed and refreshes the tree's label.
    // False when `value` is empty or was not applied.
    bool CommitQuietly(CDataItem item, const char *attribute, const QString &value, NodeKind kind);
    // The end of a check before leaving: nothing `wrong` answers 1 (leave). Otherwise the
    // fields listed in `wrong` are shown with the question whether to delete this node: OK
    // deletes it and answers -1; Cancel answers 0 and puts the focus back into `fieldId`.
    int LeaveOrDeleteIncorrect(const QString &wrong, NodeKind kind, int fieldId);

    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ControlEntry {
        int id;
        QPointer<QWidget> widget;
        QRect design;
        int style;
        // Above 0 (lists): the control narrows in a narrow window, and, when it is the form's
        // lowest, takes the height left, down to this much.
        int minHeight = 0;
    };
    void Register(int id, QWidget *widget, const QRect &design, int style);
    // Makes the canvas's layout from the control table.
    void BuildLayout();
    void RegisterPart(int id, QWidget *widget);

    IEditorHost &m_host;
    CZQVCPSTreeView &m_tree;
    NodeKind m_nKind;
    QWidget *m_pCanvas;
    std::vector<ControlEntry> m_controls;
    // Parts of compound controls: found by Control() and sending help notices, but laid out
    // by their compound.
    std::vector<std::pair<int, QPointer<QWidget>>> m_parts;
    // How many controls the canvas's layout holds.
    size_t m_nLaidOut = 0;
    bool m_bDataError = false;
};

}  // namespace zqv
