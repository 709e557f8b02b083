// The wizard's transition table and the per-model choice of page variants.
#include "app/wizard_flow.h"

#include <gtest/gtest.h>

using S = WizardStep;

TEST(WizardFlow, EveryCellOfTheTransitionTable) {
    // Results 1 next, 2 quit, 3 read failed, 4 back, 7 any other code, 8 no
    // page (ends the wizard only from the language and model pages).
    const int results[] = {1, 2, 3, 4, 7, 8};
    const struct { S ended; S next[6]; } rows[] = {
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
    using P = PageId;
    // Model 0 Q7100, 1 Q5100, 2 "Q5100 plus", -1 none chosen (the Q7100 paths).
    const struct { int model; P vehicle, lambda, aux; } rows[] = {{0, P::Vehicle, P::Lambda, P::Aux}, {1, P::VehicleBasic, P::LambdaBasic, P::AuxBasic},
                {2, P::VehicleBasic, P::Lambda, P::Aux}, {-1, P::Vehicle, P::Lambda, P::Aux}};
    for (const auto& row : rows)
        EXPECT_EQ(std::make_tuple(PageForStep(S::Vehicle, row.model), PageForStep(S::Lambda, row.model),
                                  PageForStep(S::Aux, row.model), PageForStep(S::Customer, row.model)),
                  std::make_tuple(row.vehicle, row.lambda, row.aux, P::Customer)) << row.model;
}
