// Thin wrappers of the standard controls the program uses: one per control
// class, each adding only the messages the program sends to it.
#pragma once

#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    using CWnd::CWnd;

    // Shows a bitmap on a BS_BITMAP button; returns the one shown before.
    // The button does not own the bitmap.
    HBITMAP SetBitmap(HBITMAP bitmap) {
        return reinterpret_cast<HBITMAP>(
            SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
    HBITMAP GetBitmap() const {
        return reinterpret_cast<HBITMAP>(SendMessage(BM_GETIMAGE, IMAGE_BITMAP));
    }
};

class CStatic : public CWnd {
public:
    using CWnd::CWnd;

    // Shows a bitmap on an SS_BITMAP picture; returns the one shown before.
    // The picture does not own the bitmap.
    HBITMAP SetBitmap(HBITMAP bitmap) {
        return reinterpret_cast<HBITMAP>(
            SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
    HBITMAP GetBitmap() const {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    }
};

class CEdit : public CWnd {
public:
    using CWnd::CWnd;
};

class CComboBox : public CWnd {
public:
    using CWnd::CWnd;

    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    // Appends (or, in a sorted list, inserts) an entry; returns its index.
    int AddString(const wchar_t* text) {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    // Selects an entry and shows its text in the edit part.
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
};
