// The one exception type of the data model, the profile document and the setting-document
// code. It carries a string-table message id (what the catching window shows) and a trace
// text: the raise site writes the first line, every function on the way back that catches it
// appends a line of its own and throws it on.
#pragma once

#include <QString>
#include <QStringList>
#include <exception>
#include <string>

namespace zqv {

class CZQVCPSException : public std::exception {
public:
    // Raise site: the trace starts with "\n(<op>:<line>) <detail>".
    CZQVCPSException(int messageId, const char *op, int line, const QString &detail);

    // A failure reported by a library (libxml2, the script engine, the C++ runtime) inside
    // the data model, turned into this exception with the caller's context code.
    static CZQVCPSException FromLibraryError(int contextId, const char *op, int line, const QString &errorMsg,
                                             const QString &description, const QString &source);

    int GetMessageId() const { return m_nMessageId; }
    // The %s/%d arguments of a message that names a value (a cap, an attribute); empty for
    // the plain messages.
    const QStringList &GetMessageArgs() const { return m_messageArgs; }
    CZQVCPSException &WithMessageArgs(const QStringList &args)
    {
        m_messageArgs = args;
        return *this;
    }
    // The text to show: the message with its arguments filled in.
    QString MessageText() const;
    const QString &GetTrace() const { return m_strTrace; }

    // Appends "\n(<op>:<line>) <detail>" to the trace.
    void AddTrace(const char *op, int line, const QString &detail);

    const char *what() const noexcept override;

private:
    int m_nMessageId;
    QStringList m_messageArgs;
    QString m_strTrace;
    mutable std::string m_strWhat;
};

// The detail a function appends when an exception of this type passes through it.
inline constexpr const char kExceptionCatched[] = "Exception Catched";
inline constexpr const char kExceptionCaught[] = "Exception Caught";

}  // namespace zqv

#define ZQV_THROW(id, op, detail) throw ::zqv::CZQVCPSException((id), (op), __LINE__, (detail))
// The same for a message with %s/%d arguments.
#define ZQV_THROW_ARGS(id, op, detail, args)                                                                           \
    throw ::zqv::CZQVCPSException((id), (op), __LINE__, (detail)).WithMessageArgs(args)

// Closes a try block: an exception of our own gets a pass-through line and goes on; any other
// std::exception becomes ours with the context code `ctxId` and the library's message.
#define ZQV_CATCH_RETHROW(op, ctxId)                                                                                   \
    catch (::zqv::CZQVCPSException & zqvEx)                                                                            \
    {                                                                                                                  \
        zqvEx.AddTrace((op), __LINE__, QString::fromLatin1(::zqv::kExceptionCatched));                                 \
        throw;                                                                                                         \
    }                                                                                                                  \
    catch (const std::exception &stdEx)                                                                                \
    {                                                                                                                  \
        throw ::zqv::CZQVCPSException::FromLibraryError((ctxId), (op), __LINE__, QString::fromLocal8Bit(stdEx.what()), \
                                                        QString(), QStringLiteral("C++ runtime"));                     \
    }
