// The complete query form of a class, written when a project asks for it
// (TDesign::fullQueryForms): a paged read-only grid filled by the class's
// paged query, a search row built from the members whose query flag is set,
// buttons that add, edit and delete records, and two that export every
// record the search finds to a CSV file and preview them for print. The
// form of a class that other classes refer to has a lower pane, a tab per
// referring member with the records that refer to the selected one. The
// form can be resized; the grids follow. The search turns what the
// user types into SQL literals itself (quotes doubled, like patterns
// escaped, integer keys converted first), since the paged query pastes its
// condition into the statement. What a member searches is its kind's.
#pragma once

#include <string>
#include <vector>

#include "vocabulary/Design.h"

// One input of the search row. A member takes the places its kind asks
// for (a date two: from and to). Places run three to a line; an input that
// does not fit in what is left of a line starts the next.
struct TSearchInput {
  const TDesignMember* member = nullptr;
  int line = 0;   // search line, from 0
  int place = 0;  // first place on the line, 0..2
};

struct TQueryLayout {
  std::vector<TSearchInput> inputs;
  int lines = 0;    // search lines in use
  int buttonY = 0;  // 查询 重置 添加 修改 删除
  int gridY = 0;
  int gridHeight = 0;
  int pagerY = 0;  // 首页 上一页 下一页 末页 and the page label
  int height = 0;  // client height without the lower pane; the width it opens with is fixed
};

// The members whose query flag is set, in member order, placed on the
// search lines; a member of a kind that may not be searched (the entry
// rules refuse its flag) is left out.
TQueryLayout PlanQueryForm(const TDesignClass& cls);

std::string BuildFullQueryCode(const TDesign& design, const TDesignClass& cls);
// The designer file; a class that others refer to gets the lower pane of
// their records.
std::string BuildFullQueryDesigner(const TDesign& design, const TDesignClass& cls);
