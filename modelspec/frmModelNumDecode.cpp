// Decoding a model number: each field is checked in turn and, once accepted, applied to the
// sign and the main window's tools; the first field refused stops the decoding with its text.
#include <utility>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/ModuleFigures.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "modelspec/MainTools.h"
#include "modelspec/engine/Refusal.h"
#include "modelspec/frmModelNum.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

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
};

[[noreturn]] void Refuse(vb::Long text) {
    throw Refusal{forms::LoadResString(text)};
}

std::string Quoting(vb::Long text, const std::string& number) {
    return forms::LoadResString(text) + forms::LoadResString(kJoinIn) + number;
}

}  // namespace

void frmModelNum::cmdSpecs_Click() {
    cmdSpecs->SetVisible(false);
    cmdBack->SetVisible(true);
    ShowMeaning(gSign->ModelNumber());
}

void frmModelNum::ShowMeaningOf(const std::string& answer) {
    ShowMeaning(answer.empty() ? ModelText : answer);
    SetCaption(ModelNumberLabel + ModelText);
}

void frmModelNum::ShowMeaning(std::string number) {
    ShowPane(*FrameChoices, false);
    cmdModelNum->SetVisible(false);
    ModelText = std::move(number);
    ModelTextUpper = vb::UCase(ModelText);
    lblProdType->SetCaption(ModelTextUpper);
    FillFieldBoxes(ModelText);
    DefineComponents();
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
        if (vb::Len(number) < kModelNumberLength) Refuse(kModelTooShort);
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
    const LayoutKind segmentType = gSign->SegmentType();
    if (Fields.SignType == "C") {
        if (Fields.Density == "H") Refuse(kCharacterDensity);
        if (segmentType != LayoutKind::CharacterSegmented) PressTool("id_SignChar");
    } else if (Fields.SignType == "F") {
        if (segmentType != LayoutKind::FullMatrix) PressTool("id_SignFull");
    } else if (Fields.SignType == "L") {
        if (segmentType != LayoutKind::LineMatrix) PressTool("id_SignLine");
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
    gSign->SetCE(vb::Flag(code & Sign::kCEBit));
    gSign->SetUL(vb::Flag(code & Sign::kULBit));
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
        columns > kMostColumns)
        throw Refusal{Quoting(kColumns, number)};
    gSign->SetXZomelCount(columns);
    comboColumns->SetListIndex(static_cast<vb::Integer>(columns - 1));
    vb::Integer rows = 0;
    if (!vb::ResumeNext([&] { rows = WholeNumber(Fields.Rows); }) || rows < 1 || rows > kMostRows)
        throw Refusal{Quoting(kRows, upper)};
    gSign->SetYZomelCount(rows);
    comboRows->SetListIndex(static_cast<vb::Integer>(rows - 1));
    vb::Err().Clear();
    if (vb::Long{gSign->XZomelCount()} * gSign->YZomelCount() > kMostOrderedModules) {
        const std::string message = Quoting(kModuleCount, upper);
        lblSignRows->SetCaption(message);
        throw Refusal{message};
    }
}

void frmModelNum::CheckLayoutRules() {
    if (gSign->Vertical() || gSign->HighDensity()) return;
    std::string message;
    if (gSign->SegmentType() == LayoutKind::LineMatrix)
        message = forms::LoadResString(kLineDensity);
    else if (gSign->SegmentType() == LayoutKind::CharacterSegmented)
        message =
            "In order to use a sign layout of Character, the ZOMELS must be Vertical and Standard!";
    else
        return;
    lblSignRows->SetCaption(message);
    throw Refusal{message};
}

}  // namespace zomel
