// The report's content in its order: the title block, each plane's page, the loads and the
// reactions, the drawing to scale and each check of the shaft; what is missing is said where it
// would stand.
#pragma once

#include "report/report_document.h"
#include "report/report_layout.h"

std::vector<TBlock> ReportBlocks(const TReportDocument& report, const TTypeface& type);
