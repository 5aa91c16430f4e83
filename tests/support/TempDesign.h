// Places of one test's own: a temporary directory, and a fresh design
// database inside it. Both are removed when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "store/DbHelper.h"

class TempDir : public ::testing::Test {
protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = std::filesystem::temp_directory_path() /
           ("corvane-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  const std::filesystem::path& Dir() const { return dir_; }
  std::filesystem::path At(const std::string& relative) const { return dir_ / relative; }

private:
  std::filesystem::path dir_;
};

// The design database is projects.mdb in the test's directory, created on
// first use.
class TempDesign : public TempDir {
protected:
  void SetUp() override {
    TempDir::SetUp();
    TDbHelper::SetDatabaseFile((Dir() / "projects.mdb").string());
  }
  void TearDown() override {
    TDbHelper::Close();
    TempDir::TearDown();
  }
  // Runs raw SQL on the design database (test set-up only).
  void Sql(const std::string& sql) { TDbHelper().ExecuteSql(sql); }
};
