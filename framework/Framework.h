// The framework layer over Win32: application object, modal dialogs with
// message maps, control wrappers and data exchange. Include this one header.
#pragma once

#include "framework/ControlContainer.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/MessageMap.h"
#include "framework/PaintDC.h"
#include "framework/ResourceBitmaps.h"
#include "framework/ResourceText.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
