// The two passes over the ten rules, each command run to its end before the next.
#pragma once

#include <string>

// Runs one command line to its end; true when it started and ended with exit code 0.
using CommandRunner = bool (*)(const std::string& command);

// Deletes the rules of port index 0..9 in this order. Deleting a rule that does not
// exist fails normally, so the outcomes are not looked at.
void runDeletePass(CommandRunner runCommand);

// Adds the rules of port index 0..9 in this order, all for the same node address.
// Returns how many of the ten commands failed.
int runAddPass(const std::string& nodeAddress, CommandRunner runCommand);
