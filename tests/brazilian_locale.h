#pragma once
// Puts the C runtime into the locale of our users' desktops for the length of
// a test, as QApplication does from LANG at start: a comma as the decimal
// point for printf, strtod and atof. The locale must exist on the machine
// (tools/setup.sh and CI generate pt_BR.UTF-8); a test that asks for it fails
// rather than passes quietly when it is missing.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

class BrazilianLocale {
  public:
    BrazilianLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        available_ = std::setlocale(LC_ALL, "pt_BR.UTF-8") != nullptr;
    }
    ~BrazilianLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    BrazilianLocale(const BrazilianLocale&) = delete;
    BrazilianLocale& operator=(const BrazilianLocale&) = delete;

    // Use as ASSERT_TRUE(locale.Active()).
    ::testing::AssertionResult Active() const {
        if (available_)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "the pt_BR.UTF-8 locale is missing (run tools/setup.sh)";
    }

  private:
    std::string previous_;
    bool available_ = false;
};
