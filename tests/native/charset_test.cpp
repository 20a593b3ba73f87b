// The program's texts must reach the ANSI Windows calls as GBK bytes; a build that
// loses -fexec-charset=GBK would show garbage on a Chinese Windows.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/job_texts.h"

TEST(Charset, TextsAreCompiledToGbk) {
    EXPECT_STREQ("注意", "\xD7\xA2\xD2\xE2");
    EXPECT_STREQ(kMapJobTitle, "\xCC\xED\xBC\xD3\xD3\xB3\xC9\xE4");  // 添加映射
}
