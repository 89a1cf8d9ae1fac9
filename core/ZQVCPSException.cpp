#include "ZQVCPSException.h"

#include "StringTable.h"

namespace zqv {

namespace {
QString TraceLine(const char *op, int line, const QString &detail)
{
    return QStringLiteral("\n(%1:%2) %3").arg(QString::fromLatin1(op)).arg(line).arg(detail);
}
}  // namespace

CZQVCPSException::CZQVCPSException(int messageId, const char *op, int line, const QString &detail)
    : m_nMessageId(messageId), m_strTrace(TraceLine(op, line, detail))
{
}

CZQVCPSException CZQVCPSException::FromLibraryError(int contextId, const char *op, int line, const QString &errorMsg,
                                                    const QString &description, const QString &source)
{
    return CZQVCPSException(contextId, op, line,
                            QStringLiteral("ErrorMsg: %1\nDesc: %2\nSource: %3").arg(errorMsg, description, source));
}

QString CZQVCPSException::MessageText() const
{
    return m_messageArgs.isEmpty() ? LoadStr(m_nMessageId) : FormatStr(m_nMessageId, m_messageArgs);
}

void CZQVCPSException::AddTrace(const char *op, int line, const QString &detail)
{
    m_strTrace += TraceLine(op, line, detail);
}

const char *CZQVCPSException::what() const noexcept
{
    m_strWhat = QStringLiteral("Message %1%2").arg(m_nMessageId).arg(m_strTrace).toStdString();
    return m_strWhat.c_str();
}

}  // namespace zqv
