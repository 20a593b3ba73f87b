// Reading the node address box from another thread while the box's thread pumps.
#include "engine/win32/node_address_box.h"

#include <gtest/gtest.h>

#include "tests/wine/wine_test_support.h"

namespace {

struct Read {
    HANDLE thread = nullptr;
    bool ok = false;
    std::string text;
};

DWORD WINAPI readOnWorker(LPVOID context) {
    auto* read = static_cast<Read*>(context);
    read->ok = readNodeAddress(read->text);
    return 0;
}

bool threadEnded(void* context) {
    return WaitForSingleObject(static_cast<Read*>(context)->thread, 0) == WAIT_OBJECT_0;
}

// Reads on a worker thread; this thread answers the box's messages meanwhile.
Read readFromWorker() {
    Read read;
    read.thread = CreateThread(nullptr, 0, readOnWorker, &read, 0, nullptr);
    EXPECT_TRUE(pumpUntil(threadEnded, &read, 10000));
    CloseHandle(read.thread);
    return read;
}

class NodeAddressBox : public ::testing::Test {
  protected:
    void SetUp() override {
        box = CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 144, 48, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(box, nullptr);
        SendMessageA(box, EM_LIMITTEXT, 0, 0);
        setNodeAddressBox(box);
    }
    void TearDown() override {
        if (IsWindow(box)) {
            DestroyWindow(box);
        }
        setNodeAddressBox(nullptr);
    }
    HWND box = nullptr;
};

}  // namespace

TEST_F(NodeAddressBox, ReadsTheWholeTextUnchangedFromAnotherThread) {
    const std::string texts[] = {
        "192.168.30.10",
        "",
        " 192.168 .30.10 ",
        "\xBD\xDA\xB5\xE3\x81\x7C",  // GBK, the last character's second byte is 0x7C
        std::string(40000, '9'),
    };
    for (const std::string& text : texts) {
        SetWindowTextA(box, text.c_str());
        const Read read = readFromWorker();
        EXPECT_TRUE(read.ok);
        EXPECT_EQ(read.text, text) << "length " << text.size();
    }
}

TEST_F(NodeAddressBox, SaysSoWhenTheBoxIsGone) {
    DestroyWindow(box);
    EXPECT_FALSE(readFromWorker().ok);
    setNodeAddressBox(nullptr);
    EXPECT_FALSE(readFromWorker().ok);
}
