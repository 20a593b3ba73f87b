#include "engine/address_check.h"

#include <cstring>

namespace {

// A trail byte of a double-byte character is never below 0x40 and never 0x7F in the
// East Asian code pages; a lead byte followed by anything else stands alone, so the
// byte after it is judged as a character of its own.
bool isTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte != 0x7F;
}

bool isForbiddenByte(unsigned char byte) {
    if (byte < 0x20 || byte == 0x7F) {
        return true;
    }
    return std::strchr("&|<>^\"%!", byte) != nullptr;
}

}  // namespace

bool isGbkLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

bool isSafeNodeAddress(const std::string& address, LeadBytePredicate isLeadByte) {
    for (std::size_t i = 0; i < address.size(); ++i) {
        const auto byte = static_cast<unsigned char>(address[i]);
        if (isLeadByte(byte) && i + 1 < address.size() &&
            isTrailByte(static_cast<unsigned char>(address[i + 1]))) {
            ++i;  // one double-byte character: neither byte is ASCII
            continue;
        }
        if (isForbiddenByte(byte)) {
            return false;
        }
    }
    return true;
}
