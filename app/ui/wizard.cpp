#include "app/ui/wizard.h"

#include "app/globals.h"
#include "app/ui/start_pages.h"
#include "pages/customer_page.h"
#include "pages/actuator_page.h"
#include "pages/aux_pages.h"
#include "pages/lambda_pages.h"
#include "pages/vehicle_pages.h"

Wizard::Wizard(std::function<void(PortChoice)> openPort) : openPort_(std::move(openPort)) { BuildPages(); }

void Wizard::BuildPages() {
    for (auto it = pages_.rbegin(); it != pages_.rend(); ++it) it->reset();
    pagesLanguage_ = CurrentLanguage();
    // Constructed in this order, destroyed in the reverse order.
    auto set = [this](PageId id, std::unique_ptr<CPageDialog> page) { pages_[static_cast<int>(id)] = std::move(page); };
    set(PageId::Port, std::make_unique<CPortPage>(openPort_));
    set(PageId::Language, std::make_unique<CLanguagePage>());
    set(PageId::Model, std::make_unique<CModelPage>());
    set(PageId::Aux, std::make_unique<CAuxPage>());
    set(PageId::Customer, std::make_unique<CCustomerPage>());
    set(PageId::Actuator, std::make_unique<CActuatorPage>());
    set(PageId::Vehicle, std::make_unique<CVehiclePage>());
    set(PageId::Lambda, std::make_unique<CLambdaPage>());
    set(PageId::VehicleBasic, std::make_unique<CVehicleBasicPage>());
    set(PageId::AuxBasic, std::make_unique<CAuxBasicPage>());
    set(PageId::LambdaBasic, std::make_unique<CLambdaBasicPage>());
}

Wizard::~Wizard() {
    for (auto it = pages_.rbegin(); it != pages_.rend(); ++it) it->reset();
}

void Wizard::RunWizard() {
    WizardStep step = WizardStep::Language;
    while (step != WizardStep::End && !stopRequested_) {
        CPageDialog* page = Page(step == WizardStep::Port ? PageId::Port : PageForStep(step, ModelIndex));
        if (observer_) observer_(step, page);
        current_ = page;
        const int result = page->DoModal();
        current_ = nullptr;
        page->DestroyPageWindow();
        step = NextStep(step, result);
        // A language picked on the language page: the pages' texts are set
        // when they are built, so they are built again before the next one.
        if (CurrentLanguage() != pagesLanguage_) BuildPages();
    }
}
