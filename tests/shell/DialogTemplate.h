// Reads a DIALOGEX template from a module's resources, as the dialog manager
// would, so that tests can check it as written rather than as shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TemplateText {
    std::wstring text; // when given as a string
    int ordinal = -1;  // when given as a resource number (class atoms, icons)
};

struct TemplateItem {
    DWORD style, exStyle;
    short x, y, width, height;
    int id;
    TemplateText windowClass, title;
};

struct DialogTemplate {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, width = 0, height = 0;
    std::wstring title, font;
    int pointSize = 0;
    std::vector<TemplateItem> items;
};

// False when the module has no such template or it is not a DIALOGEX.
bool ReadDialogTemplate(HMODULE module, int id, DialogTemplate& out);
