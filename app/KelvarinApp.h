// CKelvarinApp: the application. It prepares the common controls and runs
// the main dialog modally; the program ends when the dialog closes.
#pragma once

#include "framework/Framework.h"

class CKelvarinApp : public CWinApp {
public:
    BOOL InitInstance() override;
};

extern CKelvarinApp theApp;
