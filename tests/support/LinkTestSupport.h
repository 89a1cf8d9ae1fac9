// Test doubles for the radio link: a port whose replies come from a function (a scripted
// answer, or the simulated radio run in-process), and an observer that records what a
// transfer operation reports.
#pragma once

#include "RadioSim.h"
#include "RadioTransfer.h"
#include "SerialPort.h"
#include "TextFile.h"
#include "TransferSession.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace zqv::test {

// A contact record: name, PID, type (0 private, 1 private group, 2 public group), its private
// groups and its home group.
inline VirtualCPContact MakeContact(const char *name, const char *pid, int type, QStringList parents = {},
                                    const char *home = "")
{
    VirtualCPContact c;
    c.name = QString::fromLatin1(name);
    c.pid = QString::fromLatin1(pid);
    c.cntct_type = std::uint8_t(type);
    for (int i = 0; i < parents.size(); ++i)
        c.parent_pid[i] = parents[i];
    c.home_grp = QString::fromLatin1(home);
    return c;
}

// A port that answers each write at once with what `responder` returns for the written bytes.
// Nothing waits: a read of bytes that are not there returns what there is, like a time-out.
class CScriptedPort : public IBytePort {
public:
    using Responder = std::function<QByteArray(const QByteArray &request)>;
    explicit CScriptedPort(Responder responder) : m_responder(std::move(responder)) {}

    bool open = true;
    std::uint32_t lastError = 0;
    QList<QByteArray> written;
    int purges = 0;

    bool IsOpen() const override { return open; }
    std::uint32_t GetLastError() const override { return lastError; }
    int Read(std::uint8_t *buffer, int count, bool waitAll) override
    {
        if (!open)
            return 0;
        if (!waitAll)
            count = std::min<int>(count, int(m_input.size()));
        const int n = std::min<int>(count, int(m_input.size()));
        std::copy(m_input.constBegin(), m_input.constBegin() + n, buffer);
        m_input.remove(0, n);
        return n;
    }
    int Write(const std::uint8_t *buffer, int count) override
    {
        if (!open)
            return 0;
        const QByteArray request(reinterpret_cast<const char *>(buffer), count);
        written << request;
        m_input += m_responder(request);
        return count;
    }
    int Purge(std::uint32_t flags) override
    {
        lastError = 0;
        ++purges;
        if (flags & (PURGE_RXABORT | PURGE_RXCLEAR))
            m_input.clear();
        return 1;
    }
    int ClearErrors(PortStatus *status, std::uint32_t *errors) override
    {
        lastError = 0;
        if (status)
            status->cbInQue = std::uint32_t(m_input.size());
        if (errors)
            *errors = 0;
        return 1;
    }

private:
    Responder m_responder;
    QByteArray m_input;
};

// The simulated radio behind a scripted port; `filter` may change a reply before it goes out.
inline CScriptedPort::Responder SimResponder(CRadioSim &sim,
                                             std::function<QByteArray(const QByteArray &, QByteArray)> filter = {})
{
    return [&sim, filter](const QByteArray &request) {
        QByteArray reply;
        for (const QByteArray &r :
             sim.Receive(reinterpret_cast<const std::uint8_t *>(request.constData()), int(request.size())))
            reply += r;
        return filter ? filter(request, reply) : reply;
    };
}

// Records what an operation reports. A question is answered with the next queued answer, from
// another thread after a short pause when `answerLate` is set (the operation is then waiting),
// or before OnQuestion returns otherwise (the operation has not started to wait yet).
class CRecordingObserver : public ITransferObserver {
public:
    struct Event {
        char kind;  // 'p' progress, 's' success, 'f' failure, 'q' question
        int value;
        bool operator==(const Event &o) const { return kind == o.kind && value == o.value; }
    };

    std::vector<bool> answers;
    bool answerLate = false;
    // The session whose question handshake the answers go to (SimTransfer sets it).
    CTransferSession *session = nullptr;
    // Called with each progress value (a test may cancel from here).
    std::function<void(int)> onProgress;

    void OnProgress(int percent) override
    {
        Add({'p', percent});
        if (onProgress)
            onProgress(percent);
    }
    void OnSuccess() override { Add({'s', 0}); }
    void OnFailure(int code) override { Add({'f', code}); }
    void OnQuestion(int question) override
    {
        Add({'q', question});
        bool yes = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!answers.empty()) {
                yes = answers.front();
                answers.erase(answers.begin());
            }
        }
        if (answerLate) {
            std::thread([yes, s = session] {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                s->Answer(yes);
            }).detach();
        } else {
            session->Answer(yes);
        }
    }

    std::vector<Event> Events() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_events;
    }
    std::vector<int> Failures() const
    {
        std::vector<int> out;
        for (const Event &e : Events())
            if (e.kind == 'f')
                out.push_back(e.value);
        return out;
    }
    std::vector<int> Progress() const
    {
        std::vector<int> out;
        for (const Event &e : Events())
            if (e.kind == 'p')
                out.push_back(e.value);
        return out;
    }

private:
    void Add(Event e)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_events.push_back(e);
    }
    mutable std::mutex m_mutex;
    std::vector<Event> m_events;
};

// A transfer in a session of its own whose port is the simulated radio, with no pauses.
struct SimTransferHandle {
    std::unique_ptr<CTransferSession> session;
    std::unique_ptr<CRadioTransfer> transfer;
    CRadioTransfer *operator->() const { return transfer.get(); }
};

inline SimTransferHandle SimTransfer(CRadioSim &sim, CRecordingObserver *observer,
                                     std::function<QByteArray(const QByteArray &, QByteArray)> filter = {},
                                     const QString &port = QStringLiteral("sim"))
{
    SimTransferHandle handle;
    handle.session = std::make_unique<CTransferSession>(port);
    handle.session->SetPortFactory(
        [&sim, filter](const QString &) { return std::make_unique<CScriptedPort>(SimResponder(sim, filter)); });
    CRadioTransfer::Timing timing;
    timing.endWritePauseMs = 0;
    timing.capturePollMs = 0;
    handle.session->SetTiming(timing);
    if (observer)
        observer->session = handle.session.get();
    handle.transfer = std::make_unique<CRadioTransfer>(*handle.session, observer);
    return handle;
}

// The lines of a link trace file as kind and text ("TX F29B254D" with the spaces of the hex
// taken out; "EV no valid reply"); a line without both gives "broken line: " and the line.
inline QStringList TraceOf(const QString &path)
{
    QStringList out;
    for (const QString &line : ReadTextFile(path).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u' ');
        if (fields.size() < 4)
            return {QStringLiteral("broken line: ") + line};
        const QString text =
            fields.at(2) == QLatin1String("EV") ? fields.mid(3).join(u' ') : fields.mid(3).join(QString());
        out << fields.at(2) + u' ' + text;
    }
    return out;
}

// The text of the lines of one kind ("TX", "RX", "EV") of a link trace file.
inline QStringList TraceOf(const QString &path, const QString &kind)
{
    QStringList out;
    const QString prefix = kind + u' ';
    for (const QString &line : TraceOf(path))
        if (line.startsWith(prefix))
            out << line.mid(prefix.size());
    return out;
}

}  // namespace zqv::test
