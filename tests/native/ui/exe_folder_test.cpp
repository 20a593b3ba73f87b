#include "app/exe_folder.h"

#include <gtest/gtest.h>

#include <string>

TEST(ExeFolder, CutsAtTheLastBackslash) {
    const struct {
        const char* what;
        std::string path;
        std::string folder;
    } cases[] = {
        {"a folder", "C:\\Tools\\Vesk\\VeskPortMapper.exe", "C:\\Tools\\Vesk"},
        {"a drive root keeps its backslash", "C:\\VeskPortMapper.exe", "C:\\"},
        {"a network share", "\\\\server\\share\\VeskPortMapper.exe", "\\\\server\\share"},
        {"a GBK folder name", "D:\\工具\\VeskPortMapper.exe", "D:\\工具"},
        // 乗 is 81 5C and 誠 is D5 5C in GBK: their second bytes are no separators.
        {"trail byte 0x5C in the file name", "D:\\x\\乗.exe", "D:\\x"},
        {"trail byte 0x5C ending the folder name", "D:\\誠\\a.exe", "D:\\誠"},
        {"no backslash", "VeskPortMapper.exe", ""},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exeFolder(c.path, isGbkLeadByte), c.folder) << c.what;
    }
}

TEST(ExeFolder, WithoutDoubleByteCharactersEveryBackslashCounts) {
    const auto singleByte = [](unsigned char) { return false; };
    EXPECT_EQ(exeFolder("D:\\x\\\x81\\a.exe", singleByte), "D:\\x\\\x81");
    EXPECT_EQ(exeFolder("D:\\x\\\x81\\a.exe", isGbkLeadByte), "D:\\x");
}
