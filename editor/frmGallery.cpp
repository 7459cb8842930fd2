#include "editor/frmGallery.h"

#include <cmath>

#include "core/Diagnostics.h"
#include "core/LogChannel.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/gdi/Picture.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Long kUnderDevelopmentId = 10702;

[[noreturn]] void BadList(const std::string& why) {
    vb::Raise(vb::err::kInvalidCall, "gifs_jpegs/pic.txt: " + why);
}

// Caption, width and height of a photo line; both sizes must be above 0.
std::vector<std::string> PhotoFields(const std::string& line, size_t number) {
    std::vector<std::string> fields = vb::Split(line, "/");
    if (fields.size() < 3)
        BadList("photo " + std::to_string(number) + " needs caption/width/height");
    if (vb::Val(fields[1]) <= 0 || vb::Val(fields[2]) <= 0)
        BadList("photo " + std::to_string(number) + " has no size");
    return fields;
}

}  // namespace

frmGallery::frmGallery() : ProgramForm("frmGallery") {
    On("cmdNext", "Click", [this](forms::Control&, forms::EventArgs&) { cmdNext_Click(); });
    On("cmdPrev", "Click", [this](forms::Control&, forms::EventArgs&) { cmdPrev_Click(); });
    On("cmdExit", "Click", [this](forms::Control&, forms::EventArgs&) { Unload(); });
}

void frmGallery::Window_Load() {
    GalleryLoaded = true;
    try {
        heightMargin_ = ScaleHeight() - Picture1->Height();
        widthMargin_ = ScaleWidth() - Picture1->Width();
        labelMargin_ = ScaleHeight() - Label1->Top();
        buttonMargin_ = ScaleWidth() - cmdPrev->Left();
        prefix_ = os::JoinPath(os::ProgramFolder(), "gifs_jpegs/t_");
        cmdPrev->SetEnabled(false);
        ReadPhotoList();
        photoIndex_ = 1;
        ShowPhoto();
        if (!os::FileExists(prefix_ + "1" + suffix_))
            vb::Raise(vb::err::kFileNotFound, "File not found: " + prefix_ + "1" + suffix_);
        cmdNext->SetEnabled(photoCount_ > 1);
    } catch (const vb::VbError& e) {
        GalleryLoaded = false;
        WriteLogLine(std::to_string(e.Number()) + " " + e.Description());
        forms::MsgBox(forms::LoadResString(kUnderDevelopmentId));
    }
}

// "pic.txt": the photo count, then one line per photo; checked whole before any is shown.
void frmGallery::ReadPhotoList() {
    std::string text = vb::FromWindows1252(
        os::ReadAllBytes(os::JoinPath(os::ProgramFolder(), "gifs_jpegs/pic.txt")));
    lines_ = vb::Split(vb::Replace(text, "\r\n", "\n"), "\n");
    if (lines_.empty() || vb::Val(lines_[0]) < 1) BadList("the first line must be a count");
    double count = vb::Val(lines_[0]);
    if (count != std::floor(count) || count > 32767) BadList("the count is not a whole number");
    photoCount_ = static_cast<vb::Integer>(count);
    if (lines_.size() < static_cast<size_t>(photoCount_) + 1)
        BadList("fewer photo lines than the count");
    for (size_t n = 1; n <= static_cast<size_t>(photoCount_); ++n)
        PhotoFields(lines_[n], n);
}

// A photo whose file is missing shows its caption over an empty frame.
void frmGallery::ShowPhoto() {
    std::string path = prefix_ + std::to_string(photoIndex_) + suffix_;
    Picture1->Let("Picture", gdi::Picture::Load(path) ? path : "");
    std::vector<std::string> fields =
        PhotoFields(lines_[static_cast<size_t>(photoIndex_)], static_cast<size_t>(photoIndex_));
    Label1->SetCaption(fields[0]);
    photoWidth_ = static_cast<vb::Single>(vb::Val(fields[1]));
    photoHeight_ = static_cast<vb::Single>(vb::Val(fields[2]));
    baseScale_ = photoWidth_ <= photoHeight_ ? 1500 / photoHeight_ : 1500 / photoWidth_;
}

// The scale that fits the photo into the room beside the buttons and above the caption,
// keeping its shape.  No room (a window made very small) leaves the scale as it was.
void frmGallery::FitPicture() {
    vb::Single roomW = ScaleWidth() - widthMargin_;
    vb::Single roomH = ScaleHeight() - heightMargin_;
    if (roomW <= 0 || roomH <= 0) return;
    vb::Single aspect;
    if (roomW > roomH) {
        aspect = roomW / roomH;
        if (photoWidth_ <= photoHeight_)
            aspect = 1.0f;
        else if (photoWidth_ / photoHeight_ < aspect)
            aspect = photoWidth_ / photoHeight_;
    } else {
        aspect = roomH / roomW;
        if (photoWidth_ >= photoHeight_)
            aspect = 1.0f;
        else if (photoHeight_ / photoWidth_ < aspect)
            aspect = photoHeight_ / photoWidth_;
    }
    vb::Single room = roomW > roomH ? roomH : roomW;
    fitScale_ = room / 3750 * 2.5f * baseScale_ * aspect;
}

void frmGallery::SizePicture() {
    FitPicture();
    Picture1->SetHeight(photoHeight_ * fitScale_);
    Picture1->SetWidth(photoWidth_ * fitScale_);
}

void frmGallery::StepTo(vb::Integer index) {
    photoIndex_ = index;
    Picture1->SetVisible(false);
    ShowPhoto();
    SizePicture();
    Label1->SetWidth(Picture1->Width());
    Picture1->SetVisible(true);
    cmdPrev->SetEnabled(photoIndex_ > 1);
    cmdNext->SetEnabled(photoIndex_ < photoCount_);
}

void frmGallery::cmdNext_Click() {
    if (photoIndex_ < photoCount_) StepTo(photoIndex_ + 1);
}

void frmGallery::cmdPrev_Click() {
    if (photoIndex_ > 1) StepTo(photoIndex_ - 1);
}

void frmGallery::Form_Resize() {
    if (!GalleryLoaded || photoWidth_ <= 0) return;
    Label1->SetTop(std::max<vb::Single>(0, ScaleHeight() - labelMargin_));
    Picture1->SetVisible(false);
    SizePicture();
    Picture1->SetVisible(true);
    Label1->SetWidth(Picture1->Width());
    vb::Single left = std::max<vb::Single>(0, ScaleWidth() - buttonMargin_);
    for (forms::CommandButton* button : {&*cmdPrev, &*cmdExit, &*cmdNext})
        button->SetLeft(left);
}

}  // namespace zomel
