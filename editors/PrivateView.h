// The form of one private contact: name, channel, private ID (typed, scanned or read from
// another radio), home group, "Group Only", ringer, and the contact's own scroll list.
//
// The PID field takes digits only, without leading zeros, never longer than the model's
// highest PID and never above it; the rule script judges the ID when the field is left.
// Contacts added with a bar-code scanner form a chain: Enter after a scanned ID adds the next
// contact and puts the focus into its ID field.
#pragma once

#include "BaseView.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zqv {

class CTwoListWidget;

class CPrivateView : public CBaseView {
    Q_OBJECT
public:
    static constexpr int kRingers = 12;

    CPrivateView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

    void Load() override;
    int ValidateBeforeLeaving() override;
    void OnAfterAdd(int addedKind) override;
    void ReturnToField(int controlId) override;
    void OnUpdate(const ViewHint &hint) override;

    // Cleans a typed PID: drops every character that is not a digit and every leading zero.
    // `cursor` (in/out) follows the characters that stay.
    static QString CleanPid(const QString &text, int *cursor = nullptr);

    QLineEdit *NameEdit() const { return m_pName; }
    QComboBox *ChannelList() const { return m_pChannel; }
    QLineEdit *PidEdit() const { return m_pPid; }
    QPushButton *ReadPidButton() const { return m_pReadPid; }
    QComboBox *HomeGroupList() const { return m_pHomeGroup; }
    QCheckBox *GroupOnly() const { return m_pGroupOnly; }
    QComboBox *RingerList() const { return m_pRinger; }
    QCheckBox *ScrollEnable() const { return m_pScrollEnable; }
    CTwoListWidget *ScrollLists() const { return m_pScroll; }
    bool ScannerMode() const { return m_bScanner; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CDataItem Contact() const;
    void FillHomeGroups();
    void FillScrollLists();
    // Refills both lists from the profile, usable as the check box says.
    void RefillScrollLists();
    void OnNameLeft();
    void OnPidChanged(const QString &text);
    void OnPidLeft();
    bool OnEnterInPid();
    // Takes the PID field's text into the profile. An empty ID, or one the rule script
    // refuses, is shown and the focus goes back into the field; true when the ID went in.
    bool CommitPid();
    void OnReadPid();
    void OnChannelSelected(int index);
    void OnHomeGroupSelected(int index);
    void OnGroupOnlyToggled();
    void OnRingerSelected(int index);
    void OnScrollEnableToggled(bool on);
    void OnScrollMove(bool add);
    void ReturnFocus(QWidget *field);

    QLabel *m_pHeading;
    QLineEdit *m_pName;
    QComboBox *m_pChannel;
    QLineEdit *m_pPid;
    QPushButton *m_pReadPid;
    QComboBox *m_pHomeGroup;
    QCheckBox *m_pGroupOnly;
    QComboBox *m_pRinger;
    QPushButton *m_pDelete;
    QPushButton *m_pAdd;
    QCheckBox *m_pScrollEnable;
    CTwoListWidget *m_pScroll;

    QString m_strPid;  // the last accepted PID text
    QString m_strAddText;  // " (add with scanner)" or " (add without scanner)"
    quint64 m_nPidStart = 0;
    quint64 m_nPidEnd = 0;
    QString m_strPidStart;
    QString m_strPidEnd;
    int m_nChannelIndex = -1;
    int m_nHomeIndex = -1;
    int m_nRingerIndex = -1;
    bool m_bLoaded = false;
    bool m_bPidCheck = true;
    bool m_bScanner = false;
    bool m_bCleaning = false;
    bool m_bScrollShown = false;
};

}  // namespace zqv
