#include "app/event_dispatch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string calls;

void onCreated() {
    calls += "created ";
}
void onFirst() {
    calls += "first ";
}
void onSecond() {
    calls += "second ";
}

const EventEntry kTable[] = {
    {kMainWindowSource, EventKind::Created, onCreated},
    {100, EventKind::Clicked, onFirst},
    {110, EventKind::Clicked, onSecond},
};
constexpr std::size_t kCount = sizeof kTable / sizeof kTable[0];

}  // namespace

TEST(EventDispatch, RunsTheHandlerOfTheMatchingEntryOnly) {
    const struct {
        int source;
        EventKind kind;
        bool ran;
        const char* calls;
    } cases[] = {
        {kMainWindowSource, EventKind::Created, true, "created "},
        {100, EventKind::Clicked, true, "first "},
        {110, EventKind::Clicked, true, "second "},
        {120, EventKind::Clicked, false, ""},  // no entry for this control
        {100, EventKind::Created, false, ""},  // a source with another event
        {kMainWindowSource, EventKind::Clicked, false, ""},
    };
    for (const auto& c : cases) {
        calls.clear();
        EXPECT_EQ(dispatchEvent(kTable, kCount, c.source, c.kind, false), c.ran);
        EXPECT_EQ(calls, c.calls);
    }
}

TEST(EventDispatch, NothingRunsOnceEventsHaveStopped) {
    calls.clear();
    EXPECT_FALSE(dispatchEvent(kTable, kCount, 100, EventKind::Clicked, true));
    EXPECT_FALSE(dispatchEvent(kTable, kCount, kMainWindowSource, EventKind::Created, true));
    EXPECT_EQ(calls, "");
}
