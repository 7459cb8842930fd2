// Building a model number from the window's choices, from the sign or from a proposed layout,
// repairing a short one, and the line and character analyzer of the main window.
#include "core/Diagnostics.h"
#include "core/Globals.h"
#include "core/LayoutCandidate.h"
#include "core/ModulePitch.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "modelspec/MainTools.h"
#include "modelspec/engine/LineAnalyzer.h"
#include "modelspec/frmModelNum.h"
#include "platform/forms/Constants.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

std::string SignTypeOf(LayoutKind segmentType) {
    switch (segmentType) {
        case LayoutKind::FullMatrix:
            return "F";
        case LayoutKind::LineMatrix:
            return "L";
        case LayoutKind::CharacterSegmented:
            return "C";
    }
    return "?";
}

vb::Long RoundUpDivide(vb::Long leds, vb::Long perModule) {
    return leds / perModule + (leds % perModule != 0 ? 1 : 0);
}

// Shipping form from the main window's ship-as tools.
std::string ShippingField() {
    if (ToolPressed("id_Build")) return "A";
    if (ToolPressed("id_Parts")) return "C";
    return "?";
}

std::string ChosenEntry(forms::ListControl& list) {
    return list.List(list.ListIndex());
}

// UpdateShortModel's tests, in order: a field that fails takes its default.
struct ShortModelTest {
    vb::Long position;
    bool (*valid)(const std::string& field);
    const char* fallback;
};

constexpr ShortModelTest kShortModelTests[] = {
    {1, [](const std::string& f) { return f == "A" || f == "C"; }, "A"},
    {2, [](const std::string& f) { return f == "F" || f == "C" || f == "L"; }, "F"},
    {3,
     [](const std::string& f) {
         const vb::Integer code = WholeNumber(f);
         return code >= 0 && code <= 3;
     },
     "0"},
    {5, [](const std::string& f) { return vb::Val(f) == 1 || vb::Val(f) == 2; }, "2"},
    {6, [](const std::string& f) { return f == "S" || f == "H"; }, "H"},
    {7, [](const std::string& f) { return vb::Val(f) == 1 || vb::Val(f) == 2; }, "1"},
    {8, [](const std::string& f) { return f == "A"; }, "A"},
    {9, [](const std::string& f) { return f == "4" || f == "6" || f == "8"; }, "4"},
    {11, [](const std::string& f) { return vb::Val(f) <= 2; }, "0"},
    {13, [](const std::string& f) { return vb::Val(f) == 0; }, "0"},
};

// The text before `position`, in upper case with the separators in their places.
std::string RepairedPrefix(const std::string& text, vb::Long position) {
    std::string prefix;
    for (vb::Long i = 1; i < position; ++i)
        prefix += (i == 4 || i == 10) ? std::string("-") : vb::UCase(vb::Mid(text, i, 1));
    return prefix;
}

}  // namespace

std::string frmModelNum::AngleField() {
    if (optDegree(15).Value()) return "1A";
    if (optDegree(30).Value()) return "2A";
    if (optDegree(40).Value()) return "3A";
    return "?A";
}

void frmModelNum::StoreModel(const std::string& number) {
    ModelText = number;
    SetCaption(ModelNumberLabel + number);
    gSign->SetModelNumber(number);
}

void frmModelNum::CreateModel() {
    ModelFields f;
    f.ProdType = optDMSAssembled->Value() ? "A" : optDMSComponents->Value() ? "C" : "?";
    f.SignType = optCharacter->Value() ? "C"
                 : optFull->Value()    ? "F"
                 : optLine->Value()    ? "L"
                                       : "?";
    f.Approval = gSign->ApprovalChar();
    f.DisplayType = optZomel(1).Value() ? "1" : optZomel(2).Value() ? "2" : "?";
    f.Density = optHigh->Value() ? "H" : optStandard->Value() ? "S" : "?";
    f.Angularity = AngleField();
    f.Leds = vb::CStr(vb::Long{optLEDPerPixel(LedsPerPixel).Index()});
    f.Columns = comboColumns->Text();
    f.Rows = comboRows->Text();
    f.Orient = optHorizontal->Value() ? "H" : optVertical->Value() ? "V" : "?";
    const std::string number = ComposeModelNumber(f);
    StoreModel(number);
    MainForm->txtModel->SetText(number);
    MainForm->txtModel_Change();
}

void frmModelNum::UpdateModelNum() {
    ModelFields f;
    f.ProdType = ShippingField();
    f.SignType = SignTypeOf(gSign->SegmentType());
    f.Approval = gSign->ApprovalChar();
    f.DisplayType = gSign->Zomel2() ? "2" : "1";
    f.Density = gSign->HighDensity() ? "H" : "S";
    f.Angularity = AngleField();
    f.Leds = "4";
    f.Columns = TwoDigits(gSign->XZomelCount());
    f.Rows = TwoDigits(gSign->YZomelCount());
    f.Orient = gSign->Vertical() ? "V" : "H";
    StoreModel(ComposeModelNumber(f));
}

void frmModelNum::GenerateRecomendedModel() {
    if (gSign->SegmentType() != LayoutKind::FullMatrix) PressTool("id_SignFull");
    const LayoutCandidate& candidate = LayoutCandidates(MainForm->SelectedCandidate);
    const vb::Long chars = WholeNumber(MainForm->txtChars->Text());
    const vb::Long lines = WholeNumber(MainForm->txtLines->Text());
    const LayoutKind segmentType = gSign->SegmentType();
    const vb::Long cols = candidate.FontCols;
    const vb::Long rows = candidate.FontRows;
    vb::Long width = (cols + 1) * chars - 1;  // one LED column between characters
    if (chars == 1)
        width = cols;
    else if (segmentType == LayoutKind::CharacterSegmented)
        width = cols * chars;
    vb::Long height = rows * lines;
    if (lines == 1)
        height = rows;
    else if (segmentType == LayoutKind::FullMatrix)
        height = (rows + 1) * lines - 1;  // one LED row between lines
    const ModuleLeds leds = LedsPerModule(candidate.HighDensity != 0, candidate.Vertical != 0);

    ModelFields f;
    f.ProdType = ShippingField();
    f.SignType = SignTypeOf(segmentType);
    f.Approval = chkCE->Value() == forms::vbChecked   ? "1"
                 : chkUL->Value() == forms::vbChecked ? "2"
                                                      : "0";
    f.DisplayType = gSign->Zomel2() ? "2" : "1";
    f.Density = candidate.HighDensity ? "H" : "S";
    f.Angularity = AngleField();
    f.Leds = "4";
    f.Columns = TwoDigits(RoundUpDivide(width, leds.across));
    f.Rows = TwoDigits(RoundUpDivide(height, leds.down));
    f.Orient = candidate.Vertical ? "V" : "H";
    StoreModel(ComposeModelNumber(f));
}

void frmModelNum::UpdateShortModel() {
    forms::TextBox& box = *MainForm->txtModel;
    ModelText = box.Text();
    const bool completed = vb::ResumeNext([&] {
        std::string text = ModelText;
        for (const ShortModelTest& test : kShortModelTests) {
            if (test.valid(vb::UCase(vb::Mid(text, test.position, 1)))) continue;
            text =
                RepairedPrefix(text, test.position) + test.fallback + vb::Mid(text, test.position);
            box.SetText(text);
            if (vb::Len(box.Text()) == kModelNumberLength) return;
        }
    });
    if (!completed) {
        vb::Err().Clear();
        Valid = vb::False;
    }
}

// ---- The analyzer --------------------------------------------------------------------------

void frmModelNum::cmdLines_Click() {
    Valid = vb::True;
    vb::OnError report([this] {
        ReportError("Model Num List Validator");
        Valid = vb::False;
    });
    report([this] {
        frmMain& main = *MainForm;
        const LineRequest request{main.txtLines->Text(),         main.txtChars->Text(),
                                  ChosenEntry(*main.cbbHigh),    ChosenEntry(*main.cbbWide),
                                  ChosenEntry(*main.cbbCharGap), gSign->CharSizeUnit()};
        const LineAnalysis analysis = AnalyzeLines(request, main.CharGap);
        if (!analysis.Valid) {
            Valid = vb::False;
            Message = analysis.Message;
            return;
        }
        for (const std::string& line : analysis.ListLines)
            main.lstSigns->AddItem(line);
    });
}

}  // namespace zomel
