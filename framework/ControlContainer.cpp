#include "framework/ControlContainer.h"

void AfxEnableControlContainer() {}
