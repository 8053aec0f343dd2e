#include "tests/support/PaletteFixture.h"

#include <QApplication>
#include <QFont>
#include <QGlyphRun>
#include <QString>
#include <QTextLayout>

#include <string>
#include <vector>

namespace {

using CaptionGlyphs = PaletteFixture;

void collectCaptions(const fw::MenuItem& parent, std::vector<std::string>& captions)
{
    for (int32_t i = 0; i < parent.Count(); ++i) {
        fw::Ref<fw::MenuItem> item = parent.Item(i);
        if (!item->isSeparator())
            captions.push_back(item->Text.bytes());
        collectCaptions(*item, captions);
    }
}

// The glyphs that the text machinery picks for one character in this font, fallback fonts included.
// Glyph 0 is the empty box that a font draws for a character it does not hold.
bool drawnWithARealGlyph(char32_t character, const QFont& font)
{
    QTextLayout layout(QString::fromUcs4(&character, 1), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int glyphs = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 index : run.glyphIndexes()) {
            if (index == 0)
                return false;
            ++glyphs;
        }
    }
    return glyphs > 0;
}

// The captions are Japanese: without an installed font that holds their characters, the menus show
// rows of empty boxes.
TEST_F(CaptionGlyphs, EveryCharacterOfTheMenuCaptionsHasAGlyph)
{
    std::vector<std::string> captions;
    collectCaptions(*Global::MenuBar1(), captions);
    ASSERT_EQ(captions.size(), 9u);

    const QFont menuFont = QApplication::font("QMenu");
    for (const std::string& caption : captions) {
        QString missing;
        for (char32_t character : QString::fromStdString(caption).toUcs4()) {
            if (!drawnWithARealGlyph(character, menuFont))
                missing += QString::fromUcs4(&character, 1);
        }
        EXPECT_TRUE(missing.isEmpty()) << "no installed font draws \"" << missing.toStdString() << "\" of \""
                                       << caption << "\" (install a Japanese font: scripts/build.sh does)";
    }
}

} // namespace
