#include "test_folder.h"

#include <windows.h>

#include "checks.h"
#include "standin_files.h"

namespace {

void removeTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

bool copyInto(const std::string& from, const std::string& to) {
    return check(CopyFileA(from.c_str(), to.c_str(), FALSE) != 0, "cannot copy %s to %s (error %lu)",
                 from.c_str(), to.c_str(), GetLastError());
}

}  // namespace

std::string windowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    std::string converted = "Z:" + path;
    for (char& c : converted) {
        if (c == '/') {
            c = '\\';
        }
    }
    return converted;
}

bool makeTestFolder(const std::string& caseName, const std::string& programPath, bool withCmdStandin,
                    TestFolder& folder) {
    const std::string here = ownFolder();
    const std::string runs = here + "\\runs";
    CreateDirectoryA(runs.c_str(), nullptr);
    folder.path = runs + "\\" + caseName;
    removeTree(folder.path);
    if (!check(CreateDirectoryA(folder.path.c_str(), nullptr) != 0, "cannot make %s", folder.path.c_str())) {
        return false;
    }
    folder.startFolder = folder.path + "\\elsewhere";
    CreateDirectoryA(folder.startFolder.c_str(), nullptr);
    folder.programPath = folder.path + "\\VeskPortMapper.exe";

    bool ok = copyInto(windowsPath(programPath), folder.programPath);
    ok = copyInto(here + "\\netsh_standin.exe", folder.path + "\\netsh.exe") && ok;
    ok = copyInto(here + "\\browser_standin.exe", folder.path + "\\browser_standin.exe") && ok;
    if (withCmdStandin) {
        ok = copyInto(here + "\\cmd_standin.exe", folder.path + "\\cmd.exe") && ok;
    }
    return ok;
}

std::string folderFile(const TestFolder& folder, const char* name) {
    return folder.path + "\\" + name;
}
