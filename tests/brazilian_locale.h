#pragma once
// Puts the C runtime into the locale of our users' desktops for the length of
// a test, as QApplication does from LANG at start: a comma as the decimal
// point for printf, strtod and atof. The locale must exist (tools/setup.sh and
// CI generate pt_BR.UTF-8); a test that asks for it fails when it is missing.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

class BrazilianLocale {
  public:
    BrazilianLocale() : available_(std::setlocale(LC_ALL, "pt_BR.UTF-8") != nullptr) {}
    ~BrazilianLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    BrazilianLocale(const BrazilianLocale&) = delete;
    BrazilianLocale& operator=(const BrazilianLocale&) = delete;

    // Use as ASSERT_TRUE(locale.Active()).
    ::testing::AssertionResult Active() const {
        return available_ ? ::testing::AssertionSuccess()
                          : ::testing::AssertionFailure() << "the pt_BR.UTF-8 locale is missing (run tools/setup.sh)";
    }

  private:
    std::string previous_ = std::setlocale(LC_ALL, nullptr);
    bool available_;
};
