#include "CommandState.h"

namespace zqv {

CCommandState &CCommandState::Instance()
{
    static CCommandState state;
    return state;
}

void CCommandState::SetTreeFlags(bool add, bool rename, bool del, bool scan)
{
    if (add == m_bAdd && rename == m_bRename && del == m_bDelete && scan == m_bScan)
        return;
    m_bAdd = add;
    m_bRename = rename;
    m_bDelete = del;
    m_bScan = scan;
    emit Changed();
}

}  // namespace zqv
