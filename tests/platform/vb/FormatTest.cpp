#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "platform/vb/Format.h"
#include "platform/vb/Now.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/TestEnvironment.h"

using namespace vb;

TEST(Format, DigitPlaceholdersAndGrouping) {
    EXPECT_EQ(Format(3.14159, "0.00"), "3.14");
    EXPECT_EQ(Format(5, "00"), "05");
    EXPECT_EQ(Format(12, "00"), "12");
    EXPECT_EQ(Format(123, "00"), "123");
    EXPECT_EQ(Format(1234567.891, "#,##0.00"), "1,234,567.89");
    EXPECT_EQ(Format(999.999, "#,##0.00"), "1,000.00");
    EXPECT_EQ(Format(0, "#,##0.00"), "0.00");
    EXPECT_EQ(Format(0.5, "#,###.00"), ".50");
    EXPECT_EQ(Format(1234.5, "#,###.0"), "1,234.5");
    EXPECT_EQ(Format(1.5, "0.0#"), "1.5");
    EXPECT_EQ(Format(1.567, "0.0#"), "1.57");
    EXPECT_EQ(Format(0, "##"), "");
    EXPECT_EQ(Format(1234567, "0,"), "1235");  // a trailing comma scales by a thousand
}

TEST(Format, RoundsHalfAwayFromZero) {
    EXPECT_EQ(Format(0.125, "0.00"), "0.13");
    EXPECT_EQ(Format(2.5, "0"), "3");
    EXPECT_EQ(Format(-2.5, "0"), "-3");
    EXPECT_EQ(Format(1.005, "0.00"), "1.01");
    EXPECT_EQ(Format(2.675, "0.00"), "2.68");
    EXPECT_EQ(Format(9.995, "0.00"), "10.00");
    EXPECT_EQ(Format(0.0004, "0.000"), "0.000");
    EXPECT_EQ(Format(1e20, "0"), "100000000000000000000");
}

TEST(Format, LiteralsPercentAndSections) {
    EXPECT_EQ(Format(1234.5, "$#,##0.00"), "$1,234.50");
    EXPECT_EQ(Format(-1234.5, "$#,##0.00"), "-$1,234.50");
    EXPECT_EQ(Format(0.256, "0%"), "26%");
    EXPECT_EQ(Format(0.256, "0.0%"), "25.6%");
    EXPECT_EQ(Format(12.34, "0.0 \"in\""), "12.3 in");
    EXPECT_EQ(Format(3, "0\\x"), "3x");
    EXPECT_EQ(Format(3, "\"a;b\"0"), "a;b3");
    EXPECT_EQ(Format(-5, "0.00;(0.00)"), "(5.00)");
    EXPECT_EQ(Format(5, "0.00;(0.00)"), "5.00");
    EXPECT_EQ(Format(0, "0.00;(0.00);\"none\""), "none");
    EXPECT_EQ(Format(-5, "0;;\"none\""), "-5");
    // A negative value that rounds to zero carries no sign.
    EXPECT_EQ(Format(-0.001, "0.00"), "0.00");
}

TEST(Format, NamedFormatsAndGeneralNumber) {
    EXPECT_EQ(Format(1234.5, "Fixed"), "1234.50");
    EXPECT_EQ(Format(1234.5, "Standard"), "1,234.50");
    EXPECT_EQ(Format(1234.5, "currency"), "$1,234.50");
    EXPECT_EQ(Format(0.5, "Percent"), "50.00%");
    EXPECT_EQ(Format(1234.5, "General Number"), "1234.5");
    EXPECT_EQ(Format(0.25, ""), "0.25");
}

// A desktop in German: its locale names no AM or PM, and the date stays the general one.
TEST(Format, TheGeneralDateReadsTheSameInEveryLocale) {
    TestEnvironment env;
    // A German locale of the test's own (LOCPATH), so that none need be installed.
    const std::string locales = env.Root() + "locale/";
    std::filesystem::create_directories(locales);
    const std::string make =
        "localedef -c -i de_DE -f UTF-8 " + locales + "de_DE.UTF-8 >/dev/null 2>&1";
    [[maybe_unused]] int made = std::system(make.c_str());
    ScopedVariable path("LOCPATH", locales);
    if (!std::setlocale(LC_TIME, "de_DE.UTF-8"))
        GTEST_SKIP() << "localedef could not make a German locale (Debian's locales package)";
    const std::string now = NowText();
    std::setlocale(LC_TIME, "C");
    EXPECT_TRUE(std::regex_match(now, std::regex(R"(\d\d/\d\d/\d{4} \d\d:\d\d:\d\d [AP]M)")))
        << '"' << now << '"';
}
