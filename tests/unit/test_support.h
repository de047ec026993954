// Shared by the unit tests: a fresh home folder per test and the headless platform.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "framework/save_options.h"
#include "framework/settings_store.h"
#include "platform/file_calls.h"
#include "platform/headless/headless_platform.h"
#include "platform/paths.h"
#include "platform/settings_hive.h"

namespace quillion::testing {

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    home_ = std::filesystem::temp_directory_path() /
            ("quillion-test-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(home_);
    std::filesystem::create_directories(home_);
    platform::setHomeOverride(home_.string());
    platform::setCurrentPlatform(&platform_);
    platform_.setFixedTime(platform::LocalTime{2005, 11, 29, 12, 19});
    framework::saveOptions() = {};
    framework::SettingsStore::resetNotices();
    framework::SettingsStore::setNoticeReporter(nullptr);
    // A lock held by another process fails a call quickly in tests.
    platform::SettingsHive::setBusyTimeout(200);
    platform::fileCalls() = platform::systemFileCalls();
  }
  void TearDown() override {
    platform::fileCalls() = platform::systemFileCalls();
    framework::SettingsStore::setNoticeReporter(nullptr);
    platform::setCurrentPlatform(nullptr);
    std::filesystem::remove_all(home_);
  }

  static std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  std::filesystem::path home_;
  platform::headless::HeadlessPlatform platform_;
};

}  // namespace quillion::testing
