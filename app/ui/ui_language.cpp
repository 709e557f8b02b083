#include "app/ui/ui_language.h"

#include "data/language_setting.h"

void ApplySavedLanguage() {
    UiLanguage language = UiLanguage::Portuguese;
    LanguageFromCode(SavedLanguageCode(), &language);
    InstallLanguage(language);
}

void ChooseLanguage(UiLanguage language) {
    InstallLanguage(language);
    SaveLanguageCode(LanguageCode(CurrentLanguage()));
}
