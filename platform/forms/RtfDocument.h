#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/Types.h"

namespace forms {

// The look of one character of a rich text document.
struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;  // font size in half points
    int font = 0;         // number in the font table
    int alignment = 0;    // of its paragraph: 0 left, 1 right, 2 centre, 3 justified

    bool operator==(const RtfCharFormat&) const = default;
};

// Text made fit to stand in an RTF document: backslash and braces escaped, line ends as
// paragraph marks, tabs as tab marks, characters of the Windows-1252 code page as its codes,
// and every other character as a Unicode mark with "?" for readers that know none.
std::string RtfEscape(std::string_view text);

// The content of a rich text box: the RTF source, and the text that it shows, character by
// character, with each character's place in the source.  Positions count characters from 0;
// a paragraph mark is one character ("\n").
class RtfDocument {
public:
    // Takes an RTF document; text that does not start "{\rtf" is taken as plain text.
    void SetRtf(std::string rtf);
    // Makes a plain document of `text`.
    void SetText(std::string_view text);
    const std::string& Rtf() const { return source_; }
    std::string Text() const;
    vb::Long Length() const { return static_cast<vb::Long>(text_.size()); }
    std::string TextRange(vb::Long start, vb::Long length) const;

    // Replaces characters [start, start + length) by plain text, in the look of the first
    // replaced character.
    void ReplaceText(vb::Long start, vb::Long length, std::string_view text);
    // Removes characters [start, start + length) and puts an RTF fragment in their place;
    // the number of characters the fragment shows.
    vb::Long ReplaceWithRtf(vb::Long start, vb::Long length, std::string_view fragment);

    // Search options, as the rich text box takes them.
    static constexpr vb::Long kWholeWord = 2;
    static constexpr vb::Long kMatchCase = 4;
    // First position at or after `start` where `find` begins and ends before `end`; -1 when
    // there is none.
    vb::Long Find(std::string_view find, vb::Long start, vb::Long end, vb::Long options) const;

    // What the view draws.
    const std::u32string& Characters() const { return text_; }
    const RtfCharFormat& FormatAt(vb::Long position) const {
        return formats_[static_cast<size_t>(position)];
    }
    // The font's name in the font table; "" when the table has none of that number.
    std::string FontName(int font) const;

private:
    void Parse();
    // Where in the source character `position` begins; the end of the document's body for
    // the position after the last character.
    size_t SourceAt(vb::Long position) const;
    size_t SourceEnd(vb::Long position) const;
    void Splice(vb::Long start, vb::Long length, std::string_view replacement);

    std::string source_;
    std::u32string text_;
    std::vector<size_t> begin_;  // source offset of each character
    std::vector<size_t> end_;    // source offset just after each character
    std::vector<RtfCharFormat> formats_;
    std::map<int, std::string> fonts_;
    size_t bodyEnd_ = 0;  // where text added at the end goes: before the closing brace
};

}  // namespace forms
