// The form of one public group: its name, its channel and its ID, the latter chosen from the
// ID numbers of the model's public-group banks, each shown with its bank's name (numbers other
// groups use carry an "x"); typing a number finds it in the list.
// Every change goes through the rule script; a refused change leaves the profile as it was
// and the form on the previous value. Leaving the form with a name the rule script refuses
// offers to delete the group.
#pragma once

#include "BaseView.h"

#include <QString>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace zqv {

class CPublicGroupView : public CBaseView {
    Q_OBJECT
public:
    // The longest name the name field takes.

    CPublicGroupView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

    void Load() override;
    int ValidateBeforeLeaving() override;
    void OnAfterAdd(int addedKind) override;
    void ReturnToField(int controlId) override;
    void OnUpdate(const ViewHint &hint) override;

    // True when ID number `number` is taken by a public group (or stands for no PID). Raises
    // CZQVCPSException (the internal null-pointer error) when the form's group is gone.
    bool isUsed(int number) const;
    // How long after the list's own typing interval a typed number is taken, in ms.
    static constexpr int kIdTypingPause = 100;

    QLineEdit *NameEdit() const { return m_pName; }
    QComboBox *ChannelList() const { return m_pChannel; }
    QComboBox *IdList() const { return m_pId; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Bank {
        int first = 0;
        int last = -1;
        QString pidBase;
    };

    CDataItem Group() const;
    void CheckBanks();
    void FillIdList(const QString &ownPid);
    void OnNameLeft();
    void OnChannelSelected(int index);
    void OnIdSelected(int index);

    QLabel *m_pHeading;
    QLineEdit *m_pName;
    QComboBox *m_pChannel;
    QComboBox *m_pId;
    QPushButton *m_pDelete;
    QPushButton *m_pAdd;
    std::array<Bank, 4> m_banks;
    int m_nChannelIndex = -1;
    int m_nIdIndex = -1;
    bool m_bLoading = false;
    QTimer *m_pIdTyped = nullptr;  // runs while a typed number waits to be taken
    bool m_bForwardingKey = false;
};

}  // namespace zqv
