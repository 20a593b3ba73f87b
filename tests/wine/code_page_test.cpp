// The address check and every text rely on the ANSI code page being GBK (936).
#include <windows.h>

#include <gtest/gtest.h>

TEST(CodePage, TestsRunWithTheGbkAnsiCodePage) {
    EXPECT_EQ(GetACP(), 936u);
    EXPECT_TRUE(IsDBCSLeadByte(0x81));
    EXPECT_FALSE(IsDBCSLeadByte('|'));
}
