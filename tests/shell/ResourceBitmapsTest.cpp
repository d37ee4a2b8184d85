#include "framework/ResourceBitmaps.h"

#include <gtest/gtest.h>

#include "GdiCount.h"
#include "ProbeDialog.h"
#include "TestDialog.h"
#include "ui/resource.h"

namespace {

HINSTANCE ThisModule() {
    return ::GetModuleHandleW(nullptr);
}

TEST(ResourceBitmaps, LoadsEachBitmapOnce) {
    ResourceBitmaps bitmaps(ThisModule());
    HBITMAP high = bitmaps.Get(IDB_LEGEND_HIGH);
    HBITMAP low = bitmaps.Get(IDB_LEGEND_LOW);
    ASSERT_NE(high, nullptr);
    ASSERT_NE(low, nullptr);
    EXPECT_NE(high, low);
    EXPECT_EQ(bitmaps.Get(IDB_LEGEND_HIGH), high);
    EXPECT_EQ(bitmaps.Get(IDB_LEGEND_LOW), low);
    EXPECT_EQ(bitmaps.Get(9999), nullptr); // no such bitmap
    EXPECT_EQ(bitmaps.Get(9999), nullptr);
}

TEST(ResourceBitmaps, DeletesItsBitmapsWhenDestroyed) {
    HBITMAP bitmap = nullptr;
    {
        ResourceBitmaps bitmaps(ThisModule());
        bitmap = bitmaps.Get(IDB_D0_HIGH);
        ASSERT_EQ(::GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    }
    EXPECT_EQ(::GetObjectType(bitmap), 0u);
}

// Images switched on a live picture, as the indicators are: the GDI objects
// of the process do not grow with the number of switches, and are all gone
// with the bitmaps' owner.
TEST(ResourceBitmaps, NothingAccumulatesHoweverOftenImagesChange) {
    // The first dialog of a process creates objects that live on (fonts).
    Probe<PlainDialog> warmUp([](Probe<PlainDialog>& d) { d.PostEnd(); });
    warmUp.DoModal();
    const int before = GdiObjectCount();
    ASSERT_GE(before, 0) << "no way to count GDI objects here";

    int afterFirstRound = -1, afterManyRounds = -1;
    {
        ResourceBitmaps bitmaps(ThisModule());
        Probe<PlainDialog> dialog([&](Probe<PlainDialog>& d) {
            CStatic picture(d.GetDlgItem(IDC_TEST_PICTURE).m_hWnd);
            auto round = [&] {
                for (const int image : {IDB_D0_HIGH, IDB_D0_LOW, IDB_C0_HIGH, IDB_C0_LOW})
                    picture.SetBitmap(bitmaps.Get(image));
            };
            round();
            afterFirstRound = GdiObjectCount();
            for (int i = 0; i < 500; ++i)
                round();
            afterManyRounds = GdiObjectCount();
            d.PostEnd();
        });
        dialog.DoModal();
    }
    EXPECT_GT(afterFirstRound, before) << "the first round loads the images";
    EXPECT_EQ(afterManyRounds, afterFirstRound);
    EXPECT_EQ(GdiObjectCount(), before);
}

} // namespace
