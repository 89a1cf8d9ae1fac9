// The process-wide flags by which the profile tree tells the main window which of its own
// commands (Add, Rename, Delete, Scan) are available for the item it has selected.
#pragma once

#include <QObject>

namespace zqv {

class CCommandState : public QObject {
    Q_OBJECT
public:
    static CCommandState &Instance();

    bool AddAllowed() const { return m_bAdd; }
    bool RenameAllowed() const { return m_bRename; }
    bool DeleteAllowed() const { return m_bDelete; }
    bool ScanAllowed() const { return m_bScan; }

    // Sets all four at once (the tree does so whenever its selection changes).
    void SetTreeFlags(bool add, bool rename, bool del, bool scan);

signals:
    void Changed();

private:
    bool m_bAdd = false;
    bool m_bRename = false;
    bool m_bDelete = false;
    bool m_bScan = false;
};

}  // namespace zqv
