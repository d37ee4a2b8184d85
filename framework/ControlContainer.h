// Control containment: whether dialogs may host ActiveX controls.
#pragma once

// Enables dialogs to host ActiveX controls, with the default container
// manager. Dialogs of this framework hold only window-class controls and the
// framework has no OLE control site, so there is nothing to install: the call
// does nothing. It stays so that the application's start-up keeps its steps.
void AfxEnableControlContainer();
