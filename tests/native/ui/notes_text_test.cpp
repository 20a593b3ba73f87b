#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/texts.h"

namespace {

std::vector<std::string> splitAtCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

TEST(NotesText, FifteenLinesJoinedByCrLfWithNoBreakAtTheEnd) {
    const std::string text = notesText();
    const auto lines = splitAtCrLf(text);
    ASSERT_EQ(lines.size(), 15u);
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a lone CR or LF in: " << line;
    }
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");
}

TEST(NotesText, QuotedLinesStandByteForByte) {
    const auto lines = splitAtCrLf(notesText());
    ASSERT_EQ(lines.size(), 15u);
    const char* const quoted[] = {
        "2：软件为内部自用版，如不慎外泄，请勿用于非法用途",
        "3：本程序只支持Vesk节点云服务器端代理的端口自动映射与删除",
        "4：请不要同时安装使用其他的端口映射软件，避免引起冲突",
        "5：端口一键映射或删除后实时生效，无需保持软件在桌面运行，可以直接关掉/卸载/删除等",
        "6：节点IP请填写公网IP(专线公网IP/动态公网IP)或者内部局域网IP(问自己的云服代理搭建人怎么看)",
        "7：请勿利用本程序进行二次开发/商用等",
    };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(lines[i + 1], quoted[i]) << "line " << i + 2;
    }
}

TEST(NotesText, NumberedOwnLinesEmptyBlockAndPortCheckLine) {
    const auto lines = splitAtCrLf(notesText());
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_TRUE(startsWith(lines[0], "1：")) << lines[0];
    EXPECT_GT(lines[0].size(), std::string("1：").size());
    EXPECT_TRUE(startsWith(lines[7], "8：")) << lines[7];
    EXPECT_GT(lines[7].size(), std::string("8：").size());
    // Lines 9 to 14: two empty lines, the contact block left empty, one more empty line.
    for (int line = 9; line <= 14; ++line) {
        EXPECT_EQ(lines[line - 1], "") << "line " << line;
    }
    EXPECT_NE(lines[14].find(kPortCheckPageAddress), std::string::npos) << lines[14];
}
