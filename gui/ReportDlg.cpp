#include "ReportDlg.h"

#include "FileDialog.h"
#include "Prompter.h"
#include "ReportOptionDlg.h"
#include "ReportPdf.h"
#include "ScreenFit.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSDoc.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zqv {

namespace {

// The report's browser: a picture that is not there (a model without one) leaves an empty
// place on the page instead of a broken-picture sign that would be printed.
class CReportBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl &name) override
    {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type == QTextDocument::ImageResource && resource.isNull()) {
            QImage blank(1, 1, QImage::Format_ARGB32);
            blank.fill(Qt::transparent);
            return blank;
        }
        return resource;
    }
};

// The paper of a PDF saved from the window: the default printer's, else the locale's.
QPageSize PdfPaper()
{
    QPageSize paper;
    return DefaultPrinterPaper(&paper) ? paper : report::LocalePaperSize();
}

}  // namespace

CReportDlg::CReportDlg(const QString &reportPath, const QString &profileName, const QString &profileFolder,
                       IPrompter &prompter, IFileDialog &fileDialog, QWidget *parent)
    : QDialog(parent), m_strPath(reportPath), m_strProfileName(profileName), m_strProfileFolder(profileFolder),
      m_prompter(prompter), m_fileDialog(fileDialog)
{
    setWindowTitle(LoadStr(IDS_REPORT_WINDOW_TITLE));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto *layout = new QVBoxLayout(this);
    m_pBrowser = new CReportBrowser(this);
    m_pBrowser->setOpenLinks(false);
    m_pBrowser->setAccessibleName(windowTitle());
    // The page file is UTF-16 with its byte-order mark; the browser finds the pictures beside it.
    m_pBrowser->setSource(QUrl::fromLocalFile(reportPath), QTextDocument::HtmlResource);
    layout->addWidget(m_pBrowser, 1);
    auto *buttons = new QDialogButtonBox(this);
    m_pPrint = buttons->addButton(LoadStr(IDS_REPORT_PRINT), QDialogButtonBox::ActionRole);
    m_pPreview = buttons->addButton(LoadStr(IDS_REPORT_PRINT_PREVIEW), QDialogButtonBox::ActionRole);
    m_pSaveAs = buttons->addButton(LoadStr(IDS_REPORT_SAVE_AS), QDialogButtonBox::ActionRole);
    m_pClose = buttons->addButton(LoadStr(IDS_REPORT_CLOSE), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(m_pPrint, &QPushButton::clicked, this, &CReportDlg::OnPrint);
    connect(m_pPreview, &QPushButton::clicked, this, &CReportDlg::OnPrintPreview);
    connect(m_pSaveAs, &QPushButton::clicked, this, &CReportDlg::OnSaveAs);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FitToScreen(*this, QSize(760, 640));
}

CPrintJob CReportDlg::PrintJob()
{
    CPrintJob job;
    job.docName = m_pBrowser->documentTitle();
    job.previewTitle = windowTitle();
    job.prepare = [](QPagedPaintDevice &device, bool toFile) {
        // A printer brings its own default paper; a file has none.
        if (toFile)
            device.setPageSize(report::LocalePaperSize());
        report::SetReportMargins(device);
    };
    job.paint = [this](QPagedPaintDevice &device) {
        report::PrintReport(*m_pBrowser->document(), device, {m_strProfileName});
    };
    job.fitPreview = [](QWidget &preview) { FitToScreen(preview, QSize(900, 760)); };
    return job;
}

void CReportDlg::OnPrint()
{
    // Printing is a module of its own; one that cannot be loaded is an incomplete installation.
    if (QString error; !PrintWithDialog(this, PrintJob(), &error))
        m_prompter.Show(LoadStr(IDS_FILES_MISSING) + u'\n' + error, MB_OK | MB_ICONERROR);
}

void CReportDlg::OnPrintPreview()
{
    if (QString error; !PrintPreview(this, PrintJob(), &error))
        m_prompter.Show(LoadStr(IDS_FILES_MISSING) + u'\n' + error, MB_OK | MB_ICONERROR);
}

bool CReportDlg::SaveTo(const QString &path, QString *reason)
{
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return report::WriteReportPdf(*m_pBrowser->document(), path, m_pBrowser->documentTitle(), {m_strProfileName},
                                      PdfPaper(), reason);
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(m_strPath).absoluteFilePath())
        return true;
    // The page as written (UTF-16 with its byte-order mark), and the pictures it shows.
    QFile source(m_strPath);
    if (!source.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = source.errorString();
        return false;
    }
    const QString html = QStringDecoder(QStringDecoder::Utf16LE).decode(source.readAll().mid(2));
    return report::WriteReportFile(path, html, reason) &&
        report::CopyPictures(report::ReferencedPictures(html), QFileInfo(m_strPath).absolutePath(),
                             QFileInfo(path).absolutePath());
}

void CReportDlg::OnSaveAs()
{
    IFileDialog::SaveRequest request;
    const QDir folder = m_strProfileFolder.isEmpty() ? QDir::home() : QDir(m_strProfileFolder);
    request.proposedPath = folder.filePath(QFileInfo(m_strPath).fileName());
    request.filter = LoadStr(IDS_REPORT_FILTER_HTML) + QStringLiteral(";;") + LoadStr(IDS_REPORT_FILTER_PDF);
    request.defaultExtension = QStringLiteral("htm");
    const QString path = m_fileDialog.GetSaveFileName(request);
    if (path.isEmpty())
        return;
    // Like a profile save, the message says why: the system's reason on a line of its own.
    if (QString reason; !SaveTo(path, &reason))
        m_prompter.Show(FormatStr(IDS_REPORT_SAVE_FAILED, {QDir::toNativeSeparators(path)}) + u'\n' + reason,
                        MB_OK | MB_ICONWARNING);
}

QString WriteReport(const CZQVCPSDoc &doc, const CReportContext &context, ReportKind kind)
{
    const QString html = CReportBuilder(doc, context.installDir, context.dealer).Build(kind);
    return report::SaveReport(context.installDir, context.cacheDir, CReportBuilder::OutputName(kind), html);
}

void RunReportCommand(const CZQVCPSDoc &doc, const CReportContext &context)
{
    CReportOptionDlg choice(CReportBuilder(doc, context.installDir, context.dealer).IsRadioSpecificAvailable(),
                            context.parent);
    if (choice.exec() != QDialog::Accepted)
        return;
    const QString path = WriteReport(doc, context, choice.Choice());
    const QString profilePath = doc.GetPathName();
    CReportDlg window(path, doc.GetTitle(), profilePath.isEmpty() ? QString() : QFileInfo(profilePath).absolutePath(),
                      *context.prompter, *context.fileDialog, context.parent);
    window.exec();
}

}  // namespace zqv
