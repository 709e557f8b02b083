// The wizard's transition table and the per-model choice of page variants.
#include "app/wizard_flow.h"

#include <gtest/gtest.h>

namespace {

using S = WizardStep;

struct Row {
    S ended;
    S expected[5];  // results 1, 2, 3, 4, 7
};

TEST(WizardFlow, EveryCellOfTheTransitionTable) {
    const Row rows[] = {
        {S::Language, {S::Model, S::End, S::Model, S::Model, S::Model}},
        {S::Model, {S::Customer, S::End, S::Customer, S::Language, S::Customer}},
        {S::Customer, {S::Vehicle, S::End, S::Port, S::Language, S::Vehicle}},
        {S::Vehicle, {S::Lambda, S::End, S::Lambda, S::Customer, S::Lambda}},
        {S::Lambda, {S::Aux, S::End, S::Aux, S::Vehicle, S::Aux}},
        {S::Aux, {S::Actuator, S::End, S::Actuator, S::Lambda, S::Actuator}},
        {S::Actuator, {S::End, S::End, S::Port, S::Aux, S::Port}},
        {S::Port, {S::Customer, S::End, S::Customer, S::Model, S::Customer}},
    };
    const int results[5] = {1, 2, 3, 4, 7};
    for (const Row& row : rows) {
        for (int c = 0; c < 5; ++c) {
            EXPECT_EQ(row.expected[c], NextStep(row.ended, results[c]))
                << "page " << static_cast<int>(row.ended) << " result " << results[c];
        }
    }
}

TEST(WizardFlow, CodeEightEndsOnlyFromTheLanguageAndModelPages) {
    EXPECT_EQ(S::End, NextStep(S::Language, 8));
    EXPECT_EQ(S::End, NextStep(S::Model, 8));
    EXPECT_EQ(S::Vehicle, NextStep(S::Customer, 8));
    EXPECT_EQ(S::Port, NextStep(S::Actuator, 8));
    // A window that could not be created reports -1: the last column applies.
    EXPECT_EQ(S::Model, NextStep(S::Language, -1));
}

TEST(WizardFlow, EachModelRunsItsOwnPageVariants) {
    const PageId q7100[] = {PageId::Vehicle, PageId::Lambda, PageId::Aux};
    const PageId q5100[] = {PageId::VehicleBasic, PageId::LambdaBasic, PageId::AuxBasic};
    const PageId plus[] = {PageId::VehicleBasic, PageId::Lambda, PageId::Aux};
    const S steps[] = {S::Vehicle, S::Lambda, S::Aux};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(q7100[i], PageForStep(steps[i], 0));
        EXPECT_EQ(q5100[i], PageForStep(steps[i], 1));
        EXPECT_EQ(plus[i], PageForStep(steps[i], 2));
        EXPECT_EQ(q7100[i], PageForStep(steps[i], -1)) << "no model chosen takes the Q7100 paths";
    }
}

TEST(WizardFlow, AuxNextReachesTheActuatorWhichComesStraightBack) {
    S step = NextStep(S::Aux, kResultNext);
    ASSERT_EQ(S::Actuator, step);
    EXPECT_EQ(S::Aux, NextStep(step, kResultBack));
}

}  // namespace
