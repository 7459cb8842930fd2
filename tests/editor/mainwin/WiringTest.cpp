#include "catalogue/frmOptions.h"
#include "editor/frmAbout.h"
#include "editor/frmClipArt.h"
#include "editor/frmClipList.h"
#include "editor/frmGallery.h"
#include "editor/frmSplash.h"
#include "editor/frmVELDOInfo.h"
#include "modelspec/frmModelNum.h"
#include "modelspec/frmNumberPrompt.h"
#include "tests/editor/mainwin/MainWindowFixture.h"

using namespace zomel;

// Every handler of every window is bound to a control and an event its description has: a
// new window joins the list.
TEST_F(MainWindowTest, EveryWindowsHandlersReachItsControls) {
    LoadMain();
    forms::Instance<frmModelNum>().Load();
    forms::Instance<frmOptions>().Load();
    forms::Instance<frmAbout>().Load();
    forms::Instance<frmVELDOInfo>().Load();
    forms::Instance<frmSplash>().Load();
    forms::Instance<frmClipList>().Load();
    forms::Instance<frmGallery>().Load();
    forms::Instance<frmClipArt>().Load();
    forms::Instance<frmNumberPrompt>().Load();
    EXPECT_EQ(forms::LoadedForms().size(), 10u);
    EXPECT_EQ(host.WiringFaults(), std::vector<std::string>{});
}
