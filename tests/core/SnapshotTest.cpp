// A run's read of the design beside another process's writes: it never
// waits for their write lock, reads the project as it stands (renamed or
// gone), and a writer kept waiting too long is told so in Chinese.
#include <sqlite3.h>

#include "TempDesign.h"
#include "TestSupport.h"
#include "commands/DesignCommands.h"
#include "store/DesignReader.h"
#include "store/ProjectDAO.h"

namespace {

// A second connection to the design database, as another process holds it.
class TOtherProcess {
public:
  explicit TOtherProcess(const std::string& path) { sqlite3_open(path.c_str(), &db_); }
  ~TOtherProcess() { sqlite3_close(db_); }
  void Sql(const char* sql) { ASSERT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), 0) << sql; }

private:
  sqlite3* db_ = nullptr;
};

class SnapshotTest : public TempDesign {
protected:
  void TearDown() override {
    TDbHelper::SetBusyTimeout(30000);
    TempDesign::TearDown();
  }
};

TEST_F(SnapshotTest, ReadsPassAWriterAndSeeTheProjectAsItStands) {
  const int p = TProjectDAO().AddProject("Shop");
  TOtherProcess other((Dir() / "projects.mdb").string());
  other.Sql("begin immediate");
  other.Sql("update t_project set projectName='Store'");
  TDbHelper::SetBusyTimeout(200);
  // The other write is not committed: the read sees the old name, at once.
  EXPECT_EQ(ReadDesign(p).projectName, "Shop");
  // A writer waits the busy timeout, then gets the user's message.
  EXPECT_EQ(test::ErrorOf<TDbError>([] { commands::AddProject("Books"); }), kDesignDatabaseBusy);

  other.Sql("commit");
  EXPECT_EQ(ReadDesign(p).projectName, "Store");
  other.Sql("delete from t_project");
  EXPECT_EQ(test::ErrorOf<TDbError>([&] { ReadDesign(p); }), msg::kProjectGone);
}

}  // namespace
