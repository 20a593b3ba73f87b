// The netsh stand-in's emulation, checked on its own: the stress cases trust it to keep
// the port-proxy table as netsh would and the driver replays its log with it.
#include <cstdio>
#include <string>

#include "portproxy_table.h"
#include "standin_settings.h"

namespace {

int failures = 0;

void expect(bool condition, const char* what) {
    if (!condition) {
        ++failures;
        std::printf("FAIL: %s\n", what);
    }
}

PortProxyCommand parse(const std::string& line) {
    return parsePortProxyCommand(splitWords(line));
}

}  // namespace

int main() {
    // Commands netsh takes, and those it rejects.
    struct Case {
        const char* line;
        bool valid;
        const char* verb;
        const char* connectAddress;
    };
    const Case cases[] = {
        {"interface portproxy add v4tov4 listenport=31400 connectaddress=192.168.30.10 connectport=31400",
         true, "add", "192.168.30.10"},
        {"interface portproxy del v4tov4 listenport=31409", true, "del", ""},
        {"interface portproxy delete v4tov4 listenport=31409", true, "del", ""},
        {"interface portproxy add v4tov4 listenport=31400 connectaddress= connectport=31400", false, "add",
         ""},
        {"interface portproxy add v4tov4 listenport=31400 connectaddress= 192.168.30.10  connectport=31400",
         false, "add", ""},
        {"interface portproxy add v4tov4 listenport=31400 connectport=31400", false, "add", ""},
        {"interface portproxy del v4tov4 listenport=31400 connectaddress=10.0.0.1", false, "del", ""},
        {"interface portproxy del v4tov4 listenport=99999", false, "del", ""},
        {"interface portproxy del v4tov4", false, "del", ""},
        {"interface portproxy show all", false, "", ""},
    };
    for (const Case& c : cases) {
        const PortProxyCommand command = parse(c.line);
        expect(command.valid == c.valid, c.line);
        if (command.valid) {
            expect(command.verb == c.verb && command.connectAddress == c.connectAddress, c.line);
        }
    }

    // An add replaces the rule of its port; deleting a missing rule fails and changes nothing.
    PortProxyTable table;
    expect(applyPortProxyCommand(parse("interface portproxy add v4tov4 listenport=31401 connectaddress=a "
                                       "connectport=31401"),
                                 table) == 0,
           "first add");
    expect(applyPortProxyCommand(parse("interface portproxy add v4tov4 listenport=31401 connectaddress=b "
                                       "connectport=31401"),
                                 table) == 0,
           "second add");
    expect(table.size() == 1 && table["31401"].connectAddress == "b", "an add replaces the port's rule");
    expect(applyPortProxyCommand(parse("interface portproxy del v4tov4 listenport=31402"), table) == 1,
           "deleting a missing rule fails");
    expect(applyPortProxyCommand(parse("interface portproxy del v4tov4 listenport=31401"), table) == 0 &&
               table.empty(),
           "deleting a rule removes it");

    // The table file keeps every field, GBK bytes included.
    PortProxyTable saved;
    saved["31400"] = PortProxyRule{"节点亅.10", "31400"};
    saved["8080"] = PortProxyRule{"10.0.0.8", "80"};
    const PortProxyTable loaded = parsePortProxyTable(formatPortProxyTable(saved));
    expect(loaded.size() == 2 && loaded.at("31400").connectAddress == "节点亅.10" &&
               loaded.at("8080").connectPort == "80",
           "the table file round trip");

    // The control file.
    const StandinSettings settings =
        parseStandinSettings("delay_ms=120\r\nfail_add=31402,31405\nhang=del:31403\n");
    expect(settingNumber(settings, "delay_ms", 0) == 120 && settingNumber(settings, "missing", 7) == 7,
           "numbers in the control file");
    expect(settingList(settings, "fail_add") == std::vector<std::string>{"31402", "31405"},
           "lists in the control file");
    expect(settings.at("hang") == "del:31403", "plain values in the control file");

    std::printf("%s\n", failures == 0 ? "stand-in logic: all checks held" : "stand-in logic: failures above");
    return failures == 0 ? 0 : 1;
}
