#include "modelspec/engine/LineAnalyzer.h"

#include "core/FontTable.h"
#include "core/LayoutCandidate.h"
#include "core/SizeFilterTable.h"
#include "core/SizeValidation.h"
#include "modelspec/engine/Refusal.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

// Runs one reading step; a conversion failure in it becomes that step's message.
template <class Step>
auto Reading(const char* conversionMessage, Step&& step) {
    try {
        return step();
    } catch (const vb::VbError& e) {
        if (e.Number() == vb::err::kTypeMismatch || e.Number() == vb::err::kOverflow)
            throw Refusal{conversionMessage};
        throw;
    }
}

vb::Integer WholeNumber(const std::string& text) {
    return vb::CInt(vb::Variant(text));
}

vb::Integer FontIndexOf(vb::Integer cols, vb::Integer rows) {
    for (vb::Integer i = kFirstBlockFont; i <= kLastBlockFont; ++i) {
        const FontRecord& font = FontTable(i);
        if (font.Height == rows && vb::Val(font.Cols) == cols) return i;
    }
    return 0;
}

std::string Cell(const LayoutCandidate& c) {
    return vb::CStr(vb::Long{c.FontCols}) + "x" + vb::CStr(vb::Long{c.FontRows});
}

class Analysis {
public:
    Analysis(const LineRequest& request, vb::Integer& charGap)
        : request_(request), charGap_(charGap) {}

    LineAnalysis Run() {
        LineAnalysis result;
        try {
            ReadInputs();
            ClearCandidates();
            FillCandidates();
            result.ListLines = ListLines();
        } catch (const Refusal& refusal) {
            result.Valid = false;
            result.Message = refusal.message;
        }
        return result;
    }

private:
    void ReadInputs() {
        const auto lines = Reading("You must have a integer for lines of text.",
                                   [&] { return WholeNumber(request_.Lines); });
        if (lines < 1) throw Refusal{"You must have at least one line of text."};
        inches_ = request_.Unit == "in";
        height_ = Reading("You must have a number for character height.",
                          [&] { return SizeOfEntry(request_.HeightItem); });
        if (HeightBelowMinimum(height_, inches_)) throw Refusal{kHeightMinimumMessage};
        width_ = Reading("You must have a number for charcter width.",
                         [&] { return SizeOfEntry(request_.WidthItem); });
        if (WidthBelowMinimum(width_, inches_)) throw Refusal{kWidthMinimumMessage};
        const auto chars = Reading("You must have a integer for charcters per line.",
                                   [&] { return WholeNumber(request_.Chars); });
        if (chars < 1) throw Refusal{"You must have at least one character of text."};
        Reading("You must have a integer for pixels between charcters.",
                [&] { charGap_ = WholeNumber(request_.GapItem); });
        if (charGap_ < 1) throw Refusal{"You must have at least one pixel between characters."};
    }

    void ClearCandidates() {
        for (vb::Integer i = 1; i <= kMaxLayoutCandidates; ++i) {
            LayoutCandidate& entry = LayoutCandidates(i);
            std::string kept = std::move(entry.ListText);
            entry = LayoutCandidate{};
            entry.Inches = vb::Flag(inches_);
            entry.ListText = std::move(kept);
        }
    }

    void FillCandidates() {
        const vb::Single heightIn = SizeInInches(height_, inches_);
        const vb::Single widthIn = SizeInInches(width_, inches_);
        const SizePairFont font =
            FontOfSizePair(SizeIndex(heightIn, kInchSizeBase), SizeIndex(widthIn, kInchSizeBase));
        if (font.Rows == 0) throw Refusal{SizeMismatchMessage(height_, width_)};
        const bool anyGap = font.Cols == 5 && font.Rows == 7;
        if (!anyGap && charGap_ != 1)
            throw Refusal{"Height=" + vb::CStr(height_) + " and width=" + vb::CStr(width_) +
                          " requires VELDO " + vb::CStr(vb::Long{font.Cols}) + "x" +
                          vb::CStr(vb::Long{font.Rows}) +
                          " font which only supports a character gap of 1."};
        // High density has one orientation for the size; standard density goes either way.
        const vb::Integer count = font.HighDensity ? 1 : 2;
        for (vb::Integer i = 1; i <= count; ++i) {
            LayoutCandidate& entry = LayoutCandidates(i);
            entry.FontIndex = FontIndexOf(font.Cols, font.Rows);
            entry.FontCols = font.Cols;
            entry.FontRows = font.Rows;
            entry.CharHeight = heightIn;
            entry.CharWidth = widthIn;
            entry.HighDensity = vb::Flag(font.HighDensity);
            entry.Vertical = vb::Flag(font.HighDensity ? font.Vertical : i == 1);
        }
    }

    std::vector<std::string> ListLines() {
        std::vector<std::string> lines;
        for (vb::Integer i = 1; i <= kMaxLayoutCandidates; ++i) {
            LayoutCandidate& entry = LayoutCandidates(i);
            if (entry.FontRows == 0) break;
            entry.ListText =
                "Height=" + vb::CStr(height_) + " with width=" + vb::CStr(width_) + " " +
                request_.Unit + " using " + Cell(entry) +
                (entry.Vertical ? " on vertical" : " on horizontal") +
                (entry.HighDensity ? " high density ZOMELs" : " standard density ZOMELs");
            lines.push_back(entry.ListText);
        }
        return lines;
    }

    const LineRequest& request_;
    vb::Integer& charGap_;
    bool inches_ = false;
    vb::Single height_ = 0;
    vb::Single width_ = 0;
};

}  // namespace

LineAnalysis AnalyzeLines(const LineRequest& request, vb::Integer& charGap) {
    return Analysis(request, charGap).Run();
}

}  // namespace zomel
