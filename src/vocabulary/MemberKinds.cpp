#include "vocabulary/MemberKinds.h"

#include <array>

namespace {

constexpr std::string_view kVarchar = "[varchar] ($n$) COLLATE Chinese_PRC_CI_AS $null$ ,";

// Indexed by TFieldKind.
constexpr std::array<TKindInfo, 7> kKinds = {{
    // String
    {"string", "VarChar", "$item$.ToString()", kVarchar, "$col$", TRowKind::Text,
     "this.txt_$m$.Text", "", "this.txt_$m$.Text = $inst$.$mi$;"},
    // Integer
    {"int", "Int", "Convert.ToInt32($item$)", "[int] NOT NULL ,", "$col$", TRowKind::Number,
     "Convert.ToInt32(this.txt_$m$.Text)", "//图书库存",
     "this.txt_$m$.Text = $inst$.$mi$.ToString();"},
    // Float
    {"float", "Float", "float.Parse($item$.ToString())", "[float] NOT NULL ,", "$col$",
     TRowKind::Number, "Convert.ToSingle(this.txt_$m$.Text)", "//图书价格",
     "this.txt_$m$.Text = $inst$.$mi$.ToString();"},
    // Date: the space after its comma is what keeps the comma on a last column.
    {"DateTime", "DateTime", "Convert.ToDateTime($item$.ToString())", "[datetime] NULL , ",
     "convert(char(11),$col$,20)", TRowKind::Date, "this.dtp_$m$.Value", "",
     "if ($inst$.$mi$ != DateTime.MinValue) this.dtp_$m$.Value = $inst$.$mi$;"},
    // Image
    {"byte[]", "Image", "(byte[])$item$", "[image] NULL ,", "$col$", TRowKind::Image, "", "", ""},
    // IntegerReference
    {"int", "Int", "Convert.ToInt32($item$)", "int NOT NULL ,", "$col$", TRowKind::Reference,
     "Int32.Parse(this.cb_$m$.SelectedValue.ToString())", "", ""},
    // StringReference
    {"string", "VarChar", "$item$.ToString()", kVarchar, "$col$", TRowKind::Reference,
     "this.cb_$m$.SelectedValue.ToString()", "", ""},
}};

}  // namespace

const TKindInfo& KindInfo(TFieldKind kind) {
  return kKinds[static_cast<std::size_t>(kind)];
}
