#include "BaseView.h"

#include "AccessibleName.h"
#include "ContactLists.h"
#include "EditorHost.h"
#include "FormLayout.h"
#include "NodeIcons.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "SettingDocs.h"
#include "StringTable.h"
#include "ThemeColours.h"
#include "TwoListWidget.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSTreeView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>
#include <algorithm>
#include <climits>

namespace zqv {

namespace {

int g_nValidationSuspended = 0;

void PaintControl(QWidget *widget, int style)
{
    if (style == CBaseView::kStyleHeading || style == CBaseView::kStyleSubHeading) {
        PaintThemed(widget, ThemeRole::Heading);
        QFont font = widget->font();
        font.setBold(true);
        if (style == CBaseView::kStyleHeading)
            font.setPointSizeF(font.pointSizeF() * 1.25);
        widget->setFont(font);
    } else if (style == CBaseView::kStyleReadOnly) {
        PaintThemed(widget, ThemeRole::ReadOnly);
    } else {
        PaintThemed(widget, ThemeRole::Field);
    }
    widget->setAutoFillBackground(true);
}

// False for "0" and "false", true for anything else.
bool IsTrue(const QString &text)
{
    const QString t = text.trimmed();
    return !(t == QLatin1String("0") || t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0);
}

}  // namespace

CBaseView::CSuspendValidation::CSuspendValidation()
{
    ++g_nValidationSuspended;
}
CBaseView::CSuspendValidation::~CSuspendValidation()
{
    --g_nValidationSuspended;
}

bool CBaseView::IsValidationSuspended()
{
    return g_nValidationSuspended > 0;
}

CBaseView::CBaseView(IEditorHost &host, CZQVCPSTreeView &tree, NodeKind kind, QWidget *parent)
    : QScrollArea(parent), m_host(host), m_tree(tree), m_nKind(kind), m_pCanvas(new QWidget)
{
    setObjectName(QLatin1String(ViewClass() ? ViewClass() : "CBaseView"));
    // The form is no Tab stop of its own: Tab from the tree lands in its first field.
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    m_pCanvas->setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    // The canvas takes the viewport's size, never less than its layout's least size: the form
    // scrolls only in a window too small for it.
    setWidgetResizable(true);
    PaintThemed(m_pCanvas, ThemeRole::Field);
    m_pCanvas->setAutoFillBackground(true);
    setWidget(m_pCanvas);
    PaintThemed(viewport(), ThemeRole::Field);
    viewport()->setAutoFillBackground(true);
}

CBaseView::~CBaseView() = default;

const char *CBaseView::ViewClass() const
{
    return NodeViewClass(m_nKind);
}

void CBaseView::Register(int id, QWidget *widget, const QRect &design, int style)
{
    widget->setParent(m_pCanvas);
    widget->setObjectName(QStringLiteral("IDC_%1").arg(id));
    widget->setProperty("controlId", id);
    widget->setGeometry(design);
    PaintControl(widget, style);
    widget->installEventFilter(this);
    m_controls.push_back({id, widget, design, style});
    // How the control follows the window: a field grows with it up to twice its design width,
    // a list up to half as much again and in height too; labels and buttons keep to their
    // texts. The design height is the least, so that the rows keep the design's rhythm. A form
    // may change any of this after adding the control.
    if (style == kStyleHeading || style == kStyleSubHeading) {
        widget->setMinimumHeight(design.height());
    } else if (qobject_cast<CTwoListWidget *>(widget) || qobject_cast<QAbstractItemView *>(widget)) {
        widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        widget->setMinimumSize(qMin(design.width(), kMinTwoListWidth), qMin(design.height(), kMinTwoListHeight));
        widget->setMaximumWidth(design.width() * 3 / 2);
        m_controls.back().minHeight = widget->minimumHeight();
    } else if (auto *button = qobject_cast<QPushButton *>(widget); button && button->text().isEmpty()) {
        widget->setFixedSize(design.size());
    } else if (qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget)) {
        widget->setMinimumSize(qobject_cast<QPushButton *>(widget) ? design.width() : 0, design.height());
    } else {
        QSizePolicy policy = widget->sizePolicy();
        policy.setHorizontalPolicy(QSizePolicy::Expanding);
        widget->setSizePolicy(policy);
        widget->setMinimumWidth(design.width());
        widget->setMaximumWidth(design.width() * kFieldGrowth);
        if (qobject_cast<QAbstractScrollArea *>(widget))
            widget->setFixedHeight(design.height());
        else
            widget->setMinimumHeight(design.height());
    }
}

QLabel *CBaseView::AddHeading(int id, const QString &text, int y, int style)
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setIndent(8);
    label->setTextFormat(Qt::PlainText);
    return AddControl(id, label, QRect(kHeadingMargin, y, 400, 30), style);
}

QLabel *CBaseView::AddLabel(int id, const QString &text, const QRect &design)
{
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return AddControl(id, label, design);
}

QLineEdit *CBaseView::AddReadOnlyField(int id, const QRect &design)
{
    auto *field = new QLineEdit;
    field->setReadOnly(true);
    field->setFrame(false);
    field->setTextMargins(4, 0, 4, 0);
    return AddControl(id, field, design, kStyleReadOnly);
}

void CBaseView::NameControlsByLabels()
{
    const auto isLabel = [](const ControlEntry &c) {
        return c.widget && qobject_cast<QLabel *>(c.widget) && c.style != kStyleHeading &&
            c.style != kStyleSubHeading && !static_cast<QLabel *>(c.widget.data())->text().trimmed().isEmpty();
    };
    for (const ControlEntry &c : m_controls) {
        QWidget *w = c.widget;
        if (!w || isLabel(c) || !(w->focusPolicy() & Qt::TabFocus) || !w->accessibleName().isEmpty())
            continue;
        auto *button = qobject_cast<QAbstractButton *>(w);
        if (button && !button->text().isEmpty())
            continue;
        // The label of a row is beside the control's first line; an icon button's caption is
        // on its right.
        const int rowTop = c.design.top() - 4;
        const int rowBottom = c.design.top() + qMin(c.design.height(), 40) + 4;
        const ControlEntry *best = nullptr;
        for (const ControlEntry &l : m_controls) {
            if (!isLabel(l) || static_cast<QLabel *>(l.widget.data())->buddy())
                continue;
            const int centre = l.design.center().y();
            if (centre < rowTop || centre > rowBottom)
                continue;
            if (button ? l.design.left() >= c.design.right() - 4 && (!best || l.design.left() < best->design.left())
                       : l.design.right() <= c.design.left() + 4 && (!best || l.design.right() > best->design.right()))
                best = &l;
        }
        if (!best) {
            for (const ControlEntry &l : m_controls) {
                if (!isLabel(l) || static_cast<QLabel *>(l.widget.data())->buddy())
                    continue;
                const bool above = l.design.bottom() <= c.design.top() + 4 && c.design.top() - l.design.bottom() <= 40;
                const bool overlaps = l.design.left() < c.design.right() && c.design.left() < l.design.right();
                if (above && overlaps && (!best || l.design.bottom() > best->design.bottom()))
                    best = &l;
            }
        }
        if (best)
            NameByLabel(static_cast<QLabel *>(best->widget.data()), w);
    }
}

QPushButton *CBaseView::AddAddButton(int id, NodeKind iconKind, NodeKind addKind, const QRect &design)
{
    auto *button = new QPushButton;
    button->setIcon(NodeIcon(iconKind));
    button->setIconSize(QSize(24, 24));
    connect(button, &QPushButton::clicked, this, [this, addKind] { PostHint(kHintAdd, addKind, 0); });
    return AddControl(id, button, design);
}

void CBaseView::RegisterPart(int id, QWidget *widget)
{
    widget->setObjectName(QStringLiteral("IDC_%1").arg(id));
    widget->setProperty("controlId", id);
    widget->installEventFilter(this);
    m_parts.emplace_back(id, widget);
}

CTwoListWidget *CBaseView::AddTwoList(CTwoListWidget *twoList, const TwoListIds &ids, const QRect &design)
{
    // As the lowest list of a form the lists take the window's height, so a low window does
    // not need scrolling and a tall one shows more entries.
    Register(ids.selected, twoList, design, kStyleNormal);
    // The compound carries the id for layout and visibility only; focus goes to its parts.
    twoList->setProperty("controlId", QVariant());
    twoList->setObjectName(QStringLiteral("IDC_%1_pair").arg(ids.selected));
    RegisterPart(ids.availableLabel, twoList->AvailableLabel());
    RegisterPart(ids.available, twoList->AvailableList());
    RegisterPart(ids.selectedLabel, twoList->SelectedLabel());
    RegisterPart(ids.selected, twoList->SelectedList());
    RegisterPart(ids.add, twoList->AddButton());
    RegisterPart(ids.remove, twoList->RemoveButton());
    return twoList;
}

QWidget *CBaseView::Control(int id) const
{
    for (const auto &part : m_parts)
        if (part.first == id)
            return part.second;
    for (const ControlEntry &c : m_controls)
        if (c.id == id)
            return c.widget;
    return nullptr;
}

QString CBaseView::ControlText(int id) const
{
    QWidget *w = Control(id);
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *line = qobject_cast<QLineEdit *>(w))
        return line->text();
    if (auto *text = qobject_cast<QPlainTextEdit *>(w))
        return text->toPlainText();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    return QString();
}

void CBaseView::ApplyPageVisibility(const QString &page)
{
    QSet<int> named;
    const auto &doc = Document().SettingDocument();
    if (doc && doc->Root() && IsQueryName(page)) {
        for (xmlNodePtr node : doc->Select(nullptr, QStringLiteral("//dfns:%1/dfns:*").arg(page))) {
            bool ok = false;
            const int id = static_cast<int>(GetAttr(node, "ID").trimmed().toUInt(&ok));
            if (!ok)
                continue;
            named.insert(id);
            if (HasAttr(node, "isVisible") && !IsTrue(GetAttr(node, "isVisible")))
                if (QWidget *w = Control(id))
                    w->hide();
        }
    }
    for (const ControlEntry &c : m_controls)
        if (c.widget && !named.contains(c.id))
            c.widget->hide();
    RelayOut();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void CBaseView::BuildLayout()
{
    delete m_pCanvas->layout();
    auto *layout = new CFormLayout(m_pCanvas);
    layout->setContentsMargins(kHeadingMargin, kHeadingMargin, kHeadingMargin, kMinLeftMargin);
    layout->SetBlockMargin(kMinLeftMargin - kHeadingMargin);
    const auto isHeading = [](const ControlEntry &c) {
        return c.style == kStyleHeading || c.style == kStyleSubHeading;
    };

    // The columns start where the controls of the design start.
    std::vector<int> lefts;
    for (const ControlEntry &c : m_controls)
        if (!isHeading(c))
            lefts.push_back(c.design.left());
    std::sort(lefts.begin(), lefts.end());
    lefts.erase(std::unique(lefts.begin(), lefts.end()), lefts.end());
    const auto columnOf = [&lefts](int x) {
        return static_cast<int>(std::upper_bound(lefts.begin(), lefts.end(), x) - lefts.begin()) - 1;
    };

    // The rows, top to bottom: a control joins the row it overlaps; a heading is a row of its own.
    std::vector<size_t> order(m_controls.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [this](size_t a, size_t b) { return m_controls[a].design.top() < m_controls[b].design.top(); });
    struct Row {
        int top;
        int bottom;
        bool heading;
    };
    std::vector<Row> rows;
    std::vector<int> rowOf(m_controls.size(), 0);
    for (size_t i : order) {
        const ControlEntry &c = m_controls[i];
        const int top = c.design.top();
        const int bottom = top + c.design.height();
        if (!rows.empty() && !isHeading(c) && !rows.back().heading && top < rows.back().bottom) {
            rows.back().bottom = qMax(rows.back().bottom, bottom);
        } else {
            if (!rows.empty())
                layout->SetRowGap(static_cast<int>(rows.size()), qMax(0, top - rows.back().bottom));
            rows.push_back({top, bottom, isHeading(c)});
        }
        rowOf[i] = static_cast<int>(rows.size()) - 1;
    }

    // Between two columns the space the design leaves between them.
    std::vector<int> columnRight(lefts.size(), INT_MIN);
    for (const ControlEntry &c : m_controls)
        if (!isHeading(c)) {
            const int last = columnOf(c.design.right());
            columnRight[last] = qMax(columnRight[last], c.design.left() + c.design.width());
        }
    for (size_t c = 1; c < lefts.size(); ++c)
        if (columnRight[c - 1] != INT_MIN)
            layout->SetColumnGap(static_cast<int>(c),
                                 qBound(kMinColumnGap, lefts[c] - columnRight[c - 1], 4 * kMinColumnGap));

    for (size_t i = 0; i < m_controls.size(); ++i) {
        const ControlEntry &c = m_controls[i];
        if (!c.widget)
            continue;
        CFormLayout::Place place;
        place.row = rowOf[i];
        if (isHeading(c)) {
            place.fit = CFormLayout::Fit::Band;
        } else {
            place.column = columnOf(c.design.left());
            place.span = columnOf(c.design.right()) - place.column + 1;
            place.fit = qobject_cast<QAbstractButton *>(c.widget) ? CFormLayout::Fit::Hint : CFormLayout::Fit::Fill;
            place.tall = c.minHeight > 0;
            place.height = c.design.height();
        }
        layout->AddControl(c.widget, place);
    }
    m_nLaidOut = m_controls.size();
}

void CBaseView::RelayOut()
{
    if (!m_pCanvas->layout() || m_nLaidOut != m_controls.size())
        BuildLayout();
    QLayout *layout = m_pCanvas->layout();
    layout->invalidate();
    // The scroll area takes the canvas's new least size now, not once the event loop runs.
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(this, &request);
    layout->activate();
}

void CBaseView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F6 && event->modifiers() == Qt::NoModifier) {
        m_tree.CommitPendingEdits();
        return;
    }
    QScrollArea::keyPressEvent(event);
}

void CBaseView::TakeFocusFromTree()
{
    QWidget *last = m_pCanvas->focusWidget();
    const auto takes = [this](QWidget *w) {
        return w && m_pCanvas->isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus);
    };
    if (takes(last)) {
        last->setFocus(Qt::TabFocusReason);
        return;
    }
    for (QWidget *w = m_pCanvas->nextInFocusChain(); w && w != m_pCanvas; w = w->nextInFocusChain())
        if (takes(w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

bool CBaseView::eventFilter(QObject *watched, QEvent *event)
{
    // F6 in any control goes back to the tree, whatever the control does with other keys.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F6 && key->modifiers() == Qt::NoModifier) {
            m_tree.CommitPendingEdits();
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && m_host.HelpPaneShown()) {
        const QVariant id = watched->property("controlId");
        if (id.isValid() && ViewClass())
            m_host.ShowControlHelp(QLatin1String(ViewClass()), id.toInt());
    }
    return QScrollArea::eventFilter(watched, event);
}

CZQVCPSDoc &CBaseView::Document() const
{
    return m_host.Document();
}

IPrompter &CBaseView::Prompter() const
{
    return m_host.Prompter();
}

CDataItem CBaseView::ProfileRoot() const
{
    return m_host.Document().Model().RootItem();
}

int CBaseView::CurrentIndex() const
{
    return m_tree.CurrentIndex();
}

void CBaseView::SetModified()
{
    m_host.SetModified();
}

void CBaseView::ProfileDataError()
{
    if (m_bDataError)
        return;
    m_bDataError = true;
    Prompter().ShowMessage(IDS_PROFILE_DATA_ERROR, MB_OK | MB_ICONERROR);
    m_host.CloseWithoutSaving();
}

int CBaseView::ShowMessage(int messageId, unsigned style)
{
    return Prompter().ShowMessage(messageId, style);
}

RuleAnswer CBaseView::CallRule(const RuleCall &call, int confirm)
{
    int message = 0;
    int style = 0;
    const int result = call(confirm, message, style);
    RuleAnswer answer;
    answer.result = result == 0 ? RuleResult::Applied : result == 2 ? RuleResult::Ask : RuleResult::Refused;
    answer.message = message;
    answer.style = static_cast<unsigned>(style);
    return answer;
}

RuleResult CBaseView::ApplyRule(IPrompter &prompter, const RuleCall &call, const QStringList &questionArgs,
                                AnswerMode mode)
{
    RuleAnswer answer = CallRule(call);
    if (answer.result == RuleResult::Ask) {
        const QString question =
            questionArgs.isEmpty() ? LoadStr(answer.message) : FormatStr(answer.message, questionArgs);
        const int reply = prompter.Show(question, answer.style);
        if (mode == AnswerMode::PassAnswer)
            answer = CallRule(call, reply);
        else if (reply != IDOK && reply != IDYES)
            return RuleResult::Ask;
        else
            answer = CallRule(call, 1);
        // A script that asks again after the user agreed has refused.
        if (answer.result == RuleResult::Ask)
            answer.result = RuleResult::Refused;
    }
    if (answer.message != 0)
        prompter.ShowMessage(answer.message, answer.style);
    return answer.result;
}

RuleResult CBaseView::SetValue(CDataItem &item, const QString &name, const QVariant &value,
                               const QStringList &questionArgs, AnswerMode mode)
{
    return ApplyRule(
        Prompter(),
        [&](int confirm, int &message, int &style) {
            return item.SetAttributeValue(name, value, message, confirm, style);
        },
        questionArgs, mode);
}

void CBaseView::ShowNameAgain(const ViewHint &hint, const std::function<CDataItem()> &record, QLineEdit *name,
                              QLabel *heading)
{
    if (hint.operation != kHintRefresh || hint.kind != Kind() || hint.index != CurrentIndex())
        return;
    Guarded([&] {
        const QString text = AttrText(record(), "name");
        name->setText(text);
        heading->setText(text);
    });
}

bool CBaseView::RemoveChildWhere(CDataItem &list, const char *name, const QString &value)
{
    const std::vector<xmlNodePtr> children = ElementChildren(list.Node());
    for (int i = 0; i < static_cast<int>(children.size()); ++i)
        if (GetAttr(children[i], name) == value)
            return ApplyRule(Prompter(), [&](int confirm, int &message, int &style) {
                       return list.RemoveChildByIndex(i, message, confirm, style);
                   }) == RuleResult::Applied;
    return false;
}

bool CBaseView::SetPid(CDataItem &item, const QString &pid, const std::function<void()> &restore)
{
    RuleAnswer answer;
    try {
        answer = SetValueQuietly(item, QStringLiteral("pid"), pid);
    } catch (const CZQVCPSException &e) {
        ShowMessage(e.GetMessageId(), MB_OK);
        answer.result = RuleResult::Refused;
        answer.message = 0;
    }
    if (answer.result == RuleResult::Applied) {
        if (answer.message != 0)
            ShowMessage(answer.message, answer.style);
        return true;
    }
    if (answer.message != 0) {
        QString text = LoadStr(answer.message);
        const CDataItem root = ProfileRoot();
        if (answer.message == IDS_ID_NOT_VALID && NodeName(item.Node()) == QLatin1String("Private")) {
            const CDataItem limit = ChildItem(root, "limit");
            const QString low = AttrText(limit, "valid_PID_start").trimmed();
            const QString high = AttrText(limit, "valid_PID_end").trimmed();
            if (!low.isEmpty() && !high.isEmpty())
                text += QLatin1Char('\n') + FormatStr(IDS_PID_VALID_RANGE, {low, high});
        } else if (answer.message == IDS_SIMILAR_PID_EXISTS) {
            // IDs are compared as numbers, as the rules compare them ("0042" is 42).
            bool ok = false;
            const qulonglong wanted = pid.trimmed().toULongLong(&ok);
            for (xmlNodePtr contact : AllContactNodes(root)) {
                if (!ok || contact == item.Node())
                    continue;
                bool held = false;
                if (GetAttr(contact, "pid").trimmed().toULongLong(&held) == wanted && held) {
                    text += QLatin1Char('\n') + FormatStr(IDS_PID_HELD_BY, {GetAttr(contact, "name")});
                    break;
                }
            }
        }
        Prompter().Show(text, answer.style);
    }
    if (restore)
        restore();
    return false;
}

RuleAnswer CBaseView::SetValueQuietly(CDataItem &item, const QString &name, const QVariant &value)
{
    return CallRule([&](int confirm, int &message, int &style) {
        return item.SetAttributeValue(name, value, message, confirm, style);
    });
}

bool CBaseView::SetValueOrRestore(CDataItem &item, const QString &name, const QVariant &value,
                                  const std::function<void()> &restore, const QStringList &questionArgs)
{
    RuleResult result = RuleResult::Refused;
    try {
        result = SetValue(item, name, value, questionArgs);
    } catch (const CZQVCPSException &e) {
        ShowMessage(e.GetMessageId(), MB_OK);
    }
    if (result == RuleResult::Applied)
        return true;
    if (restore)
        restore();
    return false;
}

void CBaseView::SendHint(int operation, NodeKind kind, int index)
{
    m_tree.UpdateAllViews(this, ViewHint{operation, kind, index});
}

void CBaseView::PostHint(int operation, NodeKind kind, int index)
{
    QPointer<CZQVCPSTreeView> tree(&m_tree);
    const ViewHint hint{operation, kind, index};
    QMetaObject::invokeMethod(
        &m_tree,
        [tree, hint] {
            if (tree)
                tree->UpdateAllViews(nullptr, hint);
        },
        Qt::QueuedConnection);
}

void CBaseView::PostReturnToField(int controlId)
{
    QMetaObject::invokeMethod(
        this, [this, controlId] { ReturnToField(controlId); }, Qt::QueuedConnection);
}

void CBaseView::SelectQuietly(QComboBox *list, int index)
{
    const QSignalBlocker block(list);
    list->setCurrentIndex(index);
}

bool CBaseView::FocusStaysInForm(const QWidget *exempt) const
{
    const QWidget *to = QApplication::focusWidget();
    return to && (to == this || isAncestorOf(to)) && to != exempt;
}

CBaseView::NameCommit CBaseView::CommitName(CDataItem item, const QString &name, QLabel *heading, NodeKind kind)
{
    if (name.isEmpty()) {
        ShowMessage(IDS_NAME_EMPTY, MB_OK | MB_ICONWARNING);
        return NameCommit::Refused;
    }
    const QString old = AttrText(item, "name");
    if (SetValue(item, QStringLiteral("name"), name) != RuleResult::Applied)
        return NameCommit::Refused;
    const bool changed = AttrText(item, "name") != old;
    if (changed) {
        heading->setText(name);
        CEditScope step(m_host, FormatStr(IDS_UNDO_RENAME, {old, AttrText(item, "name")}));
        SetModified();
    }
    SendHint(kHintRefresh, kind, CurrentIndex());
    return changed ? NameCommit::Changed : NameCommit::Kept;
}

void CBaseView::SetModifiedByMove(bool add, const QStringList &names, const QString &list)
{
    const QString what = names.size() == 1 ? QStringLiteral("'%1'").arg(names.first())
                                           : FormatStr(IDS_UNDO_N_CONTACTS, {QString::number(names.size())});
    CEditScope step(m_host, FormatStr(add ? IDS_UNDO_ADD_TO : IDS_UNDO_REMOVE_FROM, {what, list}));
    SetModified();
}

bool CBaseView::CommitQuietly(CDataItem item, const char *attribute, const QString &value, NodeKind kind)
{
    const QString old = AttrText(item, attribute);
    if (value.isEmpty() || SetValueQuietly(item, QLatin1String(attribute), value).result != RuleResult::Applied)
        return false;
    if (AttrText(item, attribute) != old) {
        // A new name is a rename in the undo history; other fields take the node's name.
        const bool name = qstrcmp(attribute, "name") == 0;
        CEditScope step(m_host, name ? FormatStr(IDS_UNDO_RENAME, {old, AttrText(item, attribute)}) : QString());
        SetModified();
    }
    SendHint(kHintRefresh, kind, CurrentIndex());
    return true;
}

int CBaseView::LeaveOrDeleteIncorrect(const QString &wrong, NodeKind kind, int fieldId)
{
    if (wrong.isEmpty())
        return 1;
    const int answer =
        Prompter().Show(FormatStr(IDS_INCORRECT_FIELDS_DELETE_CONTACT, {wrong}), MB_OKCANCEL | MB_ICONWARNING);
    if (answer == IDOK || answer == IDYES) {
        CSuspendValidation suspend;
        SendHint(kHintDelete, kind, CurrentIndex());
        return -1;
    }
    PostReturnToField(fieldId);
    return 0;
}

void CBaseView::FocusAndSelectAll(QWidget *edit)
{
    if (!edit)
        return;
    edit->setFocus(Qt::OtherFocusReason);
    const auto selectAll = [](QWidget *w) {
        if (auto *line = qobject_cast<QLineEdit *>(w))
            line->selectAll();
        else if (auto *text = qobject_cast<QPlainTextEdit *>(w))
            text->selectAll();
    };
    selectAll(edit);
    // Called while the focus leaves the field (a refused entry), the field's own focus-out
    // handling still runs afterwards and drops the selection: select again once it is done.
    QPointer<QWidget> guard(edit);
    QMetaObject::invokeMethod(
        edit,
        [guard, selectAll] {
            if (guard && guard->hasFocus())
                selectAll(guard);
        },
        Qt::QueuedConnection);
}

}  // namespace zqv
