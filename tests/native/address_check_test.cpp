#include "engine/address_check.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct AddressCase {
    const char* what;
    std::string address;
    bool safe;
};

const AddressCase kCases[] = {
    {"preset", "192.168.30.10", true},
    {"empty", "", true},
    {"blanks around and inside", " 192.168 .30.10 ", true},
    {"host name", "node-1.example.net", true},
    {"GBK text", "\xBD\xDA\xB5\xE3", true},
    {"GBK trail byte 0x7C (the character 81 7C)", "1.2.3.4\x81\x7C", true},
    {"GBK trail byte 0x5E", "\x81\x5E", true},
    {"ampersand", "1.2.3.4 & del C:\\x", false},
    {"pipe", "1.2.3.4|calc", false},
    {"less than", "1.2.3.4<in", false},
    {"greater than", "1.2.3.4>out", false},
    {"caret", "1.2.3.4^", false},
    {"double quote", "\"1.2.3.4", false},
    {"percent", "%PATH%", false},
    {"exclamation mark", "1.2.3.4!", false},
    {"line feed", "1.2.3.4\nnetsh", false},
    {"carriage return", "1.2.3.4\r", false},
    {"tab", "1.2.3.4\t", false},
    {"byte 0x01", std::string("a\x01"), false},
    {"DEL", "1.2.3.4\x7F", false},
    {"ampersand after a GBK character", "\xBD\xDA&calc", false},
    // A lead byte whose next byte cannot end a character leaves that byte on its own.
    {"lead byte then ampersand", "\x81&calc", false},
    {"lead byte then line feed", "\x81\ncalc", false},
    {"lone lead byte at the end", "1.2.3.4\x81", true},
};

}  // namespace

TEST(AddressCheck, JudgesEachCharacterOfTheCodePage) {
    for (const AddressCase& c : kCases) {
        EXPECT_EQ(isSafeNodeAddress(c.address, isGbkLeadByte), c.safe) << c.what;
    }
}

TEST(AddressCheck, GbkLeadBytesAre81ToFE) {
    EXPECT_FALSE(isGbkLeadByte(0x80));
    EXPECT_TRUE(isGbkLeadByte(0x81));
    EXPECT_TRUE(isGbkLeadByte(0xFE));
    EXPECT_FALSE(isGbkLeadByte(0xFF));
    EXPECT_FALSE(isGbkLeadByte('|'));
}

TEST(AddressCheck, WithoutDoubleByteCharactersEveryByteIsJudged) {
    const auto singleByte = [](unsigned char) { return false; };
    EXPECT_FALSE(isSafeNodeAddress("\x81|", singleByte));
    EXPECT_TRUE(isSafeNodeAddress("\x81\x41", singleByte));
}
