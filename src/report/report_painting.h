// One painting of the report for every paged device: the PDF file, the printer and the print
// preview, A4 pages numbered "Page 2 of 5".
#pragma once

#include "report/report_document.h"

#include <QByteArray>

class QPagedPaintDevice;

// Paints every page on `device`, which must not be painted on yet; returns the page count.
int PaintReport(QPagedPaintDevice& device, const TReportDocument& report);

// The PDF file's bytes: real text with its fonts embedded, the pages' images without loss.
QByteArray ReportPdfBytes(const TReportDocument& report);
