// The portsim tool's reports: the port's state and the access log as text.
#pragma once

#include <string>

#include "client/PortSimClient.h"

namespace portsim {

std::string Narrow(const std::wstring& text); // UTF-8

std::string FormatState(const PortSimClient& client, const std::wstring& sectionName);
std::string FormatLog(const PortSimClient& client, const LogRead& log);

} // namespace portsim
