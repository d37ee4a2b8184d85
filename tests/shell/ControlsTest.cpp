#include <gtest/gtest.h>

#include <string>

#include "ProbeDialog.h"
#include "TestDialog.h"
#include "ui/resource.h"

namespace {

// The test template's controls bound to members, as a program's dialog does.
class BoundDialog : public PlainDialog {
public:
    BoundDialog() = default;
    explicit BoundDialog(UINT templateId) : PlainDialog(templateId) {}

    CEdit m_edit;
    CComboBox m_combo;
    CStatic m_picture;
    CButton m_pin;
    CButton m_missing;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        PlainDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_EDIT, m_edit);
        DDX_Control(pDX, IDC_TEST_COMBO, m_combo);
        DDX_Control(pDX, IDC_TEST_PICTURE, m_picture);
        DDX_Control(pDX, IDC_TEST_PIN, m_pin);
        DDX_Control(pDX, 999, m_missing);
    }
};

using BoundProbe = Probe<BoundDialog>;

std::vector<std::wstring> Entries(CComboBox& combo) {
    std::vector<std::wstring> entries;
    const int count = static_cast<int>(combo.SendMessage(CB_GETCOUNT));
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        combo.SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

TEST(Controls, DataExchangeBindsMembersToTheirControls) {
    struct Bound {
        CWnd* member;
        int id;
    };
    std::vector<std::pair<HWND, HWND>> seen; // member's window, dialog's control
    HWND missing = reinterpret_cast<HWND>(1);
    BoundProbe dialog([&](BoundProbe& d) {
        const Bound bound[] = {{&d.m_edit, IDC_TEST_EDIT},
                               {&d.m_combo, IDC_TEST_COMBO},
                               {&d.m_picture, IDC_TEST_PICTURE},
                               {&d.m_pin, IDC_TEST_PIN}};
        for (const Bound& b : bound)
            seen.emplace_back(b.member->m_hWnd, ::GetDlgItem(d.m_hWnd, b.id));
        missing = d.m_missing.m_hWnd;
        d.PostEnd();
    });
    dialog.DoModal();
    ASSERT_EQ(seen.size(), 4u);
    for (const auto& [member, control] : seen) {
        EXPECT_NE(control, nullptr);
        EXPECT_EQ(member, control);
    }
    EXPECT_EQ(missing, nullptr);
}

TEST(Controls, ListsStartWithTheTemplatesEntries) {
    std::vector<std::wstring> withLists, withoutLists;
    BoundProbe dialog([&](BoundProbe& d) {
        withLists = Entries(d.m_combo);
        d.PostEnd();
    });
    dialog.DoModal();
    BoundProbe plain(
        [&](BoundProbe& d) {
            withoutLists = Entries(d.m_combo);
            d.PostEnd();
        },
        IDD_TEST_NO_LISTS);
    plain.DoModal();
    EXPECT_EQ(withLists, (std::vector<std::wstring>{L"alpha", L"beta"}));
    EXPECT_TRUE(withoutLists.empty());
}

TEST(Controls, ComboBoxEntriesAndSelection) {
    int count = -1, added = -1, selection = -1;
    std::wstring shown;
    BoundProbe dialog([&](BoundProbe& d) {
        d.m_combo.ResetContent();
        count = static_cast<int>(d.m_combo.SendMessage(CB_GETCOUNT));
        for (const wchar_t* text : {L"ECP", L"EPP", L"PPF"})
            added = d.m_combo.AddString(text);
        d.m_combo.SetCurSel(1);
        selection = static_cast<int>(d.m_combo.SendMessage(CB_GETCURSEL));
        shown = d.m_combo.GetWindowText();
        d.PostEnd();
    });
    dialog.DoModal();
    EXPECT_EQ(count, 0);
    EXPECT_EQ(added, 2); // unsorted: appended
    EXPECT_EQ(selection, 1);
    EXPECT_EQ(shown, L"EPP");
}

TEST(Controls, WindowTextIsReadWholeWhateverItsLength) {
    const std::wstring texts[] = {L"", L"378", L"  1F  ", std::wstring(5000, L'a') + L"z"};
    std::vector<std::wstring> read;
    BoundProbe dialog([&](BoundProbe& d) {
        for (const std::wstring& text : texts) {
            d.m_edit.SetWindowText(text);
            read.push_back(d.m_edit.GetWindowText());
        }
        d.PostEnd();
    });
    dialog.DoModal();
    ASSERT_EQ(read.size(), std::size(texts));
    for (size_t i = 0; i < read.size(); ++i)
        EXPECT_EQ(read[i], texts[i]) << "text " << i;
}

TEST(Controls, EnableAndShow) {
    bool disabled = true, enabledAgain = false, hidden = true;
    BoundProbe dialog([&](BoundProbe& d) {
        d.m_pin.EnableWindow(false);
        disabled = !::IsWindowEnabled(d.m_pin.m_hWnd);
        d.m_pin.EnableWindow(true);
        enabledAgain = ::IsWindowEnabled(d.m_pin.m_hWnd) != FALSE;
        d.m_edit.ShowWindow(SW_HIDE);
        hidden = (::GetWindowLongW(d.m_edit.m_hWnd, GWL_STYLE) & WS_VISIBLE) == 0;
        d.PostEnd();
    });
    dialog.DoModal();
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(enabledAgain);
    EXPECT_TRUE(hidden);
}

TEST(Controls, BitmapsOnPicturesAndButtonsReplaceThePreviousOne) {
    HBITMAP high = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_LEGEND_HIGH));
    HBITMAP low = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_LEGEND_LOW));
    ASSERT_NE(high, nullptr);
    ASSERT_NE(low, nullptr);
    HBITMAP pictureFirst = high, pictureThen = nullptr, pinFirst = high, pinThen = nullptr;
    HBITMAP pictureShows = nullptr, pinShows = nullptr;
    BoundProbe dialog([&](BoundProbe& d) {
        pictureFirst = d.m_picture.SetBitmap(high);
        pictureThen = d.m_picture.SetBitmap(low);
        pictureShows =
            reinterpret_cast<HBITMAP>(d.m_picture.SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
        pinFirst = d.m_pin.SetBitmap(high);
        pinThen = d.m_pin.SetBitmap(low);
        pinShows = reinterpret_cast<HBITMAP>(d.m_pin.SendMessage(BM_GETIMAGE, IMAGE_BITMAP));
        d.PostEnd();
    });
    dialog.DoModal();
    EXPECT_EQ(pictureFirst, nullptr);
    EXPECT_EQ(pictureThen, high);
    EXPECT_EQ(pictureShows, low);
    EXPECT_EQ(pinFirst, nullptr);
    EXPECT_EQ(pinThen, high);
    EXPECT_EQ(pinShows, low);
    ::DeleteObject(high);
    ::DeleteObject(low);
}

} // namespace
