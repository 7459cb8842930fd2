#include "editor/MessageSpan.h"

#include <vector>

#include "platform/vb/Strings.h"

namespace zomel {
namespace {

class Words {
public:
    explicit Words(const std::string& text) : words_(vb::Split(text, " ")) {}

    size_t Count() const { return words_.size(); }
    std::string operator[](size_t i) const { return i < words_.size() ? words_[i] : ""; }
    // Words `first` to the last, joined by single blanks.
    std::string From(size_t first) const {
        std::string joined;
        for (size_t i = first; i < words_.size(); ++i)
            joined += (i > first ? " " : "") + words_[i];
        return joined;
    }

private:
    std::vector<std::string> words_;
};

std::array<std::string, 4> TwoLines(const std::string& text, const Words& w) {
    if (w.Count() >= 4) {
        // Split at the second blank: two words, then the rest.
        size_t first = text.find(' ');
        size_t second = text.find(' ', first + 1);
        return {vb::Trim(text.substr(0, second + 1)), vb::Trim(text.substr(second)), "", ""};
    }
    if (w.Count() == 3) {
        if (vb::Len(w[0]) + vb::Len(w[1]) < vb::Len(w[1]) + vb::Len(w[2]))
            return {w[0] + " " + w[1], w[2], "", ""};
        return {w[0], w[1] + " " + w[2], "", ""};
    }
    return {vb::Trim(w[0]), vb::Trim(w[1]), "", ""};
}

std::array<std::string, 4> ThreeLines(const Words& w) {
    std::string second = w.Count() >= 5 ? w[1] + " " + w[2] : w[1];
    std::string third = w.Count() == 4 ? w[2] + " " + w[3] : w.Count() >= 5 ? w.From(3) : w[2];
    return {vb::Trim(w[0]), vb::Trim(second), vb::Trim(third), ""};
}

std::array<std::string, 4> FourLines(const Words& w) {
    return {vb::Trim(w[0]), vb::Trim(w[1]), vb::Trim(w[2]), vb::Trim(w.From(3))};
}

}  // namespace

std::array<std::string, 4> SpreadMessage(const std::string& message, vb::Integer span) {
    Words words(message);
    switch (span) {
        case 4:
            return FourLines(words);
        case 3:
            return ThreeLines(words);
        case 2:
            return TwoLines(message, words);
        default:
            return {vb::Trim(message), "", "", ""};
    }
}

}  // namespace zomel
