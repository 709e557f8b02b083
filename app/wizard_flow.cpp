#include "app/wizard_flow.h"

namespace {

using S = WizardStep;

// Row: the page that ended; columns: result 1, 2, 3, 4, any other code.
// The language and model pages end the wizard on code 8 as on 2.
struct Transition {
    S ended;
    S onNext, onQuit, onReadFailed, onBack, onOther;
    bool endsOnEight;
};

constexpr Transition kTransitions[] = {
    {S::Language, S::Model, S::End, S::Model, S::Model, S::Model, true},
    {S::Model, S::Customer, S::End, S::Customer, S::Language, S::Customer, true},
    {S::Customer, S::Vehicle, S::End, S::Port, S::Language, S::Vehicle, false},
    {S::Vehicle, S::Lambda, S::End, S::Lambda, S::Customer, S::Lambda, false},
    {S::Lambda, S::Aux, S::End, S::Aux, S::Vehicle, S::Aux, false},
    {S::Aux, S::Actuator, S::End, S::Actuator, S::Lambda, S::Actuator, false},
    {S::Actuator, S::End, S::End, S::Port, S::Aux, S::Port, false},
    {S::Port, S::Customer, S::End, S::Customer, S::Model, S::Customer, false},
};

constexpr int kResultOfNoPage = 8;

}  // namespace

WizardStep NextStep(WizardStep ended, int result) {
    for (const Transition& t : kTransitions) {
        if (t.ended != ended) continue;
        switch (result) {
            case kResultNext: return t.onNext;
            case kResultQuit: return t.onQuit;
            case kResultReadFailed: return t.onReadFailed;
            case kResultBack: return t.onBack;
            default: return (t.endsOnEight && result == kResultOfNoPage) ? S::End : t.onOther;
        }
    }
    return S::End;
}

PageId PageForStep(WizardStep step, int modelIndex) {
    const bool basicEcu = modelIndex == 1;
    switch (step) {
        case S::Language: return PageId::Language;
        case S::Model: return PageId::Model;
        case S::Customer: return PageId::Customer;
        case S::Vehicle: return (modelIndex == 1 || modelIndex == 2) ? PageId::VehicleBasic : PageId::Vehicle;
        case S::Lambda: return basicEcu ? PageId::LambdaBasic : PageId::Lambda;
        case S::Aux: return basicEcu ? PageId::AuxBasic : PageId::Aux;
        case S::Actuator: return PageId::Actuator;
        case S::Port:
        case S::End: break;
    }
    return PageId::Port;
}
