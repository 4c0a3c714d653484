#include "previewwidth.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(PreviewWidth, ZoomGoesStepByStepAndStopsAtTheEnds)
{
    const struct
    {
        int from, in, out;
    } cases[] = {
        {100, 110, 90},  {25, 33, 25},    {500, 500, 400},
        {105, 110, 100}, // a zoom between steps (an older profile) takes the nearest on its side
        {10, 25, 25},    {900, 500, 500},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ZoomedIn(c.from), c.in) << c.from;
        EXPECT_EQ(ZoomedOut(c.from), c.out) << c.from;
    }
}

TEST(PreviewWidth, TheProfileReadsBackWhatItWasWrittenOnly)
{
    for (const PreviewLayout layout : {PreviewLayout{}, PreviewLayout{PreviewWidth::Phone, 125},
                                       PreviewLayout{PreviewWidth::Tablet, 25}})
        EXPECT_EQ(ReadPreviewLayout(WritePreviewLayout(layout)), layout);
    EXPECT_EQ(WritePreviewLayout({PreviewWidth::Phone, 125}), "phone 125");
    for (const char *written : {"", "phone", "phone ", "watch 100", "phone 12x", "phone 1000",
                                "tablet 0", "Phone 100", "full -100"})
        EXPECT_FALSE(ReadPreviewLayout(written)) << written;
}
