// Running test code inside a live modal dialog: a dialog class whose
// initialisation ends with a test's own step. The step can check the window,
// post messages that the modal loop handles in order, and post the command
// that ends the dialog. A dialog that does not end within kProbeTimeoutMs
// ends with kProbeTimedOut, so a fault fails its test instead of hanging it.
#pragma once

#include <functional>
#include <utility>

#include "framework/Framework.h"

constexpr UINT kProbeTimeoutMs = 10000;
constexpr INT_PTR kProbeTimedOut = -2;

inline void CALLBACK EndProbeOnTimeout(HWND dialog, UINT, UINT_PTR, DWORD) {
    ::EndDialog(dialog, kProbeTimedOut);
}

template <typename Dialog> class Probe : public Dialog {
public:
    template <typename... Args>
    explicit Probe(std::function<void(Probe&)> atInit, Args&&... args)
        : Dialog(std::forward<Args>(args)...), m_atInit(std::move(atInit)) {}

    // Ends the dialog once every message posted before has been handled.
    void PostEnd(int command = IDCANCEL) { ::PostMessageW(this->m_hWnd, WM_COMMAND, command, 0); }

protected:
    BOOL OnInitDialog() override {
        const BOOL result = Dialog::OnInitDialog();
        ::SetTimer(this->m_hWnd, 1, kProbeTimeoutMs, &EndProbeOnTimeout);
        if (m_atInit)
            m_atInit(*this);
        return result;
    }

private:
    std::function<void(Probe&)> m_atInit;
};
