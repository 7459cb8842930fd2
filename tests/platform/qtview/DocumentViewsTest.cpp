#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <QHeaderView>
#include <QTreeWidget>

#include "platform/forms/ListView.h"
#include "platform/forms/RichTextBox.h"
#include "tests/platform/qtview/QtFixture.h"

namespace {

class DocumentWindow : public forms::Form {
public:
    DocumentWindow() : Form("frmDocument") {
        On("lvComp", "ColumnClick", [this](forms::Control&, forms::EventArgs& args) {
            clicked.push_back(args.at(0).As<forms::Item>()->Get("Index").ToLong());
        });
    }
    std::vector<vb::Long> clicked;
};

const char* const kDocumentWindow = R"({"Name": "frmDocument", "Width": 12000, "Height": 4500,
  "Controls": [
    {"Type": "RichTextBox", "Name": "rtbQuote", "Left": 120, "Top": 120, "Width": 5400, "Height": 3600},
    {"Type": "ListView", "Name": "lvComp", "Left": 6000, "Top": 120, "Width": 5400, "Height": 3600}
  ]})";

}  // namespace

class DocumentViews : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmDocument", kDocumentWindow);
        fx.ShowActive(window);
        box = &window.ControlAs<forms::RichTextBox>("rtbQuote");
    }
    QtFixture fx;
    DocumentWindow& window = forms::Instance<DocumentWindow>();
    forms::RichTextBox* box = nullptr;
};

TEST_F(DocumentViews, TheRichTextBoxShowsTheDocumentWithItsLook) {
    box->SetTextRTF(
        "{\\rtf1{\\fonttbl{\\f0 DejaVu Sans;}{\\f1 DejaVu Sans Mono;}}"
        "\\pard\\qc\\fs40\\b SIGN ESTIMATE\\par\\pard\\plain\\f1\\fs18 Spare {\\ul lamp} "
        "set\\par}");
    auto& edit = fx.WidgetOf<QTextEdit>(*box);
    EXPECT_EQ(edit.toPlainText().toStdString(), "SIGN ESTIMATE\nSpare lamp set\n");
    QTextBlock title = edit.document()->firstBlock();
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QTextCursor at(title);
    at.movePosition(QTextCursor::Right);
    EXPECT_EQ(at.charFormat().fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(at.charFormat().fontPointSize(), 20.0);
    QTextCursor lamp(edit.document()->findBlockByNumber(1));
    lamp.setPosition(lamp.position() + 7);  // inside "lamp"
    EXPECT_TRUE(lamp.charFormat().fontUnderline());
    EXPECT_EQ(lamp.charFormat().fontFamilies().toStringList().value(0).toStdString(),
              "DejaVu Sans Mono");
}

TEST_F(DocumentViews, TheSelectionFollowsBothWays) {
    box->SetText("columns and rows");
    box->Find("rows", 0);
    auto& edit = fx.WidgetOf<QTextEdit>(*box);
    EXPECT_EQ(edit.textCursor().selectedText().toStdString(), "rows");
    QTextCursor cursor(edit.document());
    cursor.setPosition(0);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);  // a person's drag over the first word
    EXPECT_EQ(box->SelStart(), 0);
    EXPECT_EQ(box->SelText(), "columns");
}

TEST_F(DocumentViews, TheListViewShowsItsRowsInTheModelsOrderAndHeaderClicksReachTheWindow) {
    auto& list = window.ControlAs<forms::ListView>("lvComp");
    list.AddColumn("Description", 2400);
    list.AddColumn("Part Number", 1200);
    for (auto [key, text, part] : {std::tuple{"key1", "Spare lamp set", "640-0210"},
                                   std::tuple{"key2", "back plate", "220-2030-CC-RR"},
                                   std::tuple{"key3", "Cable", "240-0100"}})
        list.AddItem(key, text).SetSubItems(1, part);
    auto& tree = fx.WidgetOf<QTreeWidget>(list);
    ASSERT_EQ(tree.topLevelItemCount(), 3);
    EXPECT_EQ(tree.headerItem()->text(1).toStdString(), "Part Number");
    EXPECT_EQ(tree.columnWidth(0), 160);  // 2400 twips
    list.SetSorted(true);
    EXPECT_EQ(tree.topLevelItem(0)->text(0).toStdString(), "back plate");
    EXPECT_EQ(tree.topLevelItem(2)->text(1).toStdString(), "640-0210");
    list.SetSortOrder(forms::ListView::lvwDescending);
    EXPECT_EQ(tree.topLevelItem(0)->text(0).toStdString(), "Spare lamp set");
    tree.header()->sectionClicked(1);  // a person's click on "Part Number"
    EXPECT_EQ(window.clicked, std::vector<vb::Long>{2});
    list.ColumnHeaders()(1).Let("Text", "Description - Descending sort");
    EXPECT_EQ(tree.headerItem()->text(0).toStdString(), "Description - Descending sort");
}
