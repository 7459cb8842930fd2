#pragma once

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/FontRegistry.h"

// Fontconfig knows the files of one installed family only, for the life of the object: every
// face a program asks for then resolves to it, as on a desktop where fontconfig gives that
// family for the face.  Installed() is false when the family is not on this machine.
class PinnedFace {
public:
    explicit PinnedFace(const std::string& family) {
        const std::vector<std::string> files = FilesOf(family);
        if (files.empty()) return;
        previous_ = FcConfigGetCurrent();
        FcConfigReference(previous_);
        pinned_ = FcConfigCreate();
        for (const std::string& file : files)
            FcConfigAppFontAddFile(pinned_, reinterpret_cast<const FcChar8*>(file.c_str()));
        FcConfigSetCurrent(pinned_);
        gdi::FontRegistry::Instance().ForgetTypefaces();
    }
    ~PinnedFace() {
        if (!pinned_) return;
        FcConfigSetCurrent(previous_);
        FcConfigDestroy(previous_);
        FcConfigDestroy(pinned_);
        gdi::FontRegistry::Instance().ForgetTypefaces();
    }
    PinnedFace(const PinnedFace&) = delete;
    PinnedFace& operator=(const PinnedFace&) = delete;

    bool Installed() const { return pinned_ != nullptr; }

private:
    // Every style of the family that fontconfig lists on this machine.
    static std::vector<std::string> FilesOf(const std::string& family) {
        std::vector<std::string> files;
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
        if (FcFontSet* set = FcFontList(nullptr, pattern, objects)) {
            for (int i = 0; i < set->nfont; ++i) {
                FcChar8* file = nullptr;
                if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
                    files.emplace_back(reinterpret_cast<const char*>(file));
            }
            FcFontSetDestroy(set);
        }
        FcObjectSetDestroy(objects);
        FcPatternDestroy(pattern);
        return files;
    }

    FcConfig* previous_ = nullptr;
    FcConfig* pinned_ = nullptr;
};

// A test's name for the family it runs in: the family's name without its blanks.
inline std::string FaceIdentifier(std::string family) {
    std::erase(family, ' ');
    return family;
}
inline std::string FaceTestName(const ::testing::TestParamInfo<const char*>& info) {
    return FaceIdentifier(info.param);
}
