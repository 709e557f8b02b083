#pragma once
// The eleven page objects and the loop that shows one page at a time and
// picks the next from the ended page's result and the model.

#include <array>
#include <functional>
#include <memory>

#include "app/ui/start_pages.h"
#include "app/wizard_flow.h"
#include "i18n/language.h"

class CPageDialog;

class Wizard {
public:
    // openPort runs on the port page's Next with the chosen port or the simulator.
    explicit Wizard(std::function<void(PortChoice)> openPort);
    ~Wizard();

    CPageDialog* Page(PageId id) const { return pages_[static_cast<int>(id)].get(); }
    // Shows pages from the language page until a page ends the run.
    void RunWizard();
    // The page being shown, or none between pages.
    CPageDialog* CurrentPage() const { return current_; }
    // No page is shown after the current one ends, or at all when called
    // before RunWizard (the run's own time limit).
    void Stop() { stopRequested_ = true; }
    // Called with each page before it is shown (tests and screenshots).
    void SetPageObserver(std::function<void(WizardStep, CPageDialog*)> observer) {
        observer_ = std::move(observer);
    }

private:
    // Builds every page object in the run's language.
    void BuildPages();

    std::function<void(PortChoice)> openPort_;
    UiLanguage pagesLanguage_ = UiLanguage::Portuguese;
    std::array<std::unique_ptr<CPageDialog>, kPageCount> pages_;
    std::function<void(WizardStep, CPageDialog*)> observer_;
    CPageDialog* current_ = nullptr;
    bool stopRequested_ = false;
};
