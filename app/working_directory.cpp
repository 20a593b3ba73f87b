#include "app/working_directory.h"

#include <windows.h>

#include <string>

#include "app/exe_folder.h"

namespace {

bool isAnsiLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace

void moveToExeFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string folder = exeFolder(std::string(path, length), isAnsiLeadByte);
    if (!folder.empty()) {
        SetCurrentDirectoryA(folder.c_str());
    }
}
