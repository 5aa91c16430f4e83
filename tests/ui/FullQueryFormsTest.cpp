// The 代码管理 menu's checkable items 完整查询窗体 and the two databases:
// they show the selected project's settings when the menu opens and store
// what the user checks, for that project only.
#include <QComboBox>
#include <QMenu>

#include "UiTestSupport.h"
#include "commands/SampleDesign.h"
#include "store/ProjectDAO.h"

class FullQueryFormsTest : public QObject {
  Q_OBJECT

private slots:
  void theItemShowsAndStoresTheSelectedProjectsSetting();
  void withoutProjectsTheItemIsOff();
  void theDatabaseItemsShowAndStoreTheSelectedProjectsDatabase();
};

void FullQueryFormsTest::theItemShowsAndStoresTheSelectedProjectsSetting() {
  TWindowFixture f;
  const int other = TProjectDAO().AddProject("Other");
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open();
  auto* projects = f.Find<QComboBox>("CB_Project");
  projects->setCurrentIndex(1);
  QCOMPARE(projects->currentText(), QStringLiteral("Demo"));

  auto* menu = f.Find<QMenu>("P1");
  auto* item = f.Find<QAction>("FullQueryForms");
  QCOMPARE(item->text(), QStringLiteral("完整查询窗体"));
  QVERIFY(item->isCheckable());
  emit menu->aboutToShow();
  QVERIFY(item->isEnabled());
  QVERIFY(!item->isChecked());

  item->trigger();
  QVERIFY(item->isChecked());
  QVERIFY(TProjectDAO().GetFullQueryForms(demo));
  QVERIFY(!TProjectDAO().GetFullQueryForms(other));
  QVERIFY(f.prompter.boxes.isEmpty());

  // Another project shows its own setting; back on Demo the item is checked.
  projects->setCurrentIndex(0);
  emit menu->aboutToShow();
  QVERIFY(!item->isChecked());
  projects->setCurrentIndex(1);
  emit menu->aboutToShow();
  QVERIFY(item->isChecked());

  item->trigger();
  QVERIFY(!item->isChecked());
  QVERIFY(!TProjectDAO().GetFullQueryForms(demo));
}

void FullQueryFormsTest::withoutProjectsTheItemIsOff() {
  TWindowFixture f;
  f.Open();
  emit f.Find<QMenu>("P1")->aboutToShow();
  auto* item = f.Find<QAction>("FullQueryForms");
  QVERIFY(!item->isEnabled());
  QVERIFY(!item->isChecked());
}

void FullQueryFormsTest::theDatabaseItemsShowAndStoreTheSelectedProjectsDatabase() {
  TWindowFixture f;
  const int other = TProjectDAO().AddProject("Other");
  int demo = 0;
  QVERIFY(!CreateSampleDesign(demo));
  f.Open();
  auto* projects = f.Find<QComboBox>("CB_Project");
  auto* menu = f.Find<QMenu>("P1");
  auto* sqlServer = f.Find<QAction>("Database_sqlserver");
  auto* sqlite = f.Find<QAction>("Database_sqlite");
  QCOMPARE(sqlServer->text(), QStringLiteral("SQL Server"));
  QCOMPARE(sqlite->text(), QStringLiteral("SQLite 嵌入式数据库"));
  projects->setCurrentIndex(1);
  emit menu->aboutToShow();
  QVERIFY(sqlServer->isChecked() && !sqlite->isChecked());

  sqlite->trigger();
  QVERIFY(!sqlServer->isChecked() && sqlite->isChecked());
  QVERIFY(TProjectDAO().GetDatabase(demo) == TDatabase::Sqlite);
  QVERIFY(TProjectDAO().GetDatabase(other) == TDatabase::SqlServer);
  // Choosing the database again leaves it chosen.
  sqlite->trigger();
  QVERIFY(sqlite->isChecked());
  projects->setCurrentIndex(0);
  emit menu->aboutToShow();
  QVERIFY(sqlServer->isChecked() && !sqlite->isChecked());
  projects->setCurrentIndex(1);
  emit menu->aboutToShow();
  QVERIFY(sqlite->isChecked());
  sqlServer->trigger();
  QVERIFY(sqlServer->isChecked() && !sqlite->isChecked());
  QVERIFY(TProjectDAO().GetDatabase(demo) == TDatabase::SqlServer);
  QVERIFY(f.prompter.boxes.isEmpty());
}

QTEST_MAIN(FullQueryFormsTest)
#include "FullQueryFormsTest.moc"
