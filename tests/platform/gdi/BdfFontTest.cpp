// Reading LED fonts: what a damaged or foreign BDF file does to the reader and to drawing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gdi/BdfFont.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontRegistry.h"
#include "platform/vb/HandledErrors.h"
#include "tests/support/TestEnvironment.h"

namespace gdi {
namespace {

// A font of one character "A" (a 4-dot bar on the top row) in a `cell` grid, with `extra`
// lines just before the end.
std::string Font(const std::string& cell, const std::string& bbx = "4 1 0 4",
                 const std::string& extra = "") {
    return "STARTFONT 2.1\nFAMILY_NAME \"Test\"\nFONTBOUNDINGBOX " + cell +
           " 0 0\nFONT_ASCENT 5\nSTARTCHAR A\nENCODING 65\nBBX " + bbx + "\nBITMAP\nF0\nENDCHAR\n" +
           extra + "ENDFONT\n";
}

std::string Refusal(const std::string& text) {
    std::string reason;
    EXPECT_EQ(BdfFont::Parse(text, &reason), nullptr) << text;
    return reason;
}

TEST(BdfFont, ReadsAFontWithItsCellAndGlyphs) {
    std::string reason;
    auto font = BdfFont::Parse(Font("4 5"), &reason);
    ASSERT_NE(font, nullptr) << reason;
    EXPECT_EQ(font->Family(), "Test");
    EXPECT_EQ(font->CellWidth(), 5);
    EXPECT_EQ(font->CellHeight(), 6);
    ASSERT_NE(font->Find(U'A'), nullptr);
    EXPECT_EQ(*font->Find(U'A'), (BdfFont::Rows{0xF, 0, 0, 0, 0}));

    // Lines ended the Windows way read the same.
    std::string crlf;
    for (char c : Font("4 5"))
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    auto same = BdfFont::Parse(crlf);
    ASSERT_NE(same, nullptr);
    EXPECT_EQ(same->Family(), "Test");
    EXPECT_EQ(*same->Find(U'A'), *font->Find(U'A'));

    // The widest and tallest grid an LED font can have.
    EXPECT_NE(BdfFont::Parse(Font(std::to_string(BdfFont::kMaxDotsWide) + " " +
                                  std::to_string(BdfFont::kMaxDotsHigh))),
              nullptr);
}

TEST(BdfFont, RefusesACellSizeThatChanges) {
    EXPECT_NE(Refusal(Font("4 1", "4 1 0 0", "FONTBOUNDINGBOX 4 12 0 0\n")).find("second"),
              std::string::npos);
    EXPECT_FALSE(Refusal(Font("4 5", "4 1 0 4", "FONTBOUNDINGBOX 4 5 0 0\n")).empty())
        << "one cell size per font, even when the second repeats it";
}

TEST(BdfFont, RefusesGridsNoLedFontHas) {
    for (const std::string cell :
         {"32 1", "17 7", "0 7", "5 0", "-5 7", "5 33", "5 99999999999", "5 x", "5"})
        EXPECT_NE(Refusal(Font(cell)).find("FONTBOUNDINGBOX"), std::string::npos) << cell;
    EXPECT_FALSE(Refusal("STARTFONT 2.1\nFAMILY_NAME \"NoBox\"\nENDFONT\n").empty());
}

TEST(BdfFont, RefusesNumbersThatWouldOverflowItsArithmetic) {
    for (const std::string bbx : {"4 1 0 2147483647", "4 1 -2147483648 0", "2147483647 1 0 0",
                                  "4 2147483647 0 0", "4 1 0 99999999999", "4 1 0"})
        EXPECT_NE(Refusal(Font("4 5", bbx)).find("BBX"), std::string::npos) << bbx;
    std::string ascent = Font("4 5");
    ascent.replace(ascent.find("FONT_ASCENT 5"), 13, "FONT_ASCENT 2147483647");
    EXPECT_NE(Refusal(ascent).find("FONT_ASCENT"), std::string::npos);
    std::string encoding = Font("4 5");
    encoding.replace(encoding.find("ENCODING 65"), 11, "ENCODING 4294967361");
    EXPECT_NE(Refusal(encoding).find("ENCODING"), std::string::npos);
}

TEST(BdfFont, RefusesGlyphsBeforeTheirGridAndRowsThatAreNotHex) {
    EXPECT_FALSE(Refusal("STARTFONT 2.1\nFAMILY_NAME \"Early\"\nSTARTCHAR A\nENCODING 65\n"
                         "BBX 4 1 0 0\nBITMAP\nF0\nENDCHAR\nFONTBOUNDINGBOX 4 5 0 0\n")
                     .empty());
    std::string row = Font("4 5");
    row.replace(row.find("\nF0\n"), 4, "\nZZ\n");
    EXPECT_NE(Refusal(row).find("BITMAP"), std::string::npos);
}

std::string Shipped5x7() {
    std::ifstream file(FontRegistry::Instance().FontsFolder() + "/veldo-5x7.bdf");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A file cut off anywhere, or whose parts disagree, would draw the characters it lost as
// hollow boxes: it is refused, and the reason says where it breaks.
TEST(BdfFont, RefusesAFileCutOffOrAtOddsWithItself) {
    const std::string whole = Shipped5x7();
    ASSERT_NE(BdfFont::Parse(whole), nullptr);
    const std::string half = whole.substr(0, whole.size() / 2);
    EXPECT_NE(Refusal(half).find("cut off"), std::string::npos) << "inside a character";
    const std::string lastGlyph = whole.substr(0, whole.rfind("ENDCHAR\n") + 8);
    EXPECT_NE(Refusal(lastGlyph).find("without ENDFONT"), std::string::npos);
    const std::string noLastLine = whole.substr(0, whole.rfind("ENDCHAR\n"));
    EXPECT_NE(Refusal(noLastLine).find("ends inside character 163 (ENCODING"), std::string::npos);
    EXPECT_EQ(Refusal(""), "the file is empty");

    std::string counted = Font("4 5");
    counted.replace(counted.find("STARTCHAR"), 0, "CHARS 1\n");
    ASSERT_NE(BdfFont::Parse(counted), nullptr) << "CHARS as the file holds";
    std::string fewer = counted;
    fewer.replace(fewer.find("CHARS 1"), 7, "CHARS 163");
    EXPECT_EQ(Refusal(fewer), "CHARS says 163 characters but the file holds 1");
    std::string more =
        Font("4 5", "4 1 0 4", "STARTCHAR B\nENCODING 66\nBBX 4 1 0 4\nBITMAP\n80\nENDCHAR\n");
    more.replace(more.find("STARTCHAR"), 0, "CHARS 1\n");
    EXPECT_NE(Refusal(more).find("CHARS says 1 "), std::string::npos);

    std::string noEndChar =
        Font("4 5", "4 1 0 4", "STARTCHAR B\nENCODING 66\nBBX 4 1 0 4\nBITMAP\n80\nENDCHAR\n");
    noEndChar.erase(noEndChar.find("ENDCHAR\n"), 8);
    EXPECT_NE(Refusal(noEndChar).find("character 1 (ENCODING 65) has no ENDCHAR"),
              std::string::npos);
    std::string endsUnclosed = Font("4 5");
    endsUnclosed.erase(endsUnclosed.find("ENDCHAR\n"), 8);
    EXPECT_NE(Refusal(endsUnclosed).find("no ENDCHAR"), std::string::npos);
    std::string nextUnclosed = Font("4 5", "4 2 0 3");
    nextUnclosed.replace(nextUnclosed.find("F0\nENDCHAR\n"), 11, "F0\nSTARTCHAR B\n");
    EXPECT_EQ(Refusal(nextUnclosed),
              "character 1 (ENCODING 65) has fewer BITMAP rows (1) than its BBX is high (2)");
    std::string shortRows = Font("4 5", "4 3 0 2");
    EXPECT_EQ(Refusal(shortRows),
              "character 1 (ENCODING 65) has fewer BITMAP rows (1) than its BBX is high (3)");

    std::string longRows = Font("4 5");
    longRows.replace(longRows.find("F0\n"), 3, "F0\n90\n");
    EXPECT_EQ(Refusal(longRows),
              "character 1 (ENCODING 65) has more BITMAP rows than its BBX is high (1)");

    std::string noBox = Font("4 5");
    noBox.erase(noBox.find("BBX 4 1 0 4\n"), 12);
    EXPECT_NE(Refusal(noBox).find("no BBX"), std::string::npos);
    std::string noEncoding = Font("4 5");
    noEncoding.erase(noEncoding.find("ENCODING 65\n"), 12);
    EXPECT_NE(Refusal(noEncoding).find("no ENCODING"), std::string::npos);
    std::string strayBitmap = Font("4 5");
    strayBitmap.erase(strayBitmap.find("STARTCHAR A\n"), 12);
    EXPECT_NE(Refusal(strayBitmap).find("outside any character"), std::string::npos);
}

// A damaged font in the fonts folder is passed over with a logged error, once, when its face
// is first asked for; its face is then drawn with the fallback, and the good fonts beside it
// stay.
TEST(BdfFont, TheRegistryPassesOverADamagedFontAndSaysWhich) {
    TestEnvironment env;
    auto& registry = FontRegistry::Instance();
    const std::string shipped = registry.FontsFolder();
    std::string damaged = Font("4 1", "4 1 0 0", "FONTBOUNDINGBOX 4 12 0 0\n");
    damaged.replace(damaged.find("\"Test\""), 6, "\"VELDO 5x7\"");
    const std::string damagedPath = env.WriteFile("fonts/damaged.bdf", damaged);
    std::filesystem::copy_file(shipped + "/veldo-4x5.bdf", env.Root() + "fonts/veldo-4x5.bdf");

    std::vector<std::string> logged;
    vb::SetHandledErrorSink([&](const std::string& label, const vb::ErrObject& error) {
        logged.push_back(label + "|" + std::to_string(error.Number) + "|" + error.Description);
    });
    registry.SetFontsFolder(env.Root() + "fonts");
    EXPECT_FALSE(registry.IsLedFace(FontRegistry::kDefaultFace));
    EXPECT_TRUE(logged.empty()) << "another face reads none of the LED fonts' characters";
    EXPECT_FALSE(registry.IsLedFace("VELDO 5x7"));
    EXPECT_TRUE(registry.IsLedFace("VELDO 4x5"));
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_NE(logged[0].find("|321|"), std::string::npos) << logged[0];
    EXPECT_NE(logged[0].find(damagedPath), std::string::npos) << logged[0];

    Bitmap bitmap(64, 24);
    DeviceContext dc(bitmap);
    dc.SelectObject(gdi::Font{"VELDO 5x7", 8});
    dc.SetTextColor(kWhite);
    dc.TextOutA(0, 0, "HELLO");
    int ink = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            ink += bitmap.At(x, y) == kWhite;
    EXPECT_GT(ink, 0) << "the face is drawn in the fallback font";
    EXPECT_EQ(logged.size(), 1u);

    vb::SetHandledErrorSink({});
    registry.SetFontsFolder(shipped);
}

}  // namespace
}  // namespace gdi
