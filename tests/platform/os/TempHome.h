#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/TestEnvironment.h"

// A test whose per-user places are a fresh temporary folder.
class TempHome : public ::testing::Test {
protected:
    void SetUp() override {
        env_ = std::make_unique<TestEnvironment>();
        root_ = env_->Root();
    }
    void TearDown() override { env_.reset(); }

    std::string WriteFile(const std::string& name, const std::string& text) {
        return env_->WriteFile(name, text);
    }

    std::string root_;

private:
    std::unique_ptr<TestEnvironment> env_;
};
