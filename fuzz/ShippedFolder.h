#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "core/mapParts.h"
#include "fuzz/ProgramFolder.h"
#include "platform/forms/Description.h"

// A program folder with every shipped file and folder of resources/ beside the one a target
// feeds (each a link), the shipped catalogue and parts map loaded, and a sign of 6 by 2
// modules for the windows to price.  The estimate window runs without the main window; a
// model number of the catalogue kind ("C") keeps it from asking the main window for the
// model number.
class ShippedFolder : public ProgramFolder {
public:
    ShippedFolder() {
        for (const auto& entry : std::filesystem::directory_iterator(ZOMEL_RESOURCES)) {
            const std::string name = entry.path().filename().string();
            if (name != "strings.tsv")
                std::filesystem::create_symlink(entry.path(), Folder() + name);
        }
        forms::ReloadWindowDescriptions();
        zomel::gSign = std::make_shared<zomel::Sign>();
        zomel::gSign->SetXZomelCount(6);
        zomel::gSign->SetYZomelCount(2);
        zomel::gSign->SetModelNumber("CL1-1S1A4-1203H");
        LoadCatalogue();
    }

    // The catalogue and the parts map as they are in the folder now.
    static void LoadCatalogue() {
        zomel::ResetOptions();
        zomel::gOptionCount = 0;
        zomel::LoadSignOptions();
    }
};
