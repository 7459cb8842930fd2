#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "core/LogChannel.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/Description.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"
#include "tests/support/TestEnvironment.h"

// A fresh run: per-user places in a temporary folder, a headless host, no windows, no log.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetInstances();
        forms::SetHost(&host);
        zomel::CloseLog();
        zomel::DebugLevel = 0;
        zomel::MainForm = nullptr;
        zomel::gSign.reset();
        // The main window hosts the display control, created by class id from this run's
        // registry.
        com::RegisterServer(VELDOSIGN_LIBRARY);
    }
    void TearDown() override {
        forms::ResetInstances();
        forms::SetHost(nullptr);
        zomel::CloseLog();
        zomel::MainForm = nullptr;
        forms::ReloadStringTable();
        forms::ReloadWindowDescriptions();
    }

    void WriteIni(const std::string& body) {
        env.UseWindowsFolder();
        env.WriteFile("windows/Veldo.ini", "[ZomelBuilder]\n" + body);
    }

    // The log's lines, each without its quotes and line end.
    std::vector<std::string> LogLines(const std::string& path) const {
        std::vector<std::string> lines;
        std::istringstream in(TestEnvironment::ReadFile(path));
        for (std::string line; std::getline(in, line);) {
            EXPECT_TRUE(line.size() >= 3 && line.front() == '"' && line.ends_with("\"\r")) << line;
            lines.push_back(line.substr(1, line.size() - 3));
        }
        return lines;
    }

    TestEnvironment env;
    forms::HeadlessHost host;
};
