#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/forms/RichTextBox.h"
#include "tests/platform/qtview/QtFixture.h"

namespace {

class DocumentWindow : public forms::Form {
public:
    DocumentWindow() : Form("frmDocument") {}
};

const char* const kDocumentWindow = R"({"Name": "frmDocument", "Width": 6000, "Height": 4500,
  "Controls": [
    {"Type": "RichTextBox", "Name": "rtbQuote", "Left": 120, "Top": 120, "Width": 5400, "Height": 3600}
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
