#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/Main.h"
#include "core/Globals.h"
#include "editor/frmMain.h"
#include "estimate/frmOrder.h"
#include "platform/forms/FlexGrid.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Host.h"
#include "platform/forms/Instance.h"
#include "platform/os/Paths.h"
#include "tests/modelspec/FakeDesktop.h"
#include "tests/support/HostPrompts.h"
#include "tests/support/TestEnvironment.h"

// Copied into the folder of an installed copy and run there, this program is that copy's
// program with a person at the keyboard: it finds its data, its libraries and its display
// control where the installation put them, and writes into the user's documents folder.
namespace {

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(InstalledProgram, StartsPricesASignAndWritesItsDocumentsIntoTheUsersFolder) {
    TestEnvironment env;
    FakeDesktop desktop(env);
    desktop.Viewer("drive-c/bin/lowriter");
    forms::HeadlessHost host;
    forms::SetHost(&host);
    const std::string program = os::ProgramFolder();
    ASSERT_NE(::access(program.c_str(), W_OK), 0) << program << " must be read-only here";
    const std::string documents = env.Root() + "home/Documents/ZomelBuilder/";

    zomel::Main();
    ASSERT_NE(zomel::MainForm, nullptr);
    EXPECT_TRUE(zomel::MainForm->Visible());
    EXPECT_EQ(PromptsOf(host), std::vector<std::string>{});
    EXPECT_TRUE(host.WiringFaults().empty());

    zomel::MainForm->txtZomelText(0).SetText("ROAD WORK");
    host.AnswerPrinterDialog(false);
    host.AnswerInputBox(std::string("Main Street"));
    std::string firstItem;
    vb::Long rows = 0;
    host.OnModal("frmOrder", [&](forms::Form& form) {
        auto& order = static_cast<zomel::frmOrder&>(form);
        rows = order.fgPrices->Rows();
        firstItem = order.fgPrices->TextMatrix(1, 0);
        order.cmdPrint->Click();
        order.KeyUp(88, forms::vbAltMask);
    });
    zomel::MainForm->SSBars->ClickTool("id_SignPrice");
    EXPECT_GT(rows, 2);
    EXPECT_EQ(PromptsOf(host),
              std::vector<std::string>{"Updated file " + documents + "Export.xml"});
    EXPECT_TRUE(Holds(TestEnvironment::ReadFile(documents + "Estimate.rtf"), firstItem))
        << firstItem;
    EXPECT_TRUE(std::filesystem::file_size(documents + "Export.xml") > 0);

    host.OnModal("frmSpecChoose", [](forms::Form& form) {
        form.ControlAs<forms::OptionButton>("Option1", 1).SetValue(true);
        form.ControlAs<forms::CommandButton>("cmdOk").Click();
    });
    zomel::MainForm->mnuSignSpec_Click();
    const std::vector<std::string> viewer = desktop.Started();
    ASSERT_EQ(viewer.size(), 2u);
    EXPECT_EQ(viewer[1], documents + "CustomSpec.rtf");
    const std::string head = TestEnvironment::ReadFile(program + "E.hms");
    EXPECT_EQ(TestEnvironment::ReadFile(documents + "CustomSpec.rtf").substr(0, head.size()), head);
    EXPECT_EQ(PromptsOf(host).size(), 1u);

    // Nothing went into the installation.
    for (const char* name : {"Estimate.rtf", "Export.xml", "CustomSpec.rtf"})
        EXPECT_FALSE(std::filesystem::exists(program + name)) << name;
    forms::ResetInstances();
    forms::SetHost(nullptr);
}

}  // namespace
