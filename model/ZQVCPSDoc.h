// One open profile: created from a template or from a radio image, opened from and saved to
// a profile file (offering to convert an old format to the latest one), exchanging the
// virtual codeplug record with the radio link's callers, keeping its own copy of the working
// setting document of its setting group, and converting public-group PIDs to the small ID
// numbers of the public-group form.
//
// The document opens no window: questions and messages go through the IPrompter, the choice
// of a file name through the IFileDialog, and what belongs to the application around it
// (template choice, last radio read, working setting documents, the views) through the
// IDocumentHost.
#pragma once

#include "FileDialog.h"
#include "Prompter.h"
#include "RadioDataModel.h"
#include "VirtualCPData.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace zqv {

class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;
    // The template chosen in the New Profile dialog.
    virtual QString NewProfileTemplatePath() const = 0;
    // The working setting document of setting group `group`, built when the application's
    // current setting group differs. Null after a failure the host has reported.
    virtual std::shared_ptr<const CXmlDocument> WorkingSettingDocument(int group) = 0;
    // The active form view commits its pending edit; false when it refuses.
    virtual bool CommitPendingEdit() { return true; }
    // The profile was replaced while saving (converted to the latest format): the views
    // re-read it.
    virtual void ProfileReloaded() {}
    // A long operation starts or ends (wait cursor).
    virtual void SetBusy(bool busy) { Q_UNUSED(busy); }
};

class CZQVCPSDoc {
public:
    CZQVCPSDoc(CModelEnvironment environment, IDocumentHost &host, IPrompter &prompter,
               IFileDialog *fileDialog = nullptr);
    ~CZQVCPSDoc();
    CZQVCPSDoc(const CZQVCPSDoc &) = delete;
    CZQVCPSDoc &operator=(const CZQVCPSDoc &) = delete;

    // File New: from `record`, a radio's as read, when given (title = the radio's PID,
    // modified), else from the chosen template. A load failure shows its message; false.
    bool OnNewDocument(const VirtualCPData *record = nullptr);
    // File Open. A load failure shows its message; false. `loaded`, when given, is a model
    // (of this document's environment) that has loaded `path` already; the document takes it
    // over instead of reading the file again.
    bool OnOpenDocument(const QString &path, std::unique_ptr<CRadioDataModel> loaded = nullptr);
    // Saves to `path` (after the active view commits its edit) through SaveFileReplacing:
    // the new file replaces the old one only once it is completely written, and a target
    // that is no regular file is never replaced; on any failure the old file is untouched
    // and the result is false. A failure to take off or convert the profile shows message
    // 299; a profile over the size limit an open accepts, a target that is no regular file,
    // and a failure to write the file show IDS_SAVE_IO_ERROR with the path and the reason.
    bool OnSaveDocument(const QString &path);
    // Whether a save to `path` could create its file (zqv::CanSaveTo), without creating or
    // changing anything; `reason` gets the cause when not.
    static bool CanSaveTo(const QString &path, QString *reason = nullptr);
    // Save / Save As: without a path the file dialog asks for one (cancel: false). With
    // `replace` the document takes the new path.
    bool DoSave(const QString &path, bool replace);
    // Before closing: asks whether to save a modified document. False keeps it open
    // (Cancel, or a failed save).
    bool SaveModified();
    // The bytes of the profile file: takes off or converts the adaptation (asking message 297
    // for an old format), scrambles and encodes the text. Throws 299.
    QByteArray Serialize();

    // The profile as it stands now, byte for byte (the profile document's UTF-8 text): what
    // the undo history keeps of each state. Empty when no profile is loaded.
    QByteArray Snapshot() const;
    // Puts a snapshot of this document back as the profile (undo, redo, revert). The views
    // must re-read the profile afterwards. False, and the profile as it was, when it does not
    // parse.
    bool RestoreSnapshot(const QByteArray &snapshot);

    // Replaces the profile by the profile text of a radio image. Throws on failure.
    bool SetVirtualCPData(const VirtualCPData &record);
    // Fills a record from the profile for writing the radio whose own private ID is
    // `ownPid` (empty when not known). Throws on failure.
    bool GetVirtualCPData(VirtualCPData &record, const QString &ownPid = QString()) const;

    // Public-group PID <-> ID number over the bank table. 0 / empty when no bank holds it.
    int PidToNumber(const QString &pid) const;
    QString NumberToPid(int number) const;

    // Refreshes the document's own copy of the working setting document of its group.
    void SyncSettingDocument();

    CRadioDataModel &Model() { return *m_pModel; }
    const CRadioDataModel &Model() const { return *m_pModel; }
    const std::shared_ptr<CXmlDocument> &SettingDocument() const { return m_spSettingDoc; }

    // The standard document state.
    const QString &GetPathName() const { return m_strPathName; }
    void SetPathName(const QString &path);
    const QString &GetTitle() const { return m_strTitle; }
    void SetTitle(const QString &title) { m_strTitle = title; }
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    bool IsConvertAgreed() const { return m_bConvert; }
    // Whether a write sets the radio's clock from this computer's clock instead of the
    // profile's time. The settings form sets it; it lives as long as the open document and is
    // not stored in the profile file.
    bool PcClockFlag() const { return m_bPcClock; }
    void SetPcClockFlag(bool on) { m_bPcClock = on; }

    // The message id and trace text of the last failure this document showed (0 when none).
    int GetLastErrorId() const { return m_nLastErrorId; }
    const QString &GetLastErrorTrace() const { return m_strLastErrorTrace; }

private:
    bool Load(const QString &source, bool fromFile);
    // Shows message `messageId` (with its %s/%d arguments, when it has any) and remembers it.
    void ShowError(int messageId, const QString &trace, const QStringList &args = {});
    void ShowSaveFailure(const QString &path, const QString &reason);

    CModelEnvironment m_env;
    IDocumentHost &m_host;
    IPrompter &m_prompter;
    IFileDialog *m_pFileDialog;
    std::unique_ptr<CRadioDataModel> m_pModel;
    std::shared_ptr<CXmlDocument> m_spSettingDoc;
    bool m_bConvert = false;
    // The profile holds what a radio gave (a read, a backup): it keeps that radio's format
    // without the question about converting, which is for profiles the user opened.
    bool m_bRadioFormat = false;
    QString m_strPathName;
    QString m_strTitle;
    bool m_bModified = false;
    bool m_bPcClock = false;
    int m_nLastErrorId = 0;
    QString m_strLastErrorTrace;
};

}  // namespace zqv
