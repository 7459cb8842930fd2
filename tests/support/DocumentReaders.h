#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/os/Shell.h"

// Readers of the program's documents that are not the program's own: what a person's word
// processor, XML tools or PDF viewer would find in them.
namespace readers {

// Blanks, tabs and line ends as single blanks, so that texts compare however a reader lays
// them out.
inline std::string Collapsed(const std::string& text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            blank = !out.empty();
        } else {
            if (blank) out += ' ';
            out += c;
            blank = false;
        }
    }
    return out;
}

// The text of an RTF file as unrtf reads it, collapsed; fails the test when unrtf refuses it.
inline std::string RtfText(const std::string& path) {
    auto result = os::RunProgram({"unrtf", "--text", "--quiet", path});
    EXPECT_TRUE(result && result->exitCode == 0) << "unrtf could not read " << path;
    if (!result) return {};
    std::string text = result->output;
    // unrtf heads its output with a banner line and a rule.
    size_t rule = text.find("-----------------\n");
    if (rule != std::string::npos) text = text.substr(rule + 18);
    return Collapsed(text);
}

}  // namespace readers

namespace readers {

// True when every group of an RTF text is closed and the text is one group: what every RTF
// reader needs first.
inline bool RtfGroupsBalance(const std::string& rtf) {
    int depth = 0;
    bool closedAtTop = false;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
        } else if (rtf[i] == '{') {
            if (closedAtTop) return false;
            ++depth;
        } else if (rtf[i] == '}') {
            if (--depth < 0) return false;
            closedAtTop = depth == 0;
        }
    }
    return depth == 0 && closedAtTop;
}

}  // namespace readers

namespace readers {

// The text of each page of a PDF file as pdftotext finds it, collapsed.
inline std::vector<std::string> PdfPages(const std::string& path) {
    auto result = os::RunProgram({"pdftotext", "-layout", path, "-"});
    EXPECT_TRUE(result && result->exitCode == 0) << "pdftotext could not read " << path;
    std::vector<std::string> pages;
    if (!result) return pages;
    size_t start = 0;
    const std::string& text = result->output;
    while (start < text.size()) {
        size_t end = text.find('\f', start);
        if (end == std::string::npos) end = text.size();
        pages.push_back(Collapsed(text.substr(start, end - start)));
        start = end + 1;
    }
    return pages;
}

// The first page's width and height in points, to the hundredth, as pdfinfo finds them.
inline std::pair<double, double> PdfPageSize(const std::string& path) {
    auto result = os::RunProgram({"pdfinfo", path});
    EXPECT_TRUE(result && result->exitCode == 0) << "pdfinfo could not read " << path;
    if (!result) return {};
    const std::string marker = "Page size:";
    const size_t at = result->output.find(marker);
    if (at == std::string::npos) return {};
    double width = 0, height = 0;
    if (std::sscanf(result->output.c_str() + at + marker.size(), " %lf x %lf", &width, &height) !=
        2)
        return {};
    auto hundredths = [](double points) { return std::round(points * 100) / 100; };
    return {hundredths(width), hundredths(height)};
}

}  // namespace readers

namespace readers {

// What an XPath expression gives in an XML file, as xmllint finds it; fails the test when
// the file is not well-formed.
inline std::string XmlQuery(const std::string& path, const std::string& xpath) {
    auto result = os::RunProgram({"xmllint", "--xpath", xpath, path});
    EXPECT_TRUE(result && result->exitCode == 0) << "xmllint could not read " << path;
    if (!result) return {};
    std::string value = result->output;
    if (!value.empty() && value.back() == '\n') value.pop_back();  // xmllint ends its answer
    return value;
}

// True when xmllint finds the file well-formed.
inline bool XmlWellFormed(const std::string& path) {
    auto result = os::RunProgram({"xmllint", "--noout", path});
    return result && result->exitCode == 0;
}

}  // namespace readers

namespace readers {

// A word of a PDF page where pdftotext finds it, in points from the page's top-left corner.
struct PdfWord {
    int page = 0;  // 0-based
    double left = 0, top = 0, right = 0, bottom = 0;
    std::string text;
};

// Every word of a PDF file with its place, page by page.
inline std::vector<PdfWord> PdfWords(const std::string& path) {
    auto result = os::RunProgram({"pdftotext", "-bbox", path, "-"});
    EXPECT_TRUE(result && result->exitCode == 0) << "pdftotext could not read " << path;
    std::vector<PdfWord> words;
    if (!result) return words;
    const std::string& html = result->output;
    int page = -1;
    for (size_t at = 0; at < html.size();) {
        size_t tag = html.find('<', at);
        if (tag == std::string::npos) break;
        at = tag + 1;
        if (html.compare(tag, 6, "<page ") == 0) {
            ++page;
        } else if (html.compare(tag, 6, "<word ") == 0) {
            PdfWord word;
            word.page = page;
            auto number = [&](const char* name) {
                size_t where = html.find(std::string(name) + "=\"", tag);
                return where == std::string::npos
                           ? 0.0
                           : std::stod(html.substr(where + std::string(name).size() + 2));
            };
            word.left = number("xMin");
            word.top = number("yMin");
            word.right = number("xMax");
            word.bottom = number("yMax");
            size_t open = html.find('>', tag) + 1;
            word.text = html.substr(open, html.find("</word>", open) - open);
            words.push_back(word);
        }
    }
    return words;
}

}  // namespace readers
