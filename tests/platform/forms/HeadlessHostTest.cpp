#include <gtest/gtest.h>

#include "platform/forms/Interaction.h"
#include "tests/platform/forms/TestWindows.h"

using namespace forms;

TEST(HeadlessHost, MessageBoxesTakeScriptedOrDefaultAnswers) {
    FormsFixture fx;
    EXPECT_EQ(MsgBox("Save?", vbYesNoCancel | vbQuestion, "Title"), vbYes);
    fx.host.AnswerNext(vbNo);
    EXPECT_EQ(MsgBox("Again?", vbYesNo), vbNo);
    EXPECT_EQ(MsgBox("Retry?", vbRetryCancel), vbRetry);
    ASSERT_EQ(fx.host.Messages().size(), 3u);
    const auto& first = fx.host.Messages()[0];
    EXPECT_EQ(first.prompt, "Save?");
    EXPECT_EQ(first.Icon(), vbQuestion);
    EXPECT_EQ(first.Buttons(), vbYesNoCancel);
    EXPECT_EQ(first.title, "Title");
    EXPECT_EQ(fx.host.Messages()[1].title, App().Title);
}

TEST(HeadlessHost, ScreenPointerChangesReachTheHost) {
    FormsFixture fx;
    Screen().SetMousePointer(vbHourglass);
    Screen().SetMousePointer(vbDefault);
    EXPECT_EQ(fx.host.MousePointers(), (std::vector<vb::Integer>{vbHourglass, vbDefault}));
    EXPECT_EQ(Screen().MousePointer(), vbDefault);
}

TEST(StringTable, ReadsIdsAndEscapes) {
    FormsFixture fx;
    fx.env.WriteFile("app/strings.tsv",
                     "# comment\n20\tMS Sans Serif\n105\tUse the Clip-List\n7\tTwo\\rlines\\\\\n");
    ReloadStringTable();
    EXPECT_EQ(LoadResString(105), "Use the Clip-List");
    EXPECT_EQ(LoadResString(7), "Two\rlines\\");
    EXPECT_FALSE(FindResString(999).has_value());
    try {
        LoadResString(999);
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.Number(), 326);
    }
}
