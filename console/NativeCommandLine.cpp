#include "console/NativeCommandLine.h"

#include <locale.h>

#include <climits>
#include <cwchar>

const PortUsage kDevicePortUsage = {
    "[--device PATH] [BASE]",
    "  --device   the port's device: a ppdev device (/dev/parportN), claimed while\n"
    "             the program runs, which is the port; or /dev/port as root.\n"
    "             Default: /dev/parport0 when you may open it, else /dev/port\n"
    "  BASE       the port's base address in hexadecimal, as typed into Kelvarin's\n"
    "             address fields (378, 0x378); from 1 to FFFF. Needed with\n"
    "             /dev/port; with ppdev it may be left out, and given, it must be\n"
    "             that device's port\n",
    "no usable port"};

namespace {

// The C library's UTF-8 conversions, in this thread only, whatever the
// environment's locale is.
class Utf8Locale {
public:
    Utf8Locale()
        : m_utf8(newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr)),
          m_previous(m_utf8 ? uselocale(m_utf8) : nullptr) {}
    ~Utf8Locale() {
        if (m_utf8) {
            uselocale(m_previous);
            freelocale(m_utf8);
        }
    }
    Utf8Locale(const Utf8Locale&) = delete;
    Utf8Locale& operator=(const Utf8Locale&) = delete;

private:
    locale_t m_utf8;
    locale_t m_previous;
};

// A byte that is no UTF-8 becomes U+FFFD, as terminals show it.
std::wstring Wide(const std::string& text) {
    const Utf8Locale utf8;
    std::wstring wide;
    std::mbstate_t state{};
    for (size_t i = 0; i < text.size();) {
        wchar_t c = 0;
        const size_t used = std::mbrtowc(&c, text.data() + i, text.size() - i, &state);
        if (used == static_cast<size_t>(-1) || used == static_cast<size_t>(-2)) {
            wide += L'\uFFFD';
            state = {};
            ++i;
        } else {
            wide += c;
            i += used == 0 ? 1 : used;
        }
    }
    return wide;
}

} // namespace

std::string Utf8(const std::wstring& text) {
    const Utf8Locale utf8;
    std::string narrow;
    std::mbstate_t state{};
    char bytes[MB_LEN_MAX];
    for (const wchar_t c : text) {
        const size_t size = std::wcrtomb(bytes, c, &state);
        if (size != static_cast<size_t>(-1))
            narrow.append(bytes, size);
    }
    return narrow;
}

NativeCommandLine ReadNativeCommandLine(int argc, char** argv) {
    NativeCommandLine line;
    const std::string called = argc > 0 ? argv[0] : "";
    line.program = called.substr(called.rfind('/') + 1);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg != "--device") {
            line.args.push_back(Wide(arg));
        } else if (i + 1 < argc) {
            line.device = argv[++i];
        } else {
            line.problem = "--device needs a path (/dev/parport0, /dev/port)";
        }
    }
    return line;
}
