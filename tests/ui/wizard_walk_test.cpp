// The whole wizard against the simulated ECU of each model: the pages shown,
// their order, the actuator step bouncing back to the aux step.
#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include "app/globals.h"
#include "app/ui/page_dialog.h"
#include "app/ui/start_pages.h"
#include "app/ui/wizard.h"
#include "controls/image_button.h"
#include "pages/config_page.h"
#include "tests/ui/ui_test_support.h"

namespace {

class WizardWalkTest : public UiTest, public ::testing::WithParamInterface<int> {};

void Click(CPageDialog* page, const QString& tooltip) { ClickButton(page, tooltip); }

TEST_P(WizardWalkTest, EveryStepShowsTheModelsPageAndTheActuatorReturnsToAux) {
    const int model = GetParam();
    UseSimulatedEcu(model);
    Wizard wizard([](PortChoice) {});
    std::vector<int> shown;
    int auxVisits = 0;
    wizard.SetPageObserver([&](WizardStep step, CPageDialog* page) {
        shown.push_back(page->TemplateId());
        QTimer::singleShot(0, page, [&, step, page] {
            auto* config = dynamic_cast<CConfigPage*>(page);
            if (config) {
                ASSERT_TRUE(WaitUntil([config] { return !config->IsBusy(); }));
            }
            switch (step) {
                case WizardStep::Language: Click(page, QStringLiteral("Português")); break;
                case WizardStep::Model:
                    static_cast<CModelPage*>(page)->List()->setCurrentIndex(model);
                    Click(page, QStringLiteral("Próximo"));
                    break;
                case WizardStep::Aux:
                    // Next passes through the monitoring screen; the second
                    // visit comes from the actuator step: leave.
                    if (++auxVisits == 1) LeaveMonitorWhenShown();
                    Click(page, auxVisits == 1 ? QStringLiteral("Próximo") : QStringLiteral("Sair"));
                    break;
                // The actuator page ends itself during its start.
                case WizardStep::Actuator: break;
                default: Click(page, QStringLiteral("Próximo")); break;
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

TEST_F(UiTest, AFailedFirstReadLeadsToThePortPageAndBackToTheCustomerPage) {
    EcuOptions options;
    options.faults.noAnswer = true;
    UseSimulatedEcu(0, options);
    int portOpened = -1;
    Wizard wizard([&](PortChoice choice) { portOpened = choice.number; });
    std::vector<int> shown;
    wizard.SetPageObserver([&](WizardStep step, CPageDialog* page) {
        shown.push_back(page->TemplateId());
        QTimer::singleShot(0, page, [&, step, page] {
            switch (step) {
                case WizardStep::Language: Click(page, QStringLiteral("Português")); break;
                case WizardStep::Model:
                    static_cast<CModelPage*>(page)->List()->setCurrentIndex(0);
                    Click(page, QStringLiteral("Próximo"));
                    break;
                case WizardStep::Port:
                    static_cast<CPortPage*>(page)->List()->setEditText(QStringLiteral("COM7"));
                    Click(page, QStringLiteral("Próximo"));
                    break;
                case WizardStep::Customer:
                    if (shown.size() > 4) {
                        auto* config = static_cast<CConfigPage*>(page);
                        ASSERT_TRUE(WaitUntil([config] { return !config->IsBusy(); }, 10000));
                        Click(page, QStringLiteral("Sair"));
                    }
                    break;
                default: Click(page, QStringLiteral("Sair")); break;
            }
        });
    });
    wizard.RunWizard();
    EXPECT_EQ((std::vector<int>{181, 145, 182, 144, 182}), shown);
    EXPECT_EQ(7, portOpened);
    ASSERT_GE(messages_.size(), 1u);
    EXPECT_EQ(QStringLiteral("Erro na leitura dos parâmetros !!!"), messages_[0].text);
}

}  // namespace
