#include <gtest/gtest.h>

#include "core/HostLookup.h"

TEST(HostLookup, NamesMapByFirstKeyInTableOrder)
{
    EXPECT_EQ(LookupHost("REAPER"), 1);
    EXPECT_EQ(LookupHost("Cubase 12"), 3);
    EXPECT_EQ(LookupHost("logic and cubase"), 3);
    EXPECT_EQ(LookupHost("Ableton Live 9"), 9);
    EXPECT_EQ(LookupHost("Oliver's delivery"), 9);
    EXPECT_EQ(LookupHost("Ardour"), 28);
    EXPECT_EQ(LookupHost(""), 0);
    EXPECT_EQ(LookupHost(nullptr), 0);
    EXPECT_EQ(LookupHost("Some Unknown Host"), 0);
    const std::string longName = std::string(300, 'x') + "reaper";
    EXPECT_EQ(LookupHost(longName.c_str()), 0);
}

TEST(HostLookup, DecimalVersionsPack)
{
    EXPECT_EQ(PackDecimalVersion(8), 0x000008);
    EXPECT_EQ(PackDecimalVersion(100), 0x000100);
    EXPECT_EQ(PackDecimalVersion(50102), 0x050102);
}
