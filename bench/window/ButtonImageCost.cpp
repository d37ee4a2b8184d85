#include "ButtonImageCost.h"

#include <windows.h>

#include <psapi.h>

#include "dll/GuiCounts.h"
#include "ui/resource.h"

namespace bench {

namespace {

constexpr int kChanges = 2000;

SIZE_T OwnPrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

} // namespace

ButtonImageCost MeasureButtonImageCost(const std::wstring& programPath) {
    ButtonImageCost cost{0, 0};
    // The program's manifest (resource 1) picks the common controls version
    // its buttons come from.
    ACTCTXW context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = programPath.c_str();
    context.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE activation = ::CreateActCtxW(&context);
    ULONG_PTR cookie = 0;
    if (activation == INVALID_HANDLE_VALUE || !::ActivateActCtx(activation, &cookie))
        return cost;
    HMODULE controls = ::LoadLibraryW(L"comctl32.dll");
    HMODULE program = ::LoadLibraryExW(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HBITMAP images[2] = {::LoadBitmapW(program, MAKEINTRESOURCEW(IDB_D0_LOW)),
                         ::LoadBitmapW(program, MAKEINTRESOURCEW(IDB_D0_HIGH))};
    HWND button = ::CreateWindowW(L"Button", L"D0", WS_POPUP | BS_PUSHBUTTON | BS_BITMAP, 0, 0, 40,
                                  30, nullptr, nullptr, nullptr, nullptr);
    if (button != nullptr && images[0] != nullptr && images[1] != nullptr) {
        const auto setImage = [&](int i) {
            ::SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP,
                           reinterpret_cast<LPARAM>(images[i % 2]));
        };
        for (int i = 0; i < 10; ++i)
            setImage(i);
        const uint32_t objectsBefore = portsim::SampleGuiCounts().gdiObjects;
        const SIZE_T bytesBefore = OwnPrivateBytes();
        for (int i = 0; i < kChanges; ++i)
            setImage(i);
        cost.gdiObjects =
            (static_cast<double>(portsim::SampleGuiCounts().gdiObjects) - objectsBefore) / kChanges;
        cost.privateBytes = (static_cast<double>(OwnPrivateBytes()) - bytesBefore) / kChanges;
    }
    if (button != nullptr)
        ::DestroyWindow(button);
    for (HBITMAP image : images)
        ::DeleteObject(image);
    ::FreeLibrary(program);
    ::FreeLibrary(controls);
    ::DeactivateActCtx(0, cookie);
    ::ReleaseActCtx(activation);
    return cost;
}

} // namespace bench
