// Everything the generators and the table script write differently for a
// kind of member, in one table. Texts with $name$ are filled by a
// TCodeWriter: $m$ the member name, $mi$ the member name as a C#
// identifier on its own, $inst$ the entity's instance name,
// $item$ a data-reader item, $n$ a length, $null$ "NOT NULL" or "NULL",
// $col$ a column of the paged query's select.
#pragma once

#include <string_view>

#include "vocabulary/Member.h"

// The row a member gets on the add and edit forms.
enum class TRowKind { Text, Number, Date, Image, Reference };

struct TKindInfo {
  std::string_view csType;            // entity property and locals
  std::string_view sqlDbType;         // SqlDbType member of data-access parameters
  std::string_view readerConversion;  // data-reader item to the C# type
  std::string_view scriptColumn;      // column type in the table script
  std::string_view showColumn;        // column of the paged query's show list
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
