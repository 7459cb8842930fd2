#include "editor/frmClipArt.h"

#include "core/Diagnostics.h"
#include "core/TranslateForm.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/gdi/Picture.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kGraphicsNoteId = 10401;
constexpr vb::Long kFramePrefixId = 10402;
constexpr vb::Long kSavedId = 10403;
constexpr vb::Long kNotSavedId = 10404;
constexpr vb::Long kKeptOtherFileId = 10405;
constexpr vb::Integer kFirstSaveKey = 113;  // F2
constexpr vb::Integer kLastSaveKey = 119;   // F8
const char* const kSaveLabel = " Save Picture";

// The picture an image control shows; its description names the file.
gdi::PictureRef PictureOf(forms::Image& image) {
    std::string file = image.Get("Picture").ToString();
    if (file.empty()) vb::Raise(vb::err::kInvalidPropertyValue);
    gdi::PictureRef picture = gdi::Picture::Load(os::JoinPath(os::ProgramFolder(), file));
    if (!picture) vb::Raise(vb::err::kFileNotFound, "File not found: " + file);
    return picture;
}

}  // namespace

frmClipArt::frmClipArt() : ProgramForm("frmClipArt") {
    On("Img", "Click", [this](forms::Control& c, forms::EventArgs&) { Img_Click(c.Index()); });
    On("cmdCancel", "Click", [this](forms::Control&, forms::EventArgs&) { Unload(); });
}

void frmClipArt::Window_Load() {
    TranslateForm(*this, false);
    forms::MsgBox(forms::LoadResString(kGraphicsNoteId));
}

// Each picture becomes a frame named after its index; several frames animate.
void frmClipArt::Img_Click(vb::Integer Index) {
    ViewSign->Call("AddBMPFrame", {vb::ObjectRef(PictureOf(Img(Index))),
                                   forms::LoadResString(kFramePrefixId) + std::to_string(Index)});
    ViewSign->SetVisible(true);
}

// Saves picture `Index` as "Image<Index>.bmp" in the save folder.  A file of that name is
// replaced only when it already holds this very picture, so nothing unrelated is lost.  Why a
// picture could not be saved goes to the log.
void frmClipArt::SavePicture(vb::Integer Index) {
    std::string path = os::SaveFolder() + "Image" + std::to_string(Index) + ".bmp";
    try {
        gdi::PictureRef picture = PictureOf(Img(Index));
        if (os::FileExists(path)) {
            if (picture->BmpBytes() != os::ReadAllBytes(path)) {
                forms::MsgBox(forms::LoadResString(kKeptOtherFileId) + path, forms::vbExclamation);
                return;
            }
        } else {
            picture->SaveBmp(path);
        }
        forms::MsgBox(forms::LoadResString(kSavedId) + path, forms::vbInformation);
    } catch (const vb::VbError&) {
        vb::CaptureCurrentException();
        LogError(std::string(TraceLabel()) + kSaveLabel);
        forms::MsgBox(forms::LoadResString(kNotSavedId) + path, forms::vbExclamation);
    }
}

void frmClipArt::Window_KeyUp(vb::Integer& KeyCode, vb::Integer&) {
    if (KeyCode >= kFirstSaveKey && KeyCode <= kLastSaveKey) SavePicture(KeyCode - kFirstSaveKey);
}

}  // namespace zomel
