// Kelvarin.exe as built: its version record, manifest, icon and images.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "support/IndicatorImageList.h"
#include "ui/resource.h"

namespace {

std::wstring ProgramPath() {
    wchar_t path[MAX_PATH];
    std::wstring folder(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
    return folder.substr(0, folder.find_last_of(L"\\/")) + L"\\Kelvarin.exe";
}

// The program's file, loaded for its resources only.
class ProgramImage : public ::testing::Test {
protected:
    void SetUp() override {
        m_module = ::LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(m_module, nullptr) << "Kelvarin.exe must be built beside the tests";
    }
    void TearDown() override {
        if (m_module != nullptr)
            ::FreeLibrary(m_module);
    }

    std::string Resource(LPCWSTR type, int id) const {
        HRSRC found = ::FindResourceW(m_module, MAKEINTRESOURCEW(id), type);
        if (found == nullptr)
            return {};
        const char* data =
            static_cast<const char*>(::LockResource(::LoadResource(m_module, found)));
        return std::string(data, ::SizeofResource(m_module, found));
    }

    HMODULE m_module = nullptr;
};

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!::VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        return {};
    return std::wstring(value, length > 0 ? length - 1 : 0);
}

TEST_F(ProgramImage, VersionRecordNamesTheProgram) {
    const std::wstring path = ProgramPath();
    DWORD handle = 0;
    std::vector<BYTE> info(::GetFileVersionInfoSizeW(path.c_str(), &handle));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(
        ::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(VersionString(info, L"FileVersion"), L"1.0.0.1");
    EXPECT_EQ(VersionString(info, L"ProductVersion"), L"1.0.0.1");
    EXPECT_EQ(VersionString(info, L"OriginalFilename"), L"Kelvarin.exe");
    EXPECT_EQ(VersionString(info, L"InternalName"), L"Kelvarin.exe");
}

TEST_F(ProgramImage, ManifestAsksForCommonControls6OfTheProgramsArchitecture) {
    // Windows refuses to start a program whose manifest names another
    // architecture than its own, for itself or for its common controls.
#if defined(_WIN64)
    const std::string architecture = "processorArchitecture=\"amd64\"";
#else
    const std::string architecture = "processorArchitecture=\"x86\"";
#endif
    const std::string manifest = Resource(RT_MANIFEST, 1);
    ASSERT_FALSE(manifest.empty());
    const size_t controls =
        manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"");
    ASSERT_NE(controls, std::string::npos);
    EXPECT_NE(manifest.find("name=\"Kelvarin\" version=\"1.0.0.1\" " + architecture),
              std::string::npos);
    EXPECT_NE(manifest.find(architecture, controls), std::string::npos);
}

TEST_F(ProgramImage, AboutEntryStringIsThere) {
    wchar_t text[64] = {};
    ::LoadStringW(m_module, IDS_ABOUTBOX, text, 64);
    EXPECT_STREQ(text, L"&About Kelvarin...");
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(ProgramImage, IconHasThreeSizesInThreeDepths) {
    const std::string group = Resource(RT_GROUP_ICON, IDR_MAINFRAME);
    ASSERT_GE(group.size(), 6u);
    WORD count = 0;
    memcpy(&count, group.data() + 4, 2);
    ASSERT_EQ(group.size(), 6u + count * sizeof(GroupIconEntry));
    std::map<std::pair<int, int>, int> found; // (size, bits) -> times
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry entry;
        memcpy(&entry, group.data() + 6 + i * sizeof(entry), sizeof(entry));
        EXPECT_EQ(entry.width, entry.height);
        ++found[{entry.width, entry.bitCount}];
    }
    std::map<std::pair<int, int>, int> expected;
    for (const int size : {48, 32, 16})
        for (const int bits : {4, 8, 24})
            expected[{size, bits}] = 1;
    EXPECT_EQ(found, expected);
}

struct Pixels {
    int width = 0, height = 0, bits = 0;
    std::map<COLORREF, int> colours; // colour -> pixel count
    std::vector<COLORREF> pixels;
};

Pixels ReadBitmap(HMODULE module, int id) {
    Pixels result;
    HBITMAP bitmap = static_cast<HBITMAP>(
        ::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION dib{};
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof(dib), &dib) != sizeof(dib))
        return result;
    result.width = dib.dsBm.bmWidth;
    result.height = dib.dsBm.bmHeight;
    result.bits = dib.dsBm.bmBitsPixel;
    const auto* bits = static_cast<const BYTE*>(dib.dsBm.bmBits);
    for (int y = 0; y < result.height && result.bits == 24; ++y)
        for (int x = 0; x < result.width; ++x) {
            const BYTE* p = bits + y * dib.dsBm.bmWidthBytes + x * 3;
            result.pixels.push_back(RGB(p[2], p[1], p[0]));
            ++result.colours[result.pixels.back()];
        }
    ::DeleteObject(bitmap);
    return result;
}

// Every indicator image: 27 x 25, 24-bit, exactly two colours (the level's
// background and its label), and its label drawn alike in all its images and
// unlike every other label.
TEST_F(ProgramImage, IndicatorImagesShowTheirLabelsInTheirLevelsColours) {
    std::map<std::string_view, std::vector<bool>> labels; // label -> its pixels
    for (const ListedImage& listed : kListedImages) {
        SCOPED_TRACE(testing::Message() << "bitmap " << listed.resource << " " << listed.label);
        const Pixels image = ReadBitmap(m_module, listed.resource);
        EXPECT_EQ(image.width, 27);
        EXPECT_EQ(image.height, 25);
        EXPECT_EQ(image.bits, 24);
        const COLORREF background = listed.high ? RGB(0, 255, 0) : RGB(255, 0, 0);
        const COLORREF label = listed.high ? RGB(0, 0, 255) : RGB(0, 255, 0);
        ASSERT_EQ(image.colours.size(), 2u);
        EXPECT_GT(image.colours.at(background), 27 * 25 / 2);
        EXPECT_GT(image.colours.at(label), 20);
        std::vector<bool> mask;
        for (const COLORREF pixel : image.pixels)
            mask.push_back(pixel == label);
        EXPECT_TRUE(labels.emplace(listed.label, mask).first->second == mask)
            << "drawn unlike the label's other image";
    }
    for (auto a = labels.begin(); a != labels.end(); ++a)
        for (auto b = std::next(a); b != labels.end(); ++b)
            EXPECT_TRUE(a->second != b->second) << a->first << " and " << b->first << " look alike";
}

TEST_F(ProgramImage, AboutPictureIs363By315In24Bits) {
    const Pixels picture = ReadBitmap(m_module, IDB_ABOUT_PINOUT);
    EXPECT_EQ(picture.width, 363);
    EXPECT_EQ(picture.height, 315);
    EXPECT_EQ(picture.bits, 24);
}

} // namespace
