#include "vocabulary/MemberKinds.h"

namespace {

// ---- Texts more than one kind shares ------------------------------------------

// What a required text or drop-down stores; an optional text's comment
// stands one space further off.
constexpr std::string_view kStore = "            $inst$.$mi$ = $value$; //$c$";
constexpr std::string_view kStoreOptional = "            $inst$.$mi$ = $value$;  //$c$";

// A number is converted inside try: text that is no number is refused.
constexpr std::string_view kStoreNumber = R"(
            try
            {
                $inst$.$mi$ = $value$;  $note$
            }
            catch
            {
                MessageBox.Show("$c$请输入正确的格式!");
                this.txt_$m$.SelectAll();
                this.txt_$m$.Focus();
                return;
            }
)";

constexpr std::string_view kShowNumber = "            this.txt_$m$.Text = $inst$.$mi$.ToString();";

// ---- Rows of the add and edit forms ----------------------------------------------

// A text box, its height the member's length.
constexpr TFormControl kTextBox[] = {{"txt_", "TextBox", "", "// ", "// ", R"(
            this.$ctl$.Location = new System.Drawing.Point(194, $y$);
            this.$ctl$.Name = "$ctl$";
            this.$ctl$.Size = new System.Drawing.Size(199, $len$);
            this.$ctl$.TabIndex = $t$;)",
                                      -3}};

constexpr TFormControl kNumberBox[] = {{"txt_", "TextBox", "", "// ", "// ", R"(
            this.$ctl$.Location = new System.Drawing.Point(194, $y$);
            this.$ctl$.Name = "$ctl$";
            this.$ctl$.Size = new System.Drawing.Size(199, 21);
            this.$ctl$.TabIndex = $t$;)",
                                        -3}};

constexpr TFormControl kDatePicker[] = {{"dtp_", "DateTimePicker", "", "// ", "//", R"(
            this.$ctl$.Location = new System.Drawing.Point(194, $y$);
            this.$ctl$.Name = "$ctl$";
            this.$ctl$.Size = new System.Drawing.Size(208, 21);
            this.$ctl$.TabIndex = $t$;)",
                                         -3}};

constexpr TFormControl kDropDown[] = {{"cb_", "ComboBox", "", "// ", "// ", R"(
            this.$ctl$.FormattingEnabled = true;
            this.$ctl$.Location = new System.Drawing.Point(194, $y$);
            this.$ctl$.Name = "$ctl$";
            this.$ctl$.Size = new System.Drawing.Size(199, 20);
            this.$ctl$.TabIndex = $t$;)",
                                       -3}};

// A yes/no: a check box captioned with the comment.
constexpr TFormControl kCheckBox[] = {{"chk_", "CheckBox", "", "// ", "// ", R"(
            this.$ctl$.Location = new System.Drawing.Point(194, $y$);
            this.$ctl$.Name = "$ctl$";
            this.$ctl$.Size = new System.Drawing.Size(199, 21);
            this.$ctl$.TabIndex = $t$;
            this.$ctl$.Text = "$c$";
            this.$ctl$.UseVisualStyleBackColor = true;)",
                                       -4}};

// An image: the picture, the chosen file's path under it and the upload
// button at its right.
constexpr TFormControl kPicture[] = {
    {"pictureBox_", "PictureBox", R"(
            ((System.ComponentModel.ISupportInitialize)(this.$ctl$)).BeginInit();
            ((System.ComponentModel.ISupportInitialize)(this.$ctl$)).EndInit();)",
     "//", "// ", R"(
            this.$ctl$.BackgroundImageLayout = System.Windows.Forms.ImageLayout.Stretch;
            this.$ctl$.Location = new System.Drawing.Point(194, $y$);
            this.$ctl$.Name = "$ctl$";
            this.$ctl$.Size = new System.Drawing.Size(156, 140);
            this.$ctl$.SizeMode = System.Windows.Forms.PictureBoxSizeMode.StretchImage;
            this.$ctl$.TabIndex = $t$;
            this.$ctl$.TabStop = false;)",
     -3},
    {"txt_", "TextBox", "", "// ", "// ", R"(
            this.$ctl$.Location = new System.Drawing.Point(194, $y$);
            this.$ctl$.Name = "$ctl$";
            this.$ctl$.ReadOnly = true;
            this.$ctl$.Size = new System.Drawing.Size(300, 21);
            this.$ctl$.TabIndex = $t$;)",
     146},
    {"btn_", "Button", "", "// ", "// ", R"(
            this.$ctl$.Location = new System.Drawing.Point(365, $y$);
            this.$ctl$.Name = "$ctl$";
            this.$ctl$.Size = new System.Drawing.Size(60, 26);
            this.$ctl$.TabIndex = $t$;
            this.$ctl$.Text = "上 传";
            this.$ctl$.UseVisualStyleBackColor = true;
            this.$ctl$.Click += new System.EventHandler(this.$ctl$_Click);)",
     114},
};

// The upload button's handler. Closing the reader closes the file, which
// would otherwise stay locked.
constexpr std::string_view kUploadHandler = R"(
        private void btn_$m$_Click(object sender, EventArgs e)
        {
            OpenFileDialog openFileDialog1 = new OpenFileDialog();
            try
            {
                openFileDialog1.InitialDirectory = Environment.GetFolderPath(Environment.SpecialFolder.MyComputer);
                openFileDialog1.Filter = "图片（*.jpg;*.bmp;*.gif,*.png）|*.jpg;*.bmp;*.gif;*.png";
                if (openFileDialog1.ShowDialog() == DialogResult.OK)
                {
                    this.txt_$m$.Text = openFileDialog1.FileName;
                    pictureBox_$m$.Image = Image.FromFile(txt_$m$.Text);
                    pictureBox_$m$.SizeMode = PictureBoxSizeMode.StretchImage;
                    FileStream fs = new FileStream(openFileDialog1.FileName, FileMode.Open, FileAccess.Read);
                    BinaryReader bw = new BinaryReader(fs);
                    $inst$.$mi$ = bw.ReadBytes((int)fs.Length);
                    bw.Close();
                }
            }
            catch
            {
                MessageBox.Show("请选择正确的图片格式", "提示", MessageBoxButtons.OK, MessageBoxIcon.Asterisk);
            }
        }

)";

// A new record starts with the placeholder picture.
constexpr std::string_view kNoImage = R"(
            pictureBox_$m$.Image = Image.FromFile("pic/NoImage.jpg");
            pictureBox_$m$.SizeMode = PictureBoxSizeMode.StretchImage;
            FileStream $m$_fs = new FileStream("pic/NoImage.jpg", FileMode.Open, FileAccess.Read);
            BinaryReader $m$_bw = new BinaryReader($m$_fs);
            $inst$.$mi$ = $m$_bw.ReadBytes((int)$m$_fs.Length);
            $m$_bw.Close();
)";

// A record without a picture shows none.
constexpr std::string_view kShowImage = R"(
            byte[] $mi$ = (byte[])($inst$.$mi$);
            if ($mi$ != null)
            {
                MemoryStream ms_$m$ = new MemoryStream($mi$);
                pictureBox_$m$.Image = Image.FromStream(ms_$m$);
            }
)";

// ---- The complete query form's search ------------------------------------------
// A place is 245 wide: the member's label, then its input 85 to the right.

constexpr TSearchControl kTextSearch[] = {{"txt_", "TextBox", "", "", 85, 150, 21}};

// A date is searched from one day to another, both ends optional: two
// places, the second labelled 至.
constexpr std::string_view kPickerBefore = R"(
            this.$ctl$.Checked = false;
            this.$ctl$.Format = System.Windows.Forms.DateTimePickerFormat.Short;)";
constexpr std::string_view kPickerAfter = "            this.$ctl$.ShowCheckBox = true;";
constexpr TSearchControl kDateSearch[] = {
    {"dtpFrom_", "DateTimePicker", kPickerBefore, kPickerAfter, 85, 150, 21},
    {"lblTo_", "Label", "", R"(
            this.$ctl$.Text = "至";
            this.$ctl$.TextAlign = System.Drawing.ContentAlignment.MiddleRight;)",
     245, 80, 21},
    {"dtpTo_", "DateTimePicker", kPickerBefore, kPickerAfter, 330, 150, 21},
};

// A drop-down whose empty first entry means any.
constexpr TSearchControl kReferenceSearch[] = {{"cb_", "ComboBox", R"(
            this.$ctl$.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList;
            this.$ctl$.FormattingEnabled = true;)",
                                                "", 85, 150, 20}};
constexpr std::string_view kReferenceReset =
    "            if (this.cb_$m$.Items.Count > 0) this.cb_$m$.SelectedIndex = 0;";

// A fixed list: a drop-down that takes no free text.
constexpr TFormControl kChoiceList[] = {{"cb_", "ComboBox", "", "// ", "// ", R"(
            this.$ctl$.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList;
            this.$ctl$.FormattingEnabled = true;
            this.$ctl$.Items.AddRange(new object[] {
$items$});
            this.$ctl$.Location = new System.Drawing.Point(194, $y$);
            this.$ctl$.Name = "$ctl$";
            this.$ctl$.Size = new System.Drawing.Size(199, 20);
            this.$ctl$.TabIndex = $t$;)",
                                         -3}};

// A fixed list is searched by its values after 全部 (any).
constexpr TSearchControl kChoiceSearch[] = {{"cb_", "ComboBox", R"(
            this.$ctl$.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList;
            this.$ctl$.FormattingEnabled = true;
            this.$ctl$.Items.AddRange(new object[] {
            "全部",
$items$});)",
                                             "            this.$ctl$.SelectedIndex = 0;", 85,
                                             150, 20}};

// A yes/no is searched by a fixed list: 全部 (any), 是, 否.
constexpr TSearchControl kYesNoSearch[] = {{"cb_", "ComboBox", R"(
            this.$ctl$.DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList;
            this.$ctl$.FormattingEnabled = true;
            this.$ctl$.Items.AddRange(new object[] {
            "全部",
            "是",
            "否"});)",
                                            "            this.$ctl$.SelectedIndex = 0;", 85,
                                            150, 20}};

// ---- The rows -------------------------------------------------------------------

constexpr std::string_view kSetText = "            this.txt_$m$.Text = $value$;";

constexpr TKindInfo kString = {
    .csType = "string",
    .readerConversion = "$item$.ToString()",
    .mayBeKey = true,
    .mayBeOptional = true,
    .hasLength = true,
    .mayBeUnique = true,
    .values = TValueForm::Text,
    .hasChoices = true,
    .setDefault = kSetText,
    .keyOnEditForm = "String",
    .keyFromCell = "Convert.ToString(row.Cells[0].Value)",
    .labelCommentClose = "//",
    .controls = kTextBox,
    .rowHeight = 35,
    .formValue = "this.txt_$m$.Text",
    .emptyTest = R"(this.txt_$m$.Text == "")",
    .entry = kStore,
    .optionalEntry = kStoreOptional,
    .showOnEditForm = "            this.txt_$m$.Text = $inst$.$mi$;",
    .searchPlaces = 1,
    .searchControls = kTextSearch,
    .searchCondition = R"(
            if (this.txt_$m$.Text.Trim() != "")
                conditions.Add("$col$ like " + SqlContains(this.txt_$m$.Text.Trim()));)",
    .searchReset = R"(            this.txt_$m$.Text = "";)",
};

// Numbers are not searched: the search lines offer text, dates and
// drop-downs.
constexpr TKindInfo kInteger = {
    .csType = "int",
    .readerConversion = "Convert.ToInt32($item$)",
    .mayBeKey = true,
    .setsIntegerFlag = true,
    .mayBeUnique = true,
    .values = TValueForm::Integer,
    .hasRange = true,
    .setDefault = kSetText,
    .keyByDatabase = true,
    .keyOnEditForm = "int",
    .keyFromCell = "Convert.ToInt32(row.Cells[0].Value)",
    .labelCommentClose = "//",
    .controls = kNumberBox,
    .rowHeight = 35,
    .formValue = "Convert.ToInt32(this.txt_$m$.Text)",
    .entry = kStoreNumber,
    .optionalEntry = kStoreNumber,
    .entryNote = "//图书库存",
    .showOnEditForm = kShowNumber,
};

constexpr TKindInfo kFloat = {
    .csType = "float",
    .readerConversion = "float.Parse($item$.ToString())",
    .setsFloatFlag = true,
    .mayBeUnique = true,
    .values = TValueForm::Number,
    .hasRange = true,
    .setDefault = kSetText,
    .labelCommentClose = "//",
    .controls = kNumberBox,
    .rowHeight = 35,
    .formValue = "Convert.ToSingle(this.txt_$m$.Text)",
    .entry = kStoreNumber,
    .optionalEntry = kStoreNumber,
    .entryNote = "//图书价格",
    .showOnEditForm = kShowNumber,
};

constexpr TKindInfo kDate = {
    .csType = "DateTime",
    .systemName = "DateTime",
    .readerConversion = "Convert.ToDateTime($item$.ToString())",
    .nullable = true,
    .mayBeUnique = true,
    .labelCommentClose = "//",
    .controls = kDatePicker,
    .rowHeight = 35,
    .formValue = "this.dtp_$m$.Value",
    .entry = "            $inst$.$mi$ = $value$;",
    .optionalEntry = "            $inst$.$mi$ = $value$;",
    .showOnEditForm =
        "            if ($inst$.$mi$ != DateTime.MinValue) this.dtp_$m$.Value = $inst$.$mi$;",
    .searchPlaces = 2,
    .searchControls = kDateSearch,
    .searchCondition = R"(
            if (this.dtpFrom_$m$.Checked)
                conditions.Add("$col$>=" + SqlDate(this.dtpFrom_$m$.Value.Date));
            if (this.dtpTo_$m$.Checked)
                conditions.Add("$col$<" + SqlDate(this.dtpTo_$m$.Value.Date.AddDays(1)));)",
    .searchReset = R"(
            this.dtpFrom_$m$.Checked = false;
            this.dtpTo_$m$.Checked = false;)",
};

// The upload handler stores the picture's bytes; saving reads nothing back.
constexpr TKindInfo kImage = {
    .csType = "byte[]",
    .readerConversion = "(byte[])$item$",
    .nullable = true,
    .mayBeOptional = true,
    .labelCommentClose = "// ",
    .controls = kPicture,
    .rowHeight = 178,
    .formMethods = kUploadHandler,
    .addFormLoad = kNoImage,
    .showOnEditForm = kShowImage,
    .namesLocals = true,
};

constexpr TKindInfo kIntegerReference = {
    .csType = "int",
    .readerConversion = "Convert.ToInt32($item$)",
    .refersToClass = true,
    .labelCommentClose = "// ",
    .controls = kDropDown,
    .rowHeight = 35,
    .formValue = "Int32.Parse(this.cb_$m$.SelectedValue.ToString())",
    .emptyTest = "this.cb_$m$.SelectedValue == null",
    .entry = kStore,
    .optionalEntry = kStore,
    .searchPlaces = 1,
    .searchControls = kReferenceSearch,
    .searchCondition = R"(
            if (this.cb_$m$.SelectedIndex > 0 && this.cb_$m$.SelectedValue != null)
                conditions.Add("$col$=" + Convert.ToInt32(this.cb_$m$.SelectedValue).ToString(CultureInfo.InvariantCulture));)",
    .searchReset = kReferenceReset,
    .detailCondition = R"("$col$=" + Convert.ToInt32($key$).ToString(CultureInfo.InvariantCulture))",
};

constexpr TKindInfo kStringReference = {
    .csType = "string",
    .readerConversion = "$item$.ToString()",
    .refersToClass = true,
    .labelCommentClose = "// ",
    .controls = kDropDown,
    .rowHeight = 35,
    .formValue = "this.cb_$m$.SelectedValue.ToString()",
    .emptyTest = "this.cb_$m$.SelectedValue == null",
    .entry = kStore,
    .optionalEntry = kStore,
    .searchPlaces = 1,
    .searchControls = kReferenceSearch,
    .searchCondition = R"(
            if (this.cb_$m$.SelectedIndex > 0 && this.cb_$m$.SelectedValue != null)
                conditions.Add("$col$=" + SqlText(this.cb_$m$.SelectedValue.ToString()));)",
    .searchReset = kReferenceReset,
    .detailCondition = R"("$col$=" + SqlText(Convert.ToString($key$)))",
};

// A check box always holds a value: the member is always required.
constexpr TKindInfo kBoolean = {
    .csType = "bool",
    .readerConversion = "Convert.ToBoolean($item$)",
    .values = TValueForm::YesNo,
    .columnDefault = "0",
    .setDefault = "            this.chk_$m$.Checked = $value$;",
    .labelCommentClose = "//",
    .controls = kCheckBox,
    .rowHeight = 35,
    .formValue = "this.chk_$m$.Checked",
    .entry = kStore,
    .optionalEntry = kStore,
    .showOnEditForm = "            this.chk_$m$.Checked = $inst$.$mi$;",
    .searchPlaces = 1,
    .searchControls = kYesNoSearch,
    .searchCondition = R"(
            if (this.cb_$m$.SelectedIndex > 0)
                conditions.Add("$col$=" + (this.cb_$m$.SelectedIndex == 1 ? "1" : "0"));)",
    .searchReset = "            this.cb_$m$.SelectedIndex = 0;",
};

// A string member with a fixed list of values.
constexpr TKindInfo kChoice = {
    .csType = "string",
    .readerConversion = "$item$.ToString()",
    .mayBeOptional = true,
    .hasLength = true,
    .mayBeUnique = true,
    .values = TValueForm::Text,
    .hasChoices = true,
    .setDefault = "            this.cb_$m$.SelectedItem = $value$;",
    .labelCommentClose = "// ",
    .controls = kChoiceList,
    .rowHeight = 35,
    .formValue = "this.cb_$m$.SelectedIndex < 0 ? \"\" : this.cb_$m$.SelectedItem.ToString()",
    .emptyTest = "this.cb_$m$.SelectedIndex < 0",
    .entry = kStore,
    .optionalEntry = kStoreOptional,
    .showOnEditForm = "            this.cb_$m$.SelectedItem = $inst$.$mi$;",
    .searchPlaces = 1,
    .searchControls = kChoiceSearch,
    .searchCondition = R"(
            if (this.cb_$m$.SelectedIndex > 0)
                conditions.Add("$col$=" + SqlText(this.cb_$m$.SelectedItem.ToString()));)",
    .searchReset = "            this.cb_$m$.SelectedIndex = 0;",
};

// A reference to the member's own class may be empty: its drop-down starts
// with an empty row, which stores NULL, and a record without one reads as
// null.
constexpr std::string_view kNoneRow =
    "            $r$Ds.Tables[0].Rows.InsertAt($r$Ds.Tables[0].NewRow(), 0);";
constexpr std::string_view kNullableParameter = "(object)$inst$.$mi$ ?? DBNull.Value";

// A reference to the member's own class: the same row for either key type
// but for the type, its conversions and the search condition.
constexpr TKindInfo OwnReference(std::string_view csType, std::string_view readerConversion,
                                 std::string_view formValue, std::string_view searchCondition) {
  return {
      .csType = csType,
      .readerConversion = readerConversion,
      .nullable = true,
      .mayBeOptional = true,
      .refersToClass = true,
      .mayBeRequired = false,
      .labelCommentClose = "// ",
      .controls = kDropDown,
      .rowHeight = 35,
      .formValue = formValue,
      .entry = kStore,
      .optionalEntry = kStore,
      .referenceRows = kNoneRow,
      .selectionGuard = "$inst$.$mi$ != null",
      .searchPlaces = 1,
      .searchControls = kReferenceSearch,
      .searchCondition = searchCondition,
      .searchReset = kReferenceReset,
      .parameterValue = kNullableParameter,
  };
}

constexpr TKindInfo kOwnIntegerReference = OwnReference(
    "int?", "Convert.ToInt32($item$)",
    "this.cb_$m$.SelectedValue == null || this.cb_$m$.SelectedValue is DBNull ? "
    "(int?)null : Convert.ToInt32(this.cb_$m$.SelectedValue)",
    kIntegerReference.searchCondition);

constexpr TKindInfo kOwnStringReference = OwnReference(
    "string", "$item$.ToString()",
    "this.cb_$m$.SelectedValue == null || this.cb_$m$.SelectedValue is DBNull ? "
    "null : this.cb_$m$.SelectedValue.ToString()",
    kStringReference.searchCondition);

}  // namespace

TFieldKind FieldKindOf(std::string_view memberType, const TMember* referencedKey,
                       std::string_view ownClass, bool hasChoices) {
  if (memberType == kTypeString) return hasChoices ? TFieldKind::Choice : TFieldKind::String;
  if (memberType == kTypeInteger) return TFieldKind::Integer;
  if (memberType == kTypeFloat) return TFieldKind::Float;
  if (memberType == kTypeDate) return TFieldKind::Date;
  if (memberType == kTypeImage) return TFieldKind::Image;
  if (memberType == kTypeBoolean) return TFieldKind::Boolean;
  const bool integerKey = referencedKey && referencedKey->IsInteger();
  if (!ownClass.empty() && memberType == ownClass)
    return integerKey ? TFieldKind::OwnIntegerReference : TFieldKind::OwnStringReference;
  return integerKey ? TFieldKind::IntegerReference : TFieldKind::StringReference;
}

const TKindInfo& KindInfo(TFieldKind kind) {
  switch (kind) {
    case TFieldKind::String: return kString;
    case TFieldKind::Integer: return kInteger;
    case TFieldKind::Float: return kFloat;
    case TFieldKind::Date: return kDate;
    case TFieldKind::Image: return kImage;
    case TFieldKind::IntegerReference: return kIntegerReference;
    case TFieldKind::Boolean: return kBoolean;
    case TFieldKind::OwnIntegerReference: return kOwnIntegerReference;
    case TFieldKind::OwnStringReference: return kOwnStringReference;
    case TFieldKind::Choice: return kChoice;
    case TFieldKind::StringReference: break;
  }
  return kStringReference;
}
