#pragma once

#include <string>

#include "core/ProgramForm.h"
#include "modelspec/engine/ModelNumber.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/ListControl.h"
#include "platform/forms/Ref.h"
#include "platform/forms/TextBox.h"
#include "platform/vb/Types.h"

namespace zomel {

// The model number window: builds the 15-character model number from its choices, from the
// sign or from a proposed layout, decodes a number into its meaning and applies it to the sign
// and the main window, and runs the line and character analyzer.
class frmModelNum : public ProgramForm {
public:
    frmModelNum();

    // Builders: each stores the number in the sign, which shows it in the main window's box.
    void CreateModel();
    void UpdateModelNum();
    void GenerateRecomendedModel();
    // Repairs a number in the main window's box that lacks characters.
    void UpdateShortModel();

    // Decodes the sign's number and shows its meaning.
    void cmdSpecs_Click();
    // Decodes the number in the field boxes, applying each accepted field.
    void DefineComponents();
    // Decodes a typed number; an empty answer decodes the last number again.
    void ShowMeaningOf(const std::string& answer);
    // The line and character analyzer of the main window's line-and-character page.
    void cmdLines_Click();

    vb::Integer Valid = vb::True;      // the last analysis or check found no fault
    std::string Message;               // the last problem found
    vb::Integer FromList = vb::False;  // a candidate from the main window's list is being applied

    forms::Ref<forms::Frame> FrameChoices{*this, "FrameChoices"};
    forms::Ref<forms::Frame> FrameMeaning{*this, "FrameMeaning"};
    forms::Ref<forms::OptionButton> optDMSAssembled{*this, "optDMSAssembled"};
    forms::Ref<forms::OptionButton> optDMSComponents{*this, "optDMSComponents"};
    forms::Ref<forms::OptionButton> optFull{*this, "optFull"};
    forms::Ref<forms::OptionButton> optLine{*this, "optLine"};
    forms::Ref<forms::OptionButton> optCharacter{*this, "optCharacter"};
    forms::Ref<forms::CheckBox> chkCE{*this, "chkCE"};
    forms::Ref<forms::CheckBox> chkUL{*this, "chkUL"};
    forms::ArrayRef<forms::OptionButton> optZomel{*this, "optZomel"};
    forms::Ref<forms::OptionButton> optHigh{*this, "optHigh"};
    forms::Ref<forms::OptionButton> optStandard{*this, "optStandard"};
    forms::ArrayRef<forms::OptionButton> optDegree{*this, "optDegree"};
    forms::ArrayRef<forms::OptionButton> optLEDPerPixel{*this, "optLEDPerPixel"};
    forms::Ref<forms::OptionButton> optVertical{*this, "optVertical"};
    forms::Ref<forms::OptionButton> optHorizontal{*this, "optHorizontal"};
    forms::Ref<forms::ComboBox> comboColumns{*this, "comboColumns"};
    forms::Ref<forms::ComboBox> comboRows{*this, "comboRows"};
    forms::Ref<forms::Label> lblProdType{*this, "lblProdType"};
    forms::Ref<forms::TextBox> txtProdType{*this, "txtProdType"};
    forms::Ref<forms::TextBox> txtSignType{*this, "txtSignType"};
    forms::Ref<forms::TextBox> txtApproval{*this, "txtApproval"};
    forms::Ref<forms::TextBox> txtDisplayType{*this, "txtDisplayType"};
    forms::Ref<forms::TextBox> txtDensity{*this, "txtDensity"};
    forms::Ref<forms::TextBox> txtAngularity{*this, "txtAngularity"};
    forms::Ref<forms::TextBox> txtColor{*this, "txtColor"};
    forms::Ref<forms::TextBox> txtLeds{*this, "txtLeds"};
    forms::Ref<forms::TextBox> txtColumns{*this, "txtColumns"};
    forms::Ref<forms::TextBox> txtRows{*this, "txtRows"};
    forms::Ref<forms::TextBox> txtOrient{*this, "txtOrient"};
    forms::Ref<forms::Label> lblApprovalCode{*this, "lblApprovalCode"};
    forms::Ref<forms::Label> lblDensity{*this, "lblDensity"};
    forms::Ref<forms::Label> lblLEDCount{*this, "lblLEDCount"};
    forms::Ref<forms::Label> lblSignRows{*this, "lblSignRows"};
    forms::Ref<forms::CommandButton> cmdModelNum{*this, "cmdModelNum"};
    forms::Ref<forms::CommandButton> cmdSpecs{*this, "cmdSpecs"};
    forms::Ref<forms::CommandButton> cmdBack{*this, "cmdBack"};
    forms::Ref<forms::CommandButton> cmdCancel{*this, "cmdCancel"};
    forms::Ref<forms::CommandButton> cmdLines{*this, "cmdLines"};

protected:
    void Window_Load() override;

private:
    void mnuBuild_Click();
    void cmdModelNum_Click();
    void cmdBack_Click();
    void chkCE_Click();
    void chkUL_Click();
    void comboColumns_Validate();
    void comboRows_Validate();

    // Decoding.
    // Decodes `number` into the field boxes, applies each accepted field and shows the meaning.
    void ShowMeaning(std::string number);
    void FillFieldBoxes(const std::string& number);
    ModelFields BoxFields();
    void CheckShipping();
    void CheckLayout();
    void CheckCodes();
    void CheckApproval();
    void CheckVersion();
    void CheckOrientation();
    void CheckDensity();
    void CheckAngle();
    void CheckLeds();
    void CheckCounts(const std::string& number, const std::string& upper);
    void CheckLayoutRules();

    // Building.
    std::string AngleField();
    void StoreModel(const std::string& number);

    static void ShowPane(forms::Frame& pane, bool shown);

    vb::Integer LedsPerPixel = 4;
    vb::Integer InRowsValidate = vb::False;
    std::string ModelText;  // the number last built or decoded
    std::string ModelTextUpper;
    ModelFields Fields;  // the field boxes as the decoding started
};

}  // namespace zomel
