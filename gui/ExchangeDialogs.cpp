#include "ExchangeDialogs.h"

#include "ChildFrame.h"
#include "FlowLayout.h"
#include "ScreenFit.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ThemeColours.h"
#include "ZQVCPSApp.h"
#include "ZQVCPSException.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zqv {

namespace {

QString CsvFilter()
{
    return LoadStr(IDS_CSV_FILE_FILTER);
}

// After an import or merge went in: the modified mark, the tree rebuilt from the profile, the
// counts in the status bar.
void ShowApplied(CChildFrame &child, const ImportReport &report, const QString &step)
{
    if (report.Changed()) {
        // The whole import or merge is one step of the undo history.
        child.BeginEdit(step);
        child.SetModified();
        child.EndEdit();
    }
    child.Tree().Build();
    child.ShowStatusText(report.Summary());
}

// What the preview left of the last options it ran with: the profile after the import or merge
// on its scratch copy.
struct PreviewResult {
    MergeOptions options;
    QByteArray after;
};

bool SameOptions(const MergeOptions &a, const MergeOptions &b)
{
    return a.contacts == b.contacts && a.groups == b.groups && a.texts == b.texts && a.lists == b.lists &&
        a.settings == b.settings && a.policy == b.policy;
}

// The preview already ran the confirmed import or merge on a copy of the profile as it still
// is: its result becomes the profile, so confirming does not run every row again. False (the
// caller applies afresh) when the options or the profile differ from what the preview saw.
bool AdoptPreview(CZQVCPSDoc &doc, const QString &previewedText, const PreviewResult &previewed,
                  const MergeOptions &confirmed)
{
    return !previewed.after.isEmpty() && SameOptions(previewed.options, confirmed) &&
        doc.Model().ProfileText() == previewedText && doc.RestoreSnapshot(previewed.after);
}

}  // namespace

ExchangeSeams &ExchangeTestSeams()
{
    static ExchangeSeams seams;
    return seams;
}

CImportPreviewDlg::CImportPreviewDlg(QWidget *parent, const QString &fileName, Mode mode, Preview preview)
    : QDialog(parent), m_preview(std::move(preview))
{
    const bool merge = mode == Mode::Merge;
    setObjectName(merge ? QStringLiteral("MergePreview") : QStringLiteral("ImportPreview"));
    setWindowTitle(FormatStr(merge ? IDS_MERGE_TITLE : IDS_CSV_PREVIEW_TITLE, {QFileInfo(fileName).fileName()}));
    auto *layout = new QVBoxLayout(this);
    if (merge) {
        // The choices wrap onto a second row where the dialog is narrow.
        auto *takeRow = new CFlowLayout;
        takeRow->addWidget(new QLabel(LoadStr(IDS_MERGE_WHAT), this));
        const int labels[5] = {IDS_MERGE_CONTACTS, IDS_MERGE_GROUPS, IDS_MERGE_TEXTS, IDS_MERGE_LISTS,
                               IDS_MERGE_SETTINGS};
        const MergeOptions defaults;
        const bool on[5] = {defaults.contacts, defaults.groups, defaults.texts, defaults.lists, defaults.settings};
        for (int i = 0; i < 5; ++i) {
            m_pTake[i] = new QCheckBox(LoadStr(labels[i]), this);
            m_pTake[i]->setObjectName(QStringLiteral("take%1").arg(i));
            m_pTake[i]->setChecked(on[i]);
            connect(m_pTake[i], &QCheckBox::toggled, this, &CImportPreviewDlg::Refresh);
            takeRow->addWidget(m_pTake[i]);
        }
        layout->addLayout(takeRow);
    }
    auto *policyRow = new CFlowLayout;
    auto *policyLabel = new QLabel(LoadStr(IDS_CSV_CLASH_POLICY), this);
    m_pPolicy = new QComboBox(this);
    m_pPolicy->setObjectName(QStringLiteral("clashPolicy"));
    m_pPolicy->addItem(LoadStr(IDS_CSV_POLICY_SKIP), int(ClashPolicy::Skip));
    m_pPolicy->addItem(LoadStr(IDS_CSV_POLICY_REPLACE), int(ClashPolicy::Replace));
    m_pPolicy->addItem(LoadStr(IDS_CSV_POLICY_RENAME), int(ClashPolicy::Rename));
    policyLabel->setBuddy(m_pPolicy);
    policyRow->addWidget(policyLabel);
    policyRow->addWidget(m_pPolicy);
    layout->addLayout(policyRow);
    m_pTable = new QTableWidget(this);
    m_pTable->setObjectName(QStringLiteral("importRows"));
    m_pTable->setAccessibleName(windowTitle());
    m_pTable->setColumnCount(4);
    m_pTable->setHorizontalHeaderLabels(LoadStr(IDS_CSV_PREVIEW_COLUMNS).split(QLatin1Char('\n')));
    m_pTable->verticalHeader()->hide();
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_pTable, 1);
    m_pSummary = new QLabel(this);
    m_pSummary->setObjectName(QStringLiteral("importSummary"));
    m_pSummary->setWordWrap(true);
    layout->addWidget(m_pSummary);
    auto *buttons = new QDialogButtonBox(this);
    m_pImport =
        buttons->addButton(LoadStr(merge ? IDS_MERGE_BUTTON : IDS_CSV_IMPORT_BUTTON), QDialogButtonBox::AcceptRole);
    m_pImport->setObjectName(QStringLiteral("importButton"));
    buttons->addButton(LoadStr(IDS_BUTTON_CANCEL), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_pPolicy, &QComboBox::currentIndexChanged, this, &CImportPreviewDlg::Refresh);
    FitToScreen(*this, QSize(720, 440));
    Refresh();
}

MergeOptions CImportPreviewDlg::Options() const
{
    MergeOptions options;
    options.policy = ClashPolicy(m_pPolicy->currentData().toInt());
    bool *take[5] = {&options.contacts, &options.groups, &options.texts, &options.lists, &options.settings};
    for (int i = 0; i < 5; ++i)
        if (m_pTake[i])
            *take[i] = m_pTake[i]->isChecked();
    return options;
}

void CImportPreviewDlg::SetOptions(const MergeOptions &options)
{
    const bool take[5] = {options.contacts, options.groups, options.texts, options.lists, options.settings};
    for (int i = 0; i < 5; ++i)
        if (m_pTake[i]) {
            const QSignalBlocker quiet(m_pTake[i]);
            m_pTake[i]->setChecked(take[i]);
        }
    const int index = m_pPolicy->findData(int(options.policy));
    if (index == m_pPolicy->currentIndex())
        Refresh();
    else
        m_pPolicy->setCurrentIndex(index);
}

void CImportPreviewDlg::Refresh()
{
    m_report = m_preview(Options());
    m_pTable->setRowCount(int(m_report.rows.size()));
    for (int i = 0; i < int(m_report.rows.size()); ++i) {
        const ImportRowResult &row = m_report.rows[size_t(i)];
        const QStringList cells{row.line > 0 ? QString::number(row.line) : QString(), row.name, row.pid,
                                ImportReport::VerdictText(row)};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (row.verdict == ImportRowResult::Refused)
                item->setForeground(ThemeColours(ThemeRole::Refusal, m_pTable->palette()).text);
            m_pTable->setItem(i, c, item);
        }
    }
    m_pTable->resizeColumnsToContents();
    m_pSummary->setText(m_report.fileError.isEmpty() ? m_report.Summary() : m_report.fileError);
    // Nothing to apply: a table that cannot be read, or one whose rows change nothing.
    m_pImport->setEnabled(m_report.fileError.isEmpty() && m_report.Changed());
}

void RunExport(CZQVCPSApp &app, CChildFrame &child, ExchangeKind kind)
{
    if (!child.Tree().CommitPendingEdits())
        return;
    const QString base = QFileInfo(child.Document().GetTitle()).completeBaseName();
    IFileDialog::SaveRequest request;
    request.proposedPath =
        base + (kind == ExchangeKind::Contacts ? QStringLiteral(" contacts.csv") : QStringLiteral(" texts.csv"));
    request.filter = CsvFilter();
    request.defaultExtension = QStringLiteral("csv");
    const QString path = app.FileDialog().GetSaveFileName(request);
    if (path.isEmpty())
        return;
    const std::vector<QStringList> rows = CContactExchange::ExportRows(child.Document().Model().RootItem(), kind);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(CCsvTable::Write(rows)) < 0 || !file.commit()) {
        app.Prompter().Show(FormatStr(IDS_CSV_CANNOT_WRITE, {path}), MB_OK | MB_ICONERROR);
        return;
    }
    child.ShowStatusText(FormatStr(IDS_CSV_EXPORTED, {QString::number(rows.size() - 1), path}));
}

void RunImport(CZQVCPSApp &app, CChildFrame &child, ExchangeKind kind)
{
    if (!child.Tree().CommitPendingEdits())
        return;
    ExchangeSeams &seams = ExchangeTestSeams();
    const QString path = seams.openFile ? seams.openFile(&child, CsvFilter())
                                        : QFileDialog::getOpenFileName(&child, QString(), QString(), CsvFilter());
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxProfileBytes) {
        app.Prompter().Show(FormatStr(IDS_CSV_CANNOT_READ, {path}), MB_OK | MB_ICONERROR);
        return;
    }
    const QByteArray csv = file.readAll();
    CZQVCPSDoc &doc = child.Document();
    const QString profileText = doc.Model().ProfileText();
    const CModelEnvironment environment = app.ModelEnvironment();
    try {
        PreviewResult previewed;
        CImportPreviewDlg dialog(&child, path, CImportPreviewDlg::Mode::Import, [&](const MergeOptions &options) {
            previewed.options = options;
            return CContactExchange::PreviewImport(environment, profileText, csv, kind, options.policy,
                                                   &previewed.after);
        });
        const int answer = seams.runPreview ? seams.runPreview(dialog) : dialog.exec();
        if (answer != QDialog::Accepted)
            return;
        const MergeOptions confirmed = dialog.Options();
        ShowApplied(child,
                    AdoptPreview(doc, profileText, previewed, confirmed)
                        ? dialog.Report()
                        : CContactExchange::Apply(doc.Model().RootItem(), csv, kind, confirmed.policy),
                    FormatStr(IDS_UNDO_IMPORT, {QFileInfo(path).fileName()}));
    } catch (const CZQVCPSException &e) {
        app.Prompter().ShowMessage(e.GetMessageId());
    }
}

void RunMerge(CZQVCPSApp &app, CChildFrame &child)
{
    if (!child.Tree().CommitPendingEdits())
        return;
    // The profile filter of the Open dialog, as the document template names it.
    const QString filter = LoadStr(IDS_DOC_TEMPLATE_PROFILE).section(QLatin1Char('\n'), 3, 3);
    ExchangeSeams &seams = ExchangeTestSeams();
    const QString path = seams.openFile ? seams.openFile(&child, filter)
                                        : QFileDialog::getOpenFileName(&child, QString(), QString(), filter);
    if (path.isEmpty())
        return;
    CZQVCPSDoc &doc = child.Document();
    const CModelEnvironment environment = app.ModelEnvironment();
    try {
        CRadioDataModel source(environment);
        source.LoadProfile(path, true);
        const QString profileText = doc.Model().ProfileText();
        PreviewResult previewed;
        CImportPreviewDlg dialog(&child, path, CImportPreviewDlg::Mode::Merge, [&](const MergeOptions &options) {
            previewed.options = options;
            return CContactExchange::PreviewMerge(environment, profileText, source.RootItem(), options,
                                                  &previewed.after);
        });
        const int answer = seams.runPreview ? seams.runPreview(dialog) : dialog.exec();
        if (answer != QDialog::Accepted)
            return;
        const MergeOptions confirmed = dialog.Options();
        ShowApplied(child,
                    AdoptPreview(doc, profileText, previewed, confirmed)
                        ? dialog.Report()
                        : CContactExchange::Merge(doc.Model().RootItem(), source.RootItem(), confirmed),
                    FormatStr(IDS_UNDO_MERGE, {QFileInfo(path).fileName()}));
    } catch (const CZQVCPSException &e) {
        app.Prompter().ShowMessage(e.GetMessageId());
    }
}

}  // namespace zqv
