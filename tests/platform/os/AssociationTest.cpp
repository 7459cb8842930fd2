#include <gtest/gtest.h>

#include "platform/os/Association.h"

using os::DesktopEntryCommand;
using Args = std::vector<std::string>;

TEST(DesktopEntryTest, TheCommandPutsTheDocumentWhereTheFieldCodeStands) {
    EXPECT_EQ(DesktopEntryCommand("[Desktop Entry]\nExec=lowriter %U\n"), (Args{"lowriter", "%f"}));
    EXPECT_EQ(DesktopEntryCommand("[Desktop Entry]\nExec=abiword\n"), (Args{"abiword"}));
    EXPECT_EQ(DesktopEntryCommand("[Desktop Entry]\nExec = flatpak run --branch=stable "
                                  "org.libreoffice.LibreOffice --writer %F %u\n"),
              (Args{"flatpak", "run", "--branch=stable", "org.libreoffice.LibreOffice", "--writer",
                    "%f"}));
}

TEST(DesktopEntryTest, QuotesEscapesAndOtherFieldCodes) {
    EXPECT_EQ(DesktopEntryCommand("[Desktop Entry]\nExec=\"/opt/My Office/bin/writer\" "
                                  "--title=\"a \\\"b\\\"\" %i %c 100%% %f\n"),
              (Args{"/opt/My Office/bin/writer", "--title=a \"b\"", "100%", "%f"}));
    EXPECT_EQ(DesktopEntryCommand("[Desktop Entry]\nExec=viewer\\s--plain %f\n"),
              (Args{"viewer", "--plain", "%f"}));
    // A literal "%f", spelled "%%f" or with quotes between, is no second place.
    for (const char* exec : {"prog %%f %f", "prog %\"\"%f %f"})
        EXPECT_EQ(DesktopEntryCommand(std::string("[Desktop Entry]\nExec=") + exec + "\n"),
                  (Args{"prog", "%f"}))
            << exec;
}

TEST(DesktopEntryTest, OnlyTheDesktopEntryGroupCountsAndAFieldCodeIsNoProgram) {
    EXPECT_TRUE(DesktopEntryCommand("[Desktop Action new]\nExec=other %f\n").empty());
    EXPECT_EQ(DesktopEntryCommand("[Desktop Action new]\nExec=other\n[Desktop Entry]\nExecute=x\n"
                                  "Exec=right %f\n"),
              (Args{"right", "%f"}));
    EXPECT_TRUE(DesktopEntryCommand("[Desktop Entry]\nExec=%f\n").empty());
    EXPECT_TRUE(DesktopEntryCommand("").empty());
    // A quote never closed makes the line invalid, not one long program name.
    EXPECT_TRUE(DesktopEntryCommand("[Desktop Entry]\nExec=\"unterminated").empty());
}
