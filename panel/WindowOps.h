// The five operations the panel logic performs on its window, addressed by
// control id. The real dialog implements them on its controls; tests use an
// in-memory fake.
#pragma once

#include <string>

class WindowOps {
public:
    virtual ~WindowOps() = default;

    // The whole current text of a field or of the mode list's edit part.
    virtual std::wstring GetFieldText(int id) = 0;
    // Replaces a field's whole text; disabled fields included.
    virtual void SetFieldText(int id, const std::wstring& text) = 0;
    // Shows indicator image (bitmap resource) number image on a pin or legend.
    virtual void SetIndicatorImage(int id, int image) = 0;
    // Enables or disables a button.
    virtual void EnableCommand(int id, bool on) = 0;
    // A modal message box owned by the window, captioned with the application's
    // title, one OK button and no icon; returns when it is dismissed.
    virtual void ShowMessage(const std::wstring& text) = 0;
};
