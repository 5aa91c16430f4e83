// The design as text: the exact export format, export → import → export
// (same text but the name, same generated files), and files that must be
// refused with their place while the design file stays byte for byte as it
// was.
#include <cstring>

#include "TestSupport.h"
#include "commands/DesignText.h"

namespace {

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  EXPECT_EQ(text.find(from, at + 1), std::string::npos) << "not unique: " << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

class DesignTextTest : public TempDesign {
protected:
  // Export, import under another name, export again: the same text but
  // the name, and (when it can be generated) the same generated files.
  static void ExpectRoundTrip(int projectId, const std::string& name, bool generate = true) {
    const std::string first = ExportDesign(projectId);
    const int copy = ImportDesign(first, "Copy of " + name);
    EXPECT_TRUE(test::SameText(Replace(first, "\"projectName\": \"" + name + "\"",
                                       "\"projectName\": \"Copy of " + name + "\""),
                               ExportDesign(copy)));
    EXPECT_EQ(ExportDesign(projectId), first) << "a second export differs";
    if (!generate) return;
    // Under one name, so that the files can be compared.
    TDesign original = ReadDesign(projectId), copied = ReadDesign(copy);
    copied.projectName = original.projectName;
    const TMemoryContext a = test::Generate(original), b = test::Generate(copied);
    EXPECT_FALSE(a.ansiFiles.empty());
    EXPECT_EQ(a.ansiFiles, b.ansiFiles);
    EXPECT_EQ(a.utf8Files, b.utf8Files);
    EXPECT_EQ(a.copies, b.copies);
  }

  std::string DesignFile() const { return test::ReadFile(Dir() / "projects.mdb"); }
};

TEST_F(DesignTextTest, ExportWritesEveryFieldInFixedOrderTwoSpacesAndAFinalNewline) {
  const int p = commands::AddProject("小店").id;
  commands::AddClass(p, {"Empty", "空类", false});
  const int tag = commands::AddClass(p, {"Tag", "标签"}).id;
  ASSERT_TRUE(commands::AddMember(p, tag,
                                  {.memberName = "tagName",
                                   .memberType = "字符串",
                                   .lengthText = "30",
                                   .memberComment = "名\"称\\ /",
                                   .isDisplay = true,
                                   .queryDisplay = false}));
  EXPECT_TRUE(
      test::SameText(test::ReadFile(test::kGoldenDir / "text" / "export.json"), ExportDesign(p)));
  ExpectRoundTrip(p, "小店", false);
}

// A valid text: a member refers to a class that comes after its own and
// one to its own class; a yes/no member; constraints, written only when set.
const std::string kValid = R"({"formatVersion": 1, "projectName": "Shop", "classes": [
 {"className": "Customer", "friendName": "客户", "frontShowFlag": true, "members": [
  {"memberName": "customerId", "memberType": "整型", "memberLength": 0, "memberComment": "编号",
   "memberIsPri": true, "memberIsMust": true, "memberIsInteger": true, "memberIsFloat": false,
   "queryFlag": false, "memberIsDisplay": false, "memberQueryDisplay": true},
  {"memberName": "name", "memberType": "字符串", "memberLength": 20, "memberComment": "姓名",
   "memberIsPri": false, "memberIsMust": true, "memberIsInteger": false, "memberIsFloat": false,
   "queryFlag": true, "memberIsDisplay": true, "memberQueryDisplay": true,
   "unique": true, "defaultValue": "无名", "choices": ["无名", "张三"]},
  {"memberName": "lastOrder", "memberType": "Order", "memberLength": 0, "memberComment": "最近",
   "memberIsPri": false, "memberIsMust": true, "memberIsInteger": false, "memberIsFloat": false,
   "queryFlag": false, "memberIsDisplay": false, "memberQueryDisplay": true},
  {"memberName": "referrer", "memberType": "Customer", "memberLength": 0, "memberComment": "介绍人",
   "memberIsPri": false, "memberIsMust": false, "memberIsInteger": false, "memberIsFloat": false,
   "queryFlag": false, "memberIsDisplay": false, "memberQueryDisplay": true},
  {"memberName": "vip", "memberType": "布尔型", "memberLength": 0, "memberComment": "贵宾",
   "memberIsPri": false, "memberIsMust": true, "memberIsInteger": false, "memberIsFloat": false,
   "queryFlag": true, "memberIsDisplay": false, "memberQueryDisplay": true, "defaultValue": "否"}]},
 {"className": "Order", "friendName": "订单", "frontShowFlag": false, "members": [
  {"memberName": "orderId", "memberType": "整型", "memberLength": 0, "memberComment": "单号",
   "memberIsPri": true, "memberIsMust": true, "memberIsInteger": true, "memberIsFloat": false,
   "queryFlag": false, "memberIsDisplay": true, "memberQueryDisplay": true},
  {"memberName": "placed", "memberType": "日期型", "memberLength": 0, "memberComment": "下单",
   "memberIsPri": false, "memberIsMust": true, "memberIsInteger": false, "memberIsFloat": false,
   "queryFlag": true, "memberIsDisplay": false, "memberQueryDisplay": true},
  {"memberName": "total", "memberType": "浮点型", "memberLength": 0, "memberComment": "金额",
   "memberIsPri": false, "memberIsMust": true, "memberIsInteger": false, "memberIsFloat": true,
   "queryFlag": false, "memberIsDisplay": false, "memberQueryDisplay": false,
   "minValue": "+0.5", "maxValue": "100"}]}]}
)";

TEST_F(DesignTextTest, ImportStoresTheTextAsTheDialogsWouldAndTheRoundTripKeepsIt) {
  const int id = ImportDesign(kValid);
  ExpectRoundTrip(id, "Shop");
  EXPECT_EQ(TProjectDAO().GetProjectName(ImportDesign(kValid, "Shop 2")), "Shop 2");
  const TDesign design = ReadDesign(id);
  EXPECT_EQ(design.projectName, "Shop");
  ASSERT_EQ(design.classes.size(), 2u);
  const TDesignClass &customer = design.classes[0], &order = design.classes[1];
  EXPECT_EQ(std::tie(order.className, order.frontShowFlag), std::make_tuple("Order", 0));
  ASSERT_EQ(customer.members.size(), 5u);
  EXPECT_EQ(customer.members[1].constraints,
            (TMemberConstraints{true, "无名", "", "", {"无名", "张三"}}));
  EXPECT_EQ(std::tie(customer.members[2].memberType, customer.members[2].target),
            std::make_tuple("Order", 1));
  EXPECT_EQ(customer.members[3].kind, TFieldKind::OwnIntegerReference);
  EXPECT_EQ(customer.members[4].constraints.defaultValue, "否");
  const TDesignMember& total = order.members.at(2);
  EXPECT_EQ(std::tie(total.memberIsFloat, total.memberQueryDisplay), std::make_tuple(1, 0));
  EXPECT_EQ(total.constraints, (TMemberConstraints{false, "", "0.5", "100", {}}));
}

// Stored by other tools: fields the type decides that disagree with it.
TEST_F(DesignTextTest, ExportRefusesWhatItsOwnImportWouldRefuse) {
  const int p = TProjectDAO().AddProject("Odd");
  test::TMemberBuilder price(p, test::AddClass(p, "Book", "图书"), "price", kTypeFloat);
  price.m.memberLength = 20;
  price.m.memberId = price.Store();
  EXPECT_EQ(
      test::ErrorOf<std::runtime_error>([&] { ExportDesign(p); }),
      "类 Book 的成员 price: 长度 20 与类型 浮点型 不符(只有字符串类型的成员有长度)，无法导出");
  price.m.memberType = "字符串";
  price.m.memberLength = 10;
  TMemberDAO().UpdateMember(price.m);
  EXPECT_EQ(test::ErrorOf<std::runtime_error>([&] { ExportDesign(p); }),
            "类 Book 的成员 price: 整型或浮点型标志与类型 字符串 不符，无法导出");
}

TEST_F(DesignTextTest, RefusedTextsNameThePlaceAndLeaveTheDesignFileAsItWas) {
  TProjectDAO().AddProject("Existing");
  struct TCase {
    std::string text;
    std::string expected;  // the message, or its beginning when it ends in "…"
    std::optional<std::string> name = std::nullopt;
  };
  // One case for each check the entry rules make (their order and their
  // other messages are the commands' test), the rest for the text itself.
  const std::vector<TCase> cases = {
      {"", "第 1 行第 1 列: 不是合法的 JSON…"},
      {kValid.substr(0, kValid.find("{\"className\": \"Order\"")),
       "第 19 行第 2 列: 不是合法的 JSON…"},
      {kValid + "x", "第 30 行第 1 列: 不是合法的 JSON…"},
      {"[]", "(文件顶层): 应为 JSON 对象(不是设计导出文件)"},
      {R"({"projectName": "X", "classes": []})", "formatVersion: 缺少该字段(不是设计导出文件)"},
      {Replace(kValid, "\"formatVersion\": 1", "\"formatVersion\": 2"),
       "formatVersion: 不支持的格式版本 2，本程序读取版本 1"},
      {Replace(kValid, "\"formatVersion\": 1", "\"formatVersion\": 1.0"),
       "formatVersion: 应为整数"},
      {Replace(kValid, "\"projectName\": \"Shop\"", "\"projectName\": 5"),
       "projectName: 应为字符串"},
      {Replace(kValid, "\"projectName\": \"Shop\"", "\"projectName\": \"Shop\", \"owner\": \"me\""),
       "owner: 未知字段"},
      {Replace(kValid, "\"frontShowFlag\": false", "\"frontShowFlag\": 0"),
       "classes[1].frontShowFlag: 应为 true 或 false"},
      {Replace(kValid, "\"frontShowFlag\": false, ", ""), "classes[1].frontShowFlag: 缺少该字段"},
      {Replace(kValid, "\"memberLength\": 20", "\"memberLength\": \"20\""),
       "classes[0].members[1].memberLength: 应为整数"},
      {Replace(kValid, "\"memberLength\": 20", "\"memberLength\": 4294967316"),
       "classes[0].members[1].memberLength: 应为整数"},
      {Replace(kValid, "\"memberComment\": \"姓名\"", "\"memberComment\": null"),
       "classes[0].members[1].memberComment: 应为字符串"},
      {Replace(kValid, "\"memberComment\": \"姓名\"",
               "\"memberComment\": \"姓名\", \"memberComment\": \"名字\""),
       "classes[0].members[1].memberComment: 字段重复出现"},
      {Replace(kValid, "\"className\": \"Order\"", "\"className\": \"CUSTOMER\""),
       "classes[1].className: 该类名称已经存在!"},
      {Replace(kValid, "\"memberType\": \"Order\"", "\"memberType\": \"Orders\""),
       "classes[0].members[2].memberType: 成员类型 \"Orders\" 不可用，可选: "
       "字符串、整型、浮点型、日期型、图片型、布尔型、Customer、Order"},
      {Replace(kValid, "\"memberType\": \"Order\"", "\"memberType\": \"Customer\""),
       "classes[0].members[2].memberIsMust: 引用本类的成员不能勾选是否必填标志!"},
      {Replace(kValid, R"("memberComment": "姓名",)",
               R"("memberComment": "姓名", "minValue": "1",)"),
       "classes[0].members[1].minValue: 字符串类型的成员不能设置最小值和最大值!"},
      {Replace(kValid, R"("memberComment": "编号",)",
               R"("memberComment": "编号", "choices": "男",)"),
       "classes[0].members[0].choices: 应为数组"},
      {Replace(kValid, R"("memberComment": "金额",
   "memberIsPri": false, "memberIsMust": true, "memberIsInteger": false)",
               R"("memberComment": "金额",
   "memberIsPri": false, "memberIsMust": true, "memberIsInteger": true)"),
       "classes[1].members[2].memberIsInteger: 与成员类型不符，应为 false"},
      {Replace(kValid, R"("memberType": "浮点型", "memberLength": 0)",
               R"("memberType": "浮点型", "memberLength": 8)"),
       "classes[1].members[2].memberLength: 只有字符串类型的成员有长度，应为 0"},
      {Replace(kValid, "\"projectName\": \"Shop\"", "\"projectName\": \"existing\""),
       "projectName: 该工程名称已经存在!"},
      {kValid, "工程名称不能为空!", ""},
      {R"({"formatVersion": 1, "projectName": "X", "classes": [)" + std::string(5'000'000, '[') +
           std::string(5'000'000, ']') + "]}",
       "classes[0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0]"
       "[0][0][0][0]: 嵌套超过 32 层"},
  };

  const std::string before = DesignFile();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.expected);
    try {
      ImportDesign(c.text, c.name);
      ADD_FAILURE() << "accepted";
    } catch (const TDesignTextError& e) {
      const std::string what = e.what();
      if (c.expected.ends_with("…")) {
        const std::string prefix = c.expected.substr(0, c.expected.size() - std::strlen("…"));
        EXPECT_EQ(what.substr(0, prefix.size()), prefix) << what;
      } else {
        EXPECT_EQ(what, c.expected);
      }
    }
    EXPECT_EQ(DesignFile(), before);
  }
  EXPECT_EQ(TProjectDAO().GetAllProjects().size(), 1u);
}

}  // namespace
