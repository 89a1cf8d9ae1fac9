// The forms that put contacts on a list by a flag of their own: the global scroll list
// (`in_scroll_list` on any contact) and one channel's scan list (`in_scan_list` on the public
// groups of that channel, at most ten). Both show the two-list widget; every move goes through
// the rule script one contact at a time, and the tree's counts follow.
#pragma once

#include "BaseView.h"
#include "ProfileFormat.h"

#include <libxml/tree.h>
#include <vector>

class QListWidget;

namespace zqv {

class CTwoListWidget;

class CFlagListView : public CBaseView {
    Q_OBJECT
public:
    void Load() override;

    CTwoListWidget *Lists() const { return m_pLists; }

protected:
    struct Ids {
        int heading;
        CBaseView::TwoListIds lists;
    };
    CFlagListView(IEditorHost &host, CZQVCPSTreeView &tree, NodeKind kind, const char *page, const char *flag,
                  const Ids &ids, int availableCaption, int listCaption, QWidget *parent);

    // The heading text, the contacts the form offers, and the notice that refreshes the
    // tree's count.
    virtual QString HeadingText() const = 0;
    virtual std::vector<xmlNodePtr> Candidates() const = 0;
    virtual void NotifyTree() = 0;
    // How many more entries the list takes (negative: no limit); the message when it is full
    // before anything moved, and when it fills during a move.
    virtual int Room() const { return -1; }
    virtual void ShowFull(bool beforeAnyMove) { Q_UNUSED(beforeAnyMove); }

private:
    void Fill();
    void Move(bool add);

    const char *m_szPage;
    const char *m_szFlag;
    QLabel *m_pHeading;
    CTwoListWidget *m_pLists;
};

class CScrollListView : public CFlagListView {
    Q_OBJECT
public:
    CScrollListView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

protected:
    QString HeadingText() const override;
    std::vector<xmlNodePtr> Candidates() const override;
    void NotifyTree() override;
};

class CScanChannelView : public CFlagListView {
    Q_OBJECT
public:
    // The most public groups one channel scans.
    static constexpr int kMaxScanList = profile::kMaxScanListEntries;

    CScanChannelView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

protected:
    QString HeadingText() const override;
    std::vector<xmlNodePtr> Candidates() const override;
    void NotifyTree() override;
    int Room() const override;
    void ShowFull(bool beforeAnyMove) override;
};

}  // namespace zqv
