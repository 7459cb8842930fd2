#pragma once

#include <optional>
#include <string_view>

namespace forms {

// A sheet of paper, upright, in points (1/72 inch).
struct Paper {
    double widthPoints = 0;
    double heightPoints = 0;

    // The sheet turned on its side, for landscape.
    Paper Turned() const { return {heightPoints, widthPoints}; }
    bool operator==(const Paper&) const = default;
};

// US letter, 8.5 by 11 inches: the paper when nothing names another.
inline constexpr Paper kLetterPaper{612, 792};

// The paper a name stands for, in any case: libpaper's and the print drivers' names ("a4",
// "Letter", "A4.Fullbleed") and the names that give their own size ("iso_a4_210x297mm",
// "na_letter_8.5x11in"); nothing for a name it does not know.
std::optional<Paper> PaperNamed(std::string_view name);

// The desktop's paper as libpaper finds it: the name in PAPERSIZE, else in the file PAPERCONF
// names, else in /etc/papersize; nothing where none of them names a known paper.
std::optional<Paper> DesktopPaper();

}  // namespace forms
