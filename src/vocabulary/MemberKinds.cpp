#include "vocabulary/MemberKinds.h"

#include <array>

namespace {

// Indexed by TFieldKind.
constexpr std::array<TKindInfo, 7> kKinds = {{
    // String
    {"string", "$item$.ToString()", TRowKind::Text, "this.txt_$m$.Text", "",
     "this.txt_$m$.Text = $inst$.$mi$;"},
    // Integer
    {"int", "Convert.ToInt32($item$)", TRowKind::Number, "Convert.ToInt32(this.txt_$m$.Text)",
     "//图书库存", "this.txt_$m$.Text = $inst$.$mi$.ToString();"},
    // Float
    {"float", "float.Parse($item$.ToString())", TRowKind::Number,
     "Convert.ToSingle(this.txt_$m$.Text)", "//图书价格",
     "this.txt_$m$.Text = $inst$.$mi$.ToString();"},
    // Date
    {"DateTime", "Convert.ToDateTime($item$.ToString())", TRowKind::Date, "this.dtp_$m$.Value", "",
     "if ($inst$.$mi$ != DateTime.MinValue) this.dtp_$m$.Value = $inst$.$mi$;"},
    // Image
    {"byte[]", "(byte[])$item$", TRowKind::Image, "", "", ""},
    // IntegerReference
    {"int", "Convert.ToInt32($item$)", TRowKind::Reference,
     "Int32.Parse(this.cb_$m$.SelectedValue.ToString())", "", ""},
    // StringReference
    {"string", "$item$.ToString()", TRowKind::Reference, "this.cb_$m$.SelectedValue.ToString()", "",
     ""},
}};

}  // namespace

const TKindInfo& KindInfo(TFieldKind kind) {
  return kKinds[static_cast<std::size_t>(kind)];
}
