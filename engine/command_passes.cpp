#include "engine/command_passes.h"

#include "engine/port_rules.h"

void runDeletePass(CommandRunner runCommand) {
    for (int portIndex = 0; portIndex < kPortCount; ++portIndex) {
        runCommand(buildDeleteCommand(portIndex));
    }
}

int runAddPass(const std::string& nodeAddress, CommandRunner runCommand) {
    int failed = 0;
    for (int portIndex = 0; portIndex < kPortCount; ++portIndex) {
        if (!runCommand(buildAddCommand(portIndex, nodeAddress))) {
            ++failed;
        }
    }
    return failed;
}
