// Distributed loads to their resultant force, eccentric axial forces to a moment.
#include "analysis/load_conversion.h"

#include "common/errors.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

struct TResultantCase {
    TLoadCase loadCase;
    TDistributedLoadTexts texts;
    QString position;
    QString value;
};

TEST(DistributedLoad, ResultantOfEveryCase)
{
    const TResultantCase cases[] = {
        {TLoadCase::Uniform, {"100", "2", "300", ""}, "250", "600"},
        {TLoadCase::Rising, {"0", "3", "90", ""}, "60", "135"},
        {TLoadCase::Falling, {"0", "3", "90", ""}, "30", "135"},
        {TLoadCase::Trapezoid, {"10", "2", "20", "60"}, "60", "160"},
        // L2 is only read for the trapezoid.
        {TLoadCase::Uniform, {"0", "1.5", "3", "word"}, "1.5", "4.5"},
    };
    for (const TResultantCase& c : cases) {
        SCOPED_TRACE(c.position.toStdString());
        CheckDistributedLoadComplete(c.loadCase, c.texts);
        EXPECT_EQ(ResultantPositionText(c.loadCase, c.texts), c.position);
        EXPECT_EQ(ResultantValueText(c.loadCase, c.texts), c.value);
    }
}

TEST(DistributedLoad, MissingFieldsAreReported)
{
    const std::pair<TLoadCase, TDistributedLoadTexts> cases[] = {
        {TLoadCase::Trapezoid, {"10", "2", "20", ""}},
        {TLoadCase::Uniform, {"", "2", "20", ""}},
        {TLoadCase::Rising, {"1", "", "20", ""}},
        {TLoadCase::Falling, {"1", "2", "", ""}},
    };
    for (const auto& [loadCase, texts] : cases) {
        try {
            CheckDistributedLoadComplete(loadCase, texts);
            ADD_FAILURE() << "accepted incomplete data";
        } catch (const KorvelError& error) {
            EXPECT_EQ(error.Text(), "Nu au fost introduse toate datele !");
        }
    }
}

TEST(DistributedLoad, TextThatIsNoNumberGivesItsOwnMessage)
{
    const TDistributedLoadTexts wordInX{"ten", "2", "300", ""};
    EXPECT_THROW(ResultantPositionText(TLoadCase::Uniform, wordInX), KorvelError);
    const TDistributedLoadTexts badF{"100", "2x", "300", ""};
    EXPECT_EQ(ResultantPositionText(TLoadCase::Uniform, badF), "250");
    try {
        ResultantValueText(TLoadCase::Uniform, badF);
        ADD_FAILURE() << "accepted a bad intensity";
    } catch (const KorvelError& error) {
        EXPECT_EQ(error.Text(), "Datele nu au fost introduse corect !");
    }
}

// The field a refusal points at is the one whose text makes the message.
TEST(DistributedLoad, TheFaultyFieldIsTheOneTheMessageIsAbout)
{
    using F = TDistributedField;
    const std::tuple<TLoadCase, TDistributedLoadTexts, F> cases[] = {
        {TLoadCase::Uniform, {"x", "2", "", ""}, F::L},        // an empty field comes first
        {TLoadCase::Trapezoid, {"10", "2", "20", ""}, F::L2},
        {TLoadCase::Uniform, {"10", "2x", "2o", ""}, F::L},    // the position is read first
        {TLoadCase::Trapezoid, {"10", "2x", "20", "6o"}, F::L2},
        {TLoadCase::Rising, {"10", "2x", "20", "6o"}, F::F},   // L2 is no field of this case
        {TLoadCase::Uniform, {"10", "2", "20", ""}, F::None},
    };
    for (const auto& [loadCase, texts, faulty] : cases) EXPECT_EQ(FaultyDistributedField(loadCase, texts), faulty);
    EXPECT_EQ(FirstUnreadable({"1500", "4O"}), 1);
    EXPECT_EQ(FirstUnreadable({"1500", "40"}), -1);
}

TEST(DistributedLoad, FollowsTheDecimalSeparator)
{
    DecimalSeparatorScope comma(',');
    const TDistributedLoadTexts texts{"0,5", "2,5", "3", ""};
    EXPECT_EQ(ResultantPositionText(TLoadCase::Uniform, texts), "2");
    EXPECT_EQ(ResultantValueText(TLoadCase::Uniform, texts), "7,5");
}

TEST(EccentricForce, MomentWithThreeDecimals)
{
    EXPECT_EQ(EccentricMomentText("1500", "40"), "60000.000");
    EXPECT_EQ(EccentricMomentText(" 2.5", "0.3333"), "0.833");
    try {
        EccentricMomentText("1500", "");
        ADD_FAILURE() << "accepted an empty lever";
    } catch (const KorvelError& error) {
        EXPECT_EQ(error.Text(), "'' is not a valid floating point value");
    }
}

} // namespace
