// The 代码管理 menu's checkable item 完整查询窗体: it shows the selected
// project's setting when the menu opens and stores what the user checks,
// for that project only.
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

QTEST_MAIN(FullQueryFormsTest)
#include "FullQueryFormsTest.moc"
