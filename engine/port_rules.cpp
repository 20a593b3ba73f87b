#include "engine/port_rules.h"

std::string portText(int portIndex) {
    return "3140" + std::to_string(portIndex);
}

std::string buildAddCommand(int portIndex, const std::string& nodeAddress) {
    const std::string port = portText(portIndex);
    return "netsh interface portproxy add v4tov4 listenport=" + port + " connectaddress=" + nodeAddress +
           " connectport=" + port;
}

std::string buildDeleteCommand(int portIndex) {
    return "netsh interface portproxy del v4tov4 listenport=" + portText(portIndex);
}
