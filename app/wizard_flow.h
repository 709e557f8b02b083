#pragma once
// The wizard's page sequence: which page follows the one that just ended,
// from its result code and the chosen ECU model. Pure data, no windows.

enum PageResult { kResultNext = 1, kResultQuit = 2, kResultReadFailed = 3, kResultBack = 4 };

// The wizard steps; the vehicle, lambda and aux steps each show one of two
// page objects, chosen by the model when the step is entered.
enum class WizardStep { Language, Model, Customer, Vehicle, Lambda, Aux, Actuator, Port, End };

// The eleven page objects, in their construction order.
enum class PageId {
    Port, Language, Model, Aux, Customer, Actuator, Vehicle, Lambda,
    VehicleBasic, AuxBasic, LambdaBasic
};
constexpr int kPageCount = 11;

// The step that follows `ended` when it returned `result`.
WizardStep NextStep(WizardStep ended, int result);

// The page object that shows `step` for the model (0 Q7100, 1 Q5100,
// 2 "Q5100 plus"; any other value takes the Q7100 paths).
PageId PageForStep(WizardStep step, int modelIndex);
