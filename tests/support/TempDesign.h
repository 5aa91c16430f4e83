// A fresh design database in a temporary directory for one test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "store/DbHelper.h"

class TempDesign : public ::testing::Test {
protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = std::filesystem::temp_directory_path() /
           ("corvane-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(dir_);
    TDbHelper::SetDatabaseFile((dir_ / "projects.mdb").string());
  }
  void TearDown() override {
    TDbHelper::Close();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  const std::filesystem::path& Dir() const { return dir_; }
  // Runs raw SQL on the design database (test set-up only).
  void Sql(const std::string& sql) { TDbHelper().ExecuteSql(sql); }

private:
  std::filesystem::path dir_;
};
