// Debian's poppler tools read back what the report wrote: the page count and size, the text, and
// a page rendered to pixels.
#pragma once

#include "report/report_blocks.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

inline QString PopplerOutput(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start("/usr/bin/" + tool, arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct TPdfInfo {
    int Pages = 0;
    QString PageSize;
};

inline TPdfInfo PdfInfo(const QString& fileName)
{
    const QString info = PopplerOutput("pdfinfo", {fileName});
    return {QRegularExpression(R"(Pages:\s+(\d+))").match(info).captured(1).toInt(),
            QRegularExpression(R"(Page size:\s+(.*)\n)").match(info).captured(1).trimmed()};
}

// The text in its physical layout (a table row stays one line) with every run of blanks made one
// space, as a reader searching it sees it.
inline QString PdfText(const QString& fileName)
{
    return PopplerOutput("pdftotext", {"-layout", fileName, "-"}).simplified();
}

// One page at `dpi`.
// The number of the first page whose text holds `wanted`; 0 where none does.
inline int PageHolding(const QString& fileName, const QString& wanted)
{
    const QStringList pages = PopplerOutput("pdftotext", {"-layout", fileName, "-"}).split('\f');
    for (qsizetype i = 0; i < pages.size(); ++i)
        if (pages[i].simplified().contains(wanted)) return int(i + 1);
    return 0;
}

inline QImage PdfPage(const QString& fileName, int page, double dpi)
{
    const QTemporaryDir folder;
    PopplerOutput("pdftoppm", {"-f", QString::number(page), "-l", QString::number(page), "-r", QString::number(dpi),
                               "-singlefile", "-png", fileName, folder.filePath("page")});
    return QImage(folder.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
}

// Poppler smooths an image it enlarges less than four times; beyond that each pixel stays a block
// of its own colour.
inline constexpr double kBlockDpi = 4.5 * 72 / kImageScale;

// How many of the image's pixels the rendering shows in their own colour, sampled at each
// pixel's centre where the report placed the image: across the written width, `top` points below
// the written area's top edge, at `dpi`.
inline int MatchingPixels(const QImage& rendered, const QImage& image, double top, double dpi)
{
    const double scale = dpi / 72;
    int matching = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int column = int((kMargin + (x + 0.5) * kImageScale) * scale);
            const int row = int((kMargin + top + (y + 0.5) * kImageScale) * scale);
            matching += rendered.pixel(column, row) == image.pixel(x, y);
        }
    return matching;
}
