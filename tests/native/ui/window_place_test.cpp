#include "ui/window_place.h"

#include <gtest/gtest.h>

#include "ui/layout.h"

TEST(WindowPlace, CentresHalfTheDifferenceTruncatedTowardZero) {
    const struct {
        int screen;
        int window;
        int origin;
    } cases[] = {
        {1280, kMainWindowWidth, 341}, {1024, kMainWindowHeight, 307},
        {1366, kMainWindowWidth, 384}, {768, kMainWindowHeight, 179},  // 359 / 2
        {598, kMainWindowWidth, 0},    {597, kMainWindowWidth, 0},     // -1 / 2 truncates to 0, not -1
        {300, kMainWindowHeight, -54},                                 // -109 / 2
    };
    for (const auto& c : cases) {
        EXPECT_EQ(centredOrigin(c.screen, c.window), c.origin) << c.screen << " - " << c.window;
    }
}
