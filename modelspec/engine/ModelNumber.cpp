#include "modelspec/engine/ModelNumber.h"

#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

std::string Field(std::string_view number, vb::Long start, vb::Long length = 1) {
    return vb::UCase(vb::Mid(number, start, length));
}

}  // namespace

ModelFields SplitModelNumber(std::string_view number) {
    ModelFields f;
    f.ProdType = Field(number, 1);
    f.SignType = Field(number, 2);
    f.Approval = Field(number, 3);
    f.DisplayType = Field(number, 5);
    f.Density = Field(number, 6);
    f.Angularity = Field(number, 7);
    f.Color = Field(number, 8);
    f.Leds = Field(number, 9);
    f.Columns = Field(number, 11, 2);
    f.Rows = Field(number, 13, 2);
    f.Orient = vb::UCase(vb::Right(number, 1));
    return f;
}

std::string ComposeModelNumber(const ModelFields& f) {
    std::string number;
    number.reserve(kModelNumberLength);
    number += f.ProdType + f.SignType + f.Approval + "-";
    number += f.DisplayType + f.Density + f.Angularity + f.Color + f.Leds + "-";
    number += f.Columns + f.Rows + f.Orient;
    return number;
}

std::string TwoDigits(vb::Long count) {
    return vb::Format(count, "00");
}

vb::Integer WholeNumber(const std::string& text) {
    return vb::CInt(vb::Variant(text));
}

}  // namespace zomel
