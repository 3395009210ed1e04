#include "report/report_painting.h"

#include "report/pdf_metadata.h"
#include "report/report_blocks.h"
#include "report/report_sections.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Points from the sheet's top-left corner, wherever the device starts painting (a printer
// starts inside its own margins).
void PlaceOnSheet(QPainter& painter, const QPagedPaintDevice& device)
{
    const int dpi = device.logicalDpiX();
    const QPageLayout layout = device.pageLayout();
    const QPointF start = layout.paintRectPixels(dpi).topLeft() - layout.fullRectPixels(dpi).topLeft();
    painter.resetTransform();
    painter.translate(-start);
    painter.scale(dpi / 72.0, device.logicalDpiY() / 72.0);
}

// The design and its revision at the left, the page's number at the right.
void PaintPageFoot(QPainter& painter, const TTypeface& type, const QString& foot, int page, int pages)
{
    painter.setFont(type.Font(kBodySize));
    painter.setPen(Qt::black);
    const QRectF line(kMargin, kSheetHeight - kMargin + 8, kWrittenWidth, 14);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, foot);
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, QString("Page %1 of %2").arg(page).arg(pages));
}

void PaintPage(QPainter& painter, const QPagedPaintDevice& device, const TReportPage& page)
{
    for (const TPlacedBlock& placed : page) {
        PlaceOnSheet(painter, device);
        painter.translate(kMargin, kMargin + placed.Top);
        placed.Block->Paint(painter);
    }
    PlaceOnSheet(painter, device);
}

} // namespace

int PaintReport(QPagedPaintDevice& device, const TReportDocument& report)
{
    QPainter painter(&device);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const TTypeface type(device);
    const std::vector<TBlock> blocks = ReportBlocks(report, type);
    const std::vector<TReportPage> pages = Paginate(blocks);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) device.newPage();
        PaintPage(painter, device, pages[i]);
        PaintPageFoot(painter, type, PageFootText(report), int(i + 1), int(pages.size()));
    }
    return int(pages.size());
}

namespace {

QByteArray PdfBytes(const TReportDocument& report, const QDateTime& created)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(1200);
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setTitle(ReportTitle(report));
        writer.setCreator("Korvel");
        writer.setDocumentXmpMetadata(ReportXmp(report, created));
        PaintReport(writer, report);
    }
    return buffer.data();
}

} // namespace

// The writer stamps the document with its own clock when it starts; a report begun just before a
// second turned is written again, so that its metadata and document information agree.
QByteArray ReportPdfBytes(const TReportDocument& report)
{
    QByteArray bytes;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QDateTime created = QDateTime::currentDateTime();
        bytes = PdfBytes(report, created);
        if (StampedAt(bytes, created)) break;
    }
    return bytes;
}
