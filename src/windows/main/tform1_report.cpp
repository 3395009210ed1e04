// The main window's report of the open design: the same pages as a PDF file, on the printer
// and in the print preview, made from the design as it would be saved.
#include "windows/main/tform1.h"

#include "common/whole_file.h"
#include "report/report_painting.h"
#include "windows/main/design_windows.h"
#include "windows/main/report_details_dialog.h"

#include <QDate>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

TReportDocument OpenReport(const QString& fileName)
{
    const QString name = fileName.isEmpty() ? QStringLiteral("Untitled") : QDir::toNativeSeparators(fileName);
    return MakeReportDocument(CaptureDesign(), name, QDate::currentDate());
}

void PrepareA4(QPrinter& printer) { printer.setPageSize(QPageSize(QPageSize::A4)); }

} // namespace

// The report is made before the user picks a file: a design that cannot give one says so first.
void TForm1::ExportPdfClick()
{
    const QByteArray bytes = ReportPdfBytes(OpenReport(FileName));
    const QString fileName = ExportFileName(AskPdfFileName, "pdf");
    if (!fileName.isEmpty()) WriteWholeFile(fileName, bytes);
}

void TForm1::ReportDetailsClick()
{
    TReportDetailsDialog dialog(ReportDetails, this);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() != QDialog::Accepted) return;
    ReportDetails = dialog.Details();
    UpdateTitle();
}

void TForm1::PrintClick()
{
    const TReportDocument report = OpenReport(FileName);
    QPrinter printer(QPrinter::HighResolution);
    PrepareA4(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() == QDialog::Accepted) PaintReport(printer, report);
}

void TForm1::PrintPreviewClick()
{
    const TReportDocument report = OpenReport(FileName);
    QPrinter printer(QPrinter::HighResolution);
    PrepareA4(printer);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowFlag(Qt::WindowStaysOnTopHint);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* device) { PaintReport(*device, report); });
    preview.exec();
}
