#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// The damaged files of one kind in the test data (a folder of tests/data/bad-inputs/), in
// name order.
inline std::vector<std::string> FilesIn(const std::string& kind) {
    std::vector<std::string> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(ZOMEL_BAD_INPUTS) + "/" + kind))
        files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    EXPECT_FALSE(files.empty()) << "no damaged " << kind;
    return files;
}

// A refusal is quick: the damage is seen before anything is made of it.
template <class Read>
void ExpectQuickly(const std::string& file, Read&& read) {
    const auto start = std::chrono::steady_clock::now();
    read();
    const auto taken = std::chrono::steady_clock::now() - start;
    EXPECT_LT(taken, std::chrono::seconds(1)) << file;
}
