#include "Prompter.h"

#include "StringTable.h"

namespace zqv {

int IPrompter::ShowMessage(int id, unsigned style)
{
    return Show(LoadStr(id), style);
}

int CScriptedPrompter::Show(const QString &text, unsigned style)
{
    int answer;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    } else {
        switch (style & 0xF) {
        case MB_YESNO:
        case MB_YESNOCANCEL: answer = IDYES; break;
        case MB_ABORTRETRYIGNORE: answer = IDABORT; break;
        case MB_RETRYCANCEL: answer = IDRETRY; break;
        default: answer = IDOK; break;
        }
    }
    m_history.push_back({text, style, answer});
    return answer;
}

QStringList CScriptedPrompter::Texts() const
{
    QStringList out;
    for (const auto &shown : m_history)
        out << shown.text;
    return out;
}

}  // namespace zqv
