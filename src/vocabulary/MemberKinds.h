// Everything the generators write differently for a kind of member, in one
// table (the SQL of each kind is the dialect's, vocabulary/SqlDialect.h).
// Texts with $name$ are filled by a TCodeWriter: $m$ the member name, $mi$
// the member name as a C# identifier on its own, $inst$ the entity's
// instance name, $item$ a data-reader item.
#pragma once

#include <string_view>

#include "vocabulary/Member.h"

// The row a member gets on the add and edit forms.
enum class TRowKind { Text, Number, Date, Image, Reference };

struct TKindInfo {
  std::string_view csType;            // entity property and locals
  std::string_view readerConversion;  // data-reader item to the C# type
  TRowKind row;
  // Form code: the value read back from the form's control (empty for an
  // image, whose bytes the upload handler stores), the fixed comment after
  // a converted number, and the line that shows the record's value on the
  // edit form (empty: the drop-down's binding selects it).
  std::string_view formValue;
  std::string_view numberComment;
  std::string_view showOnForm;
};

const TKindInfo& KindInfo(TFieldKind kind);
