#include <utility>

#include "tests/editor/road/RoadFixture.h"

// The format commands as a person uses them: a line gets the focus, a tool is clicked, and the
// display shows the result.
namespace {

const char* const kWiderThanSign = "Your message is wider than the current sign!";
const char* const kTallerThanSign = "Your message is taller than the current sign!";

class FormatCommands : public RoadTest {
protected:
    std::string Line(int line) {
        return Main().txtZomelText(static_cast<vb::Integer>(line)).Text();
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i <= 10; ++i)
            lines.push_back(Line(i));
        return lines;
    }
    // The eleven line texts: `used` and empty lines under them.
    static std::vector<std::string> Message(std::vector<std::string> used) {
        used.resize(11);
        return used;
    }
    // Module columns and rows of the sign.
    std::pair<int, int> Modules() { return {TheSign().XZomelCount(), TheSign().YZomelCount()}; }
    void Focus(int line) { Main().txtZomelText_GotFocus(static_cast<vb::Integer>(line)); }
    std::string AlignTools() {
        std::string states;
        for (const char* id : {"id_FormatLeft", "id_FormatCenter", "id_FormatRight"})
            states += std::to_string(Main().SSBars->ToolById(id).State());
        return states;
    }
    // Message boxes since the last clear that are not a held-size message.
    int OtherBoxes() const {
        int other = 0;
        for (const auto& prompt : Prompts())
            other += prompt.rfind(kWiderThanSign, 0) != 0 && prompt.rfind(kTallerThanSign, 0) != 0;
        return other;
    }
};

// --- Alignment of the current line -------------------------------------------------------------

TEST_F(FormatCommands, AlignmentToolsMoveTheCurrentLineOnly) {
    Type(0, "HELLO");
    Type(1, "AB");
    // 3 x 2 modules of 12 x 8 LEDs.  A line of the 5x7 font takes 8 rows, its font size: 15
    // ink rows with a blank row between the lines, which the middle of 16 leaves at the top.
    ASSERT_EQ(FrameRows(), Expected(36, 16, {{3, 0, "HELLO"}, {12, 8, "AB"}}));

    Focus(1);
    Click("id_FormatLeft");
    EXPECT_EQ(FrameRows(), Expected(36, 16, {{3, 0, "HELLO"}, {0, 8, "AB"}}));
    EXPECT_EQ(AlignTools(), "100");
    // Right: 36 LEDs less the 12 of "AB" with its blank column, plus 1 for a block font.
    Click("id_FormatRight");
    EXPECT_EQ(FrameRows(), Expected(36, 16, {{3, 0, "HELLO"}, {25, 8, "AB"}}));
    EXPECT_EQ(AlignTools(), "001");
    EXPECT_EQ(Main().LineFormatOf(0).Align, 2);
    EXPECT_EQ(Main().LineFormatOf(1).Align, 1);

    Focus(0);
    EXPECT_EQ(AlignTools(), "010");
    Click("id_FormatLeft");
    EXPECT_EQ(FrameRows(), Expected(36, 16, {{0, 0, "HELLO"}, {25, 8, "AB"}}));
    Focus(1);
    EXPECT_EQ(AlignTools(), "001");
    Click("id_FormatCenter");
    EXPECT_EQ(FrameRows(), Expected(36, 16, {{0, 0, "HELLO"}, {12, 8, "AB"}}));
    Focus(0);
    EXPECT_EQ(AlignTools(), "100");
    EXPECT_EQ(Lines()[0], "HELLO");
    EXPECT_EQ(Lines()[1], "AB");
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FormatCommands, LeadingBlanksDoNotPushAlignedTextOffTheSign) {
    Type(0, "HELLO");
    Type(1, "  AB");
    Focus(1);
    Click("id_FormatRight");
    // Placed as "AB" is: the blanks before it neither count nor show.
    EXPECT_EQ(FrameRows(), Expected(36, 16, {{3, 0, "HELLO"}, {25, 8, "AB"}}));
    Click("id_FormatCenter");
    EXPECT_EQ(FrameRows(), Expected(36, 16, {{3, 0, "HELLO"}, {12, 8, "AB"}}));
    // Left alignment keeps them: a person indents with blanks.
    Click("id_FormatLeft");
    EXPECT_EQ(FrameRows(), Expected(36, 16, {{3, 0, "HELLO"}, {12, 8, "AB"}}));
    EXPECT_EQ(Line(1), "  AB");
}

TEST_F(FormatCommands, AFocusedLineShowsItsStylesAndAlignment) {
    Type(0, "AB");
    Type(1, "CD");
    Focus(1);
    Click("id_FormatRight");
    Click("id_Italic");
    Focus(0);
    EXPECT_EQ(AlignTools(), "010");
    EXPECT_EQ(Main().SSBars->ToolById("id_Italic").State(), 0);
    Focus(1);
    EXPECT_EQ(AlignTools(), "001");
    EXPECT_EQ(Main().SSBars->ToolById("id_Italic").State(), 1);
    EXPECT_EQ(Main().SSBars->ToolById("id_Bold").State(), 0);
    // Alignment is part of the line: it moves up with the line when the gap above closes.
    Type(0, "");
    EXPECT_EQ(Line(0), "CD");
    Focus(0);
    EXPECT_EQ(AlignTools(), "001");
    EXPECT_EQ(Main().SSBars->ToolById("id_Italic").State(), 1);
}

// --- Shrink to fit -----------------------------------------------------------------------------

TEST_F(FormatCommands, ShrinkEmptiesLinesFromTheBottomWhileTheMessageIsTooTall) {
    // Eight lines of 8 rows need 8 module rows of 8; the most is 6.
    for (int line = 0; line < 8; ++line)
        Type(line, "X" + std::to_string(line));
    ASSERT_EQ(TheSign().YZomelCount(), 6);
    ASSERT_TRUE(Main().lblWarn->Visible());
    const int beeps = host.Beeps();
    Click("id_FormatShrink");
    // Seven lines are still 55 ink rows, more than 6 rows hold; six are 47.
    EXPECT_EQ(Lines(), Message({"X0", "X1", "X2", "X3", "X4", "X5"}));
    EXPECT_EQ(Modules(), std::make_pair(1, 6));
    EXPECT_FALSE(Main().lblWarn->Visible());
    EXPECT_FALSE(Main().sbStatusBar->Panels()(5).Get("Visible").ToBool());
    EXPECT_EQ(host.Beeps(), beeps);  // the command works quietly
    EXPECT_TRUE(host.Messages().empty());
    const auto rows = FrameRows();
    ASSERT_EQ(rows.size(), 48u);
    // 47 ink rows, 8 a line, stay at the top in the middle of 48.
    EXPECT_EQ(rows, Expected(12, 48,
                             {{0, 0, "X0"},
                              {0, 8, "X1"},
                              {0, 16, "X2"},
                              {0, 24, "X3"},
                              {0, 32, "X4"},
                              {0, 40, "X5"}}));
    // Warnings beep again after the command.
    Type(6, "X6");
    EXPECT_GT(host.Beeps(), beeps);
}

TEST_F(FormatCommands, ShrinkTakesTheRowTheAreaRuleRemoved) {
    // 20 x 4 modules is more than 75: the sign keeps 3 rows and the fourth line is cut off.
    for (int line = 0; line < 4; ++line)
        Type(line, std::string(39, 'M'));
    ASSERT_EQ(TheSign().YZomelCount(), 3);
    ASSERT_TRUE(Main().lblWarn->Visible());
    Click("id_FormatShrink");
    const std::string row(39, 'M');
    EXPECT_EQ(Lines(), Message({row, row, row}));
    EXPECT_EQ(Modules(), std::make_pair(20, 3));
    EXPECT_FALSE(Main().lblWarn->Visible());
}

TEST_F(FormatCommands, ShrinkTrimsTheLongestLinesUntilTheMessageIsNarrowEnough) {
    Type(0, std::string(45, 'W'));
    Type(1, std::string(43, 'W'));
    Type(2, "HI");
    ASSERT_EQ(TheSign().XZomelCount(), 20);
    ASSERT_TRUE(Main().lblWarn->Visible());
    Click("id_FormatShrink");
    // 40 cells of 6 LEDs end on the last of the 240 LEDs of 20 modules; the short line stays.
    const std::string fits(40, 'W');
    EXPECT_EQ(Lines(), Message({fits, fits, "HI"}));
    EXPECT_EQ(Modules(), std::make_pair(20, 3));
    EXPECT_FALSE(Main().lblWarn->Visible());
    // The trimmed lines took their height from their height bars again: 8 rows a line.
    EXPECT_EQ(FrameRows(), Expected(240, 24, {{0, 0, fits}, {0, 8, fits}, {114, 16, "HI"}}));
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FormatCommands, ShrinkOnAMessageTooTallAndTooWideEmptiesLinesFirstThenTrims) {
    Type(0, std::string(45, 'W'));
    for (int line = 1; line < 6; ++line)
        Type(line, "A");
    // 20 x 6 modules: the area rule leaves 5 rows for 42 ink rows; the text is also too wide.
    ASSERT_EQ(Modules(), std::make_pair(20, 5));
    Click("id_FormatShrink");
    // Rows go while 20 columns count against the area rule: down to 3 lines (60 modules).
    EXPECT_EQ(Lines(), Message({std::string(40, 'W'), "A", "A"}));
    EXPECT_EQ(Modules(), std::make_pair(20, 3));
    EXPECT_FALSE(Main().lblWarn->Visible());
}

TEST_F(FormatCommands, ShrinkOnAMessageThatFitsChangesNothing) {
    Type(0, "HELLO");
    Type(1, "AB");
    const auto before = FrameRows();
    const int beeps = host.Beeps();
    Click("id_FormatShrink");
    EXPECT_EQ(Lines(), Message({"HELLO", "AB"}));
    EXPECT_EQ(Modules(), std::make_pair(3, 2));
    EXPECT_EQ(FrameRows(), before);
    EXPECT_EQ(host.Beeps(), beeps);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FormatCommands, ShrinkFitsAMessageToAHeldSize) {
    Type(0, "HELLO");
    Click("id_SignHold");
    ASSERT_TRUE(zomel::HoldSize);
    Type(0, "HELLO WORLD");
    Type(1, "AB");
    ASSERT_EQ(Modules(), std::make_pair(3, 1));
    host.ClearMessages();
    Click("id_FormatShrink");
    // The held 3 x 1 modules keep one line, and 36 LEDs hold six cells: the blank is kept.
    EXPECT_EQ(Lines(), Message({"HELLO "}));
    EXPECT_TRUE(zomel::HoldSize);
    EXPECT_EQ(Modules(), std::make_pair(3, 1));
    EXPECT_EQ(FrameRows(), Expected(36, 8, {{3, 0, "HELLO"}}));
    // The relayouts on the way say nothing: the command makes the message fit.
    EXPECT_TRUE(host.Messages().empty());
    host.ClearMessages();
    Type(0, "HELLO");
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FormatCommands, ClearingALineOfBlanksHoldsNothing) {
    // Blanks have no ink: the sign has no modules, and a held empty sign could never be
    // released (the hold tool is off without modules), so nothing is held.
    Type(0, "   ");
    Click("id_SignClear");
    EXPECT_FALSE(zomel::HoldSize);
    EXPECT_EQ(Main().SSBars->ToolById("id_SignHold").State(), 0);
    host.ClearMessages();
    Type(0, "AB");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(Modules(), std::make_pair(1, 1));
    Click("id_FormatShrink");  // a message that fits: nothing to do
    EXPECT_EQ(Lines(), Message({"AB"}));
}

}  // namespace
