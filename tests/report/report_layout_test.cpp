// The report's pages: a heading or a caption never stands alone at a page's foot.
#include "report/report_layout.h"

#include <gtest/gtest.h>

namespace {

TBlock Plain(double height, bool keepsWithNext = false) { return {height, nullptr, false, nullptr, keepsWithNext}; }

TEST(Paginate, AHeadingGoesOverWithWhatItNames)
{
    const double room = kWrittenHeight - 100;
    // 30 points of heading fit under the first block; its 80-point table does not, so both go over.
    const std::vector<TReportPage> pages = Paginate({Plain(room), Plain(30, true), Plain(80)});
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 1u);
    EXPECT_EQ(pages[1].front().Top, 0);
    EXPECT_EQ(pages[1].size(), 2u);

    // Where the table fits too, all three share the page; a heading before a page break stays.
    EXPECT_EQ(Paginate({Plain(room), Plain(30, true), Plain(60)}).size(), 1u);
    std::vector<TBlock> broken{Plain(room), Plain(30, true), Plain(80)};
    broken[2].StartsPage = true;
    EXPECT_EQ(Paginate(broken)[0].size(), 2u);
    // A block no page holds with its heading does not drag the heading off a page that has room.
    EXPECT_EQ(Paginate({Plain(room), Plain(30, true), Plain(kWrittenHeight)})[0].size(), 2u);
}

} // namespace
