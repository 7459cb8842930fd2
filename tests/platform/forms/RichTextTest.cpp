#include <gtest/gtest.h>

#include <algorithm>

#include "platform/forms/RichTextBox.h"
#include "platform/forms/RtfDocument.h"
#include "tests/platform/forms/TestWindows.h"
#include "tests/support/ErrorNumber.h"

using forms::RtfDocument;

namespace {

const char* const kLetter =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
    "{\\colortbl;\\red0\\green0\\blue0;}{\\*\\generator Writer;}"
    "\\pard\\qc\\b Dear {\\i caf\\'e9} owner,\\b0\\par\\pard\\f1\\fs18 one \\{two\\}\\tab "
    "three\\u8364?\\par\n}";

RtfDocument Letter() {
    RtfDocument document;
    document.SetRtf(kLetter);
    return document;
}

}  // namespace

TEST(RtfDocumentTest, ShowsTheTextWithoutControlWordsHiddenGroupsOrFontNames) {
    RtfDocument document = Letter();
    EXPECT_EQ(document.Text(), "Dear caf\xC3\xA9 owner,\none {two}\tthree\xE2\x82\xAC\n");
    EXPECT_EQ(document.Length(), 34);
    EXPECT_EQ(document.FontName(1), "Courier New");
    EXPECT_EQ(document.FontName(7), "");
}

TEST(RtfDocumentTest, EachCharacterKeepsItsLook) {
    RtfDocument document = Letter();
    const forms::RtfCharFormat& dear = document.FormatAt(0);
    EXPECT_TRUE(dear.bold);
    EXPECT_FALSE(dear.italic);
    EXPECT_EQ(dear.alignment, 2);
    EXPECT_TRUE(document.FormatAt(5).italic);    // "café" sits in its own italic group
    EXPECT_FALSE(document.FormatAt(10).italic);  // and the group's end takes it away
    const forms::RtfCharFormat& one = document.FormatAt(document.Find("one", 0, -1, 0));
    EXPECT_FALSE(one.bold);
    EXPECT_EQ(one.font, 1);
    EXPECT_EQ(one.halfPoints, 18);
    EXPECT_EQ(one.alignment, 0);
}

TEST(RtfDocumentTest, FindHonoursCaseWholeWordsStartAndEnd) {
    RtfDocument document;
    document.SetText("Rows of arrows; rows and columns");
    EXPECT_EQ(document.Find("rows", 0, -1, 0), 0);  // without match case "Rows" counts
    EXPECT_EQ(document.Find("rows", 0, -1, RtfDocument::kMatchCase), 10);
    EXPECT_EQ(document.Find("rows", 1, -1, RtfDocument::kMatchCase | RtfDocument::kWholeWord), 16);
    EXPECT_EQ(document.Find("rows", 17, -1, 0), -1);
    EXPECT_EQ(document.Find("columns", 0, 31, 0), -1);  // would end past `end`
    EXPECT_EQ(document.Find("columns", 0, 32, 0), 25);
    EXPECT_EQ(document.Find("", 0, -1, 0), -1);
}

TEST(RtfDocumentTest, ReplacedTextTakesTheLookOfWhatItReplacesAndIsEscaped) {
    RtfDocument document = Letter();
    vb::Long at = document.Find("owner", 0, -1, 0);
    document.ReplaceText(at, 5,
                         "{boss} \\ \xC3\xBC"
                         "ber");
    EXPECT_EQ(document.Text().rfind("Dear caf\xC3\xA9 {boss} \\ \xC3\xBC"
                                    "ber,\n",
                                    0),
              0u);
    EXPECT_TRUE(document.FormatAt(at).bold);
    // The source stays a document that reads back the same.
    RtfDocument again;
    again.SetRtf(document.Rtf());
    EXPECT_EQ(again.Text(), document.Text());
}

TEST(RtfDocumentTest, FragmentsGoWhereAskedAndAtTheEndBeforeTheClosingBrace) {
    RtfDocument document = Letter();
    vb::Long shown = document.ReplaceWithRtf(99999, 0, "{\\par\\b Total }");
    EXPECT_EQ(shown, 7);
    EXPECT_EQ(document.Text().substr(document.Text().size() - 8), "\n\nTotal ");
    EXPECT_EQ(document.Rtf().back(), '}');
    EXPECT_TRUE(document.FormatAt(document.Length() - 2).bold);
    document.ReplaceWithRtf(0, 4, "{\\ul Hello}");
    EXPECT_EQ(document.Text().substr(0, 9), "Hello caf");
    EXPECT_TRUE(document.FormatAt(0).underline);
}

TEST(RtfDocumentTest, EscapingKeepsEveryCharacter) {
    const std::string text = "a\\b{c}d\te\nf \xE2\x82\xAC \xF0\x9F\x9A\xA7 \xC3\xA9";
    const std::string escaped = forms::RtfEscape(text);
    EXPECT_TRUE(std::all_of(escaped.begin(), escaped.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    RtfDocument document;
    document.SetRtf("{\\rtf1 " + escaped + "}");
    EXPECT_EQ(document.Text(), text);
}

TEST(RtfDocumentTest, TextThatIsNotRtfIsPlainAndBrokenRtfEnds) {
    RtfDocument plain;
    plain.SetRtf("just {text}\\");
    EXPECT_EQ(plain.Text(), "just {text}\\");
    for (const char* broken :
         {"{\\rtf1 open {{{ never closed", "{\\rtf1 \\", "{\\rtf1 \\'4", "}}}{\\rtf",
          "{\\rtf1 \\bin99999 x}", "{\\rtf1 \\u-1\\u99999999999 \\uc-5 x}"}) {
        RtfDocument document;
        document.SetRtf(broken);
        EXPECT_LE(document.Length(), static_cast<vb::Long>(std::string(broken).size())) << broken;
    }
}

class RichTextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmRich", R"({"Name": "frmRich", "Controls": [
            {"Type": "RichTextBox", "Name": "rtbQuote", "Left": 0, "Top": 0, "Width": 4000, "Height": 3000}]})");
        window.On("rtbQuote", "Change", [this](forms::Control&, forms::EventArgs&) { ++changes; });
        box = &window.ControlAs<forms::RichTextBox>("rtbQuote");
    }
    struct Window : forms::Form {
        Window() : Form("frmRich") {}
        using Form::On;
    };
    FormsFixture fx;
    Window& window = forms::Instance<Window>();
    forms::RichTextBox* box = nullptr;
    int changes = 0;
};

TEST_F(RichTextBoxTest, FindSelectsAndSelTextReplacesFromTheCaret) {
    box->SetText("$x$ and $x$");
    EXPECT_EQ(box->Find("$x$"), 0);
    EXPECT_EQ(box->SelLength(), 3);
    EXPECT_EQ(box->SelText(), "$x$");
    box->SetSelText("12");
    EXPECT_EQ(box->Text(), "12 and $x$");
    EXPECT_EQ(box->SelStart(), 2);
    EXPECT_EQ(box->Find("$x$"), 7);  // from the caret on
    EXPECT_EQ(box->Find("12"), -1);
    EXPECT_EQ(box->Find("12", 0), 0);
    EXPECT_GE(changes, 2);
}

TEST_F(RichTextBoxTest, CaretPastTheEndStopsAtTheEndAndSelRtfAppends) {
    box->SetTextRTF("{\\rtf1{\\fonttbl{\\f1 Courier New;}}Head\\par}");
    box->SetSelStart(8000);
    EXPECT_EQ(box->SelStart(), 5);
    box->SetSelRTF("{\\par\\f1\\b0 line one } ");
    box->SetSelRTF("{\\par\\f1\\b0 line two } ");
    // The blank after each fragment's group is text of its own.
    EXPECT_EQ(box->Text(), "Head\n\nline one  \nline two  ");
    EXPECT_EQ(box->SelStart(), box->Document().Length());
    EXPECT_EQ(ErrorNumber([&] { box->SetSelStart(-1); }), vb::err::kInvalidPropertyValue);
}

TEST_F(RichTextBoxTest, SavesAndLoadsFilesAndRefusesWhatIsMissing) {
    box->SetText("caf\xC3\xA9 {1}");
    std::string path = fx.app + "saved.rtf";
    box->SaveFile(path);
    box->SetText("");
    box->LoadFile(path);
    EXPECT_EQ(box->Text(), "caf\xC3\xA9 {1}");
    fx.env.WriteFile("app/plain.txt", "ICE \xC9TAPE");
    box->LoadFile(fx.app + "plain.txt", forms::RichTextBox::rtfText);
    EXPECT_EQ(box->Text(), "ICE \xC3\x89TAPE");
    EXPECT_EQ(ErrorNumber([&] { box->LoadFile(fx.app + "none.rtf"); }), vb::err::kFileNotFound);
    EXPECT_EQ(box->Text(), "ICE \xC3\x89TAPE");
}
