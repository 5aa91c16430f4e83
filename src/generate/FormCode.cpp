#include "generate/FormCode.h"

#include <set>

#include "generate/CSharpBoilerplate.h"
#include "generate/ClassFiles.h"
#include "vocabulary/EntryRules.h"
#include "vocabulary/Naming.h"
#include "vocabulary/SqlDialect.h"

namespace {

class TFormCodeWriter {
public:
  TFormCodeWriter(const TDesign& design, const TDesignClass& cls, TFormVariant variant)
      : design_(design),
        cls_(cls),
        key_(KeyMember(cls)),
        keyKind_(KindInfo(KeyKind(key_))),
        edit_(variant == TFormVariant::Edit),
        w_(ClassWriter(cls)) {}

  std::string Build();

private:
  void WriteHeader();
  void WriteKindMethods();
  void WriteEmptyCheck(std::string_view test, std::string_view control, const TMember& m);
  void WriteRefusal(const std::string& test, const std::string& message,
                    const std::string& control);
  void WriteConstraintChecks(const TDesignMember& m);
  void WriteEntries();
  void WriteButtonHandler();
  void WriteLoadHandler();
  void WriteReferenceBindings();

  const TDesign& design_;
  const TDesignClass& cls_;
  const TDesignMember& key_;
  const TKindInfo& keyKind_;
  const bool edit_;
  TCodeWriter w_;
};

std::string TFormCodeWriter::Build() {
  WriteHeader();
  if (edit_) {
    WriteButtonHandler();
    WriteKindMethods();
  } else {
    WriteKindMethods();
    WriteButtonHandler();
  }
  WriteLoadHandler();
  w_.Lines(R"(
        }
    }
}
)");
  return w_.Take();
}

void TFormCodeWriter::WriteHeader() {
  WriteUsings(w_, TUsings::Form);
  if (edit_) w_.Blank();
  w_.Line("using System.IO;");
  if (!edit_) w_.Blank();
  w_.Line("using Model;");
  w_.Append(TypeAliasLines(design_, TImportingFile::FormCode));
  w_.Blank();
  if (!edit_) {
    w_.Lines(R"(
namespace LoginFrame
{
    public partial class FrmAdd$C$ : Form
    {
        public FrmAdd$C$()
        {
            InitializeComponent();
        }

        private $CT$ $inst$ = new $CT$();
)");
    return;
  }
  w_.Lines(R"(
namespace LoginFrame
{
    public partial class FrmEdit$C$ : Form
    {
        public FrmEdit$C$($ktype$ $ki$,FrmQuery$C$ frmQuery$C$)
        {
            InitializeComponent();
            this.$ki$ = $ki$;
            this.frmQuery$C$ = frmQuery$C$;
        }
        private $CT$ $inst$;
        private $ktype$ $ki$;
        private FrmQuery$C$ frmQuery$C$;
)",
           {{"ktype", keyKind_.keyOnEditForm}});
}

// The methods a member's kind gives both forms (an image's upload handler).
void TFormCodeWriter::WriteKindMethods() {
  for (const TDesignMember& m : cls_.members)
    w_.Lines(m.Kind().formMethods, {{"m", m.memberName}, {"mi", CSharpName(m.memberName)}});
}

void TFormCodeWriter::WriteEmptyCheck(std::string_view test, std::string_view control,
                                      const TMember& m) {
  WriteRefusal(Fill(test, {{"m", m.memberName}}), m.memberComment + "输入不能为空!",
               std::string(control) + m.memberName);
}

// While test holds, the form says message, gives control the focus and
// writes nothing.
void TFormCodeWriter::WriteRefusal(const std::string& test, const std::string& message,
                                   const std::string& control) {
  w_.Lines(R"(
            if ($test$)
            {
                MessageBox.Show("$message$");
                this.$ctl$.Focus();
                return;
            }
)",
           {{"test", test}, {"message", message}, {"ctl", control}});
}

// The member's range and uniqueness, checked once its value is in the
// entity; the edit form does not count the record itself.
void TFormCodeWriter::WriteConstraintChecks(const TDesignMember& m) {
  const TKindInfo& kind = m.Kind();
  const TMemberConstraints& c = m.constraints;
  const std::string value = w_.Filled("$inst$.") + CSharpName(m.memberName);
  const std::string control = std::string(kind.controls.front().prefix) + m.memberName;
  if (kind.hasRange && (!c.minValue.empty() || !c.maxValue.empty())) {
    std::string test;
    if (!c.minValue.empty()) test = value + " < " + c.minValue;
    if (!c.maxValue.empty()) test += (test.empty() ? "" : " || ") + value + " > " + c.maxValue;
    WriteRefusal(test, msg::OutOfRange(m.memberComment, c.minValue, c.maxValue), control);
  }
  if (c.unique && kind.mayBeUnique)
    WriteRefusal(w_.Filled("BLL.bll$C$.Exists_") + m.memberName + "(" + value + ", " +
                     (edit_ ? w_.Filled("$inst$.$ki$") : "null") + ")",
                 m.memberComment + "已存在!", control);
}

void TFormCodeWriter::WriteEntries() {
  for (const TDesignMember& m : cls_.members) {
    if (m.IsKey()) continue;
    const TKindInfo& kind = m.Kind();
    const bool required = m.IsRequired();
    // The check points at the row's input, its first control.
    if (required && !kind.emptyTest.empty())
      WriteEmptyCheck(kind.emptyTest, kind.controls.front().prefix, m);
    const std::string mi = CSharpName(m.memberName);
    w_.Lines(required ? kind.entry : kind.optionalEntry,
             {{"m", m.memberName},
              {"mi", mi},
              {"c", m.memberComment},
              {"value", Fill(kind.formValue, {{"m", m.memberName}, {"mi", mi}})},
              {"note", kind.entryNote}});
    WriteConstraintChecks(m);
  }
}

void TFormCodeWriter::WriteButtonHandler() {
  if (edit_) {
    w_.Line("        private void Btn_Update_Click(object sender, EventArgs e)");
    w_.Line("        { ");
  } else {
    w_.Line("        private void Btn_Add_Click(object sender, EventArgs e)");
    w_.Line("        {");
    // A key the database does not give is typed by the user and must not
    // be empty.
    if (!keyKind_.keyByDatabase) {
      WriteEmptyCheck(R"(this.txt_$m$.Text == "")", "txt_", key_);
      w_.Line("            $inst$.$ki$ = this.txt_$k$.Text;  //$c$", {{"c", key_.memberComment}});
    }
  }
  WriteEntries();
  // A statement the database refuses (a key taken, a constraint) leaves the
  // form open with what was typed, so that it can be put right.
  w_.Lines(R"(
            try
            {
                if (BLL.bll$C$.$op$$C$($inst$))
                    MessageBox.Show("$F$$done$成功!");
                else
                    MessageBox.Show("$F$$done$失败!");
            }
            catch (Exception ex)
            {
                MessageBox.Show("$F$$done$失败: " + ex.Message);
                return;
            }
            this.Close(); 
        }

)",
           {{"op", edit_ ? "Edit" : "Add"}, {"done", edit_ ? "更新" : "添加"}});
}

void TFormCodeWriter::WriteReferenceBindings() {
  // Each drop-down gets a table of its own: a class named by a second
  // reference member is fetched again into the same variable.
  std::set<std::string> fetched;
  for (const TDesignMember& m : cls_.members) {
    if (!m.IsReference()) continue;
    const TReferenced target = Referenced(design_, cls_, m);
    const std::string& r = m.memberType;
    const TCodeWriter::TVars v = {{"m", m.memberName},
                                  {"mi", CSharpName(m.memberName)},
                                  {"R", r},
                                  {"r", InstanceName(r)},
                                  {"rf", target.cls.friendName},
                                  {"rd", target.display.memberName},
                                  {"rk", target.key.memberName},
                                  {"decl", fetched.insert(r).second ? "DataSet " : ""}};
    w_.Lines(R"(
            //查询所有的$rf$
            $decl$$r$Ds = BLL.bll$R$.getAll$R$();
)",
             v);
    w_.Lines(m.Kind().referenceRows, v);
    w_.Lines(R"(
            this.cb_$m$.DataSource = $r$Ds.Tables[0];
            this.cb_$m$.DisplayMember = "$rd$";
            this.cb_$m$.ValueMember = "$rk$";
)",
             v);
    if (!edit_) continue;
    const std::string_view guard = m.Kind().selectionGuard;
    if (guard.empty()) {
      w_.Line(DialectOf(design_).ReferenceSelection(), v);
    } else {
      w_.Line("            if (" + std::string(guard) + ")", v);
      w_.Line("    " + DialectOf(design_).ReferenceSelection(), v);
    }
  }
}

void TFormCodeWriter::WriteLoadHandler() {
  if (!edit_) {
    w_.Line("        private void FrmAdd$C$_Load(object sender, EventArgs e)");
    w_.Line("        {");
    WriteReferenceBindings();
    for (const TDesignMember& m : cls_.members)
      w_.Lines(m.Kind().addFormLoad, {{"m", m.memberName}, {"mi", CSharpName(m.memberName)}});
    // A new record starts with each member's default.
    for (const TDesignMember& m : cls_.members)
      if (!m.constraints.defaultValue.empty())
        w_.Lines(m.Kind().setDefault,
                 {{"m", m.memberName},
                  {"value", CSharpValue(m.Kind().values, m.constraints.defaultValue)}});
    return;
  }
  w_.Lines(R"(
        private void FrmEdit$C$_Load(object sender, EventArgs e)
        {
            $inst$ = BLL.bll$C$.getSome$C$($ki$);
)");
  WriteReferenceBindings();
  w_.Line("            this.txt_$k$.ReadOnly = true;");
  for (const TDesignMember& m : cls_.members)
    w_.Lines(m.Kind().showOnEditForm, {{"m", m.memberName}, {"mi", CSharpName(m.memberName)}});
}

}  // namespace

std::string BuildFormCode(const TDesign& design, const TDesignClass& cls, TFormVariant variant) {
  return TFormCodeWriter(design, cls, variant).Build();
}
