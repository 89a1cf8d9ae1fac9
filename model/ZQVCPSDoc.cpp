#include "ZQVCPSDoc.h"

#include "DataAdaptor.h"
#include "FileSave.h"
#include "ProfileFormat.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TextFile.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zqv {

namespace {

const char kOpSerialize[] = "CZQVCPSDoc::Serialize";

qint64 ToInt64(const QString &text, bool *ok = nullptr)
{
    bool valid = false;
    const qint64 value = text.trimmed().toLongLong(&valid);
    if (ok)
        *ok = valid;
    return valid ? value : 0;
}

// True when every character of `text` has a byte in code page 1252.
bool FitsCp1252(const QString &text)
{
    const QByteArray bytes = EncodeCp1252(text);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes.at(i) == '?' && text.at(i) != QLatin1Char('?'))
            return false;
    return true;
}

}  // namespace

CZQVCPSDoc::CZQVCPSDoc(CModelEnvironment environment, IDocumentHost &host, IPrompter &prompter, IFileDialog *fileDialog)
    : m_env(environment), m_host(host), m_prompter(prompter), m_pFileDialog(fileDialog),
      m_pModel(std::make_unique<CRadioDataModel>(std::move(environment))), m_spSettingDoc(CXmlDocument::Create())
{
    if (!m_spSettingDoc)
        ZQV_THROW(IDS_FATAL_ERROR_REINSTALL, "CZQVCPSDoc::CZQVCPSDoc",
                  QStringLiteral("create MSXML2::DOMDocument40 failed"));
}

CZQVCPSDoc::~CZQVCPSDoc() = default;

void CZQVCPSDoc::SetPathName(const QString &path)
{
    m_strPathName = path;
    if (!path.isEmpty())
        m_strTitle = QFileInfo(path).fileName();
}

void CZQVCPSDoc::ShowError(int messageId, const QString &trace, const QStringList &args)
{
    m_nLastErrorId = messageId;
    m_strLastErrorTrace = trace;
    if (args.isEmpty())
        m_prompter.ShowMessage(messageId, MB_OK | MB_ICONERROR);
    else
        m_prompter.Show(FormatStr(messageId, args), MB_OK | MB_ICONERROR);
}

bool CZQVCPSDoc::Load(const QString &source, bool fromFile)
{
    try {
        return m_pModel->LoadProfile(source, fromFile);
    } catch (const CZQVCPSException &e) {
        ShowError(e.GetMessageId(), e.GetTrace(), e.GetMessageArgs());
        return false;
    }
}

bool CZQVCPSDoc::OnNewDocument(const VirtualCPData *record)
{
    m_strPathName.clear();
    m_bModified = false;
    m_bConvert = false;
    bool ok = false;
    if (record) {
        try {
            ok = SetVirtualCPData(*record);
            if (ok) {
                SetModifiedFlag(true);
                m_strTitle = GetAttr(
                    m_pModel->ProfileDocument()->SelectOne(nullptr, QLatin1String(profile::kQueryLimit)), "pid");
            }
        } catch (const CZQVCPSException &e) {
            ShowError(e.GetMessageId(), e.GetTrace());
            ok = false;
        }
    } else {
        ok = Load(m_host.NewProfileTemplatePath(), true);
    }
    SyncSettingDocument();
    return ok;
}

bool CZQVCPSDoc::OnOpenDocument(const QString &path, std::unique_ptr<CRadioDataModel> loaded)
{
    // A model that has already loaded this file (the desktop program checks a file before it
    // makes a window for it) is taken over as it is, so the file is read and parsed once.
    bool ok = false;
    if (loaded && loaded->ProfileDocument()) {
        m_pModel = std::move(loaded);
        ok = true;
    } else {
        ok = Load(path, true);
    }
    SyncSettingDocument();
    if (ok) {
        SetPathName(path);
        m_bModified = false;
        m_bRadioFormat = false;
    }
    return ok;
}

void CZQVCPSDoc::SyncSettingDocument()
{
    if (!m_pModel->ProfileDocument())
        return;
    const auto working = m_host.WorkingSettingDocument(m_pModel->GetSettingGroup());
    if (!working)
        return;
    if (auto copy = CXmlDocument::Adopt(xmlCopyDoc(working->Doc(), 1)))
        m_spSettingDoc = std::move(copy);
}

QByteArray CZQVCPSDoc::Serialize()
{
    CRadioDataModel &model = *m_pModel;
    try {
        if (model.GetSettingGroup() != kLatestSettingGroup && !m_bConvert && !m_bRadioFormat &&
            m_prompter.ShowMessage(IDS_CONVERT_TO_LATEST_FORMAT, MB_YESNO | MB_ICONQUESTION) == IDYES)
            m_bConvert = true;
        const bool convert = m_bConvert;
        model.TakeOffDoc(convert);
        if (convert)
            model.ConvertToLatest();
        else if (model.GetSettingGroup() == 1)
            model.SetSingleByteFormat(true);
        QString text = model.OperatingText();
        if (convert) {
            model.LoadProfile(text, false);
            SyncSettingDocument();
            m_host.ProfileReloaded();
        }
        // A profile whose text has characters outside code page 1252 is written in UTF-16
        // rather than losing them.
        const int mode = model.IsSingleByteFormat() && FitsCp1252(text) ? TEXT_MODE_CP1252 : TEXT_MODE_UTF16;
        ScrambleText(text, mode);
        return EncodeTextFile(text, mode);
    } catch (CZQVCPSException &e) {
        e.AddTrace(kOpSerialize, __LINE__, QLatin1String(kExceptionCatched));
        if (e.GetMessageId() == IDS_SAVE_FORMAT_ERROR)
            throw;
        throw CZQVCPSException(IDS_SAVE_FORMAT_ERROR, kOpSerialize, __LINE__, e.GetTrace());
    } catch (const std::exception &ex) {
        throw CZQVCPSException::FromLibraryError(IDS_SAVE_FORMAT_ERROR, kOpSerialize, __LINE__,
                                                 QString::fromLocal8Bit(ex.what()), QString(),
                                                 QStringLiteral("C++ runtime"));
    }
}

bool CZQVCPSDoc::OnSaveDocument(const QString &path)
{
    if (!m_host.CommitPendingEdit())
        return false;
    QByteArray bytes;
    try {
        bytes = Serialize();
    } catch (const CZQVCPSException &e) {
        ShowError(e.GetMessageId(), e.GetTrace());
        return false;
    }
    // A profile the open would refuse as too large is never written, and the old file stays.
    if (bytes.size() > kMaxProfileBytes) {
        ShowSaveFailure(path, FormatStr(IDS_PROFILE_TOO_LARGE, {QString::number(kMaxProfileBytes / 1024)}));
        return false;
    }
    if (QString reason; !SaveFileReplacing(path, bytes, &reason)) {
        ShowSaveFailure(path, reason);
        return false;
    }
    m_bModified = false;
    return true;
}

void CZQVCPSDoc::ShowSaveFailure(const QString &path, const QString &reason)
{
    m_nLastErrorId = IDS_SAVE_IO_ERROR;
    m_strLastErrorTrace = QStringLiteral("\n(CZQVCPSDoc::OnSaveDocument) File='%1'\nDesc: %2").arg(path, reason);
    m_prompter.Show(FormatStr(IDS_SAVE_IO_ERROR, {QDir::toNativeSeparators(path), reason}), MB_OK | MB_ICONERROR);
}

bool CZQVCPSDoc::CanSaveTo(const QString &path, QString *reason)
{
    return zqv::CanSaveTo(path, reason);
}

bool CZQVCPSDoc::DoSave(const QString &path, bool replace)
{
    QString target = path;
    if (target.isEmpty()) {
        if (!m_pFileDialog)
            return false;
        IFileDialog::SaveRequest request;
        request.proposedPath = m_strPathName;
        if (request.proposedPath.isEmpty()) {
            QString title = m_strTitle;
            const qsizetype cut = title.indexOf(QRegularExpression(QStringLiteral("[:/\\\\]")));
            if (cut >= 0)
                title.truncate(cut);
            request.proposedPath = title + QStringLiteral(".zqv");
        }
        request.filter = QStringLiteral("%1 %2 (*.zqv);;%3 (*.*)")
                             .arg(LoadStr(IDS_APP_NAME), LoadStr(IDS_FILTER_FILES), LoadStr(IDS_FILTER_ALL_FILES));
        request.defaultExtension = QStringLiteral("zqv");
        target = m_pFileDialog->GetSaveFileName(request);
        if (target.isEmpty())
            return false;
    }
    m_host.SetBusy(true);
    const bool ok = OnSaveDocument(target);
    m_host.SetBusy(false);
    if (ok && replace)
        SetPathName(target);
    return ok;
}

bool CZQVCPSDoc::SaveModified()
{
    if (!m_bModified)
        return true;
    QString name = m_strPathName.isEmpty() ? QString() : QFileInfo(m_strPathName).fileName();
    if (name.isEmpty())
        name = m_strTitle;
    if (name.isEmpty())
        name = LoadStr(IDS_UNTITLED);
    switch (m_prompter.Show(FormatStr(IDS_SAVE_CHANGES_QUESTION, {name}), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDCANCEL: return false;
    case IDYES: return DoSave(m_strPathName, true);
    default: return true;
    }
}

QByteArray CZQVCPSDoc::Snapshot() const
{
    const auto doc = m_pModel->ProfileDocument();
    return doc ? doc->ToUtf8() : QByteArray();
}

bool CZQVCPSDoc::RestoreSnapshot(const QByteArray &snapshot)
{
    return !snapshot.isEmpty() && m_pModel->RestoreProfileDocument(snapshot);
}

bool CZQVCPSDoc::SetVirtualCPData(const VirtualCPData &record)
{
    try {
        QString text;
        if (!CDataAdaptor::VirtualCP2XML(record, text))
            return false;
        CDataAdaptor::SortProfileText(text);
        if (!m_pModel->LoadProfile(text, false))
            return false;
        m_bRadioFormat = true;
        return true;
    }
    ZQV_CATCH_RETHROW("CZQVCPSDoc::SetVirtualCPData", IDS_UNKNOWN_ERROR)
}

bool CZQVCPSDoc::GetVirtualCPData(VirtualCPData &record, const QString &ownPid) const
{
    try {
        return CDataAdaptor::XML2VirtualCP(m_pModel->ProfileText(), record, ownPid) != 0;
    } catch (CZQVCPSException &e) {
        e.AddTrace("CZQVCPSDoc::GetVirtualCPData", __LINE__, QLatin1String(kExceptionCaught));
        throw;
    }
}

int CZQVCPSDoc::PidToNumber(const QString &pid) const
{
    const qint64 p = ToInt64(pid);
    for (const CRadioDataModel::Bank &bank : m_pModel->Banks()) {
        // Only a used bank that holds the PID (start - size + 1 .. start) gives a number.
        if (bank.last < bank.first || bank.size <= 0)
            continue;
        const qint64 start = ToInt64(bank.startPid);
        if (p <= start && p >= start - (bank.size - 1))
            return static_cast<qint32>(bank.first + static_cast<qint32>(start - p));
    }
    return 0;
}

QString CZQVCPSDoc::NumberToPid(int number) const
{
    for (const CRadioDataModel::Bank &bank : m_pModel->Banks()) {
        if (bank.last < number)
            continue;
        // The first bank that reaches the number; below its first number there is no PID.
        bool ok = false;
        const qint64 start = ToInt64(bank.startPid, &ok);
        const qint64 offset = qint64(number) - bank.first;
        if (!ok || offset < 0 || start < offset)
            return QString();
        return QString::number(start - offset);
    }
    return QString();
}

}  // namespace zqv
