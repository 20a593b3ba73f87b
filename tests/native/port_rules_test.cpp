#include "engine/port_rules.h"

#include <gtest/gtest.h>

TEST(PortRules, PortTextsRunFrom31400To31409) {
    for (int portIndex = 0; portIndex < kPortCount; ++portIndex) {
        EXPECT_EQ(portText(portIndex), std::to_string(31400 + portIndex));
    }
}

struct AddCase {
    int portIndex;
    std::string nodeAddress;
    std::string expected;
};

TEST(PortRules, AddCommandTakesTheAddressByteForByte) {
    const AddCase cases[] = {
        {0, "192.168.30.10",
         "netsh interface portproxy add v4tov4 listenport=31400 connectaddress=192.168.30.10 "
         "connectport=31400"},
        {9, "10.0.0.1",
         "netsh interface portproxy add v4tov4 listenport=31409 connectaddress=10.0.0.1 "
         "connectport=31409"},
        {0, "", "netsh interface portproxy add v4tov4 listenport=31400 connectaddress= connectport=31400"},
        {0, " 192.168.30.10 ",
         "netsh interface portproxy add v4tov4 listenport=31400 connectaddress= 192.168.30.10  "
         "connectport=31400"},
        {5, "\xBD\xDA\xB5\xE3",  // GBK text goes in as the same bytes
         "netsh interface portproxy add v4tov4 listenport=31405 connectaddress=\xBD\xDA\xB5\xE3 "
         "connectport=31405"},
    };
    for (const AddCase& c : cases) {
        EXPECT_EQ(buildAddCommand(c.portIndex, c.nodeAddress), c.expected) << c.portIndex;
    }
}

TEST(PortRules, AddCommandKeepsAVeryLongAddressWhole) {
    const std::string address(50000, '7');
    const std::string command = buildAddCommand(3, address);
    EXPECT_EQ(command.size(), address.size() + buildAddCommand(3, "").size());
    EXPECT_NE(command.find(" connectaddress=" + address + " connectport=31403"), std::string::npos);
}

TEST(PortRules, DeleteCommandNamesTheListenPortAlone) {
    EXPECT_EQ(buildDeleteCommand(0), "netsh interface portproxy del v4tov4 listenport=31400");
    EXPECT_EQ(buildDeleteCommand(9), "netsh interface portproxy del v4tov4 listenport=31409");
}
