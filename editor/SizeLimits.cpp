#include "editor/SizeLimits.h"

#include "core/ModulePitch.h"
#include "core/StringText.h"
#include "platform/vb/Conversion.h"

namespace zomel {
namespace {

constexpr vb::Long kWiderThanBuilder1 = 10942;
constexpr vb::Long kWiderThanBuilder2 = 10943;
constexpr vb::Long kWiderThanSign = 10959;
constexpr vb::Long kHoldAdvice = 10938;
constexpr vb::Long kDeleteLastCharacter = 10962;
constexpr vb::Long kTallerThanBuilder1 = 10963;
constexpr vb::Long kTallerThanBuilder2 = 10964;
constexpr vb::Long kTallerThanSign = 10937;
constexpr vb::Long kTraceTry = 10940;
constexpr vb::Long kTraceColumns = 10941;
constexpr vb::Long kTraceEndingCol = 10944;
constexpr vb::Long kTraceColumnSpan = 10945;
constexpr vb::Long kTraceHold = 10961;

const char kLineFeed = '\n';

std::string Lines(std::initializer_list<vb::Long> ids) {
    std::string text;
    for (vb::Long id : ids) {
        if (!text.empty()) text += kLineFeed;
        text += Text(id);
    }
    return text;
}

const char* TrueFalse(bool value) {
    return value ? "True" : "False";
}

int InkRows(const ExtentInfo& extent) {
    return extent.EndingRow - extent.StartingRow + 1;
}

}  // namespace

SizeVerdict CheckColumns(vb::Integer tryCount, const ExtentInfo& extent, const SizeLimits& limits,
                         bool tracing) {
    SizeVerdict verdict;
    const int x = limits.XZomelCount;
    const auto beyond = [&](int modules) {
        return !FitsModules(extent.EndingCol, modules, limits.CellWidth, limits.GapX);
    };
    if (tryCount > limits.MaxColumns) {
        verdict.Message = Lines({kWiderThanBuilder1, kWiderThanBuilder2});
        verdict.Count = limits.MaxColumns;
        verdict.BeyondMax = beyond(limits.MaxColumns);
        if (tracing)
            verdict.Trace = Text(kTraceTry) + vb::CStr(vb::Long{tryCount}) + Text(kTraceColumns) +
                            vb::CStr(vb::Long{limits.MaxColumns});
    } else if (beyond(x) && limits.HoldSize) {
        verdict.Message = Lines({kWiderThanSign, kHoldAdvice, kDeleteLastCharacter});
        verdict.Held = true;
        verdict.Count = limits.XZomelCount;
        if (tracing)
            verdict.Trace = Text(kTraceEndingCol) + vb::CStr(vb::Long{extent.EndingCol}) +
                            Text(kTraceColumnSpan) +
                            vb::CStr(vb::Long{ModulesSpan(x, limits.CellWidth, limits.GapX)}) +
                            Text(kTraceHold) + TrueFalse(limits.HoldSize);
    } else if (x > limits.MaxColumns) {
        verdict.Count = limits.MaxColumns;
        verdict.BeyondMax = beyond(x);
    } else {
        verdict.Count = tryCount;
    }
    return verdict;
}

SizeVerdict CheckRows(vb::Integer tryCount, const ExtentInfo& extent, const SizeLimits& limits,
                      bool tracing) {
    SizeVerdict verdict;
    const int x = limits.XZomelCount;
    const int y = limits.YZomelCount;
    const auto inkBeyond = [&](int modules) {
        return !FitsModules(InkRows(extent), modules, limits.CellHeight, limits.GapY);
    };
    if (tryCount > limits.MaxRows) {
        verdict.Message = Lines({kTallerThanBuilder1, kTallerThanBuilder2});
        verdict.Count = limits.MaxRows;
        verdict.BeyondMax = inkBeyond(limits.MaxRows);
        if (tracing)
            verdict.Trace = "Checksize error cause try: " + vb::CStr(vb::Long{tryCount}) +
                            " is > than rows: " + vb::CStr(vb::Long{limits.MaxRows});
    } else if (!FitsModules(extent.EndingRow, y, limits.CellHeight, limits.GapY) &&
               limits.HoldSize) {
        verdict.Message = Lines({kTallerThanSign, kHoldAdvice});
        verdict.Held = true;
        verdict.Count = limits.YZomelCount;
        if (tracing)
            verdict.Trace = "Checksize error cause ExtentInfo.EndingRow: " +
                            vb::CStr(vb::Long{extent.EndingRow}) +
                            " is > than yZomelCount * ClipHeight: " +
                            vb::CStr(vb::Long{ModulesSpan(y, limits.CellHeight, limits.GapY)}) +
                            " Hold is true";
    } else if (x * y > kMostLaidOutModules ||
               (x * y > kMostLaidOutHighDensityModules && limits.HighDensity)) {
        verdict.Count = static_cast<vb::Integer>(y - 1);
        verdict.BeyondMax = inkBeyond(y - 1);
    } else if (y > kMostRows) {
        verdict.Count = static_cast<vb::Integer>(y - 1);
        verdict.BeyondMax = inkBeyond(y);
    } else {
        verdict.Count = tryCount;
    }
    return verdict;
}

}  // namespace zomel
