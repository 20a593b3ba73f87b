#include "job_watch.h"

#include "checks.h"
#include "expected_texts.h"
#include "waiting.h"

std::vector<std::string> startedCommands(const TestFolder& folder) {
    std::vector<std::string> commands;
    for (const NetshEvent& event : netshEvents(readNetshLog(folder), "start")) {
        commands.push_back(event.arguments);
    }
    return commands;
}

bool waitForNetshEvents(const TestFolder& folder, const char* kind, std::size_t count, DWORD timeoutMs) {
    return waitFor([&] { return netshEvents(readNetshLog(folder), kind).size() >= count; }, timeoutMs);
}

std::vector<std::string> deletePass() {
    std::vector<std::string> commands;
    for (int i = 0; i < 10; ++i) {
        commands.push_back(deleteArguments(i));
    }
    return commands;
}

std::vector<std::string> addPass(const std::string& address) {
    std::vector<std::string> commands;
    for (int i = 0; i < 10; ++i) {
        commands.push_back(addArguments(i, address));
    }
    return commands;
}

std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

bool checkCommands(const std::vector<std::string>& actual, const std::vector<std::string>& expected,
                   const char* what) {
    for (std::size_t i = 0; i < actual.size() && i < expected.size(); ++i) {
        if (!check(actual[i] == expected[i], "%s: command %u is \"%s\", expected \"%s\"", what,
                   static_cast<unsigned>(i + 1), printable(actual[i]).c_str(),
                   printable(expected[i]).c_str())) {
            return false;
        }
    }
    return check(actual.size() == expected.size(), "%s: %u commands ran, expected %u", what,
                 static_cast<unsigned>(actual.size()), static_cast<unsigned>(expected.size()));
}
