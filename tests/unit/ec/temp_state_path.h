#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

// A state-file path of the running test's own (of this process's, so that two runs of the tests at
// once do not share it), removed when the test ends.
class TempStatePath {
public:
    TempStatePath() {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string fileName = std::string("ecsim_") + info->test_suite_name() + "_" +
                               info->name() + "_" + std::to_string(getpid()) + ".bin";
        std::replace(fileName.begin(), fileName.end(), '/', '_');
        path = std::filesystem::path(testing::TempDir()) / fileName;
        std::filesystem::remove(path);
    }
    ~TempStatePath() { std::filesystem::remove(path); }
    TempStatePath(const TempStatePath&) = delete;
    TempStatePath& operator=(const TempStatePath&) = delete;

    std::filesystem::path path;
};
