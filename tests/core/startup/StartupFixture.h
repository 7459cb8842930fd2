#pragma once

#include <gtest/gtest.h>

#include <memory>
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
#include "tests/support/FreshRun.h"
#include "tests/support/TestEnvironment.h"

// A fresh run: per-user places in a temporary folder, a headless host, no windows, no log.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { run_ = std::make_unique<FreshRun>(host); }
    void TearDown() override { run_.reset(); }

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

private:
    std::unique_ptr<FreshRun> run_;
};
