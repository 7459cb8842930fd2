#include <algorithm>
#include <set>

#include "catalogue/ComponentText.h"
#include "catalogue/frmComponents.h"
#include "core/OptionRecord.h"
#include "core/PartNumbers.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/TextMeasure.h"
#include "platform/printer/Printer.h"
#include "tests/editor/mainwin/MainWindowFixture.h"
#include "tests/support/FakePrintQueue.h"

using namespace zomel;

namespace {

OptionRecord Row(std::string name, std::string type, std::string part, std::string info,
                 std::string price = "$12.00") {
    OptionRecord row;
    row.Name = std::move(name);
    row.Type = std::move(type);
    row.PartNo = std::move(part);
    row.Info = std::move(info);
    row.Price = std::move(price);
    return row;
}

struct Shown {
    std::string description, part, price;
};

}  // namespace

TEST(ComponentTextTest, PartNumbersTakeThePlaceholderOfTheirCount) {
    EXPECT_EQ(ComponentPartText(Row("Back plate", "Z2-BACK", "220-2030", "HORIZONTAL")),
              "220-2030-CC-RR");
    for (const char* type : {"Z1-RAIL", "Z2-RAIL", "Z2=C(Y+1)", "Z2-HARN", "Z2-TOP/BOT"})
        EXPECT_EQ(ComponentPartText(Row("x", type, "220-1000", "")), "220-1000-CC") << type;
    EXPECT_EQ(ComponentPartText(Row("x", "Z2-SIDE", "220-1000", "")), "220-1000-RR");
    EXPECT_EQ(ComponentPartText(Row("x", "Z2-SPACER", "220-3010", "CSEGMENT")), "220-3010-CC");
    EXPECT_EQ(ComponentPartText(Row("x", "Z2-SPACER", "220-3010", "SEGMENT")), "220-3010");
    EXPECT_EQ(ComponentPartText(Row("x", "OPTION", "610-1000", "KIT")), "610-1000");
}

TEST(ComponentTextTest, PlaceholderNumbersAndTheSolarPanelHaveNoPrice) {
    OptionRecord cabinet = Row("Cabinet", "OPTION-KIT", "000-0400", "TOP");
    EXPECT_EQ(ComponentPartText(cabinet), "N/A");
    EXPECT_EQ(ComponentPriceText(cabinet, "N/A"), "N/A");
    // With a placeholder behind it the number is no longer "N/A": the price shows.
    OptionRecord rail = Row("Rail", "Z2-RAIL", "000-0300", "", "$40.00");
    EXPECT_EQ(ComponentPartText(rail), "N/A-CC");
    EXPECT_EQ(ComponentPriceText(rail, "N/A-CC"), "$40.00");
    OptionRecord panel = Row("Solar panel", "SOLAR", std::string(kSolarPanelPartNo), "");
    EXPECT_EQ(ComponentPriceText(panel, ComponentPartText(panel)), "Call VELDO");
    OptionRecord call = Row("Custom", "OPTION", "Call VELDO", "");
    EXPECT_EQ(ComponentPriceText(call, "Call VELDO"), "Call VELDO");
}

TEST(ComponentTextTest, DescriptionsSayHowThePartIsIncluded) {
    EXPECT_EQ(ComponentDescription(Row("Harness", "OPTION", "1", "LEFT VRT PWR"), "1"),
              "Harness, left vertical with power");
    EXPECT_EQ(ComponentDescription(Row("Plate", "OPTION", "1", "RIGHT HRZ DTA"), "1"),
              "Plate, right horizontal data and reset");
    EXPECT_EQ(ComponentDescription(Row("Bolt", "OPTION", "1", "HRZ ONLY"), "1"),
              "Bolt, horizontal");
    EXPECT_EQ(ComponentDescription(Row("Key", "OPTION", "640-0210", "KIT"), "640-0210"),
              "Key, one is in installation kit");
    EXPECT_EQ(ComponentDescription(Row("Kit", "OPTION", std::string(kPresetPartNo), "KIT"),
                                   std::string(kPresetPartNo)),
              "Kit");
    EXPECT_EQ(ComponentDescription(Row("ZOMEL2", "ZOMEL2", "200-2000", "VERTICAL"), "200-2000"),
              "ZOMEL2");
    EXPECT_EQ(ComponentDescription(Row("Cable", "OPTION", "1", "ASSEMBLY"), "1"), "Cable");
}

class ComponentsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadMain();
    }
    frmComponents& Open() {
        Click("id_ViewComponents");
        return forms::Instance<frmComponents>();
    }
    forms::ListView& List() { return *forms::Instance<frmComponents>().lvComp; }
    std::vector<Shown> Rows() {
        std::vector<Shown> rows;
        for (const auto& item : List().ListItems())
            rows.push_back({item->Text(), item->SubItems(1), item->SubItems(2)});
        return rows;
    }
    std::string Header(vb::Long index) {
        return List().ColumnHeaders()(index).Get("Text").ToString();
    }
    static const OptionRecord& RowOfKey(const std::string& key) {
        vb::Long n = std::stol(key.substr(3));
        return n <= gBaseCount ? gBaseParts(static_cast<vb::Integer>(n))
                               : gOptions(static_cast<vb::Integer>(n - gBaseCount));
    }
    std::set<std::string> Keys() {
        std::set<std::string> keys;
        for (const auto& item : List().ListItems())
            keys.insert(item->Key());
        return keys;
    }
    static bool Sorted(const std::vector<std::string>& texts, bool ascending) {
        auto lower = [](std::string s) {
            std::transform(s.begin(), s.end(), s.begin(), ::tolower);
            return s;
        };
        for (size_t i = 1; i < texts.size(); ++i) {
            if (ascending && lower(texts[i - 1]) > lower(texts[i])) return false;
            if (!ascending && lower(texts[i - 1]) < lower(texts[i])) return false;
        }
        return true;
    }
    std::vector<std::string> Column(int c) {
        std::vector<std::string> texts;
        for (const Shown& row : Rows())
            texts.push_back(c == 0 ? row.description : row.part);
        return texts;
    }
};

TEST_F(ComponentsTest, TheMainWindowsCommandShowsTheListOnItsOwn) {
    frmComponents& list = Open();
    EXPECT_TRUE(list.Visible());
    EXPECT_EQ(list.Owner(), nullptr);
    EXPECT_FALSE(list.IsModal());
    EXPECT_EQ(list.Caption(), "ZOMEL Sign Components List");
    EXPECT_EQ(Header(1), "Description - Ascending sort");
    EXPECT_EQ(Header(2), "Part Number");
    EXPECT_EQ(Header(3), "Price");
    EXPECT_GT(List().ListItems().Count(), 40);
    EXPECT_TRUE(Sorted(Column(0), true));
    list.KeyUp(forms::vbKeyF12, 0);
    EXPECT_EQ(host.Messages().back().prompt, "ZOMEL Sign Components List #106");
}

TEST_F(ComponentsTest, TheListOpensCentredOnTheMainWindowWithEveryHeaderWhole) {
    Main().Move(1500, 900, 15000, 10000);
    frmComponents& list = Open();
    const vb::Single pixel = 15;
    EXPECT_NEAR(list.Left() + list.Width() / 2, 1500 + 15000 / 2, pixel);
    EXPECT_NEAR(list.Top() + list.Height() / 2, 900 + 10000 / 2, pixel);

    forms::ListView& view = List();
    auto width = [&](vb::Long c) {
        return static_cast<vb::Single>(view.ColumnHeaders()(c).Get("Width").ToDouble());
    };
    auto holdsItsHeader = [&] {
        for (vb::Long c = 1; c <= 3; ++c)
            EXPECT_GT(width(c), forms::TextWidthIn(*view.Font(), Header(c))) << Header(c);
    };
    holdsItsHeader();
    view.ClickColumn(2);
    EXPECT_EQ(Header(2), "Part Number - Ascending sort");
    holdsItsHeader();
    view.ClickColumn(2);
    holdsItsHeader();
    // The description takes the width the other columns leave, also when the window grows.
    for (vb::Single windowWidth : {11040.0f, 16000.0f}) {
        list.Move(list.Left(), list.Top(), windowWidth, list.Height());
        const vb::Single columns = width(1) + width(2) + width(3);
        EXPECT_LE(columns, view.Width()) << windowWidth;
        EXPECT_GT(columns, view.Width() - 600) << windowWidth;
    }
}

TEST_F(ComponentsTest, EachGenerationListsItsOwnRowsAndTheCommonOnes) {
    Open();
    std::set<std::string> first = Keys();
    for (const std::string& key : first)
        EXPECT_NE(RowOfKey(key).ZomelVersion, 2) << key;
    forms::Instance<frmComponents>().Unload();
    Click("id_Sign1");
    ASSERT_TRUE(Zomel2Mode);
    Open();
    std::set<std::string> second = Keys();
    for (const std::string& key : second)
        EXPECT_NE(RowOfKey(key).ZomelVersion, 1) << key;
    // Rows for both generations are in both lists.
    int common = 0;
    for (const std::string& key : first) {
        if (RowOfKey(key).ZomelVersion == 1) continue;
        EXPECT_EQ(second.count(key), 1u) << key;
        ++common;
    }
    EXPECT_GT(common, 10);
}

TEST_F(ComponentsTest, UnlistedNumbersNeverShowAndSharedOnesShowOnceWhereTheyFirstStand) {
    Open();
    for (const Shown& row : Rows())
        for (std::string_view number : kUnlistedPartNumbers)
            EXPECT_NE(row.part.substr(0, 8), number);
    for (std::string_view number : kListedOncePartNumbers) {
        std::vector<std::string> keys;
        for (const auto& item : List().ListItems())
            if (item->SubItems(1).substr(0, 8) == number) keys.push_back(item->Key());
        EXPECT_LE(keys.size(), 1u) << number;
        // The first row of the catalogue with the number is the one shown.
        for (vb::Long n = 1; !keys.empty() && n <= gBaseCount + gOptionCount; ++n) {
            const OptionRecord& row = RowOfKey("key" + std::to_string(n));
            if (row.PartNo == number && row.ZomelVersion != 2) {
                EXPECT_EQ(keys.front(), "key" + std::to_string(n)) << number;
                break;
            }
        }
    }
    size_t before = Rows().size();
    forms::Instance<frmComponents>().Unload();
    Open();
    EXPECT_EQ(Rows().size(), before);  // opened again, the shared rows are listed again
}

TEST_F(ComponentsTest, HeadersSortBothWaysAndPriceDoesNothing) {
    frmComponents& list = Open();
    list.lvComp->ClickColumn(1);
    EXPECT_EQ(Header(1), "Description - Descending sort");
    EXPECT_TRUE(Sorted(Column(0), false));
    list.lvComp->ClickColumn(1);
    EXPECT_EQ(Header(1), "Description - Ascending sort");
    EXPECT_TRUE(Sorted(Column(0), true));
    list.lvComp->ClickColumn(1);
    list.lvComp->ClickColumn(2);  // after a descending description sort
    EXPECT_EQ(Header(2), "Part Number - Descending sort");
    EXPECT_EQ(Header(1), "Description");
    EXPECT_TRUE(Sorted(Column(1), false));
    std::vector<std::string> before = Column(1);
    list.lvComp->ClickColumn(3);
    EXPECT_EQ(Column(1), before);
    EXPECT_EQ(Header(3), "Price");
    list.lvComp->ClickColumn(2);
    EXPECT_EQ(Header(2), "Part Number - Ascending sort");
    EXPECT_TRUE(Sorted(Column(1), true));
}

TEST_F(ComponentsTest, TheHiddenKeyPrintsTheListInItsOrderWithoutTheEstimateWindow) {
    FakePrintQueue queue(env.Root());
    frmComponents& list = Open();
    list.lvComp->ClickColumn(2);                             // by part number
    list.KeyUp(80, forms::vbShiftMask | forms::vbCtrlMask);  // not the combination
    EXPECT_TRUE(queue.keptFiles.empty());
    list.KeyUp(80, forms::vbShiftMask | forms::vbCtrlMask | forms::vbAltMask);
    ASSERT_EQ(queue.keptFiles.size(), 1u);
    EXPECT_EQ(host.PrinterDialogs(), std::vector<std::string>{"ZOMEL Sign Components List"});
    std::vector<std::string> pages = queue.LastPages();
    ASSERT_GE(pages.size(), 2u);  // the list is longer than a page
    const std::string header = "Description" + std::string(44, ' ') + "Part Number" +
                               std::string(5, ' ') + std::string(22, ' ') + "Price";
    EXPECT_EQ(pages[0].rfind(readers::Collapsed(header), 0), 0u) << pages[0];
    const Shown first = Rows().front();
    EXPECT_EQ(
        pages[0].find(readers::Collapsed(first.description + " " + first.part + " " + first.price)),
        readers::Collapsed(header).size() + 1)
        << pages[0];
    std::string all;
    for (const std::string& page : pages)
        all += page + " ";
    const Shown last = Rows().back();
    EXPECT_NE(all.find(readers::Collapsed(last.description + " " + last.part + " " + last.price)),
              std::string::npos);
    for (forms::Form* window : forms::LoadedForms())
        EXPECT_NE(window->Name(), "frmOrder");
    EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
}

TEST_F(ComponentsTest, ALongDescriptionWrapsInsideItsColumnOnPaper) {
    FakePrintQueue queue(env.Root());
    const std::string description =
        "Weatherproof enclosure with a hinged door, two locks and a sun shield for the "
        "controller";
    // A row the list shows, given the long description.
    const std::string key = Open().lvComp->ListItems()(1).Key();
    forms::Instance<frmComponents>().Unload();
    auto& record = const_cast<OptionRecord&>(RowOfKey(key));
    record.Name = description;
    const std::string part = ComponentPartText(record);
    frmComponents& list = Open();
    std::string shown, price;
    for (const auto& item : list.lvComp->ListItems())
        if (item->Text().starts_with("Weatherproof"))
            shown = item->Text(), price = item->SubItems(2);
    ASSERT_GT(shown.size(), 55u);
    list.KeyUp(80, forms::vbShiftMask | forms::vbCtrlMask | forms::vbAltMask);
    ASSERT_EQ(queue.keptFiles.size(), 1u);

    // On paper: the row's words left of the part number's column and its price ending under
    // the price head, the rest of the words on the line below.
    const std::vector<readers::PdfWord> words = readers::PdfWords(queue.keptFiles[0]);
    auto find = [&](const std::string& text, int page = 0, double after = -1) {
        for (const readers::PdfWord& word : words)
            if (word.text == text && word.page == page && word.top > after) return word;
        ADD_FAILURE() << "no " << text << " on page " << page + 1;
        return readers::PdfWord{};
    };
    const readers::PdfWord partHead = find("Part");
    const readers::PdfWord priceHead = find("Price");
    const auto row = std::ranges::find(words, "Weatherproof", &readers::PdfWord::text);
    ASSERT_NE(row, words.end());
    const readers::PdfWord number = find(part, row->page, row->top - 1);
    EXPECT_NEAR(number.top, row->top, 0.5);
    EXPECT_NEAR(number.left, partHead.left, 0.5);
    EXPECT_NEAR(find(price, row->page, row->top - 1).right, priceHead.right, 0.5);
    std::string column;
    const double lineHeight = row->bottom - row->top;
    for (const readers::PdfWord& word : words) {
        if (word.page != row->page || word.top < row->top - 0.5 ||
            word.top > row->top + 2.5 * lineHeight || word.left >= partHead.left)
            continue;
        EXPECT_LT(word.right, partHead.left) << word.text << " runs into the part number";
        column += (column.empty() ? "" : " ") + word.text;
    }
    EXPECT_EQ(column.substr(0, shown.size()), shown);
}

TEST_F(ComponentsTest, ACancelledPrinterDialogPrintsNothing) {
    FakePrintQueue queue(env.Root());
    frmComponents& list = Open();
    host.AnswerPrinterDialog(false);
    list.KeyUp(80, forms::vbShiftMask | forms::vbCtrlMask | forms::vbAltMask);
    EXPECT_TRUE(queue.submittedBytes.empty());
    EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
    EXPECT_EQ(forms::Printer().Page(), 0);
}

TEST_F(ComponentsTest, TheListFollowsTheWindowsSize) {
    frmComponents& list = Open();
    list.Move(0, 0, 9000, 6000);
    EXPECT_FLOAT_EQ(list.lvComp->Height(), list.ScaleHeight() - 360);
    EXPECT_FLOAT_EQ(list.lvComp->Width(), list.ScaleWidth() - 120);
    const vb::Single height = list.lvComp->Height();
    list.Move(0, 0, 100, 300);  // too small: the list keeps its size
    EXPECT_FLOAT_EQ(list.lvComp->Height(), height);
}
