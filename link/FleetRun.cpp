#include "FleetRun.h"

#include "CsvTable.h"
#include "DataItem.h"
#include "FleetRadio.h"
#include "StringTable.h"
#include "WriteHistory.h"
#include "XmlDom.h"
#include "ZQVCPSDoc.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace zqv {

FleetProfile FleetProfile::FromDocument(const CZQVCPSDoc &doc)
{
    FleetProfile profile;
    profile.text = doc.Model().ProfileText();
    profile.group = doc.Model().GetSettingGroup();
    profile.pcClock = doc.PcClockFlag();
    profile.path = doc.GetPathName().isEmpty() ? doc.GetTitle() : QFileInfo(doc.GetPathName()).absoluteFilePath();
    return profile;
}

CFleetRun::CFleetRun(IFleetHost &host, const IPortEnumerator &ports)
    : m_host(host), m_ports(ports), m_nBackupKeep(CConfigStore::kDefaultBackupKeep),
      m_spChannel(std::make_unique<CChannel>())
{
}

CFleetRun::~CFleetRun()
{
    // Run never returns with a radio still working; this only guards a run left by an exception.
    CancelAll();
    m_radios.clear();
}

void CFleetRun::SetBackups(const QString &folder, int keep)
{
    m_strBackupFolder = folder;
    m_nBackupKeep = keep;
}

const FleetRow *CFleetRun::Row(int rowId) const
{
    const auto it = std::find_if(m_rows.begin(), m_rows.end(), [rowId](const FleetRow &r) { return r.id == rowId; });
    return it == m_rows.end() ? nullptr : &*it;
}

FleetRow &CFleetRun::RowRef(int rowId)
{
    return *const_cast<FleetRow *>(Row(rowId));  // a working row never leaves the list
}

void CFleetRun::Refresh()
{
    QList<SerialPortEntry> ports = m_ports.Ports();
    if (m_bCablesOnly)
        ports.erase(std::remove_if(ports.begin(), ports.end(),
                                   [](const SerialPortEntry &p) {
                                       return p.description.compare(QLatin1String(kCableDescription),
                                                                    Qt::CaseInsensitive) != 0;
                                   }),
                    ports.end());
    const auto listed = [&ports](const FleetRow &row) {
        return std::any_of(ports.begin(), ports.end(), [&row](const SerialPortEntry &p) {
            return p.portName == row.port && p.systemLocation == row.device;
        });
    };
    for (auto it = m_rows.begin(); it != m_rows.end();) {
        it->present = listed(*it);
        const bool busy = it->state == FleetRow::State::Working || it->state == FleetRow::State::Confirming;
        if (!it->present && !busy) {
            const int id = it->id;
            it = m_rows.erase(it);
            m_host.RowRemoved(id);
        } else {
            ++it;
        }
    }
    for (const SerialPortEntry &port : ports) {
        if (std::any_of(m_rows.begin(), m_rows.end(), [&port](const FleetRow &r) {
                return r.port == port.portName && r.device == port.systemLocation;
            }))
            continue;
        FleetRow row;
        row.id = m_nNextRowId++;
        row.port = port.portName;
        row.device = port.systemLocation.isEmpty() ? port.portName : port.systemLocation;
        m_rows.push_back(row);
        m_host.RowChanged(m_rows.back());
    }
}

void CFleetRun::UpdateRow(const FleetRow &fromWorker)
{
    FleetRow &row = RowRef(fromWorker.id);
    row.unitPid = fromWorker.unitPid;
    row.name = fromWorker.name;
    row.firmware = fromWorker.firmware;
    row.group = fromWorker.group;
    row.state = fromWorker.state;
    row.step = fromWorker.step;
    row.progress = fromWorker.progress;
    row.notInProfile = fromWorker.notInProfile;
    m_host.RowChanged(row);
}

// The profile's private contacts by PID: whose radio may be written, and the rows' names.
static QHash<QString, QString> PrivateNames(const QString &profileText)
{
    QHash<QString, QString> names;
    if (profileText.isEmpty())
        return names;
    const auto doc = CXmlDocument::Parse(profileText);
    if (!doc)
        return names;
    for (xmlNodePtr contact :
         doc->Select(nullptr, QStringLiteral("/dfns:ZQVProfile/dfns:Contacts/dfns:Privates/dfns:Private")))
        names.insert(GetAttr(contact, "pid"), GetAttr(contact, "name"));
    return names;
}

bool CFleetRun::Run(FleetAction action, const std::vector<int> &rowIds)
{
    if (m_bRunning)
        return false;
    Refresh();
    m_bRunning = true;
    m_action = action;
    m_nStop = 0;
    m_bCancelled = false;
    m_bConfirmAsked = false;
    m_table.clear();
    m_privateNames = PrivateNames(m_profile.text);
    if (action == FleetAction::Read)
        QDir().mkpath(m_strOutputFolder);
    for (FleetRow &row : m_rows) {
        const bool chosen = rowIds.empty() || std::find(rowIds.begin(), rowIds.end(), row.id) != rowIds.end();
        if (!chosen || !row.present)
            continue;
        row.state = FleetRow::State::Working;
        row.step.clear();
        row.progress = 0;
        row.result = FleetResult::None;
        row.reason.clear();
        m_radios.push_back(std::make_unique<CRadio>(*this, row, action));
        m_host.RowChanged(row);
    }
    for (const auto &radio : m_radios)
        radio->Start();

    QDeadlineTimer nextPoll(m_nPollMs);
    while (!m_radios.empty()) {
        m_spChannel->Pump(int(std::clamp<qint64>(nextPoll.remainingTime(), 0, m_nPollMs)), m_bEventLoop);
        if (m_nStop.load() && !m_bCancelled)
            CancelAll();
        MaybeConfirm();
        if (nextPoll.hasExpired()) {
            Refresh();
            nextPoll.setRemainingTime(m_nPollMs);
        }
    }
    m_bRunning = false;
    return AllSucceeded();
}

void CFleetRun::Stop()
{
    m_nStop = 1;
    m_spChannel->Wake();
}

void CFleetRun::CancelAll()
{
    m_bCancelled = true;
    for (const auto &radio : m_radios)
        radio->Cancel();
}

void CFleetRun::MaybeConfirm()
{
    if (m_action != FleetAction::Write || m_bConfirmAsked || m_radios.empty())
        return;
    std::vector<CRadio *> waiting;
    for (const auto &radio : m_radios) {
        if (radio->IsWaitingForConfirmation())
            waiting.push_back(radio.get());
        else if (!radio->HasEnded())
            return;  // still being prepared
    }
    if (waiting.empty())
        return;
    m_bConfirmAsked = true;
    std::vector<FleetRadioPlan> plans;
    for (CRadio *radio : waiting)
        plans.push_back(radio->Plan());
    std::sort(plans.begin(), plans.end(),
              [](const FleetRadioPlan &a, const FleetRadioPlan &b) { return a.rowId < b.rowId; });
    const bool yes = !m_nStop.load() && m_host.ConfirmWrite(plans);
    for (CRadio *radio : waiting)
        radio->AnswerConfirmation(yes && !m_nStop.load());
}

bool CFleetRun::PasswordFor(int rowId, const QString &expected)
{
    if (m_strPassword == expected)
        return true;
    for (bool retry = false;; retry = true) {
        QString typed;
        if (m_nStop.load() || !m_host.AskPassword(RowRef(rowId), retry, typed))
            return false;
        if (typed == expected) {
            // The radios that follow with the same password are not asked again.
            m_strPassword = typed;
            return true;
        }
    }
}

void CFleetRun::Finish(CRadio &radio)
{
    radio.Join();
    const FleetRunEntry &entry = radio.Entry();
    FleetRow &row = RowRef(radio.RowId());
    row.state = FleetRow::State::Done;
    row.step.clear();
    row.result = entry.result;
    row.reason = entry.reason;
    row.notInProfile = row.notInProfile || radio.NotInProfile();
    m_table.push_back(entry);
    m_host.RowChanged(row);
    m_host.RadioFinished(m_table.back());
    m_radios.erase(std::find_if(m_radios.begin(), m_radios.end(),
                                [&radio](const std::unique_ptr<CRadio> &r) { return r.get() == &radio; }));
    // A row whose port went while it worked goes now.
    if (!row.present)
        Refresh();
}

bool CFleetRun::AllSucceeded() const
{
    return std::all_of(m_table.begin(), m_table.end(), [](const FleetRunEntry &e) {
        return e.result == FleetResult::Succeeded || e.result == FleetResult::Differs;
    });
}

bool CFleetRun::AnyDiffers() const
{
    return std::any_of(m_table.begin(), m_table.end(),
                       [](const FleetRunEntry &e) { return e.result == FleetResult::Differs; });
}

QString CFleetRun::ResultText(FleetResult result)
{
    switch (result) {
    case FleetResult::None: return QString();
    case FleetResult::Succeeded: return LoadStr(IDS_FLEET_RESULT_DONE);
    case FleetResult::Differs: return LoadStr(IDS_FLEET_RESULT_DIFFERS);
    case FleetResult::Refused: return LoadStr(IDS_FLEET_RESULT_REFUSED);
    case FleetResult::Failed: return LoadStr(IDS_HISTORY_RESULT_FAILED);
    case FleetResult::Stopped: return LoadStr(IDS_FLEET_RESULT_STOPPED);
    }
    return QString();
}

// The run table's columns, for the CSV file and the printed page alike.
QStringList CFleetRun::RunTableColumns()
{
    QStringList header;
    for (const int id : {IDS_FLEET_COL_PORT, IDS_HISTORY_COL_PID, IDS_NAME, IDS_FLEET_COL_FIRMWARE, IDS_JOBSHEET_RESULT,
                         IDS_FLEET_COL_DETAILS, IDS_FLEET_COL_SECONDS, IDS_HISTORY_COL_BACKUP, IDS_FLEET_COL_CHECK,
                         IDS_FLEET_COL_FILE})
        header << LoadStr(id);
    return header;
}

QStringList CFleetRun::RunTableCells(const FleetRunEntry &e)
{
    return {e.port,
            e.unitPid,
            e.name,
            e.firmware,
            ResultText(e.result),
            e.reason,
            QLocale::c().toString(double(e.elapsedMs) / 1000.0, 'f', 1),
            e.backupFile,
            e.verify,
            e.file};
}

QByteArray CFleetRun::RunTableCsv() const
{
    std::vector<QStringList> rows{RunTableColumns()};
    for (const FleetRunEntry &e : m_table)
        rows.push_back(RunTableCells(e));
    return CCsvTable::Write(rows);
}

QString CFleetRun::RunTableHtml(const QString &title) const
{
    const auto escape = [](const QString &text) { return text.toHtmlEscaped(); };
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body><h1>%1</h1>")
                       .arg(escape(title));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\"><thead><tr>");
    for (const QString &column : RunTableColumns())
        html += QStringLiteral("<th align=\"left\">%1</th>").arg(escape(column));
    html += QStringLiteral("</tr></thead><tbody>");
    for (const FleetRunEntry &e : m_table) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : RunTableCells(e))
            html += QStringLiteral("<td>%1</td>").arg(escape(cell));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</tbody></table></body></html>");
}

ImportReport AddRadiosAsContacts(const CDataItem &root, const std::vector<std::pair<QString, QString>> &radios)
{
    // The same path as an import of a contact list: every rule of the profile applies, and a
    // name another contact has already gets a number.
    std::vector<QStringList> rows{{QStringLiteral("Type"), QStringLiteral("Name"), QStringLiteral("PID")}};
    for (const auto &[pid, name] : radios)
        rows.push_back({QStringLiteral("Private Contact"), name.isEmpty() ? pid : name, pid});
    return CContactExchange::Apply(root, CCsvTable::Write(rows), ExchangeKind::Contacts, ClashPolicy::Rename);
}

}  // namespace zqv
