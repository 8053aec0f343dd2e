#include "framework/Graphics.h"
#include "framework/Picture.h"
#include "framework/ResourceFork.h"
#include "framework/qt/PictureImage.h"

#include "tests/support/Pixels.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

TEST(Picture, MaskIsMadeOnlyWhenAskedForAndShowsEveryPixel)
{
    Ref<Picture> picture = qt::pictureFromImage(pixels::filled(5, 4, 0x123456_rgb));
    EXPECT_EQ(picture->Width(), 5);
    EXPECT_EQ(picture->Height(), 4);
    EXPECT_TRUE(picture->Mask(false).isNil());

    Ref<Picture> mask = picture->Mask(true);
    ASSERT_FALSE(mask.isNil());
    EXPECT_EQ(mask->Width(), 5);
    EXPECT_EQ(mask->Height(), 4);
    EXPECT_EQ(pixels::count(fw::qt::imageOf(*mask), 0x000000_rgb), 20);
    EXPECT_TRUE(mask->Mask(false).isNil());
    EXPECT_EQ(picture->Mask(true), mask);
    EXPECT_EQ(picture->Mask(false), mask);
}

TEST(Picture, GraphicsDrawsIntoThePicturesOwnPixels)
{
    Ref<Picture> picture = qt::pictureFromImage(pixels::filled(6, 6, 0xFFFFFF_rgb));
    Ref<Graphics> g = picture->Graphics();
    EXPECT_EQ(picture->Graphics(), g);
    EXPECT_EQ(g->Width(), 6);
    EXPECT_EQ(g->Height(), 6);
    g->setForeColor(0xFF0000_rgb);
    g->FillRect(1, 1, 2, 2);
    EXPECT_EQ(pixels::at(fw::qt::imageOf(*picture), 1, 1), 0xFF0000_rgb);
    g->FillRect(4, 4, 1, 1);
    EXPECT_EQ(pixels::count(fw::qt::imageOf(*picture), 0xFF0000_rgb), 5);
}

TEST(Picture, AGraphicsKeptPastItsPictureDrawsNothing)
{
    Ref<Graphics> g = qt::pictureFromImage(pixels::filled(6, 6, 0xFFFFFF_rgb))->Graphics();
    EXPECT_EQ(g->Width(), 0);
    g->FillRect(0, 0, 6, 6);
}

TEST(Picture, AnEmptyPictureHasAnEmptyMaskAndSurface)
{
    Ref<Picture> picture = New<Picture>();
    EXPECT_EQ(picture->Width(), 0);
    EXPECT_EQ(picture->Mask(true)->Width(), 0);
    picture->Graphics()->FillRect(0, 0, 10, 10);
    EXPECT_EQ(picture->Graphics()->Width(), 0);
}

TEST(ResourceFork, TheCompiledForkHoldsTheSixPicturesAndNothingElse)
{
    Ref<ResourceFork> fork = appResourceForkGetter();
    ASSERT_FALSE(fork.isNil());
    for (int32_t id = 168; id <= 173; ++id) {
        Ref<Picture> picture = fork->GetPicture(id);
        ASSERT_FALSE(picture.isNil()) << id;
        EXPECT_EQ(picture->Width(), 16) << id;
        EXPECT_EQ(picture->Height(), 16) << id;
    }
    EXPECT_TRUE(fork->GetPicture(167).isNil());
    EXPECT_TRUE(fork->GetPicture(174).isNil());
    EXPECT_TRUE(fork->GetPicture(-1).isNil());
    // Every load is a picture of its own.
    EXPECT_FALSE(fork->GetPicture(168) == fork->GetPicture(168));
}

TEST(ResourceFork, MasksAreBlackWhereTheIconShowsAndWhiteAtTheCorners)
{
    Ref<ResourceFork> fork = appResourceForkGetter();
    for (int32_t id : { 169, 171, 173 }) {
        Ref<Picture> picture = fork->GetPicture(id);
        const QImage& mask = fw::qt::imageOf(*picture);
        for (auto [x, y] : { std::pair { 0, 0 }, { 15, 0 }, { 0, 15 }, { 15, 15 } })
            EXPECT_EQ(pixels::at(mask, x, y), 0xFFFFFF_rgb) << id;
        EXPECT_GT(pixels::count(mask, 0x000000_rgb), 40) << id;
    }
}

TEST(ResourceFork, AScopedForkReplacesTheResourcesAndGivesThemBack)
{
    Ref<Picture> replacement = qt::pictureFromImage(pixels::filled(2, 2, 0x000000_rgb));
    {
        ResourceForkSeam::Scoped replaced(
            New<ResourceFork>([&](int32_t id) { return id == 5 ? replacement : nullptr; }));
        EXPECT_EQ(appResourceForkGetter()->GetPicture(5), replacement);
        EXPECT_TRUE(appResourceForkGetter()->GetPicture(168).isNil());
        {
            ResourceForkSeam::Scoped none(nullptr);
            EXPECT_TRUE(appResourceForkGetter().isNil());
        }
        EXPECT_EQ(appResourceForkGetter()->GetPicture(5), replacement);
    }
    EXPECT_FALSE(appResourceForkGetter()->GetPicture(168).isNil());
}

} // namespace
