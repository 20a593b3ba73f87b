#include "standin_logs.h"

#include <cstdlib>
#include <sstream>

#include "standin_files.h"

namespace {

// Splits at tabs into at most `fields` parts; the last part keeps any tabs it holds.
std::vector<std::string> tabFields(const std::string& line, std::size_t fields) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() + 1 < fields) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string::npos) {
            break;
        }
        parts.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    parts.push_back(line.substr(start));
    return parts;
}

// Read under the folder lock, so a line being written is never seen half done.
std::vector<std::string> fileLines(const TestFolder& folder, const char* name) {
    std::string text;
    HANDLE lock = lockFolder(folder.path);
    readWholeFile(folderFile(folder, name), text);
    unlockFolder(lock);
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        lines.push_back(line);
    }
    return lines;
}

DWORD number(const std::string& text) {
    return static_cast<DWORD>(std::strtoul(text.c_str(), nullptr, 10));
}

}  // namespace

std::vector<NetshEvent> readNetshLog(const TestFolder& folder) {
    std::vector<NetshEvent> events;
    for (const std::string& line : fileLines(folder, kNetshLogName)) {
        const std::vector<std::string> f = tabFields(line, 6);
        if (f.size() == 6) {
            events.push_back(
                {f[0], number(f[1]), std::atof(f[2].c_str()), std::atoi(f[3].c_str()), f[4], f[5]});
        }
    }
    return events;
}

std::vector<CmdEvent> readCmdLog(const TestFolder& folder) {
    std::vector<CmdEvent> events;
    for (const std::string& line : fileLines(folder, kCmdLogName)) {
        const std::vector<std::string> f = tabFields(line, 8);
        if (f.size() == 8) {
            events.push_back({f[0], number(f[1]), number(f[2]), number(f[3]), static_cast<WORD>(number(f[4])),
                              number(f[5]), f[6], f[7]});
        }
    }
    return events;
}

std::vector<std::string> readBrowserLog(const TestFolder& folder) {
    std::vector<std::string> commandLines;
    for (const std::string& line : fileLines(folder, kBrowserLogName)) {
        const std::vector<std::string> f = tabFields(line, 3);
        if (f.size() == 3) {
            commandLines.push_back(f[2]);
        }
    }
    return commandLines;
}

std::vector<NetshEvent> netshEvents(const std::vector<NetshEvent>& events, const char* kind) {
    std::vector<NetshEvent> chosen;
    for (const NetshEvent& event : events) {
        if (event.kind == kind) {
            chosen.push_back(event);
        }
    }
    return chosen;
}

std::vector<CmdEvent> cmdEvents(const std::vector<CmdEvent>& events, const char* kind) {
    std::vector<CmdEvent> chosen;
    for (const CmdEvent& event : events) {
        if (event.kind == kind) {
            chosen.push_back(event);
        }
    }
    return chosen;
}

bool setNetshControl(const TestFolder& folder, const std::string& settings) {
    return writeWholeFile(folderFile(folder, kNetshControlName), settings);
}

PortProxyTable readPortProxyTable(const TestFolder& folder) {
    HANDLE lock = lockFolder(folder.path);
    std::string text;
    readWholeFile(folderFile(folder, kPortProxyTableName), text);
    unlockFolder(lock);
    return parsePortProxyTable(text);
}

bool writePortProxyTable(const TestFolder& folder, const PortProxyTable& table) {
    HANDLE lock = lockFolder(folder.path);
    const bool written = writeWholeFile(folderFile(folder, kPortProxyTableName), formatPortProxyTable(table));
    unlockFolder(lock);
    return written;
}
