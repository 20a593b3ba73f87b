// The control file of the stand-ins: "key=value" lines, read at every start so a test can
// change them while the program runs.
#pragma once

#include <map>
#include <string>
#include <vector>

using StandinSettings = std::map<std::string, std::string>;

StandinSettings parseStandinSettings(const std::string& text);

// The value as a whole number, or `fallback` when absent or not a number.
long settingNumber(const StandinSettings& settings, const std::string& key, long fallback);

// The value split at commas; empty when absent.
std::vector<std::string> settingList(const StandinSettings& settings, const std::string& key);
