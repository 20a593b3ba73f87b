// Reads the version information of a program file the way the file's properties do
// (GetFileVersionInfoA, the first translation, VerQueryValueA) and checks what it shows.
// Usage: version_info_test <program file>. Exit code 0 when every value is as expected.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct ExpectedValue {
    const char* name;
    const char* text;
};

// The texts as VerQueryValueA gives them on a system whose ANSI code page is 936.
const ExpectedValue kExpected[] = {
    {"ProductName", "VeskPortMapper"},
    {"ProductVersion", "1.0.0"},
    {"FileVersion", "1.0.0"},
    {"FileDescription", "Vesk节点-云服务器代理-端口映射器-端口转发器"},
    {"OriginalFilename", "VeskPortMapper.exe"},
};

bool checkFixedInfo(std::vector<char>& block) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &size) ||
        size < sizeof(VS_FIXEDFILEINFO)) {
        std::printf("FAIL: no fixed file information\n");
        return false;
    }
    bool ok = fixed->dwSignature == 0xFEEF04BD && fixed->dwFileVersionMS == 0x00010000 &&
              fixed->dwFileVersionLS == 0 && fixed->dwProductVersionMS == 0x00010000 &&
              fixed->dwProductVersionLS == 0 && fixed->dwFileType == VFT_APP &&
              (fixed->dwFileFlags & fixed->dwFileFlagsMask) == 0;
    std::printf("%s: fixed info signature %08lx version %08lx.%08lx type %lu flags %lx\n", ok ? "ok" : "FAIL",
                fixed->dwSignature, fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwFileType,
                fixed->dwFileFlags);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: version_info_test <program file>\n");
        return 2;
    }
    DWORD ignored = 0;
    DWORD total = GetFileVersionInfoSizeA(argv[1], &ignored);
    if (total == 0) {
        std::printf("FAIL: %s has no version information (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    std::vector<char> block(total);
    if (!GetFileVersionInfoA(argv[1], 0, total, block.data())) {
        std::printf("FAIL: GetFileVersionInfoA (error %lu)\n", GetLastError());
        return 1;
    }
    bool ok = checkFixedInfo(block);

    // The string table the properties show is the one the first translation names.
    WORD* translation = nullptr;
    UINT size = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &size) ||
        size < 4) {
        std::printf("FAIL: no translation\n");
        return 1;
    }
    char table[32];
    (void)std::snprintf(table, sizeof table, "%04x%04x", translation[0], translation[1]);
    std::printf("translation %s\n", table);

    for (const ExpectedValue& value : kExpected) {
        std::string path = std::string("\\StringFileInfo\\") + table + "\\" + value.name;
        char* text = nullptr;
        UINT length = 0;
        bool found = VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length);
        bool same = found && std::strcmp(text, value.text) == 0;
        std::printf("%s: %s = \"%s\"\n", same ? "ok" : "FAIL", value.name, found ? text : "(missing)");
        ok = ok && same;
    }
    return ok ? 0 : 1;
}
