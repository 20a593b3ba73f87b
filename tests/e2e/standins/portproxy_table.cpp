#include "portproxy_table.h"

#include <cstdlib>
#include <sstream>

namespace {

bool isPortNumber(const std::string& text) {
    if (text.empty() || text.size() > 5) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return value >= 1 && value <= 65535;
}

bool sameWord(const std::string& a, const char* b) {
    std::string lower;
    for (char c : a) {
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower == b;
}

PortProxyCommand rejected(PortProxyCommand command, const std::string& why) {
    command.valid = false;
    command.error = why;
    return command;
}

}  // namespace

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    for (char c : line) {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

PortProxyCommand parsePortProxyCommand(const std::vector<std::string>& words) {
    PortProxyCommand command;
    if (words.size() < 4 || !sameWord(words[0], "interface") || !sameWord(words[1], "portproxy") ||
        !sameWord(words[3], "v4tov4")) {
        return rejected(command, "not an interface portproxy v4tov4 command");
    }
    if (sameWord(words[2], "add")) {
        command.verb = "add";
    } else if (sameWord(words[2], "del") || sameWord(words[2], "delete")) {
        command.verb = "del";
    } else {
        return rejected(command, "unknown verb " + words[2]);
    }
    bool sawConnectAddress = false;
    bool sawConnectPort = false;
    for (std::size_t i = 4; i < words.size(); ++i) {
        const std::size_t equals = words[i].find('=');
        if (equals == std::string::npos || equals + 1 == words[i].size()) {
            return rejected(command, "parameter without value: " + words[i]);
        }
        const std::string key = words[i].substr(0, equals);
        const std::string value = words[i].substr(equals + 1);
        if (sameWord(key, "listenport") && command.listenPort.empty()) {
            command.listenPort = value;
        } else if (sameWord(key, "connectaddress") && command.verb == "add" && !sawConnectAddress) {
            command.connectAddress = value;
            sawConnectAddress = true;
        } else if (sameWord(key, "connectport") && command.verb == "add" && !sawConnectPort) {
            command.connectPort = value;
            sawConnectPort = true;
        } else {
            return rejected(command, "unexpected parameter " + words[i]);
        }
    }
    if (!isPortNumber(command.listenPort)) {
        return rejected(command, "listenport missing or not a port");
    }
    if (command.verb == "add") {
        if (!sawConnectAddress) {
            return rejected(command, "connectaddress missing");
        }
        if (!sawConnectPort) {
            command.connectPort = command.listenPort;
        } else if (!isPortNumber(command.connectPort)) {
            return rejected(command, "connectport not a port");
        }
    }
    command.valid = true;
    return command;
}

int applyPortProxyCommand(const PortProxyCommand& command, PortProxyTable& table) {
    if (command.verb == "add") {
        table[command.listenPort] = PortProxyRule{command.connectAddress, command.connectPort};
        return 0;
    }
    return table.erase(command.listenPort) == 1 ? 0 : 1;
}

std::string formatPortProxyTable(const PortProxyTable& table) {
    std::string text;
    for (const auto& [listenPort, rule] : table) {
        text += listenPort + "\t" + rule.connectAddress + "\t" + rule.connectPort + "\n";
    }
    return text;
}

PortProxyTable parsePortProxyTable(const std::string& text) {
    PortProxyTable table;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first == std::string::npos ? first : first + 1);
        if (first == std::string::npos || second == std::string::npos) {
            continue;
        }
        table[line.substr(0, first)] =
            PortProxyRule{line.substr(first + 1, second - first - 1), line.substr(second + 1)};
    }
    return table;
}
