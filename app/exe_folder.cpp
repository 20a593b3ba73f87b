#include "app/exe_folder.h"

std::string exeFolder(const std::string& exePath, LeadBytePredicate isLeadByte) {
    std::size_t lastSeparator = std::string::npos;
    for (std::size_t i = 0; i < exePath.size(); ++i) {
        const auto byte = static_cast<unsigned char>(exePath[i]);
        if (isLeadByte(byte) && i + 1 < exePath.size()) {
            ++i;  // the trail byte may be 0x5C and is still no backslash
            continue;
        }
        if (byte == '\\') {
            lastSeparator = i;
        }
    }
    if (lastSeparator == std::string::npos) {
        return std::string();
    }
    std::string folder = exePath.substr(0, lastSeparator);
    if (folder.size() == 2 && folder[1] == ':') {
        folder += '\\';
    }
    return folder;
}
