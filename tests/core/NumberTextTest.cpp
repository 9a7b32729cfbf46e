#include <gtest/gtest.h>

#include <clocale>

#include "core/NumberText.h"

TEST(NumberText, ReadsTheLeadingNumber)
{
    double v = 0.0;
    EXPECT_TRUE(ReadLeadingNumber("12.5x", v));
    EXPECT_EQ(v, 12.5);
    EXPECT_TRUE(ReadLeadingNumber("  -6 dB", v));
    EXPECT_EQ(v, -6.0);
    EXPECT_TRUE(ReadLeadingNumber("+3", v));
    EXPECT_EQ(v, 3.0);
    for (const char* bad : {"", "abc", "inf", "nan", "-inf.", "+-3", "1e999"})
        EXPECT_FALSE(ReadLeadingNumber(bad, v)) << bad;
    EXPECT_FALSE(ReadLeadingNumber(nullptr, v));
    EXPECT_EQ(v, 3.0);
}

TEST(NumberText, IgnoresTheHostsLocale)
{
    const char* locales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR"};
    const char* chosen = nullptr;
    for (const char* locale : locales) {
        if (std::setlocale(LC_NUMERIC, locale)) {
            chosen = locale;
            break;
        }
    }
    if (!chosen)
        GTEST_SKIP() << "no locale with decimal commas is installed";
    double v = 0.0;
    const bool read = ReadLeadingNumber("12.5", v);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_TRUE(read);
    EXPECT_EQ(v, 12.5);
}
