#pragma once

#include <string>
#include <vector>

#include "core/ProgramForm.h"
#include "editor/PhotoList.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/Ref.h"

namespace zomel {

// The photo gallery: the photos of "gifs_jpegs" one at a time with their captions.
class frmGallery : public ProgramForm {
public:
    frmGallery();

    // True after a successful load, False after a failed one.
    bool GalleryLoaded = false;

    forms::Ref<forms::Image> Picture1{*this, "Picture1"};
    forms::Ref<forms::Label> Label1{*this, "Label1"};
    forms::Ref<forms::CommandButton> cmdPrev{*this, "cmdPrev"};
    forms::Ref<forms::CommandButton> cmdNext{*this, "cmdNext"};
    forms::Ref<forms::CommandButton> cmdExit{*this, "cmdExit"};

    vb::Integer PhotoIndex() const { return photoIndex_; }
    vb::Integer PhotoCount() const { return photoCount_; }
    vb::Single FitScale() const { return fitScale_; }

protected:
    void Window_Load() override;
    void Form_Resize() override;

private:
    void cmdNext_Click();
    void cmdPrev_Click();
    void ReadPhotoList();
    void ShowPhoto();
    void FitPicture();
    void StepTo(vb::Integer index);
    void SizePicture();

    vb::Integer photoIndex_ = 1;
    vb::Integer photoCount_ = 0;
    std::string prefix_;
    std::string suffix_ = ".jpg";
    std::vector<GalleryPhoto> photos_;
    vb::Single photoWidth_ = 0;
    vb::Single photoHeight_ = 0;
    vb::Single baseScale_ = 0;
    vb::Single fitScale_ = 0;
    vb::Single heightMargin_ = 0;
    vb::Single widthMargin_ = 0;
    vb::Single labelMargin_ = 0;
    vb::Single buttonMargin_ = 0;
};

}  // namespace zomel
