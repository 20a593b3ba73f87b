// The ten port-proxy rules and the netsh command lines that add and delete them.
#pragma once

#include <string>

// One rule per port index 0..9; the ports are 31400..31409.
constexpr int kPortCount = 10;

// "3140" followed by the port index's decimal digit.
std::string portText(int portIndex);

// The add command for one rule; the address goes in byte for byte.
std::string buildAddCommand(int portIndex, const std::string& nodeAddress);

// The delete command for one rule: the short verb "del" and the listen port alone.
std::string buildDeleteCommand(int portIndex);
