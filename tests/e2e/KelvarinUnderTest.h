// The real Kelvarin.exe, started by a test and driven from outside the way a
// user drives it: keys typed into its fields, entries picked in its mode list,
// buttons and pins clicked, message boxes read and dismissed. What it shows
// is read back from its controls and, for the indicators, from the screen.
//
// Every wait is bounded. Commands that open no modal box are clicked with a
// sent BM_CLICK, which returns once the command has run; commands that may
// open boxes are clicked with a posted one.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "AppProcess.h"
#include "Screen.h"

namespace e2e {

// A message box of the program, as the user sees it.
struct ShownBox {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    HWND owner = nullptr;
    bool visible = false;
    std::vector<std::wstring> buttons; // texts of the visible buttons
    bool hasIcon = false;              // a visible icon beside the text
};

class KelvarinUnderTest {
public:
    // Starts folder\Kelvarin.exe (the program looks for inpout32.dll there),
    // in workingFolder if one is given, else in folder.
    ::testing::AssertionResult Start(const std::wstring& folder,
                                     const std::wstring& workingFolder = {});
    // Waits until the main window shows.
    ::testing::AssertionResult WaitForMainWindow();

    DWORD Pid() const { return m_process.Id(); }
    driver::AppProcess& Process() { return m_process; }
    HWND Window() const { return m_window; }
    HWND Item(int id) const { return ::GetDlgItem(m_window, id); }

    // --- what a user does ---------------------------------------------
    // Replaces a field's text by typing: select all, then the characters
    // (an empty text: select all and delete); a text of more than 100
    // characters is pasted whole. The mode list's edit part takes the mode
    // list's id.
    ::testing::AssertionResult Type(int id, const std::wstring& text);
    // Picks an entry of the mode list by its text.
    ::testing::AssertionResult PickMode(const std::wstring& name);
    // Clicks a button whose command opens no modal box; returns once the
    // command has run.
    ::testing::AssertionResult Press(int id);
    // Clicks a button and returns at once (the command may open boxes).
    ::testing::AssertionResult PressWithoutWaiting(int id);
    // Returns once the program's thread waits for input again: the command
    // in progress has finished, or a modal box waits for the user.
    ::testing::AssertionResult Settle();
    // True once the program's thread waits for input with nothing left to do
    // (WaitForInputIdle): a program that keeps itself busy never gets there.
    ::testing::AssertionResult WaitsForInput();

    // --- what the program shows -------------------------------------------
    std::wstring Text(int id) const;
    bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
    bool Visible(int id) const { return ::IsWindowVisible(Item(id)) != FALSE; }

    // The program's message boxes, hidden ones too (a box exists before it
    // shows), in Z order.
    std::vector<ShownBox> MessageBoxes() const;
    // Waits until exactly one box shows and returns it (window null on
    // timeout).
    ShownBox WaitForMessageBox() const;
    // Presses the box's OK button and waits until it is gone.
    ::testing::AssertionResult Dismiss(const ShownBox& box) const;
    // The visible dialog with this caption (the About box, ...), waited for.
    HWND WaitForDialog(const std::wstring& caption) const;

    // Every pin's indicator and the legend, read from the screen once the
    // window has painted.
    std::map<int, driver::Level> ShownLevels();

    // How well the best-matching spot of the caption's left end matches the
    // program's icon drawn at the small icon size, from 0 (nowhere) to 1
    // (every opaque pixel of the icon found). The icon is taken from the
    // program's file, as the window loads it.
    double CaptionIconMatch();

    // Saves what the program shows now (all its windows) under the build
    // tree's e2e-screenshots folder as name.bmp.
    void Screenshot(const std::string& name);

    // --- resources, from outside ------------------------------------------
    // Windows (top-level, child and message-only) and window menus.
    int UserObjects() const;
    // Private bytes and working set (GetProcessMemoryInfo).
    SIZE_T PrivateBytes() const;
    SIZE_T WorkingSet() const;
    // True while a module of this file name is loaded in the program.
    bool HasModule(const std::wstring& fileName) const;

private:
    driver::AppProcess m_process;
    std::wstring m_exePath;
    HWND m_window = nullptr;
};

// Where the screenshots go: <build>/e2e-screenshots.
std::wstring ScreenshotFolder();

} // namespace e2e
