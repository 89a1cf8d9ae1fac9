#include "ScriptHost.h"

#include "ScriptBridge.h"

#include <QRegularExpression>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace zqv {

// Interrupts the engine when a call runs past its deadline. One thread per host, idle
// between bursts of calls. While calls follow one another, the thread sleeps until the
// deadline it last saw and then waits on for the latest one, so a call costs no thread switch;
// only a call that finds it idle, or asleep past the call's own deadline, wakes it.
class CScriptWatchdog {
public:
    explicit CScriptWatchdog(QJSEngine *engine) : m_pEngine(engine), m_thread([this] { Run(); }) {}

    ~CScriptWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bStop = true;
        }
        m_cv.notify_all();
        m_thread.join();
    }

    void Arm(int milliseconds)
    {
        bool wake = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
            m_bArmed = true;
            m_bFired = false;
            // A thread asleep until a later deadline (a call with a longer limit) must look again.
            wake = m_bIdle || m_deadline < m_sleepsUntil;
        }
        if (wake)
            m_cv.notify_all();
    }

    // Ends the watch; true when the deadline had passed and the engine was interrupted.
    bool Disarm()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bArmed = false;
        return m_bFired;
    }

private:
    void Run()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_bStop) {
            if (!m_bArmed) {
                m_bIdle = true;
                m_cv.wait(lock);
                m_bIdle = false;
                continue;
            }
            // A later Arm moves the deadline without waking this thread; the loop then waits
            // for the new one. A disarmed watch that times out goes idle.
            m_sleepsUntil = m_deadline;
            if (m_cv.wait_until(lock, m_sleepsUntil) == std::cv_status::timeout && m_bArmed &&
                std::chrono::steady_clock::now() >= m_deadline) {
                m_bFired = true;
                m_bArmed = false;
                m_pEngine->setInterrupted(true);
            }
        }
    }

    QJSEngine *m_pEngine;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::chrono::steady_clock::time_point m_deadline;
    std::chrono::steady_clock::time_point m_sleepsUntil;  // what the thread waits for while armed
    bool m_bArmed = false;
    bool m_bFired = false;
    bool m_bIdle = false;
    bool m_bStop = false;
    std::thread m_thread;
};

namespace {

// Calls a function and turns a thrown error into a result object, because a plain call of a
// throwing function does not tell the caller that it threw.
const char kTrampoline[] = R"JS(
(function (fn, args) {
    try {
        return { ok: true, value: fn.apply(null, args) };
    } catch (e) {
        var line = 0;
        if (e && typeof e.lineNumber === "number") line = e.lineNumber;
        var message = (e && e.message !== undefined) ? String(e.message) : String(e);
        var stack = (e && e.stack) ? String(e.stack) : "";
        return { ok: false, line: line, message: message, stack: stack };
    }
})
)JS";

int LineFromStack(const QString &stack)
{
    static const QRegularExpression re(QStringLiteral(":(\\d+)(?::\\d+)?\\s*$"), QRegularExpression::MultilineOption);
    const auto match = re.match(stack);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

}  // namespace

CScriptHost::CScriptHost() : m_pEngine(std::make_unique<QJSEngine>())
{
    m_pBridge = new CScriptBridge(m_pEngine.get());
    m_pBridge->setParent(m_pEngine.get());
    auto *host = new CJsHost(m_pEngine.get());
    m_pEngine->globalObject().setProperty(QStringLiteral("Host"), m_pEngine->newQObject(host));
    m_trampoline = m_pEngine->evaluate(QString::fromLatin1(kTrampoline));
    m_pWatchdog = std::make_unique<CScriptWatchdog>(m_pEngine.get());
}

// Members go in reverse order: the watchdog thread stops before the engine it watches.
CScriptHost::~CScriptHost() = default;

bool CScriptHost::Load(const QString &scriptText, QString *error)
{
    m_pWatchdog->Arm(m_nTimeLimitMs);
    const QJSValue result = m_pEngine->evaluate(scriptText, QStringLiteral("DataProfile.js"));
    const bool timedOut = m_pWatchdog->Disarm();
    m_pEngine->setInterrupted(false);
    if (timedOut) {
        if (error)
            *error = QStringLiteral("the script did not finish within %1 ms").arg(m_nTimeLimitMs);
        return false;
    }
    if (result.isError()) {
        if (error)
            *error = QStringLiteral("line %1: %2")
                         .arg(result.property(QStringLiteral("lineNumber")).toInt())
                         .arg(result.toString());
        return false;
    }
    return true;
}

void CScriptHost::SetDocument(std::shared_ptr<CXmlDocument> doc)
{
    m_spDoc = doc;
    m_pBridge->SetDocument(std::move(doc));
}

bool CScriptHost::HasFunction(const QString &name) const
{
    return m_pEngine->globalObject().property(name).isCallable();
}

CScriptHost::Result CScriptHost::Call(const QString &function, const QJSValueList &args)
{
    Result out;
    const QJSValue fn = m_pEngine->globalObject().property(function);
    if (!fn.isCallable()) {
        out.errorText = QStringLiteral("the script has no function '%1'").arg(function);
        return out;
    }
    QJSValue argArray = m_pEngine->newArray(static_cast<uint>(args.size()));
    for (int i = 0; i < args.size(); ++i)
        argArray.setProperty(static_cast<quint32>(i), args.at(i));

    m_pWatchdog->Arm(m_nTimeLimitMs);
    const QJSValue result = m_trampoline.call({fn, argArray});
    const bool timedOut = m_pWatchdog->Disarm();
    m_pEngine->setInterrupted(false);

    if (timedOut) {
        out.errorText =
            QStringLiteral("the script function '%1' did not return within %2 ms").arg(function).arg(m_nTimeLimitMs);
        return out;
    }
    if (result.isError() || !result.isObject()) {
        out.errorLine = result.property(QStringLiteral("lineNumber")).toInt();
        out.errorText = result.toString();
        return out;
    }
    if (!result.property(QStringLiteral("ok")).toBool()) {
        out.errorLine = result.property(QStringLiteral("line")).toInt();
        if (out.errorLine == 0)
            out.errorLine = LineFromStack(result.property(QStringLiteral("stack")).toString());
        out.errorText = result.property(QStringLiteral("message")).toString();
        return out;
    }
    out.ok = true;
    out.value = result.property(QStringLiteral("value"));
    return out;
}

QJSValue CScriptHost::Wrap(xmlNodePtr node)
{
    return m_pBridge->Wrap(node);
}

QJSValue CScriptHost::WrapAttribute(xmlNodePtr element, const QString &name)
{
    return m_pBridge->WrapAttribute(element, name);
}

QJSValue CScriptHost::NewRef(int initial)
{
    QJSValue ref = m_pEngine->newObject();
    ref.setProperty(QStringLiteral("value"), initial);
    return ref;
}

int CScriptHost::RefValue(const QJSValue &ref)
{
    return ref.property(QStringLiteral("value")).toInt();
}

xmlNodePtr CScriptHost::Unwrap(const QJSValue &value) const
{
    return m_pBridge->Unwrap(value);
}

}  // namespace zqv
