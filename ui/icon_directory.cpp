#include "ui/icon_directory.h"

#include <cstdint>

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;

unsigned readWord(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}

std::uint32_t readDword(const unsigned char* p) {
    return static_cast<std::uint32_t>(readWord(p)) | (static_cast<std::uint32_t>(readWord(p + 2)) << 16);
}

struct Entry {
    IconImage image;
    unsigned bitCount;
};

// Whether `a` suits a square icon of `wanted` pixels better than `b`.
bool suitsBetter(const Entry& a, const Entry& b, int wanted) {
    const bool aFits = a.image.width >= wanted;
    const bool bFits = b.image.width >= wanted;
    if (aFits != bFits) {
        return aFits;  // anything large enough beats anything too small
    }
    if (a.image.width != b.image.width) {
        // Large enough: the closer the better. Too small: the largest.
        return aFits ? a.image.width < b.image.width : a.image.width > b.image.width;
    }
    return a.bitCount > b.bitCount;
}

}  // namespace

bool chooseIconImage(const unsigned char* data, std::size_t size, int wanted, IconImage& chosen) {
    if (data == nullptr || size < kHeaderSize || readWord(data) != 0 || readWord(data + 2) != 1) {
        return false;
    }
    const std::size_t count = readWord(data + 4);
    const std::size_t directoryEnd = kHeaderSize + count * kEntrySize;
    if (size < directoryEnd) {
        return false;
    }

    bool found = false;
    Entry best{};
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char* p = data + kHeaderSize + i * kEntrySize;
        Entry entry{};
        entry.image.width = p[0] == 0 ? 256 : p[0];  // a width byte of 0 means 256
        entry.bitCount = readWord(p + 6);
        entry.image.size = readDword(p + 8);
        entry.image.offset = readDword(p + 12);
        if (entry.image.size == 0 || entry.image.offset < directoryEnd || entry.image.offset > size ||
            entry.image.size > size - entry.image.offset) {
            continue;
        }
        if (!found || suitsBetter(entry, best, wanted)) {
            best = entry;
            found = true;
        }
    }
    if (found) {
        chosen = best.image;
    }
    return found;
}
