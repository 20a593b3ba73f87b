#include "ui/win32/notes_box.h"

#include <richedit.h>

#include <cstring>
#include <string>

#include "ui/texts.h"
#include "ui/win32/child_control.h"

namespace {

struct RichEditKind {
    const char* library;
    const char* windowClass;
};

const RichEditKind kRichEditKinds[] = {
    {"RICHED20.DLL", "RichEdit20A"},
    {"RICHED32.DLL", "RICHEDIT"},
};

bool classExists(HMODULE library, const char* windowClass) {
    WNDCLASSEXA info;
    info.cbSize = sizeof info;
    return GetClassInfoExA(library, windowClass, &info) || GetClassInfoExA(nullptr, windowClass, &info);
}

// The class of the first rich edit library that loads and registers it. The library
// stays loaded for the life of the process.
const char* loadRichEditClass() {
    static const char* loaded = nullptr;
    if (loaded != nullptr) {
        return loaded;
    }
    for (const RichEditKind& kind : kRichEditKinds) {
        const HMODULE library = LoadLibraryA(kind.library);
        if (library == nullptr) {
            continue;
        }
        if (classExists(library, kind.windowClass)) {
            loaded = kind.windowClass;
            return loaded;
        }
        FreeLibrary(library);
    }
    return nullptr;
}

// 宋体 9 pt in the character set of the system, plain, in the automatic colour.
void setDefaultCharFormat(HWND box) {
    CHARFORMATA format;
    ZeroMemory(&format, sizeof format);
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
                    CFM_STRIKEOUT | CFM_PROTECTED | CFM_COLOR;
    format.dwEffects = CFE_AUTOCOLOR;
    format.yHeight = 180;  // twips
    format.bCharSet = DEFAULT_CHARSET;
    std::strncpy(format.szFaceName, kNotesFaceName, LF_FACESIZE - 1);
    SendMessageA(box, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

struct TextSource {
    const std::string* text;
    std::size_t position;
};

DWORD CALLBACK readTextSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<TextSource*>(cookie);
    const std::size_t left = source->text->size() - source->position;
    const std::size_t count = left < static_cast<std::size_t>(wanted) ? left : wanted;
    std::memcpy(buffer, source->text->data() + source->position, count);
    source->position += count;
    *given = static_cast<LONG>(count);
    return 0;
}

// Streams the notes in as plain text, never as rich text format.
void loadNotes(HWND box) {
    const std::string text = notesText();
    TextSource source = {&text, 0};
    EDITSTREAM stream;
    ZeroMemory(&stream, sizeof stream);
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = readTextSource;
    SendMessageA(box, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
}

}  // namespace

HWND createNotesBox(HWND parent) {
    const char* windowClass = loadRichEditClass();
    if (windowClass == nullptr) {
        return nullptr;
    }
    const HWND box = createChildControl(windowClass, "",
                                        WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                                            ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                                        parent, kNotesBoxId, kNotesBoxRect);
    if (box == nullptr) {
        return nullptr;
    }
    addClientEdge(box);
    SendMessageA(box, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    setDefaultCharFormat(box);
    SendMessageA(box, EM_SETBKGNDCOLOR, TRUE, 0);  // the system's window colour
    SendMessageA(box, EM_SETOPTIONS, ECOOP_OR, ECO_AUTOWORDSELECTION);
    loadNotes(box);
    CHARRANGE caret = {0, 0};
    SendMessageA(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    return box;
}
