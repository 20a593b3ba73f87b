#include "registry_values.h"

#include "checks.h"

namespace {

bool readString(HKEY root, const std::string& path, const std::string& name, std::string& value) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    char buffer[2048] = {};
    DWORD size = sizeof buffer - 1;
    const bool read = RegQueryValueExA(key, name.empty() ? nullptr : name.c_str(), nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    value = read ? std::string(buffer) : std::string();
    return read;
}

bool writeString(HKEY root, const std::string& path, const std::string& name, const std::string& value) {
    HKEY key;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const bool written = RegSetValueExA(key, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(value.c_str()),
                                        static_cast<DWORD>(value.size()) + 1) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

}  // namespace

bool setRegistryString(HKEY root, const std::string& path, const std::string& name, const std::string& value,
                       std::vector<SavedRegistryValue>& saved) {
    SavedRegistryValue previous{root, path, name, false, ""};
    previous.existed = readString(root, path, name, previous.value);
    saved.push_back(previous);
    return check(writeString(root, path, name, value), "cannot set the registry value %s\\%s", path.c_str(),
                 name.c_str());
}

void restoreRegistryValues(std::vector<SavedRegistryValue>& saved) {
    for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
        if (it->existed) {
            writeString(it->root, it->path, it->name, it->value);
            continue;
        }
        HKEY key;
        if (RegOpenKeyExA(it->root, it->path.c_str(), 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, it->name.empty() ? nullptr : it->name.c_str());
            RegCloseKey(key);
        }
    }
    saved.clear();
}

bool registerBrowserStandin(const std::string& standinPath, std::vector<SavedRegistryValue>& saved) {
    const std::string command = "\"" + standinPath + "\" \"%1\"";
    bool ok = true;
    for (const char* scheme : {"http", "https"}) {
        const std::string path = std::string(scheme) + "\\shell\\open\\command";
        ok = setRegistryString(HKEY_CLASSES_ROOT, path, "", command, saved) && ok;
        ok = setRegistryString(HKEY_CURRENT_USER, "Software\\Classes\\" + path, "", command, saved) && ok;
    }
    return ok;
}

bool unmanageProgramWindows(const std::string& exeName, std::vector<SavedRegistryValue>& saved) {
    return setRegistryString(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\" + exeName + "\\X11 Driver",
                             "Managed", "N", saved);
}
