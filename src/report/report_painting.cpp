#include "report/report_painting.h"

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

void PaintPageNumber(QPainter& painter, const TTypeface& type, int page, int pages)
{
    painter.setFont(type.Font(kBodySize));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(kMargin, kSheetHeight - kMargin + 8, kWrittenWidth, 14), Qt::AlignHCenter | Qt::AlignTop,
                     QString("Page %1 of %2").arg(page).arg(pages));
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
        PaintPageNumber(painter, type, int(i + 1), int(pages.size()));
    }
    return int(pages.size());
}

QByteArray ReportPdfBytes(const TReportDocument& report)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(1200);
        writer.setTitle("Shaft calculation report: " + report.FileName);
        writer.setCreator("Korvel");
        PaintReport(writer, report);
    }
    return buffer.data();
}
