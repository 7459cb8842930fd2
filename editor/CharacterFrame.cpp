#include "editor/CharacterFrame.h"

#include <algorithm>

#include "core/ModuleFigures.h"
#include "editor/LinePlacement.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

void AppendRow(std::string& frame, const std::string& line, vb::Integer align, int columns) {
    const int length = vb::Len(line);
    if (length >= columns) {
        frame += vb::Left(line, columns);
        return;
    }
    const int spare = columns - length;
    int lead = 0;
    if (align == kAlignLeft) {
        lead = 0;
    } else if (align == kAlignRight) {
        lead = spare;
    } else if (align == kAlignCentre) {
        lead = spare / 2;  // an odd blank goes to the right
    } else {
        frame.append(static_cast<std::size_t>(columns), ' ');
        return;
    }
    frame.append(static_cast<std::size_t>(lead), ' ');
    frame += line;
    frame.append(static_cast<std::size_t>(spare - lead), ' ');
}

}  // namespace

std::string CharacterFrameText(std::span<const std::string> lines,
                               std::span<const LineFormat> formats, int columns) {
    std::string frame;
    if (columns > 0) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const vb::Integer align = i < formats.size() ? formats[i].Align : kAlignLeft;
            AppendRow(frame, lines[i], align, columns);
        }
    }
    frame += '|';
    return frame;
}

int CharacterFrameColumns(int longestLine, int signColumns) {
    int columns = std::min(longestLine, kMostColumns);
    if (signColumns > 0) columns = std::min(columns, signColumns);
    return columns;
}

}  // namespace zomel
