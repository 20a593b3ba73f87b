#include "ui/tab_order.h"

#include <gtest/gtest.h>

#include "ui/layout.h"

namespace {

struct StepCase {
    const char* what;
    int current;
    int expected;
    bool backward;
    bool candidate[5];
};

// Each row: from which place, to which place, backward or not, which places are candidates.
// Places: 0 map button, 1 delete button, 2 address box, 3 notes box, 4 port-check button.
const StepCase kCases[] = {
    {"forward from the map button", 0, 1, false, {1, 1, 1, 1, 1}},
    {"forward from the address box to the notes box", 2, 3, false, {1, 1, 1, 1, 1}},
    {"forward wraps from the last to the first", 4, 0, false, {1, 1, 1, 1, 1}},
    {"backward from the first wraps to the last", 0, 4, true, {1, 1, 1, 1, 1}},
    {"backward from the notes box", 3, 2, true, {1, 1, 1, 1, 1}},
    {"forward skips a disabled control", 0, 2, false, {1, 0, 1, 1, 1}},
    {"backward skips hidden controls and wraps", 1, 3, true, {0, 1, 1, 1, 0}},
    {"forward from a control that is no candidate itself", 2, 3, false, {1, 1, 0, 1, 1}},
    {"the only candidate stays where it is", 2, 2, false, {0, 0, 1, 0, 0}},
    {"no candidate at all", 1, -1, false, {0, 0, 0, 0, 0}},
    {"the only candidate is elsewhere", 1, 4, true, {0, 0, 0, 0, 1}},
    {"outside the order", -1, -1, false, {1, 1, 1, 1, 1}},
    {"past the end of the order", 5, -1, true, {1, 1, 1, 1, 1}},
};

}  // namespace

TEST(TabOrder, StepsToTheNextCandidateWrappingAround) {
    for (const StepCase& c : kCases) {
        EXPECT_EQ(tabOrderStep(c.candidate, 5, c.current, c.backward), c.expected) << c.what;
    }
}

TEST(TabOrder, FullCircleForwardAndBackward) {
    const bool all[kTabOrderLength] = {true, true, true, true, true};
    int place = 0;
    int forward[kTabOrderLength];
    for (int i = 0; i < kTabOrderLength; ++i) {
        place = tabOrderStep(all, kTabOrderLength, place, false);
        forward[i] = kTabOrder[place];
    }
    const int expectedForward[] = {kDeleteButtonId, kAddressBoxId, kNotesBoxId, kPortCheckButtonId,
                                   kMapButtonId};
    for (int i = 0; i < kTabOrderLength; ++i) {
        EXPECT_EQ(forward[i], expectedForward[i]) << "step " << i;
    }
    place = 0;
    const int expectedBackward[] = {kPortCheckButtonId, kNotesBoxId, kAddressBoxId, kDeleteButtonId,
                                    kMapButtonId};
    for (int i = 0; i < kTabOrderLength; ++i) {
        place = tabOrderStep(all, kTabOrderLength, place, true);
        EXPECT_EQ(kTabOrder[place], expectedBackward[i]) << "step " << i;
    }
}

TEST(TabOrder, FirstStopIsTheFirstCandidate) {
    const bool all[] = {true, true, true};
    const bool laterOnly[] = {false, false, true};
    const bool none[] = {false, false, false};
    EXPECT_EQ(firstTabStop(all, 3), 0);
    EXPECT_EQ(firstTabStop(laterOnly, 3), 2);
    EXPECT_EQ(firstTabStop(none, 3), -1);
}

TEST(TabOrder, TheLabelIsNoTabStop) {
    for (int id : kTabOrder) {
        EXPECT_NE(id, kAddressLabelId);
    }
}
