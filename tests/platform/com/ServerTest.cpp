// A host's view of an in-process server: registered by regsvr, created by class id through
// the registry, used by member name.  This program does not link the server library.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/com/ClassFactory.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/Creation.h"
#include "platform/com/Events.h"
#include "platform/com/ServerLibrary.h"
#include "platform/vb/Error.h"
#include "tests/platform/com/TempConfig.h"
#include "tests/platform/com/TestServer.h"
#include "tests/support/ErrorNumber.h"

namespace {

using comtest::kBrokenClsid;
using comtest::kCounterClsid;

int Regsvr(const std::string& arguments) {
    int status = std::system((std::string(REGSVR) + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Server : public ::testing::Test {
protected:
    TempConfig config_;
};

TEST_F(Server, RegsvrRegistersTheLibraryUnderItsOwnPath) {
    ASSERT_EQ(Regsvr(COM_TEST_SERVER), 0);
    const auto library = std::filesystem::canonical(COM_TEST_SERVER).string();
    EXPECT_EQ(com::LibraryOf(kCounterClsid), library);
    EXPECT_EQ(com::LibraryOf(kBrokenClsid), library);
    EXPECT_EQ(com::ClsidOf(comtest::kCounterProgId), kCounterClsid);
}

TEST_F(Server, HostsCreateSeparateObjectsByProgramIdOrClassId) {
    com::RegisterServer(COM_TEST_SERVER);
    com::DispatchRef first = com::CreateObject("zomeltest.COUNTER");
    com::DispatchRef second = com::CreateObject(kCounterClsid.ToString());
    com::DispatchRef third = com::CreateInstance(kCounterClsid);
    com::Put(*first, "value", vb::Long(41));
    com::Put(*third, "Value", vb::Long(7));
    EXPECT_EQ(com::Get(*first, "VALUE"), vb::Variant(vb::Long(41)));
    EXPECT_EQ(com::Get(*second, "Value"), vb::Variant(vb::Long(0)));
    EXPECT_EQ(com::Get(*third, "Value"), vb::Variant(vb::Long(7)));
}

TEST_F(Server, MembersTakeArgumentsByReferenceAndRaiseEventsToTheHost) {
    com::RegisterServer(COM_TEST_SERVER);
    com::DispatchRef counter = com::CreateObject(comtest::kCounterProgId);

    com::Args pair{vb::Variant("a"), vb::Variant(vb::Integer(2))};
    com::Call(*counter, "swap", pair);
    EXPECT_EQ(pair[0], vb::Variant(vb::Integer(2)));
    EXPECT_EQ(pair[1], vb::Variant("a"));
    EXPECT_EQ(ErrorNumber([&] { com::Call(*counter, "Reset"); }), vb::err::kNotSupported);

    // The sink doubles the first step and cancels the second.
    std::vector<vb::Long> seen;
    com::Advise(*counter, [&](std::string_view event, com::Args& args) {
        ASSERT_EQ(event, "Changed");
        seen.push_back(args[0].ToLong());
        if (seen.size() == 1) args[0] = vb::Variant(vb::Long(args[0].ToLong() * 2));
        if (seen.size() == 2) args[1] = vb::Variant(true);
    });
    EXPECT_EQ(com::Call(*counter, "Step", {vb::Long(5)}), vb::Variant(true));
    EXPECT_EQ(com::Call(*counter, "Step", {vb::Long(1)}), vb::Variant(false));
    EXPECT_EQ(seen, (std::vector<vb::Long>{5, 11}));
    EXPECT_EQ(com::Get(*counter, "Value"), vb::Variant(vb::Long(10)));
}

TEST_F(Server, UnregisteringRemovesTheClasses) {
    com::RegisterServer(COM_TEST_SERVER);
    ASSERT_TRUE(com::CreateObject(comtest::kCounterProgId));
    ASSERT_EQ(Regsvr(std::string("-u ") + COM_TEST_SERVER), 0);
    EXPECT_FALSE(com::LibraryOf(kCounterClsid));
    EXPECT_FALSE(com::ClsidOf(comtest::kCounterProgId));
    EXPECT_EQ(ErrorNumber([] { com::CreateObject(comtest::kCounterProgId); }),
              vb::err::kCannotCreateObject);
    EXPECT_EQ(ErrorNumber([] { com::CreateInstance(kCounterClsid); }),
              vb::err::kCannotCreateObject);
}

TEST_F(Server, EveryCreationFailureRaises429) {
    com::RegisterServer(COM_TEST_SERVER);
    const auto unknown = *com::Clsid::Parse("{00000000-0000-0000-0000-0000000000AB}");
    const auto missing = *com::Clsid::Parse("{00000000-0000-0000-0000-0000000000AC}");
    const auto exportless = *com::Clsid::Parse("{00000000-0000-0000-0000-0000000000AD}");
    com::RegisterClass(missing, "Zomel.Missing", config_.Folder() + "/gone.so");
    com::RegisterClass(exportless, "Zomel.Exportless", ZRT_LIBRARY);
    for (const char* name : {"Zomel.Nothing", "{00000000-0000-0000-0000-0000000000AB}", "{bad}", "",
                             "Zomel.Missing", "Zomel.Exportless", comtest::kBrokenProgId})
        EXPECT_EQ(ErrorNumber([&] { com::CreateObject(name); }), vb::err::kCannotCreateObject)
            << name;
    EXPECT_EQ(ErrorNumber([&] { com::CreateInstance(unknown); }), vb::err::kCannotCreateObject);
}

TEST_F(Server, RegsvrFailsClearlyOnWhatIsNoServer) {
    EXPECT_NE(Regsvr(""), 0);
    EXPECT_NE(Regsvr("-x " + std::string(COM_TEST_SERVER)), 0);
    EXPECT_NE(Regsvr(config_.Folder() + "/gone.so"), 0);
    EXPECT_NE(Regsvr(ZRT_LIBRARY), 0);
    EXPECT_EQ(ErrorNumber([&] { com::RegisterServer(config_.Folder() + "/gone.so"); }),
              vb::err::kLibraryLoadFailed);
    EXPECT_EQ(ErrorNumber([] { com::RegisterServer(ZRT_LIBRARY); }), vb::err::kEntryPointNotFound);
}

TEST_F(Server, AServerFailingToRegisterPassesItsErrorOn) {
    std::ofstream(config_.Folder() + "/zomelbuilder") << "a file where the folder should be";
    EXPECT_EQ(ErrorNumber([] { com::RegisterServer(COM_TEST_SERVER); }), vb::err::kPathFileAccess);
    EXPECT_EQ(vb::Err().Number, 0);
    EXPECT_NE(Regsvr(COM_TEST_SERVER), 0);
}

TEST_F(Server, TheLibraryCanUnloadOnlyWhenNoObjectIsAlive) {
    com::RegisterServer(COM_TEST_SERVER);
    auto canUnload =
        com::ServerLibrary::Load(COM_TEST_SERVER).Entry<com::CanUnloadNowFn>("DllCanUnloadNow");
    com::DispatchRef counter = com::CreateObject(comtest::kCounterProgId);
    EXPECT_EQ(canUnload(), com::status::kFailed);
    counter.reset();
    EXPECT_EQ(canUnload(), com::status::kOk);
}

}  // namespace
