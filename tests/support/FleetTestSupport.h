// A fleet run's host for the tests and the fleet benchmark: it confirms every write, answers
// every radio's question yes, saves records as profile files, and records what it was shown.
// The including target links zqv_link and zqv_model.
#pragma once

#include "DataAdaptor.h"
#include "FleetRun.h"
#include "TextFile.h"

#include <QFile>
#include <QList>
#include <QStringList>
#include <functional>

namespace zqv::test {

class CTestFleetHost : public IFleetHost {
public:
    std::function<void(const FleetRow &)> onRow;  // called for every row shown
    QStringList asked;  // the questions of the radios, in order
    QList<int> rowsSeenWhileRunning;  // rows shown while `run` was running
    CFleetRun *run = nullptr;

    void RowChanged(const FleetRow &row) override
    {
        if (run && run->IsRunning() && !rowsSeenWhileRunning.contains(row.id))
            rowsSeenWhileRunning << row.id;
        if (onRow)
            onRow(row);
    }
    bool ConfirmWrite(const std::vector<FleetRadioPlan> &) override { return true; }
    bool AskPassword(const FleetRow &, bool, QString &) override { return false; }
    int AskRadio(const FleetRow &, const QString &text, unsigned) override
    {
        asked << text;
        return IDYES;
    }
    bool SaveRecordAsProfile(const VirtualCPData &record, const QString &path) override
    {
        QString text;
        CDataAdaptor::VirtualCP2XML(record, text);
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(EncodeTextFile(text, TEXT_MODE_UTF16)) > 0;
    }
};

}  // namespace zqv::test
