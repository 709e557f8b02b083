// The whole wizard against the simulated ECU of each model: the pages shown,
// their order, the actuator step bouncing back to the aux step.
#include <QComboBox>
#include <QTimer>

#include "app/globals.h"
#include "app/ui/start_pages.h"
#include "app/ui/wizard.h"
#include "pages/config_page.h"
#include "tests/ui/ui_test_support.h"

namespace {

class WizardWalkTest : public UiTest, public ::testing::WithParamInterface<int> {};

TEST_P(WizardWalkTest, EveryStepShowsTheModelsPageAndTheActuatorReturnsToAux) {
    const int model = GetParam();
    UseSimulatedEcu(model);
    Wizard wizard([](PortChoice) {});
    std::vector<int> shown;
    int auxVisits = 0;
    wizard.SetPageObserver([&](WizardStep step, CPageDialog* page) {
        shown.push_back(page->TemplateId());
        QTimer::singleShot(0, page, [&, step, page] {
            if (auto* config = dynamic_cast<CConfigPage*>(page)) {
                ASSERT_TRUE(WaitUntil([config] { return !config->IsBusy(); }));
            }
            switch (step) {
                case WizardStep::Language: ClickButton(page, QStringLiteral("Português")); break;
                case WizardStep::Model:
                    static_cast<CModelPage*>(page)->List()->setCurrentIndex(model);
                    ClickButton(page, QStringLiteral("Próximo"));
                    break;
                case WizardStep::Aux:
                    // Next passes through the monitoring screen; the second
                    // visit comes from the actuator step: leave.
                    if (++auxVisits == 1) LeaveMonitorWhenShown();
                    ClickButton(page, auxVisits == 1 ? QStringLiteral("Próximo") : QStringLiteral("Sair"));
                    break;
                // The actuator page ends itself during its start.
                case WizardStep::Actuator: break;
                default: ClickButton(page, QStringLiteral("Próximo")); break;
            }
        });
    });
    wizard.RunWizard();

    const std::vector<std::vector<int>> expected = {
        {181, 145, 182, 104, 108, 110, 107, 110},  // Q7100
        {181, 145, 182, 258, 117, 116, 107, 116},  // Q5100
        {181, 145, 182, 258, 108, 110, 107, 110},  // "Q5100 plus"
    };
    EXPECT_EQ(expected[model], shown);
    EXPECT_EQ(model, ModelIndex);
    // The customer page's read and the monitoring screen's snapshot.
    EXPECT_EQ(2, FramesOfKind(FrameKind::ReadAll));
    EXPECT_GT(g_EquipmentStore.GetQtyUsed(), 20u);
}

INSTANTIATE_TEST_SUITE_P(Models, WizardWalkTest, ::testing::Values(0, 1, 2));

}  // namespace
