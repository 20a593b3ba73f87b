// A fresh folder per case holding the program and the stand-ins, so the stand-ins sit
// beside the program (process creation looks there first) and in its working folder
// (the interpreter looks there first).
#pragma once

#include <string>

struct TestFolder {
    std::string path;         // runs\<case> beside the driver
    std::string startFolder;  // a folder elsewhere, from which the program is started
    std::string programPath;  // the program's copy inside `path`
};

// Windows form of a path given on the command line: a Unix path goes through drive Z:.
std::string windowsPath(const std::string& path);

// Empties runs\<caseName> and fills it. `withCmdStandin` puts the recording cmd.exe beside
// the program; without it the real interpreter runs the netsh stand-in directly.
bool makeTestFolder(const std::string& caseName, const std::string& programPath, bool withCmdStandin,
                    TestFolder& folder);

// A file inside the test folder.
std::string folderFile(const TestFolder& folder, const char* name);
