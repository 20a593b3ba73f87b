#include "standin_settings.h"

#include <cstdlib>
#include <sstream>

StandinSettings parseStandinSettings(const std::string& text) {
    StandinSettings settings;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos && equals > 0) {
            settings[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return settings;
}

long settingNumber(const StandinSettings& settings, const std::string& key, long fallback) {
    const auto found = settings.find(key);
    if (found == settings.end() || found->second.empty()) {
        return fallback;
    }
    char* end = nullptr;
    const long value = std::strtol(found->second.c_str(), &end, 10);
    return *end == '\0' ? value : fallback;
}

std::vector<std::string> settingList(const StandinSettings& settings, const std::string& key) {
    std::vector<std::string> items;
    const auto found = settings.find(key);
    if (found == settings.end()) {
        return items;
    }
    std::istringstream parts(found->second);
    std::string item;
    while (std::getline(parts, item, ',')) {
        if (!item.empty()) {
            items.push_back(item);
        }
    }
    return items;
}
