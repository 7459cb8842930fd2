#include "editor/PhotoList.h"

#include <cmath>

#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

// Only the ratio of a photo's sizes counts; beyond these the scales drawn from them stop
// being numbers.
constexpr double kLeastSize = 0.001;
constexpr double kMostSize = 1e6;
constexpr double kMostPhotos = 32767;

[[noreturn]] void BadList(const std::string& why) {
    vb::Raise(vb::err::kInvalidCall, "gifs_jpegs/pic.txt: " + why);
}

// The leading number of a field; one too large for a number refuses the list as well.
double NumberOf(std::string_view field, const std::string& what) {
    try {
        return vb::Val(field);
    } catch (const vb::VbError&) {
        BadList(what + " is beyond any number");
    }
}

GalleryPhoto PhotoOf(const std::string& line, size_t number) {
    const std::string photo = "photo " + std::to_string(number);
    std::vector<std::string> fields = vb::Split(line, "/");
    if (fields.size() < 3) BadList(photo + " needs caption/width/height");
    const double width = NumberOf(fields[1], photo + "'s width");
    const double height = NumberOf(fields[2], photo + "'s height");
    if (!(width > 0) || !(height > 0)) BadList(photo + " has no size");
    if (width < kLeastSize || height < kLeastSize || width > kMostSize || height > kMostSize)
        BadList(photo + " has a size beyond 0.001 to 1000000");
    return {fields[0], static_cast<vb::Single>(width), static_cast<vb::Single>(height)};
}

}  // namespace

std::vector<GalleryPhoto> ParsePhotoList(std::string_view bytes) {
    std::vector<std::string> lines =
        vb::Split(vb::Replace(vb::FromWindows1252(bytes), "\r\n", "\n"), "\n");
    const double count = lines.empty() ? 0 : NumberOf(lines[0], "the count");
    if (!(count >= 1)) BadList("the first line must be a count");
    if (count != std::floor(count) || count > kMostPhotos)
        BadList("the count is not a whole number from 1 to 32767");
    if (lines.size() < static_cast<size_t>(count) + 1) BadList("fewer photo lines than the count");
    std::vector<GalleryPhoto> photos;
    photos.reserve(static_cast<size_t>(count));
    for (size_t n = 1; n <= static_cast<size_t>(count); ++n)
        photos.push_back(PhotoOf(lines[n], n));
    return photos;
}

}  // namespace zomel
