#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/PriceLoad.h"
#include "core/mapParts.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"

// Points the program folder at a fresh temporary folder holding the files a test writes,
// records what would be shown, and starts each test from a fresh catalogue.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zomel-cat-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern + "/";
        const char* saved = std::getenv("ZOMEL_APPDIR");
        if (saved) savedAppDir_ = saved;
        ::setenv("ZOMEL_APPDIR", folder_.c_str(), 1);
        Write("strings.tsv", "10916\tVELDO \n");
        forms::ReloadStringTable();
        forms::SetHost(&host_);
        forms::ResetInstances();
        zomel::ResetOptions();
        zomel::gMapParts.reset();
        zomel::gOptionCount = 0;
        zomel::PriceListDate.clear();
        zomel::gPriceLoad = {};
    }

    void TearDown() override {
        zomel::gMapParts.reset();
        forms::ResetInstances();
        forms::SetHost(nullptr);
        if (savedAppDir_) {
            ::setenv("ZOMEL_APPDIR", savedAppDir_->c_str(), 1);
        } else {
            ::unsetenv("ZOMEL_APPDIR");
        }
        forms::ReloadStringTable();
        std::filesystem::remove_all(folder_);
    }

    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder_ + name, std::ios::binary) << bytes;
    }

    // Copies a file the program ships into the temporary program folder.
    void CopyShipped(const std::string& name) {
        std::filesystem::copy_file(std::string(ZOMEL_SOURCE_DIR) + "/resources/" + name,
                                   folder_ + name);
    }

    const std::vector<forms::HeadlessHost::Message>& Messages() const { return host_.Messages(); }

    std::string folder_;
    forms::HeadlessHost host_;

private:
    std::optional<std::string> savedAppDir_;
};
