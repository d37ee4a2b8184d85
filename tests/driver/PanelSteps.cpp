#include "PanelSteps.h"

#include "Dialogs.h"
#include "Polling.h"
#include "port/EcrMode.h"
#include "ui/resource.h"

namespace driver {

const char* SetMode(DWORD processId, HWND dialog, std::wstring_view mode) {
    int index = -1;
    for (int i = 0; i < 5; ++i)
        if (kModeListOrder[i] == mode)
            index = i;
    if (index < 0 || !SelectComboEntry(Control(dialog, IDC_MODE), index))
        return "cannot select the mode";
    if (!Click(Control(dialog, IDC_SET)))
        return "cannot click SET";
    const MessageBoxInfo box = WaitForMessageBox(processId, kStepTimeoutMs);
    if (box.window == nullptr || box.text != mode)
        return "SET did not show the mode's message box";
    if (!DismissMessageBox(box, kStepTimeoutMs))
        return "the message box did not close";
    if (!WaitUntil([&] { return IsEnabled(Control(dialog, IDC_READ)); }))
        return "SET did not enable READ";
    return nullptr;
}

} // namespace driver
