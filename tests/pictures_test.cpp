#include "app/Pictures.h"

#include "framework/Graphics.h"
#include "framework/ResourceFork.h"
#include "framework/qt/PictureImage.h"
#include "framework/qt/ScopedGraphics.h"

#include "tests/support/Pixels.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

using namespace fw;

namespace {

using Getter = Ref<Picture> (*)();

void releaseAll()
{
    for (PictureCache* cache : pictureCaches())
        cache->__Exit();
}

// A 4 x 4 red icon, and a mask that hides its top-left pixel.
Ref<Picture> icon()
{
    return qt::pictureFromImage(pixels::filled(4, 4, 0xFF0000_rgb));
}
Ref<Picture> mask()
{
    QImage image = pixels::filled(4, 4, 0x000000_rgb);
    image.setPixel(0, 0, qRgb(255, 255, 255));
    return qt::pictureFromImage(image);
}

// The resource fork the getters see: what it holds, and how often each id was asked for.
class PicturesTest : public testing::Test {
protected:
    void SetUp() override { releaseAll(); }
    void TearDown() override { releaseAll(); }

    void hold(int32_t id, Ref<Picture> picture) { held[id] = std::move(picture); }
    ResourceForkSeam::Scoped fork { New<ResourceFork>([this](int32_t id) {
        ++asked[id];
        auto found = held.find(id);
        return found == held.end() ? Ref<Picture>() : found->second;
    }) };

    std::map<int32_t, Ref<Picture>> held;
    std::map<int32_t, int> asked;
};

TEST_F(PicturesTest, AnIconGetterReturnsTheSamePictureAndDoesNotAskForItsMaskAgain)
{
    hold(168, icon());
    hold(169, mask());
    Ref<Picture> first = Reload();
    Ref<Picture> second = Reload();
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, held[168]);
    EXPECT_EQ(asked[168], 1);
    EXPECT_EQ(asked[169], 1);
    EXPECT_EQ(Reload::_permapic.picture, first);
    EXPECT_EQ(ReloadMASK::_permapic.picture, held[169]);
}

TEST_F(PicturesTest, AfterTheIconTheMaskGetterAnswersFromItsCache)
{
    hold(170, icon());
    hold(171, mask());
    Close();
    EXPECT_EQ(CloseMASK(), held[171]);
    EXPECT_EQ(asked[171], 1);
}

TEST_F(PicturesTest, TheIconsMaskIsTheWholeMaskPictureAndHidesWhatItHides)
{
    hold(172, icon());
    hold(173, mask());
    Ref<Picture> picture = folder();
    Ref<Picture> iconMask = picture->Mask(false);
    ASSERT_FALSE(iconMask.isNil());
    EXPECT_FALSE(iconMask == held[173]);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(
                pixels::at(fw::qt::imageOf(*iconMask), x, y), pixels::at(fw::qt::imageOf(*held[173]), x, y))
                << x << "," << y;
    }

    QImage target = pixels::filled(4, 4, 0x00FF00_rgb);
    qt::ScopedGraphics(target)->DrawPicture(
        picture, 0, 0, Graphics::ownSize, Graphics::ownSize, 0, 0, Graphics::ownSize, Graphics::ownSize);
    EXPECT_EQ(pixels::at(target, 0, 0), 0x00FF00_rgb);
    EXPECT_EQ(pixels::at(target, 1, 0), 0xFF0000_rgb);
    EXPECT_EQ(pixels::at(target, 3, 3), 0xFF0000_rgb);
}

TEST_F(PicturesTest, AMaskGetterAloneNeverMasksItself)
{
    hold(169, mask());
    Ref<Picture> picture = ReloadMASK();
    EXPECT_EQ(picture, held[169]);
    EXPECT_TRUE(picture->Mask(false).isNil());
    EXPECT_EQ(pixels::at(fw::qt::imageOf(*picture), 0, 0), 0xFFFFFF_rgb);
    EXPECT_EQ(pixels::at(fw::qt::imageOf(*picture), 1, 1), 0x000000_rgb);
    EXPECT_EQ(asked.count(168), 0u);
    EXPECT_TRUE(Reload::_permapic.picture.isNil());
}

// Each row: which of the pair the fork holds, what the icon getter gives, and what is cached.
TEST_F(PicturesTest, TheFailureTable)
{
    enum class Outcome { maskedIcon, plainIcon, nil, nilObjectException };
    struct Row {
        const char* situation;
        bool iconFound, maskFound;
        Outcome result;
        bool iconCached, maskCached;
    };
    const Row rows[] = {
        { "icon and mask found", true, true, Outcome::maskedIcon, true, true },
        { "icon found, mask missing", true, false, Outcome::plainIcon, true, false },
        { "icon missing, mask missing", false, false, Outcome::nil, false, false },
        { "icon missing, mask found", false, true, Outcome::nilObjectException, false, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.situation);
        releaseAll();
        held.clear();
        asked.clear();
        if (row.iconFound)
            hold(170, icon());
        if (row.maskFound)
            hold(171, mask());
        for (int call = 1; call <= 2; ++call) {
            std::optional<Ref<Picture>> result;
            bool raised = false;
            try {
                result = Close();
            } catch (const NilObjectException&) {
                raised = true;
            }
            EXPECT_EQ(Close::_permapic.picture.isNil(), !row.iconCached);
            EXPECT_EQ(CloseMASK::_permapic.picture.isNil(), !row.maskCached);
            EXPECT_EQ(raised, row.result == Outcome::nilObjectException);
            if (row.result == Outcome::nilObjectException)
                continue;
            ASSERT_TRUE(result.has_value());
            if (row.result == Outcome::nil) {
                EXPECT_TRUE(result->isNil());
            } else {
                EXPECT_EQ(*result, held[170]);
                EXPECT_EQ((*result)->Mask(false).isNil(), row.result == Outcome::plainIcon);
            }
        }
        // A missing picture is looked for again on every call; a found one only once.
        EXPECT_EQ(asked[170], row.iconCached ? 1 : 2);
        EXPECT_EQ(asked[171], row.maskCached ? 1 : (row.iconCached ? 1 : 2));
    }
}

TEST_F(PicturesTest, WithoutAResourceForkEveryGetterRaisesAndCachesNothing)
{
    ResourceForkSeam::Scoped none(nullptr);
    for (Getter getter : { Reload, ReloadMASK, Close, CloseMASK, folder, folderMASK })
        EXPECT_THROW(getter(), NilObjectException);
    for (PictureCache* cache : pictureCaches())
        EXPECT_TRUE(cache->picture.isNil());
}

TEST_F(PicturesTest, AfterTheExitsAllSixCachesAreNilAndThePicturesGo)
{
    for (int32_t id = 168; id <= 173; ++id)
        hold(id, id % 2 == 0 ? icon() : mask());
    Reload();
    Close();
    folder();
    Picture* loaded = held[168].get();
    held.clear();
    EXPECT_EQ(loaded->refCount(), 1);
    releaseAll();
    for (PictureCache* cache : pictureCaches())
        EXPECT_TRUE(cache->picture.isNil());
    // Releasing empty caches does no harm.
    releaseAll();
}

// The real resources, compiled into the program: the reload icon's mask hides its corners.
TEST(CompiledPictures, ReloadComesWithAMaskThatHidesItsCorners)
{
    releaseAll();
    Ref<Picture> picture = Reload();
    ASSERT_FALSE(picture.isNil());
    EXPECT_FALSE(picture->Mask(false).isNil());

    QImage target = pixels::filled(16, 16, 0x00FF00_rgb);
    qt::ScopedGraphics(target)->DrawPicture(
        picture, 0, 0, Graphics::ownSize, Graphics::ownSize, 0, 0, Graphics::ownSize, Graphics::ownSize);
    for (auto [x, y] : { std::pair { 0, 0 }, { 15, 0 }, { 0, 15 }, { 15, 15 } })
        EXPECT_EQ(pixels::at(target, x, y), 0x00FF00_rgb) << x << "," << y;
    EXPECT_LT(pixels::count(target, 0x00FF00_rgb), 16 * 16 - 40);

    for (Getter getter : { Close, folder }) {
        Ref<Picture> other = getter();
        ASSERT_FALSE(other.isNil());
        EXPECT_FALSE(other->Mask(false).isNil());
    }
    releaseAll();
}

} // namespace
