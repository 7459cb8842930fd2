#include "editor/frmGallery.h"

#include "core/Diagnostics.h"
#include "core/LogChannel.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/gdi/Picture.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kUnderDevelopmentId = 10702;

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

void frmGallery::ReadPhotoList() {
    photos_ =
        ParsePhotoList(os::ReadAllBytes(os::JoinPath(os::ProgramFolder(), "gifs_jpegs/pic.txt")));
    photoCount_ = static_cast<vb::Integer>(photos_.size());
}

// A photo whose file is missing shows its caption over an empty frame.
void frmGallery::ShowPhoto() {
    std::string path = prefix_ + std::to_string(photoIndex_) + suffix_;
    Picture1->Let("Picture", gdi::Picture::Load(path) ? path : "");
    const GalleryPhoto& photo = photos_[static_cast<size_t>(photoIndex_ - 1)];
    Label1->SetCaption(photo.caption);
    photoWidth_ = photo.width;
    photoHeight_ = photo.height;
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
