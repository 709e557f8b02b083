// The wizard's transition table and the per-model choice of page variants.
#include "app/wizard_flow.h"

#include <gtest/gtest.h>

namespace {

using S = WizardStep;

TEST(WizardFlow, EveryCellOfTheTransitionTable) {
    // Results 1 next, 2 quit, 3 read failed, 4 back, 7 any other code, 8 no
    // page (ends the wizard only from the language and model pages).
    const int results[] = {1, 2, 3, 4, 7, 8};
    const struct {
        S ended;
        S next[6];
    } rows[] = {
        {S::Language, {S::Model, S::End, S::Model, S::Model, S::Model, S::End}},
        {S::Model, {S::Customer, S::End, S::Customer, S::Language, S::Customer, S::End}},
        {S::Customer, {S::Vehicle, S::End, S::Port, S::Language, S::Vehicle, S::Vehicle}},
        {S::Vehicle, {S::Lambda, S::End, S::Lambda, S::Customer, S::Lambda, S::Lambda}},
        {S::Lambda, {S::Aux, S::End, S::Aux, S::Vehicle, S::Aux, S::Aux}},
        {S::Aux, {S::Actuator, S::End, S::Actuator, S::Lambda, S::Actuator, S::Actuator}},
        {S::Actuator, {S::End, S::End, S::Port, S::Aux, S::Port, S::Port}},
        {S::Port, {S::Customer, S::End, S::Customer, S::Model, S::Customer, S::Customer}},
    };
    for (const auto& row : rows)
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(NextStep(row.ended, results[c]), row.next[c])
                << "page " << static_cast<int>(row.ended) << " result " << results[c];
    // A window that could not be created reports -1: the "other code" column.
    EXPECT_EQ(NextStep(S::Language, -1), S::Model);
}

TEST(WizardFlow, EachModelRunsItsOwnPageVariants) {
    const struct {
        int model;
        PageId vehicle, lambda, aux;
    } rows[] = {
        {0, PageId::Vehicle, PageId::Lambda, PageId::Aux},
        {1, PageId::VehicleBasic, PageId::LambdaBasic, PageId::AuxBasic},
        {2, PageId::VehicleBasic, PageId::Lambda, PageId::Aux},
        {-1, PageId::Vehicle, PageId::Lambda, PageId::Aux},  // no model chosen: the Q7100 paths
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PageForStep(S::Vehicle, row.model), row.vehicle) << row.model;
        EXPECT_EQ(PageForStep(S::Lambda, row.model), row.lambda) << row.model;
        EXPECT_EQ(PageForStep(S::Aux, row.model), row.aux) << row.model;
        EXPECT_EQ(PageForStep(S::Customer, row.model), PageId::Customer);
        EXPECT_EQ(PageForStep(S::Port, row.model), PageId::Port);
    }
}

}  // namespace
