// Message maps: a static table per dialog class that routes window messages
// and command ids to member handlers, searched from the most derived class to
// its bases. Each entry holds a plain function that casts the dialog to the
// class that declared the entry and calls the member, so handlers keep their
// own signatures and may be private.
//
//   class CMyDlg : public CDialog {
//       void OnApply();
//       DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_COMMAND(IDC_APPLY, OnApply)
//   END_MESSAGE_MAP()
#pragma once

#include <windows.h>

#include <type_traits>

class CDialog;

// Runs a handler; its result is the message's result. Handlers that leave the
// message to the dialog manager say so with CDialog::Default().
using MessageHandler = LRESULT (*)(CDialog& dialog, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message; // WM_COMMAND for command entries; 0 ends a table
    UINT firstId; // command entries: the ids they take, inclusive
    UINT lastId;
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* (*base)(); // the base class's map, or a function returning null
    const MessageMapEntry* entries;
};

// The handler entry for a message (for WM_COMMAND: of command id), searched
// through the map and its bases; null when no class maps it.
const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT commandId);

// The end of every base-map chain.
struct MessageMapRoot {
    static const MessageMap* GetThisMessageMap() { return nullptr; }
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const MessageMap* GetThisMessageMap();                                                  \
    const MessageMap* GetMessageMap() const override;

// clang-format off
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const MessageMap* theClass::GetThisMessageMap() {                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static_assert(std::is_base_of_v<CDialog, ThisClass>, "message maps are for dialogs");      \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
            {0, 0, 0, nullptr}};                                                                   \
        static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};                 \
        return &map;                                                                               \
    }
// clang-format on

// A button click, menu item or accelerator with this command id: void f().
#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, id, id, [](CDialog& dialog, WPARAM, LPARAM) -> LRESULT {                          \
         static_cast<ThisClass&>(dialog).memberFxn();                                              \
         return 0;                                                                                 \
     }},

// Commands with ids firstId..lastId: f(id).
#define ON_COMMAND_RANGE(firstId, lastId, memberFxn)                                               \
    {WM_COMMAND, firstId, lastId, [](CDialog& dialog, WPARAM wParam, LPARAM) -> LRESULT {          \
         static_cast<ThisClass&>(dialog).memberFxn(LOWORD(wParam));                                \
         return 0;                                                                                 \
     }},

// WM_SYSCOMMAND: void OnSysCommand(UINT nID, LPARAM lParam).
#define ON_WM_SYSCOMMAND()                                                                         \
    {WM_SYSCOMMAND, 0, 0, [](CDialog& dialog, WPARAM wParam, LPARAM lParam) -> LRESULT {           \
         static_cast<ThisClass&>(dialog).OnSysCommand(static_cast<UINT>(wParam), lParam);          \
         return 0;                                                                                 \
     }},

// WM_PAINT: void OnPaint().
#define ON_WM_PAINT()                                                                              \
    {WM_PAINT, 0, 0, [](CDialog& dialog, WPARAM, LPARAM) -> LRESULT {                              \
         static_cast<ThisClass&>(dialog).OnPaint();                                                \
         return 0;                                                                                 \
     }},

// WM_QUERYDRAGICON: HCURSOR OnQueryDragIcon().
#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, [](CDialog& dialog, WPARAM, LPARAM) -> LRESULT {                      \
         return reinterpret_cast<LRESULT>(static_cast<ThisClass&>(dialog).OnQueryDragIcon());      \
     }},
