#include "commands/SampleDesign.h"

#include <stdexcept>

#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

namespace {

TMemberEntry Entry(std::string name, std::string_view type, std::string comment, bool must,
                   std::string length = "0") {
  TMemberEntry e;
  e.memberName = std::move(name);
  e.memberType = std::string(type);
  e.memberComment = std::move(comment);
  e.isMust = must;
  e.lengthText = std::move(length);
  return e;
}

void AddMember(int projectId, int classId, const TMemberEntry& e) {
  if (auto refused = CheckAddMember(e)) throw std::logic_error(refused->message);
  TMember m;
  if (auto refused = BuildMember(e, projectId, classId, m))
    throw std::logic_error(refused->message);
  TMemberDAO().AddMember(m);
}

}  // namespace

TRuleResult CreateSampleDesign(int& projectId) {
  TRuleResult refused;
  // The name check and the writes in one transaction, so that two
  // processes cannot both find the name free.
  TDbHelper().Transaction([&] {
    if ((refused = CheckAddProject(kSampleProjectName))) return;
    projectId = TProjectDAO().AddProject(kSampleProjectName);
    TClassDAO classes;

    const int typeClass = classes.AddClass(projectId, "BookType", "图书类型", 1);
    TMemberEntry typeId = Entry("typeId", kTypeInteger, "类型编号", true);
    typeId.isPri = true;
    AddMember(projectId, typeClass, typeId);
    TMemberEntry typeName = Entry("typeName", kTypeString, "类型名称", true, "50");
    typeName.isDisplay = true;
    typeName.queryFlag = true;
    AddMember(projectId, typeClass, typeName);

    const int bookClass = classes.AddClass(projectId, "Book", "图书", 1);
    TMemberEntry bookId = Entry("bookId", kTypeInteger, "图书编号", true);
    bookId.isPri = true;
    AddMember(projectId, bookClass, bookId);
    TMemberEntry title = Entry("title", kTypeString, "书名", true, "100");
    title.isDisplay = true;
    title.queryFlag = true;
    AddMember(projectId, bookClass, title);
    AddMember(projectId, bookClass, Entry("price", kTypeFloat, "价格", true));
    AddMember(projectId, bookClass, Entry("stock", kTypeInteger, "库存", true));
    TMemberEntry published = Entry("publishDate", kTypeDate, "出版日期", true);
    published.queryFlag = true;
    AddMember(projectId, bookClass, published);
    TMemberEntry cover = Entry("cover", kTypeImage, "封面", false);
    cover.queryDisplay = false;
    AddMember(projectId, bookClass, cover);
    TMemberEntry bookType = Entry("bookType", "BookType", "图书类型", true);
    bookType.queryFlag = true;
    AddMember(projectId, bookClass, bookType);
  });
  return refused;
}
