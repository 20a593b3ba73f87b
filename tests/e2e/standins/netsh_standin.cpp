// Stands in for netsh.exe in the program's folder, where the command interpreter looks
// first. Records every command, keeps an emulated port-proxy table in a file, and can be
// told (netsh_control.txt) to be slow, to fail adds for some ports, or to hang once.
//
// netsh_control.txt keys: delay_ms (every command), hang=<verb>:<port> (the first such
// command never ends), fail_add=<port>,<port>... (those adds exit 1, table untouched).
#include <windows.h>

#include <algorithm>
#include <string>

#include "portproxy_table.h"
#include "standin_files.h"
#include "standin_settings.h"

namespace {

// The command line less the program name, exactly as the interpreter passed it.
std::string argumentsOf(const std::string& commandLine) {
    std::size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        i = commandLine.find('"', 1);
        i = i == std::string::npos ? commandLine.size() : i + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') {
            ++i;
        }
    }
    while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) {
        ++i;
    }
    return commandLine.substr(i);
}

std::string eventLine(const char* kind, int exitCode, const std::string& arguments) {
    return std::string(kind) + "\t" + std::to_string(GetCurrentProcessId()) + "\t" +
           std::to_string(GetTickCount()) + "\t" + std::to_string(exitCode) + "\t" + currentFolder() + "\t" +
           arguments;
}

}  // namespace

int main() {
    const std::string folder = ownFolder();
    const std::string arguments = argumentsOf(GetCommandLineA());
    const PortProxyCommand command = parsePortProxyCommand(splitWords(arguments));

    std::string controlText;
    readWholeFile(folder + "\\" + kNetshControlName, controlText);
    const StandinSettings settings = parseStandinSettings(controlText);

    bool hang = false;
    HANDLE lock = lockFolder(folder);
    appendLine(folder + "\\" + kNetshLogName, eventLine("start", 0, arguments));
    const std::string hangOn = command.verb + ":" + command.listenPort;
    const auto hangSetting = settings.find("hang");
    if (command.valid && hangSetting != settings.end() && hangSetting->second == hangOn &&
        !fileExists(folder + "\\" + kNetshHangUsedName)) {
        writeWholeFile(folder + "\\" + kNetshHangUsedName, arguments + "\n");
        hang = true;
    }
    unlockFolder(lock);

    if (hang) {
        Sleep(INFINITE);  // a command that never ends: only the test's clean-up stops it
    }
    const long delay = settingNumber(settings, "delay_ms", 0);
    if (delay > 0) {
        Sleep(static_cast<DWORD>(delay));
    }

    int exitCode = 1;
    lock = lockFolder(folder);
    const std::vector<std::string> failing = settingList(settings, "fail_add");
    // Nothing is printed: the program shares the driver's console under test, and the
    // log says what happened.
    if (command.valid && (command.verb != "add" ||
                          std::find(failing.begin(), failing.end(), command.listenPort) == failing.end())) {
        std::string tableText;
        readWholeFile(folder + "\\" + kPortProxyTableName, tableText);
        PortProxyTable table = parsePortProxyTable(tableText);
        exitCode = applyPortProxyCommand(command, table);
        writeWholeFile(folder + "\\" + kPortProxyTableName, formatPortProxyTable(table));
    }
    appendLine(folder + "\\" + kNetshLogName, eventLine("end", exitCode, arguments));
    unlockFolder(lock);
    return exitCode;
}
