#include "modelspec/frmModelNum.h"

#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "core/FlagScope.h"
#include "core/Globals.h"
#include "core/LayoutCandidate.h"
#include "core/Sign.h"
#include "editor/ModulePitch.h"
#include "editor/frmMain.h"
#include "modelspec/LineAnalyzer.h"
#include "modelspec/MainTools.h"
#include "modelspec/Refusal.h"
#include "modelspec/frmNumberPrompt.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Single kPaneShown = 240;
constexpr vb::Single kPaneHidden = -20000;
constexpr vb::Integer kMaxColumns = 25;
constexpr vb::Integer kMaxRows = 6;
constexpr vb::Integer kMaxModules = 60;

// Texts of the decoding, from the string table.
enum DecodeText : vb::Long {
    kShipping = 11601,
    kLayout,
    kCharacterDensity,
    kNeedNormalEdition,
    kNeedCEEdition,
    kContactForUL,
    kCodeNotRecognized,
    kBusType,
    kOrientation,
    kDensity,
    kCEHighOnly,
    kAngle,
    kContactForAngle,
    kColor,
    kContactForTS4,
    kLedCount,
    kColumns,
    kRows,
    kModuleCount,
    kLineDensity,
    kJoinIn,
    kApprovalIs,
    kTooShort = 11641,
};

[[noreturn]] void Refuse(vb::Long text) {
    throw Refusal{forms::LoadResString(text)};
}

std::string Quoting(vb::Long text, const std::string& number) {
    return forms::LoadResString(text) + forms::LoadResString(kJoinIn) + number;
}

vb::Integer WholeNumber(const std::string& text) {
    return vb::CInt(vb::Variant(text));
}

std::string SignTypeOf(vb::Integer segmentType) {
    switch (segmentType) {
        case kFullMatrix:
            return "F";
        case kLineMatrix:
            return "L";
        case kCharacterSegmented:
            return "C";
        default:
            return "?";
    }
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

frmModelNum::frmModelNum() : ProgramForm("frmModelNum") {
    On("mnuEMNumber", "Click",
       [this](auto&, auto&) { ShowMeaningOf(forms::Instance<frmNumberPrompt>().Ask(*this)); });
    On("mnuBuild", "Click", [this](auto&, auto&) { mnuBuild_Click(); });
    On("mnuViewInfo", "Click", [this](auto&, auto&) { CreateModel(); });
    On("mnuExit", "Click", [this](auto&, auto&) { Unload(); });
    On("cmdModelNum", "Click", [this](auto&, auto&) { cmdModelNum_Click(); });
    On("cmdSpecs", "Click", [this](auto&, auto&) { cmdSpecs_Click(); });
    On("cmdBack", "Click", [this](auto&, auto&) { cmdBack_Click(); });
    On("cmdCancel", "Click", [this](auto&, auto&) { Unload(); });
    On("cmdLines", "Click", [this](auto&, auto&) { cmdLines_Click(); });
    On("chkCE", "Click", [this](auto&, auto&) { chkCE_Click(); });
    On("chkUL", "Click", [this](auto&, auto&) { chkUL_Click(); });
    On("comboColumns", "Validate", [this](auto&, auto&) { comboColumns_Validate(); });
    On("comboRows", "Validate", [this](auto&, auto&) { comboRows_Validate(); });
    On("optLEDPerPixel", "Click",
       [this](forms::Control& button, auto&) { LedsPerPixel = button.Index(); });
}

void frmModelNum::Window_Load() {
    InRowsValidate = vb::False;
    LedsPerPixel = 4;
    optZomel(2).SetValue(gSign->Zomel2() != 0);
    optHigh->SetValue(gSign->HighDensity() != 0);
    optVertical->SetValue(gSign->Vertical() != 0);
    optDegree(30).SetValue(true);
    ShowPane(*FrameChoices, false);
    ShowPane(*FrameMeaning, false);
    comboColumns->SetListIndex(0);
    comboRows->SetListIndex(0);
}

void frmModelNum::ShowPane(forms::Frame& pane, bool shown) {
    pane.SetLeft(shown ? kPaneShown : kPaneHidden);
}

void frmModelNum::mnuBuild_Click() {
    ShowPane(*FrameChoices, true);
    ShowPane(*FrameMeaning, false);
    cmdModelNum->SetVisible(true);
}

void frmModelNum::cmdModelNum_Click() {
    CreateModel();
    cmdSpecs->SetVisible(true);
}

void frmModelNum::cmdBack_Click() {
    cmdBack->SetVisible(false);
    ShowPane(*FrameMeaning, false);
    ShowPane(*FrameChoices, true);
    cmdModelNum->SetVisible(true);
}

void frmModelNum::chkCE_Click() {
    gSign->SetCE(vb::Flag(chkCE->Value() == 1));
}

void frmModelNum::chkUL_Click() {
    gSign->SetUL(vb::Flag(chkUL->Value() == 1));
}

void frmModelNum::comboColumns_Validate() {
    gSign->SetXZomelCount(static_cast<vb::Integer>(comboColumns->ListIndex() + 1));
    gSign->SetYZomelCount(static_cast<vb::Integer>(comboRows->ListIndex() + 1));
}

void frmModelNum::comboRows_Validate() {
    if (InRowsValidate) return;
    FlagScope validating(InRowsValidate);
    comboColumns_Validate();
}

// ---- Decoding ------------------------------------------------------------------------------

void frmModelNum::cmdSpecs_Click() {
    ShowPane(*FrameChoices, false);
    cmdModelNum->SetVisible(false);
    ModelText = gSign->ModelNumber();
    ModelTextUpper = vb::UCase(ModelText);
    lblProdType->SetCaption(ModelTextUpper);
    FillFieldBoxes(ModelText);
    cmdSpecs->SetVisible(false);
    cmdBack->SetVisible(true);
    DefineComponents();
    ShowPane(*FrameMeaning, true);
}

void frmModelNum::ShowMeaningOf(const std::string& answer) {
    ShowPane(*FrameChoices, false);
    cmdModelNum->SetVisible(false);
    if (!answer.empty()) ModelText = answer;
    ModelTextUpper = vb::UCase(ModelText);
    lblProdType->SetCaption(ModelTextUpper);
    FillFieldBoxes(ModelText);
    DefineComponents();
    SetCaption(ModelNumberLabel + ModelText);
    ShowPane(*FrameMeaning, true);
}

void frmModelNum::FillFieldBoxes(const std::string& number) {
    const ModelFields f = SplitModelNumber(number);
    txtProdType->SetText(f.ProdType);
    txtSignType->SetText(f.SignType);
    txtApproval->SetText(f.Approval);
    txtDisplayType->SetText(f.DisplayType);
    txtDensity->SetText(f.Density);
    txtAngularity->SetText(f.Angularity);
    txtColor->SetText(f.Color);
    txtLeds->SetText(f.Leds);
    txtColumns->SetText(f.Columns);
    txtRows->SetText(f.Rows);
    txtOrient->SetText(f.Orient);
}

ModelFields frmModelNum::BoxFields() {
    return {txtProdType->Text(), txtSignType->Text(),   txtApproval->Text(), txtDisplayType->Text(),
            txtDensity->Text(),  txtAngularity->Text(), txtColor->Text(),    txtLeds->Text(),
            txtColumns->Text(),  txtRows->Text(),       txtOrient->Text()};
}

// The recomputations that the accepted fields start rebuild the sign's number; the number
// under decoding is kept apart from them, so that messages quote what was decoded.
void frmModelNum::DefineComponents() {
    Fields = BoxFields();
    Valid = vb::True;
    const std::string number = ModelText;
    const std::string upper = ModelTextUpper;
    try {
        if (vb::Len(number) < ModelNumberLength) Refuse(kTooShort);
        CheckShipping();
        CheckLayout();
        CheckCodes();
        CheckCounts(number, upper);
        CheckLayoutRules();
    } catch (const Refusal& refusal) {
        Message = refusal.message;
        Valid = vb::False;
    }
    ModelText = number;
}

void frmModelNum::CheckShipping() {
    if (Fields.ProdType == "A")
        PressTool("id_Build");
    else if (Fields.ProdType == "C")
        PressTool("id_Parts");
    else
        Refuse(kShipping);
}

void frmModelNum::CheckLayout() {
    const vb::Integer segmentType = gSign->SegmentType();
    if (Fields.SignType == "C") {
        if (Fields.Density == "H") Refuse(kCharacterDensity);
        if (segmentType != 2) PressTool("id_SignChar");
    } else if (Fields.SignType == "F") {
        if (segmentType != 0) PressTool("id_SignFull");
    } else if (Fields.SignType == "L") {
        if (segmentType != 1) PressTool("id_SignLine");
    } else {
        Refuse(kLayout);
    }
}

// From the approval code to the LEDs per pixel, a field that fails to convert is an
// unrecognized code.
void frmModelNum::CheckCodes() {
    try {
        CheckApproval();
        CheckVersion();
        CheckOrientation();
        CheckDensity();
        CheckAngle();
        if (Fields.Color != "A") Refuse(kColor);
        CheckLeds();
    } catch (const vb::VbError&) {
        Refuse(kCodeNotRecognized);
    }
}

// An accepted code also sets the sign's marks, so that the sign and its number agree.
void frmModelNum::CheckApproval() {
    const bool european = CEOption != 0;
    const vb::Integer code = WholeNumber(Fields.Approval);
    switch (code) {
        case 0:
            if (european) Refuse(kNeedNormalEdition);
            break;
        case 1:
            if (!european) Refuse(kNeedCEEdition);
            PressTool("id_CE");
            break;
        case 2:
            Refuse(kContactForUL);
        case 3:
            Refuse(european ? kContactForUL : kNeedCEEdition);
        default:
            Refuse(kCodeNotRecognized);
    }
    gSign->SetCE(vb::Flag(code & 1));
    gSign->SetUL(vb::Flag(code & 2));
    lblApprovalCode->SetCaption(forms::LoadResString(kApprovalIs) + vb::CStr(vb::Long{code}) + ".");
}

void frmModelNum::CheckVersion() {
    const double version = vb::Val(Fields.DisplayType);
    if (version == 1) {
        if (gSign->Zomel2()) PressTool("id_Sign1");
    } else if (version == 2) {
        if (!gSign->Zomel2()) PressTool("id_Sign2");
    } else {
        Refuse(kBusType);
    }
}

void frmModelNum::CheckOrientation() {
    if (Fields.Orient == "H") {
        if (gSign->Vertical()) PressTool("id_SignVertical");
        if (gSign->Vertical()) MainForm->mnuSignVertical_Click(vb::False);
    } else if (Fields.Orient == "V") {
        if (!gSign->Vertical()) PressTool("id_SignHorizontal");
        if (!gSign->Vertical()) MainForm->mnuSignVertical_Click(vb::True);
    } else {
        Refuse(kOrientation);
    }
}

void frmModelNum::CheckDensity() {
    if (Fields.Density == "H") {
        if (!gSign->HighDensity()) PressTool("id_SignHigh");
        if (!gSign->HighDensity()) MainForm->mnuSignDensity_Click();
        lblDensity->SetCaption("The density of the display is HIGH.");
    } else if (Fields.Density == "S") {
        if (CEOption != 0) Refuse(kCEHighOnly);
        if (gSign->HighDensity()) PressTool("id_SignStandard");
        if (gSign->HighDensity()) MainForm->mnuSignDensity_Click();
        lblDensity->SetCaption("The density of the display is STANDARD.");
    } else {
        Refuse(kDensity);
    }
}

void frmModelNum::CheckAngle() {
    const double angle = vb::Val(Fields.Angularity);
    const bool european = CEOption != 0;
    if (angle == 1) {
        optDegree(15).SetValue(true);
        if (!european) Refuse(kContactForAngle);
    } else if (angle == 2) {
        if (european) Refuse(kContactForAngle);
        optDegree(30).SetValue(true);
    } else {
        Refuse(kAngle);
    }
}

void frmModelNum::CheckLeds() {
    if (Fields.Leds == "4") {
        if (!ToolPressed("id_4PerPixel")) PressTool("id_4PerPixel");
    } else if (Fields.Leds == "8") {
        Refuse(kContactForTS4);
    } else {
        lblLEDCount->SetCaption(forms::LoadResString(kLedCount));
        Refuse(kLedCount);
    }
}

// Each count is checked with the conversion that sets it; a count that is no whole number
// is refused with the count's message.
void frmModelNum::CheckCounts(const std::string& number, const std::string& upper) {
    vb::Integer columns = 0;
    if (!vb::ResumeNext([&] { columns = WholeNumber(Fields.Columns); }) || columns < 1 ||
        columns > kMaxColumns)
        throw Refusal{Quoting(kColumns, number)};
    gSign->SetXZomelCount(columns);
    comboColumns->SetListIndex(static_cast<vb::Integer>(columns - 1));
    vb::Integer rows = 0;
    if (!vb::ResumeNext([&] { rows = WholeNumber(Fields.Rows); }) || rows < 1 || rows > kMaxRows)
        throw Refusal{Quoting(kRows, upper)};
    gSign->SetYZomelCount(rows);
    comboRows->SetListIndex(static_cast<vb::Integer>(rows - 1));
    vb::Err().Clear();
    if (vb::Long{gSign->XZomelCount()} * gSign->YZomelCount() > kMaxModules) {
        const std::string message = Quoting(kModuleCount, upper);
        lblSignRows->SetCaption(message);
        throw Refusal{message};
    }
}

void frmModelNum::CheckLayoutRules() {
    if (gSign->Vertical() || gSign->HighDensity()) return;
    std::string message;
    if (gSign->SegmentType() == kLineMatrix)
        message = forms::LoadResString(kLineDensity);
    else if (gSign->SegmentType() == kCharacterSegmented)
        message =
            "In order to use a sign layout of Character, the ZOMELS must be Vertical and Standard!";
    else
        return;
    lblSignRows->SetCaption(message);
    throw Refusal{message};
}

// ---- Building ------------------------------------------------------------------------------

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
    if (gSign->SegmentType() != kFullMatrix) PressTool("id_SignFull");
    const LayoutCandidate& candidate = LayoutCandidates(MainForm->SelectedCandidate);
    const vb::Long chars = WholeNumber(MainForm->txtChars->Text());
    const vb::Long lines = WholeNumber(MainForm->txtLines->Text());
    const vb::Integer segmentType = gSign->SegmentType();
    const vb::Long cols = candidate.FontCols;
    const vb::Long rows = candidate.FontRows;
    vb::Long width = (cols + 1) * chars - 1;  // one LED column between characters
    if (chars == 1)
        width = cols;
    else if (segmentType == 2)
        width = cols * chars;
    vb::Long height = rows * lines;
    if (lines == 1)
        height = rows;
    else if (segmentType == 0)
        height = (rows + 1) * lines - 1;  // one LED row between lines
    const ModuleLeds leds = LedsPerModule(candidate.HighDensity != 0, candidate.Vertical != 0);

    ModelFields f;
    f.ProdType = ShippingField();
    f.SignType = SignTypeOf(segmentType);
    f.Approval = chkCE->Value() == 1 ? "1" : chkUL->Value() == 1 ? "2" : "0";
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
            if (vb::Len(box.Text()) == ModelNumberLength) return;
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
