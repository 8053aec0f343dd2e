#include "framework/Graphics.h"
#include "framework/Picture.h"
#include "framework/qt/PictureImage.h"
#include "framework/qt/ScopedGraphics.h"

#include "tests/support/Pixels.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <climits>
#include <optional>
#include <vector>

using namespace fw;

namespace {

constexpr Color white = 0xFFFFFF_rgb;
constexpr Color black = 0x000000_rgb;
constexpr Color red = 0xFF0000_rgb;
constexpr Color background = 0xE8E8E8_rgb;

// A Graphics over a whole image of the given size, filled with a background colour.
struct Canvas {
    explicit Canvas(int width, int height, Color fill = white)
        : image(pixels::filled(width, height, fill))
        , scoped(image)
        , g(scoped.get())
    {
    }
    Color at(int x, int y) const { return pixels::at(image, x, y); }

    QImage image;
    qt::ScopedGraphics scoped;
    const Ref<Graphics>& g;
};

std::vector<int> rowsOf(const Canvas& canvas, int x, Color color)
{
    std::vector<int> rows;
    for (int y = 0; y < canvas.image.height(); ++y) {
        if (canvas.at(x, y) == color)
            rows.push_back(y);
    }
    return rows;
}

TEST(Graphics, SizeIsTheAreaAndDefaultsAreBlackPlainDefaultSize)
{
    Canvas canvas(100, 20);
    EXPECT_EQ(canvas.g->Width(), 100);
    EXPECT_EQ(canvas.g->Height(), 20);
    EXPECT_EQ(canvas.g->ForeColor(), black);
    EXPECT_FALSE(canvas.g->Bold());
    EXPECT_EQ(canvas.g->TextSize(), 0);
    canvas.g->setTextSize(12);
    EXPECT_EQ(canvas.g->TextSize(), 12);
}

TEST(Graphics, FillRectFillsExactlyItsPixelsInTheForeColor)
{
    Canvas canvas(10, 10);
    canvas.g->setForeColor(red);
    canvas.g->FillRect(2, 3, 4, 5);
    EXPECT_EQ(pixels::count(canvas.image, red), 20);
    EXPECT_EQ(canvas.at(2, 3), red);
    EXPECT_EQ(canvas.at(5, 7), red);
    EXPECT_EQ(canvas.at(6, 7), white);
    EXPECT_EQ(canvas.at(5, 8), white);
    EXPECT_EQ(canvas.at(1, 3), white);
}

TEST(Graphics, EmptyOrNegativeSizesAndHugeCoordinatesDrawNothingAndNeverFail)
{
    Canvas canvas(10, 10);
    canvas.g->setForeColor(red);
    canvas.g->FillRect(0, 0, 0, 5);
    canvas.g->FillRect(0, 0, 5, -1);
    canvas.g->FillRoundRect(0, 0, -3, 5, 4, 4);
    canvas.g->FillRect(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    canvas.g->FillRect(INT_MIN, INT_MIN, 5, 5);
    canvas.g->FillRoundRect(INT_MAX, 0, INT_MAX, INT_MAX, 10, 10);
    canvas.g->DrawLine(INT_MAX, INT_MAX, INT_MAX, INT_MIN);
    canvas.g->DrawString("far away", INT_MAX, INT_MAX, 0, false);
    EXPECT_EQ(pixels::count(canvas.image, white), 100);
}

TEST(Graphics, HugeRectanglesAreClippedToTheArea)
{
    Canvas canvas(10, 10);
    canvas.g->setForeColor(red);
    canvas.g->FillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    canvas.g->FillRoundRect(-5, -5, INT_MAX, INT_MAX, 10, 10);
    EXPECT_EQ(canvas.at(9, 9), red);
    EXPECT_EQ(canvas.at(0, 9), red);
}

// The button cell's worked example: a 100 x 20 cell, shadow then face.
TEST(Graphics, FillRoundRectCoversTheButtonRowsAndLeavesTheCorners)
{
    Canvas canvas(100, 20, background);
    canvas.g->FillRoundRect(5, 2, 90, 16, 10, 10);
    EXPECT_EQ(rowsOf(canvas, 50, black),
        (std::vector<int> { 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17 }));
    for (auto [x, y] : { std::pair { 5, 2 }, { 94, 2 }, { 5, 17 }, { 94, 17 } })
        EXPECT_EQ(canvas.at(x, y), background) << x << "," << y;
    // The straight sides reach the box's edges and no further.
    EXPECT_EQ(canvas.at(5, 10), black);
    EXPECT_EQ(canvas.at(94, 10), black);
    EXPECT_EQ(canvas.at(4, 10), background);
    EXPECT_EQ(canvas.at(95, 10), background);

    const Color face = 0xBDBBBD_rgb;
    canvas.g->setForeColor(face);
    canvas.g->FillRoundRect(5, 1, 90, 16, 10, 10);
    EXPECT_EQ(rowsOf(canvas, 50, face),
        (std::vector<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16 }));
    EXPECT_EQ(canvas.at(50, 17), black);
    for (int y : { 0, 18, 19 })
        EXPECT_EQ(canvas.at(50, y), background);
}

TEST(Graphics, FillRoundRectIsSymmetricAndWithoutCornersIsARectangle)
{
    Canvas round(20, 12);
    round.g->FillRoundRect(0, 0, 20, 12, 8, 6);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(round.at(x, y), round.at(19 - x, y)) << x << "," << y;
            EXPECT_EQ(round.at(x, y), round.at(x, 11 - y)) << x << "," << y;
        }
    }
    EXPECT_EQ(round.at(0, 0), white);
    EXPECT_EQ(round.at(0, 6), black);

    Canvas square(10, 10);
    square.g->FillRoundRect(1, 1, 8, 8, 0, 0);
    EXPECT_EQ(pixels::count(square.image, black), 64);
}

TEST(Graphics, DrawLineDrawsOnePixelWideWithBothEndPoints)
{
    struct Case {
        int x1, y1, x2, y2;
        std::vector<std::pair<int, int>> pixels;
    };
    const std::vector<Case> cases = {
        { 1, 2, 4, 2, { { 1, 2 }, { 2, 2 }, { 3, 2 }, { 4, 2 } } },
        { 4, 2, 1, 2, { { 1, 2 }, { 2, 2 }, { 3, 2 }, { 4, 2 } } },
        { 3, 1, 3, 3, { { 3, 1 }, { 3, 2 }, { 3, 3 } } },
        { 0, 0, 3, 3, { { 0, 0 }, { 1, 1 }, { 2, 2 }, { 3, 3 } } },
        { 0, 0, 4, 2, { { 0, 0 }, { 1, 1 }, { 2, 1 }, { 3, 2 }, { 4, 2 } } },
        { 2, 2, 2, 2, { { 2, 2 } } },
    };
    for (const Case& c : cases) {
        Canvas canvas(6, 6);
        canvas.g->DrawLine(c.x1, c.y1, c.x2, c.y2);
        std::vector<std::pair<int, int>> drawn;
        for (int x = 0; x < 6; ++x) {
            for (int y = 0; y < 6; ++y) {
                if (canvas.at(x, y) == black)
                    drawn.emplace_back(x, y);
            }
        }
        EXPECT_EQ(drawn, c.pixels) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
}

TEST(Graphics, DrawLinePastTheAreaDrawsOnlyItsVisiblePart)
{
    Canvas canvas(20, 10);
    // The gradient's last line lies one past the area; a line of any length ends at once.
    canvas.g->DrawLine(0, 10, 20, 10);
    EXPECT_EQ(pixels::count(canvas.image, black), 0);
    canvas.g->DrawLine(-100, 3, INT_MAX, 3);
    EXPECT_EQ(rowsOf(canvas, 0, black), std::vector<int> { 3 });
    EXPECT_EQ(pixels::count(canvas.image, black), 20);
    canvas.g->DrawLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(canvas.at(5, 5), black);
}

// Rows of the image that hold dark pixels, from the first to the last.
std::pair<int, int> darkRows(const QImage& image)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (pixels::dark(image, x, y)) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return { first, last };
}

TEST(Graphics, DrawStringSitsOnItsBaselineFromItsLeftEnd)
{
    Canvas canvas(100, 30);
    canvas.g->setTextSize(12);
    canvas.g->DrawString("Hxl", 20, 14, 0, false);
    auto [first, last] = darkRows(canvas.image);
    ASSERT_GE(first, 0) << "nothing was drawn";
    EXPECT_LE(last, 14);
    EXPECT_GE(last, 12);
    // Capitals of 12 pixels stand about 9 pixels high.
    EXPECT_LE(first, 14 - 6);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 19; ++x)
            EXPECT_FALSE(pixels::dark(canvas.image, x, y)) << x << "," << y;
    }
}

TEST(Graphics, DrawStringFromANegativeXShowsItsRightPart)
{
    Canvas canvas(40, 20);
    canvas.g->DrawString("WWWWWWWW", -20, 15, 0, false);
    auto [first, last] = darkRows(canvas.image);
    EXPECT_GE(first, 0);
    EXPECT_LE(last, 15);
}

TEST(Graphics, DrawStringInTheForeColorAndOnOneLine)
{
    Canvas canvas(60, 40);
    canvas.g->setForeColor(red);
    canvas.g->DrawString("HHH HHH HHH HHH", 0, 14, 0, false);
    EXPECT_GT(pixels::count(canvas.image, red), 10);
    auto [first, last] = darkRows(canvas.image);
    EXPECT_LE(last, 14);
}

TEST(Graphics, AWrapWidthWrapsAndCondenseShortens)
{
    Canvas wrapped(200, 60);
    wrapped.g->DrawString("HHH HHH HHH HHH", 0, 14, 40, false);
    EXPECT_GT(darkRows(wrapped.image).second, 20);

    Canvas condensed(200, 60);
    const String text = "HHHHHHHHHHHHHHHHHHHHHHHH";
    condensed.g->DrawString(text, 0, 14, 40, true);
    EXPECT_LE(darkRows(condensed.image).second, 14);
    ASSERT_GT(condensed.g->StringWidth(text), 60.0);
    for (int y = 0; y < 60; ++y) {
        for (int x = 42; x < 200; ++x)
            EXPECT_FALSE(pixels::dark(condensed.image, x, y)) << x << "," << y;
    }
}

TEST(Graphics, TextThatIsNotUtf8DrawsWithReplacementCharacters)
{
    Canvas canvas(60, 20);
    const String broken(std::string("\xFF\xFE\xC3", 3), Encoding::UTF8);
    EXPECT_GT(canvas.g->StringWidth(broken), 0.0);
    canvas.g->DrawString(broken, 2, 15, 0, false);
    EXPECT_GE(darkRows(canvas.image).first, 0);
    EXPECT_GT(canvas.g->StringWidth(String::fromBytes("\x80\x81")), 0.0);
}

TEST(Graphics, StringWidthGrowsWithTheTextTheSizeAndBold)
{
    Canvas canvas(10, 10);
    EXPECT_EQ(canvas.g->StringWidth(""), 0.0);
    const double one = canvas.g->StringWidth("H");
    EXPECT_GT(one, 0.0);
    EXPECT_GT(canvas.g->StringWidth("HH"), one);
    EXPECT_GT(canvas.g->StringWidth("HHH"), canvas.g->StringWidth("HH"));

    canvas.g->setTextSize(Graphics::defaultTextSize);
    const double atDefault = canvas.g->StringWidth("Caption");
    canvas.g->setTextSize(0);
    EXPECT_EQ(canvas.g->StringWidth("Caption"), atDefault);
    canvas.g->setTextSize(24);
    EXPECT_GT(canvas.g->StringWidth("H"), one * 1.5);
    canvas.g->setTextSize(12);
    const double plain = canvas.g->StringWidth("Caption");
    canvas.g->setBold(true);
    EXPECT_GE(canvas.g->StringWidth("Caption"), plain);
}

// One Graphics measures texts in turn, each in its own style, as one cell's paint does: every width is
// the one a fresh Graphics gives, whatever was measured just before.
TEST(Graphics, EachWidthFollowsItsOwnTextAndStyleAfterOthers)
{
    struct Case {
        const char* text;
        int32_t size;
        bool bold;
        const char* font;
    } cases[] = {
        { "Caption", 12, false, "" },
        { "Caption", 12, false, "" }, // the same again
        { "caption", 12, false, "" }, // differs in case alone
        { "Caption", 24, false, "" },
        { "Caption", 24, true, "" },
        { "Caption", 24, true, "DejaVu Serif" },
        { "Caption", 24, true, "dejavu serif" },
        { "Caption", 12, false, "" }, // back to the first
        { "Captions", 12, false, "" },
    };
    Canvas canvas(10, 10);
    for (const Case& c : cases) {
        Canvas fresh(10, 10);
        for (Graphics* g : { canvas.g.get(), fresh.g.get() }) {
            g->setTextSize(c.size);
            g->setBold(c.bold);
            g->TextFont = c.font;
        }
        EXPECT_EQ(canvas.g->StringWidth(c.text), fresh.g->StringWidth(c.text))
            << c.text << " at " << c.size << (c.bold ? " bold" : "") << " in '" << c.font << "'";
    }
}

// One text measured on one Graphics at two sizes, or in two fonts, gets two widths.
TEST(Graphics, ATextAtTwoSizesOrInTwoFontsGetsTwoWidths)
{
    Canvas canvas(10, 10);
    Graphics& g = *canvas.g;
    g.setTextSize(12);
    const double atTwelve = g.StringWidth("iiiiiiii");
    g.setTextSize(24);
    EXPECT_GT(g.StringWidth("iiiiiiii"), atTwelve * 1.5);
    g.setTextSize(12);
    EXPECT_EQ(g.StringWidth("iiiiiiii"), atTwelve);

    // Fonts that the build installs: a narrow i and a monospaced one.
    g.TextFont = "DejaVu Sans";
    const double proportional = g.StringWidth("iiiiiiii");
    g.TextFont = "DejaVu Sans Mono";
    EXPECT_GT(g.StringWidth("iiiiiiii"), proportional * 1.5);
    g.TextFont = "DejaVu Sans";
    EXPECT_EQ(g.StringWidth("iiiiiiii"), proportional);
}

// The widgets' case: one cell of a bigger device, through a painter that the widget owns.
TEST(Graphics, OverAPainterTheAreaIsTheOriginAndTheClip)
{
    QImage image = pixels::filled(50, 50, white);
    QPainter painter(&image);
    std::optional<qt::ScopedGraphics> scoped(std::in_place, painter, QRect(10, 20, 20, 10));
    Ref<Graphics> g = scoped->get();
    EXPECT_EQ(g->Width(), 20);
    EXPECT_EQ(g->Height(), 10);
    g->setForeColor(red);
    g->FillRect(-5, -5, 100, 100);
    g->setForeColor(black);
    g->DrawLine(0, 0, 0, 0);
    g->DrawString("WWWWWWWWWW", 0, 9, 0, false);
    scoped.reset();
    painter.end();

    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 20 && y < 30;
            if (!inside) {
                EXPECT_EQ(pixels::at(image, x, y), white) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(pixels::at(image, 10, 20), black);
    EXPECT_EQ(pixels::at(image, 29, 29), red);
}

// A handler that keeps the cell's Graphics past its paint.
TEST(Graphics, AGraphicsKeptPastItsScopeDrawsNothing)
{
    QImage image = pixels::filled(10, 10, white);
    Ref<Graphics> g;
    {
        qt::ScopedGraphics scoped(image);
        g = scoped.get();
    }
    EXPECT_EQ(g->Width(), 0);
    g->FillRect(0, 0, 10, 10);
    g->DrawString("H", 0, 9, 0, false);
    EXPECT_GT(g->StringWidth("H"), 0.0);
    EXPECT_EQ(pixels::count(image, white), 100);
}

// A 4 x 3 picture: red, with a blue pixel at its top-left.
Ref<Picture> redPicture()
{
    QImage image = pixels::filled(4, 3, red);
    image.setPixel(0, 0, qRgb(0, 0, 255));
    return qt::pictureFromImage(image);
}

TEST(Graphics, DrawPictureWithOwnSizesCopiesItUnscaled)
{
    static_assert(Graphics::ownSize == -10000, "scripts write the picture's own size as -10000");
    Canvas canvas(10, 10);
    canvas.g->DrawPicture(
        redPicture(), 2, 1, Graphics::ownSize, Graphics::ownSize, 0, 0, Graphics::ownSize, Graphics::ownSize);
    EXPECT_EQ(pixels::count(canvas.image, red), 11);
    EXPECT_EQ(canvas.at(2, 1), 0x0000FF_rgb);
    EXPECT_EQ(canvas.at(5, 3), red);
    EXPECT_EQ(canvas.at(6, 3), white);
    EXPECT_EQ(canvas.at(5, 4), white);
}

TEST(Graphics, DrawPictureScalesAndTakesPartsOfTheSource)
{
    Canvas scaled(10, 10);
    scaled.g->DrawPicture(redPicture(), 0, 0, 8, 6, 0, 0, Graphics::ownSize, Graphics::ownSize);
    EXPECT_EQ(pixels::count(scaled.image, 0x0000FF_rgb), 4);
    EXPECT_EQ(pixels::count(scaled.image, red), 44);

    Canvas part(10, 10);
    part.g->DrawPicture(redPicture(), 0, 0, 2, 2, 1, 0, 2, 2);
    EXPECT_EQ(pixels::count(part.image, red), 4);
    EXPECT_EQ(part.at(2, 0), white);

    // An own-size destination is the whole picture's size, also when only a part is drawn.
    Canvas stretched(10, 10);
    stretched.g->DrawPicture(redPicture(), 0, 0, Graphics::ownSize, Graphics::ownSize, 1, 0, 2, 2);
    EXPECT_EQ(pixels::count(stretched.image, red), 12);

    // A source reaching past the picture shows only the picture's part.
    Canvas beyond(10, 10);
    beyond.g->DrawPicture(redPicture(), 0, 0, 1000, 1000, -2, -2, 1000, 1000);
    EXPECT_EQ(beyond.at(1, 1), white);
    EXPECT_EQ(beyond.at(2, 2), 0x0000FF_rgb);
    EXPECT_EQ(beyond.at(5, 4), red);
    EXPECT_EQ(beyond.at(6, 4), white);
}

TEST(Graphics, DrawPictureOfNothingDrawsNothing)
{
    Canvas canvas(10, 10);
    canvas.g->DrawPicture(redPicture(), 0, 0, 0, 5, 0, 0, Graphics::ownSize, Graphics::ownSize);
    canvas.g->DrawPicture(redPicture(), 0, 0, 5, 5, 0, 0, -1, 3);
    canvas.g->DrawPicture(redPicture(), 0, 0, 5, 5, 4, 3, 5, 5);
    canvas.g->DrawPicture(New<Picture>(), 0, 0, Graphics::ownSize, Graphics::ownSize, 0, 0, Graphics::ownSize,
        Graphics::ownSize);
    EXPECT_EQ(pixels::count(canvas.image, white), 100);
    EXPECT_THROW(canvas.g->DrawPicture(nullptr, 0, 0, 1, 1, 0, 0, 1, 1), NilObjectException);
}

TEST(Graphics, DrawPictureShowsOnlyWhatItsMaskShows)
{
    Ref<Picture> picture = redPicture();
    Ref<Graphics> mask = picture->Mask(true)->Graphics();
    mask->setForeColor(white);
    mask->FillRect(1, 0, 1, 3);
    mask->setForeColor(0x808080_rgb);
    mask->FillRect(3, 0, 1, 1);

    Canvas canvas(4, 3, 0x00FF00_rgb);
    canvas.g->DrawPicture(
        picture, 0, 0, Graphics::ownSize, Graphics::ownSize, 0, 0, Graphics::ownSize, Graphics::ownSize);
    EXPECT_EQ(canvas.at(0, 0), 0x0000FF_rgb);
    EXPECT_EQ(canvas.at(1, 0), 0x00FF00_rgb);
    EXPECT_EQ(canvas.at(1, 2), 0x00FF00_rgb);
    EXPECT_EQ(canvas.at(2, 2), red);
    // Grey lets about half show.
    const Color half = canvas.at(3, 0);
    EXPECT_NEAR(half.red(), 127, 8);
    EXPECT_NEAR(half.green(), 128, 8);

    // Scaled, the mask scales with the picture.
    Canvas scaled(8, 6, 0x00FF00_rgb);
    scaled.g->DrawPicture(picture, 0, 0, 8, 6, 0, 0, Graphics::ownSize, Graphics::ownSize);
    EXPECT_EQ(scaled.at(2, 5), 0x00FF00_rgb);
    EXPECT_EQ(scaled.at(3, 5), 0x00FF00_rgb);
    EXPECT_EQ(scaled.at(4, 5), red);
}

} // namespace
