// The undo history of a profile window: each step holds the profile before and after a change.
#include "ChildFrame.h"

#include "MessageBoxPrompter.h"
#include "StringTable.h"
#include "ZQVCPSApp.h"
#include "ZQVCPSException.h"

#include <QFileInfo>
#include <QUndoStack>

namespace zqv {

// One step of the undo history: the profile before and after a change, compressed (a full
// profile of 150 contacts is about 30 KB as the document's text and 2 KB compressed).
// Consecutive steps share the state between them, so the history holds each state once.
class CProfileStep : public QUndoCommand {
public:
    CProfileStep(CChildFrame &frame, const QString &name, QByteArray before, QByteArray after)
        : QUndoCommand(name), m_frame(frame), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void undo() override { m_frame.RestoreState(m_before); }
    const QByteArray &Before() const { return m_before; }
    const QByteArray &After() const { return m_after; }
    void redo() override
    {
        // The change is in the profile already when the step is pushed.
        if (m_bDone) {
            m_bDone = false;
            return;
        }
        m_frame.RestoreState(m_after);
    }

private:
    CChildFrame &m_frame;
    QByteArray m_before;
    QByteArray m_after;
    bool m_bDone = true;
};

void CChildFrame::BeginEdit(const QString &name)
{
    if (m_nEditDepth++ == 0) {
        m_strEditName = name;
        m_bEditChanged = false;
    }
}

void CChildFrame::EndEdit()
{
    if (m_nEditDepth == 0 || --m_nEditDepth > 0)
        return;
    if (m_bEditChanged)
        RecordChange(m_strEditName);
    m_bEditChanged = false;
    UpdateWindowTitle();
}

void CChildFrame::RecordChange(const QString &name)
{
    if (m_bRestoring)
        return;
    QByteArray now = m_pDoc->Snapshot();
    if (m_committed.isEmpty()) {
        // No history yet (the window was filled without ProfileChanged): this state starts it.
        m_committed = now;
        m_committedPacked = qCompress(now);
        m_pDoc->SetModifiedFlag(true);
        m_pUndo->resetClean();
        return;
    }
    if (now == m_committed)
        return;
    QString stepName = name;
    if (stepName.isEmpty()) {
        const QString label = m_pTree->SelectedLabel();
        stepName = label.isEmpty() ? LoadStr(IDS_UNDO_EDIT) : FormatStr(IDS_UNDO_CHANGE, {label});
    }
    QByteArray packed = qCompress(now);
    auto *step = new CProfileStep(*this, stepName, m_committedPacked, packed);
    m_committed = std::move(now);
    m_committedPacked = std::move(packed);
    m_pUndo->push(step);
}

void CChildFrame::RestoreState(const QByteArray &packed)
{
    QByteArray state = qUncompress(packed);
    if (!m_pDoc->RestoreSnapshot(state)) {
        m_app.Prompter().ShowMessage(IDS_UNKNOWN_ERROR, MB_OK | MB_ICONERROR);
        return;
    }
    m_committed = std::move(state);
    m_committedPacked = packed;
    // The forms retired while the tree fills again may still report edits of the state that
    // went: they are not changes of this one.
    m_bRestoring = true;
    m_pTree->Reload();
    m_bRestoring = false;
}

void CChildFrame::ResetHistory()
{
    const bool modified = m_pDoc->IsModified();
    m_bRestoring = true;
    m_pUndo->clear();
    m_bRestoring = false;
    m_committed = m_pDoc->Snapshot();
    m_committedPacked = qCompress(m_committed);
    m_nEditDepth = 0;
    m_bEditChanged = false;
    // A profile that starts modified (a radio read) has no saved state to come back to.
    if (modified)
        m_pUndo->resetClean();
}

void CChildFrame::FollowCleanState()
{
    if (m_bRestoring && m_pUndo->count() == 0)
        return;  // the history is being started afresh: the mark stays as the profile came
    m_pDoc->SetModifiedFlag(!m_pUndo->isClean());
    UpdateWindowTitle();
}

qint64 CChildFrame::HistoryBytes() const
{
    qint64 bytes = 0;
    for (int i = 0; i < m_pUndo->count(); ++i)
        if (const auto *step = dynamic_cast<const CProfileStep *>(m_pUndo->command(i)))
            bytes += (i == 0 ? step->Before().size() : 0) + step->After().size();
    return bytes;
}

void CChildFrame::Undo()
{
    if (!m_pUndo->canUndo() || !m_pTree->CommitPendingEdits())
        return;
    m_pUndo->undo();
}

void CChildFrame::Redo()
{
    if (!m_pUndo->canRedo() || !m_pTree->CommitPendingEdits())
        return;
    m_pUndo->redo();
}

bool CChildFrame::CanRevert() const
{
    return m_pDoc->IsModified() && !m_pDoc->GetPathName().isEmpty();
}

void CChildFrame::Revert()
{
    if (!CanRevert() || !m_pTree->CommitPendingEdits())
        return;
    if (m_pUndo->cleanIndex() >= 0) {
        m_pUndo->setIndex(m_pUndo->cleanIndex());
        return;
    }
    const QString name = QFileInfo(m_pDoc->GetPathName()).fileName();
    if (m_app.Prompter().Show(FormatStr(IDS_REVERT_QUESTION, {name}), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    // The window keeps the profile it has when the file can no longer be read.
    auto model = std::make_unique<CRadioDataModel>(m_app.ModelEnvironment());
    try {
        if (!model->LoadProfile(m_pDoc->GetPathName(), true))
            return;
    } catch (const CZQVCPSException &e) {
        m_app.Prompter().ShowMessage(e.GetMessageId(), MB_OK | MB_ICONERROR);
        return;
    }
    OpenDocument(m_pDoc->GetPathName(), std::move(model));
}

}  // namespace zqv
