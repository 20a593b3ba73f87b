#include "ui/icon_directory.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct EntrySpec {
    int widthByte;  // as stored: 0 stands for 256
    int bitCount;
    std::size_t dataSize;
};

void putWord(std::vector<unsigned char>& out, std::size_t at, unsigned value) {
    out[at] = value & 0xFF;
    out[at + 1] = (value >> 8) & 0xFF;
}

void putDword(std::vector<unsigned char>& out, std::size_t at, std::size_t value) {
    putWord(out, at, value & 0xFFFF);
    putWord(out, at + 2, (value >> 16) & 0xFFFF);
}

// An icon file with these entries, each image's bytes filled with its entry's index.
std::vector<unsigned char> iconFile(const std::vector<EntrySpec>& entries) {
    const std::size_t directoryEnd = 6 + 16 * entries.size();
    std::size_t total = directoryEnd;
    for (const EntrySpec& e : entries) {
        total += e.dataSize;
    }
    std::vector<unsigned char> out(total, 0);
    putWord(out, 2, 1);
    putWord(out, 4, static_cast<unsigned>(entries.size()));
    std::size_t offset = directoryEnd;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t at = 6 + 16 * i;
        out[at] = static_cast<unsigned char>(entries[i].widthByte);
        out[at + 1] = static_cast<unsigned char>(entries[i].widthByte);
        putWord(out, at + 4, 1);
        putWord(out, at + 6, static_cast<unsigned>(entries[i].bitCount));
        putDword(out, at + 8, entries[i].dataSize);
        putDword(out, at + 12, offset);
        for (std::size_t b = 0; b < entries[i].dataSize; ++b) {
            out[offset + b] = static_cast<unsigned char>(i);
        }
        offset += entries[i].dataSize;
    }
    return out;
}

// The index of the entry whose image was chosen, read back from the image's bytes.
int chosenEntry(const std::vector<unsigned char>& file, int wanted) {
    IconImage image{};
    if (!chooseIconImage(file.data(), file.size(), wanted, image)) {
        return -1;
    }
    return file[image.offset];
}

const std::vector<EntrySpec> kWindowIcon = {{16, 32, 70}, {24, 32, 305}, {32, 32, 621}, {64, 32, 1009}};

}  // namespace

TEST(IconDirectory, PicksTheExactSizeElseTheSmallestLargerElseTheLargest) {
    const auto file = iconFile(kWindowIcon);
    const struct {
        int wanted;
        int entry;
    } cases[] = {{16, 0}, {24, 1}, {32, 2}, {64, 3}, {20, 1}, {48, 3}, {8, 0}, {128, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(chosenEntry(file, c.wanted), c.entry) << "wanted " << c.wanted;
    }
}

TEST(IconDirectory, ReportsOffsetSizeAndWidthOfTheImage) {
    const auto file = iconFile(kWindowIcon);
    IconImage image{};
    ASSERT_TRUE(chooseIconImage(file.data(), file.size(), 32, image));
    EXPECT_EQ(image.offset, 6u + 4 * 16 + 70 + 305);
    EXPECT_EQ(image.size, 621u);
    EXPECT_EQ(image.width, 32);
}

TEST(IconDirectory, MoreBitsPerPixelWinAmongTheSameSize) {
    const auto file = iconFile({{32, 8, 40}, {32, 32, 50}, {32, 4, 30}});
    EXPECT_EQ(chosenEntry(file, 32), 1);
}

TEST(IconDirectory, WidthByteZeroMeans256) {
    const auto file = iconFile({{0, 32, 40}, {64, 32, 20}});
    EXPECT_EQ(chosenEntry(file, 256), 0);
    EXPECT_EQ(chosenEntry(file, 100), 0);
    EXPECT_EQ(chosenEntry(file, 64), 1);
}

TEST(IconDirectory, PassesOverEntriesWhoseDataLiesOutsideTheFile) {
    auto file = iconFile({{16, 32, 10}, {32, 32, 10}});
    putDword(file, 6 + 16 + 8, 11);  // the 32-pixel image claims one byte past the end
    EXPECT_EQ(chosenEntry(file, 32), 0);

    file = iconFile({{16, 32, 10}, {32, 32, 10}});
    putDword(file, 6 + 16 + 12, 0x7FFFFFF0);  // its offset lies far beyond the end
    EXPECT_EQ(chosenEntry(file, 32), 0);

    file = iconFile({{16, 32, 10}, {32, 32, 10}});
    putDword(file, 6 + 16 + 12, 0xFFFFFFFF);  // offset plus size would wrap around
    putDword(file, 6 + 16 + 8, 2);
    EXPECT_EQ(chosenEntry(file, 32), 0);

    file = iconFile({{16, 32, 10}, {32, 32, 10}});
    putDword(file, 6 + 16 + 12, 6);  // its data would overlap the directory
    EXPECT_EQ(chosenEntry(file, 32), 0);

    file = iconFile({{16, 32, 10}, {32, 32, 10}});
    putDword(file, 6 + 16 + 8, 0);  // no data at all
    EXPECT_EQ(chosenEntry(file, 32), 0);
}

TEST(IconDirectory, RejectsWhatIsNoIconDirectory) {
    const auto good = iconFile(kWindowIcon);
    IconImage image{};

    EXPECT_FALSE(chooseIconImage(nullptr, 0, 32, image));
    EXPECT_FALSE(chooseIconImage(good.data(), 5, 32, image)) << "header cut short";
    EXPECT_FALSE(chooseIconImage(good.data(), 6 + 16 * 4 - 1, 32, image)) << "directory cut short";

    auto cursor = good;
    putWord(cursor, 2, 2);
    EXPECT_FALSE(chooseIconImage(cursor.data(), cursor.size(), 32, image)) << "a cursor file";

    auto reserved = good;
    putWord(reserved, 0, 1);
    EXPECT_FALSE(chooseIconImage(reserved.data(), reserved.size(), 32, image));

    const auto empty = iconFile({});
    EXPECT_FALSE(chooseIconImage(empty.data(), empty.size(), 32, image)) << "no entries";

    auto allBroken = iconFile({{16, 32, 10}});
    putDword(allBroken, 6 + 8, 1000);
    EXPECT_FALSE(chooseIconImage(allBroken.data(), allBroken.size(), 16, image));
}
