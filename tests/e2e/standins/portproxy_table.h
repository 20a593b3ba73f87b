// The emulated port-proxy table that the netsh stand-in keeps, and the netsh commands
// that change it. No Windows here: the driver replays a log with the same functions.
#pragma once

#include <map>
#include <string>
#include <vector>

// One v4tov4 rule, keyed in the table by its listen port.
struct PortProxyRule {
    std::string connectAddress;
    std::string connectPort;
};

using PortProxyTable = std::map<std::string, PortProxyRule>;

// A parsed "interface portproxy add|del v4tov4 key=value ..." command.
struct PortProxyCommand {
    bool valid = false;
    std::string verb;  // "add" or "del"
    std::string listenPort;
    std::string connectAddress;
    std::string connectPort;
    std::string error;  // why the command is not valid
};

// Splits a command line at runs of blanks and tabs; no quoting is understood.
std::vector<std::string> splitWords(const std::string& line);

// The words after the program name, as netsh gets them. Every parameter must be
// key=value with a value (netsh's own positional forms are not accepted).
PortProxyCommand parsePortProxyCommand(const std::vector<std::string>& words);

// Applies a valid command; returns netsh's exit code: 0, or 1 for a rule to delete that
// is not there.
int applyPortProxyCommand(const PortProxyCommand& command, PortProxyTable& table);

// The table file: one line per rule, "listenport<TAB>connectaddress<TAB>connectport".
std::string formatPortProxyTable(const PortProxyTable& table);
PortProxyTable parsePortProxyTable(const std::string& text);
