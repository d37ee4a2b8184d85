#include "DialogTemplate.h"

#include <cstring>

namespace {

class Reader {
public:
    Reader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    template <typename T> T Take() {
        T value{};
        if (m_at + sizeof(T) <= m_size)
            std::memcpy(&value, m_data + m_at, sizeof(T));
        m_at += sizeof(T);
        return value;
    }
    std::wstring String() {
        std::wstring text;
        for (wchar_t c; (c = Take<wchar_t>()) != 0 && Ok();)
            text += c;
        return text;
    }
    // A string, a resource number (0xFFFF then the number), or nothing (0).
    TemplateText StringOrOrdinal() {
        const WORD first = Take<WORD>();
        if (first == 0)
            return {};
        if (first == 0xFFFF)
            return {L"", Take<WORD>()};
        m_at -= sizeof(WORD);
        return {String(), -1};
    }
    void AlignTo(size_t bytes) { m_at = (m_at + bytes - 1) / bytes * bytes; }
    void Skip(size_t bytes) { m_at += bytes; }
    bool Ok() const { return m_at <= m_size; }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_at = 0;
};

} // namespace

bool ReadDialogTemplate(HMODULE module, int id, DialogTemplate& out) {
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
    if (found == nullptr)
        return false;
    Reader in(static_cast<const BYTE*>(::LockResource(::LoadResource(module, found))),
              ::SizeofResource(module, found));
    if (in.Take<WORD>() != 1 || in.Take<WORD>() != 0xFFFF)
        return false; // not DIALOGEX
    in.Take<DWORD>(); // help id
    out.exStyle = in.Take<DWORD>();
    out.style = in.Take<DWORD>();
    const WORD count = in.Take<WORD>();
    out.x = in.Take<short>();
    out.y = in.Take<short>();
    out.width = in.Take<short>();
    out.height = in.Take<short>();
    in.StringOrOrdinal(); // menu
    in.StringOrOrdinal(); // window class
    out.title = in.String();
    if (out.style & DS_SETFONT) {
        out.pointSize = in.Take<WORD>();
        in.Take<WORD>(); // weight
        in.Take<BYTE>(); // italic
        in.Take<BYTE>(); // character set
        out.font = in.String();
    }
    for (WORD i = 0; i < count && in.Ok(); ++i) {
        in.AlignTo(4);
        TemplateItem item{};
        in.Take<DWORD>(); // help id
        item.exStyle = in.Take<DWORD>();
        item.style = in.Take<DWORD>();
        item.x = in.Take<short>();
        item.y = in.Take<short>();
        item.width = in.Take<short>();
        item.height = in.Take<short>();
        item.id = static_cast<int>(in.Take<DWORD>());
        item.windowClass = in.StringOrOrdinal();
        item.title = in.StringOrOrdinal();
        in.Skip(in.Take<WORD>()); // creation data
        out.items.push_back(item);
    }
    return in.Ok();
}
