#include "generate/UIOperate.h"

#include <algorithm>
#include <optional>

#include "generate/CSharpBoilerplate.h"
#include "generate/ClassFiles.h"
#include "generate/FormCode.h"
#include "generate/FormDesigner.h"
#include "generate/FullQueryForm.h"
#include "generate/OutputFiles.h"
#include "vocabulary/SqlDialect.h"
#include "vocabulary/TableScript.h"

namespace {

constexpr std::string_view kUiDir = "LoginFrame";

bool IsAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Gives each class's form its resource file: the same template serves every
// class. A copy that fails leaves the form without it; the run goes on.
void CopyFormResource(TGeneratorContext& ctx, std::string_view form, const TDesignClass& cls) {
  try {
    ctx.CopyTemplateFile(
        "template/LoginFrame/LoginFrame/" + std::string(form) + ".resx",
        OutputPath(ctx, std::string(kUiDir), std::string(form) + cls.className + ".resx"));
  } catch (const std::exception&) {
  }
}

}  // namespace

std::string TUIOperate::CompileItems(const TDesign& design) {
  TCodeWriter w;
  for (const TDesignClass& cls : design.classes) {
    for (std::string_view form : {"FrmAdd", "FrmEdit", "FrmQuery"}) {
      const TCodeWriter::TVars v = {{"f", form}, {"C", cls.className}};
      w.Lines(R"(
    <Compile Include="$f$$C$.cs">
      <SubType>Form</SubType>
    </Compile>
    <Compile Include="$f$$C$.Designer.cs">
      <DependentUpon>$f$$C$.cs</DependentUpon>
    </Compile>
)",
              v);
    }
  }
  return w.Take();
}

std::string TUIOperate::ResourceItems(const TDesign& design) {
  TCodeWriter w;
  for (const TDesignClass& cls : design.classes) {
    for (std::string_view form : {"FrmAdd", "FrmEdit", "FrmQuery"}) {
      const TCodeWriter::TVars v = {{"f", form}, {"C", cls.className}};
      w.Line("    <EmbeddedResource Include=\"$f$$C$.resx\">", v);
      w.Line("      <DependentUpon>$f$$C$.cs</DependentUpon>", v);
      // The build names a resource after the ASCII part of a class name
      // unless told its name; the form would then not find its icon.
      if (!IsAscii(cls.className))
        w.Line("      <LogicalName>LoginFrame.$f$$C$.resources</LogicalName>", v);
      w.Line("    </EmbeddedResource>");
    }
  }
  return w.Take();
}

std::string TUIOperate::BuildQueryCode(const TDesignClass& cls) {
  TCodeWriter w = ClassWriter(cls);
  WriteUsings(w, TUsings::Form);
  w.Lines(R"(

namespace LoginFrame
{
    public partial class FrmQuery$C$ : Form
    {
        public FrmQuery$C$()
        {
            InitializeComponent();
        }
    }
}
)");
  return w.Take();
}

std::string TUIOperate::BuildQueryDesigner(const TDesignClass& cls) {
  TCodeWriter w = ClassWriter(cls);
  WriteDesignerHeader(w, "FrmQuery" + cls.className, "FrmQuery" + cls.className, true);
  // The comment names the same form for every class.
  w.Lines(R"(
            this.SuspendLayout();
            // 
            // FrmQueryBook
            // 
            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);
            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;
            this.AutoScroll = true;
            this.ClientSize = new System.Drawing.Size(758, 500);
            this.FormBorderStyle = System.Windows.Forms.FormBorderStyle.FixedSingle;
            this.Icon = ((System.Drawing.Icon)(resources.GetObject("$this.Icon")));
            this.MaximizeBox = false;
            this.MinimizeBox = false;
            this.Name = "FrmQuery$C$";
            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;
            this.Text = "$F$信息查询";
            this.ResumeLayout(false);
            this.PerformLayout();
        }
        #endregion
    }
}
)");
  return w.Take();
}

void TUIOperate::WriteMainForm(TGeneratorContext& ctx, const TDesign& design) {
  // Both files come from one pass over the classes, made when the first
  // of them is built. Each part goes into one file only (the first into
  // the code, the rest into the designer file), so it is moved there.
  std::optional<TTemplateFills> parts;
  auto take = [&](bool first) -> TTemplateFills {
    if (!parts) parts = MainFormParts(design);
    const auto split = parts->begin() + 1;
    return first ? TTemplateFills(std::make_move_iterator(parts->begin()),
                                  std::make_move_iterator(split))
                 : TTemplateFills(std::make_move_iterator(split),
                                  std::make_move_iterator(parts->end()));
  };
  WriteTemplateFile(ctx, "LoginFrame/Frm主面.cs", [&] { return take(true); });
  WriteTemplateFile(ctx, "LoginFrame/Frm主面.designer.cs", [&] { return take(false); });
}

TTemplateFills TUIOperate::MainFormParts(const TDesign& design) {
  TCodeWriter handlers, creation, menuList, properties, fields;
  int number = 8;  // the main form's own menu items come before
  for (const TDesignClass& cls : design.classes) {
    const std::string k = std::to_string(number++);
    const TCodeWriter::TVars v = {{"N", cls.className}, {"F", cls.friendName}, {"k", k}};
    handlers.Lines(R"(
        //添加$F$
        private void $N$Add_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmAdd$N$ frmAdd$N$ = new FrmAdd$N$();
            frmAdd$N$.ShowDialog();
        }
        //$F$管理
        private void $N$Manage_ToolStripMenuItem_Click(object sender, EventArgs e)
        {
            FrmQuery$N$ frmQuery$N$ = new FrmQuery$N$();
            frmQuery$N$.ShowDialog();
        }

)",
                   v);
    creation.Lines(R"(
            this.toolStripMenuItem_$k$ = new System.Windows.Forms.ToolStripMenuItem();
            this.$N$Add_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
            this.$N$Manage_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();
)",
                   v);
    menuList.Line("            this.toolStripMenuItem_$k$,", v);
    properties.Lines(R"(
            //
            // toolStripMenuItem_$k$
            // 
            this.toolStripMenuItem_$k$.DropDownItems.AddRange(new System.Windows.Forms.ToolStripItem[] {
            this.$N$Add_ToolStripMenuItem,
            this.$N$Manage_ToolStripMenuItem});
            this.toolStripMenuItem_$k$.Name = "toolStripMenuItem$k$";
            this.toolStripMenuItem_$k$.Size = new System.Drawing.Size(108, 21);
            this.toolStripMenuItem_$k$.Text = "$F$管理";
            // 
            // $N$Add_ToolStripMenuItem
            // 
            this.$N$Add_ToolStripMenuItem.Name = "$N$Add_ToolStripMenuItem";
            this.$N$Add_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.$N$Add_ToolStripMenuItem.Text = "添加$F$";
            this.$N$Add_ToolStripMenuItem.Click += new System.EventHandler(this.$N$Add_ToolStripMenuItem_Click);
            // 
            // $N$Manage_ToolStripMenuItem
            // 
            this.$N$Manage_ToolStripMenuItem.Name = "$N$Manage_ToolStripMenuItem";
            this.$N$Manage_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);
            this.$N$Manage_ToolStripMenuItem.Text = "$F$查询";
            this.$N$Manage_ToolStripMenuItem.Click += new System.EventHandler(this.$N$Manage_ToolStripMenuItem_Click);
)",
                     v);
    fields.Lines(R"(
        private System.Windows.Forms.ToolStripMenuItem toolStripMenuItem_$k$;
        private System.Windows.Forms.ToolStripMenuItem $N$Add_ToolStripMenuItem;
        private System.Windows.Forms.ToolStripMenuItem $N$Manage_ToolStripMenuItem;
)",
                 v);
  }
  // Moved in, not listed: a list's values would be copied.
  TTemplateFills parts;
  parts.emplace_back("$csString", handlers.Take());
  parts.emplace_back("$designerString1", creation.Take());
  parts.emplace_back("$designerString2", menuList.Take());
  parts.emplace_back("$designerString3", properties.Take());
  parts.emplace_back("$designerString4", fields.Take());
  return parts;
}

void TUIOperate::Generate(TGeneratorContext& ctx, const TDesign& design) {
  const TSqlDialect& sql = DialectOf(design);
  WriteTemplateFile(ctx, "LoginFrame/LoginFrame.csproj", [&] {
    TTemplateFills items;
    items.emplace_back("$CompileString", CompileItems(design));
    items.emplace_back("$EmbeddedResourceString",
                       ResourceItems(design) + sql.ApplicationProjectItems());
    return items;
  });
  // An application that makes its own database carries the table script.
  if (const std::string schema = sql.SchemaFile(); !schema.empty()) {
    const std::string path = OutputPath(ctx, std::string(kUiDir), schema);
    if (!ctx.Unchanged(path, nullptr)) ctx.WriteUtf8File(path, BuildTableScript(design).text);
    ctx.Progress(path + "生成完毕!");
  }

  WriteClassFiles(ctx, design, kUiDir, "FrmAdd", ".cs", [&](const TDesignClass& cls) {
    return BuildFormCode(design, cls, TFormVariant::Add);
  });
  WriteClassFiles(
      ctx, design, kUiDir, "FrmAdd", ".Designer.cs",
      [&](const TDesignClass& cls) { return BuildFormDesigner(cls, TFormVariant::Add); },
      [&](const TDesignClass& cls) { CopyFormResource(ctx, "FrmAdd", cls); });
  WriteClassFiles(ctx, design, kUiDir, "FrmEdit", ".cs", [&](const TDesignClass& cls) {
    return BuildFormCode(design, cls, TFormVariant::Edit);
  });
  WriteClassFiles(
      ctx, design, kUiDir, "FrmEdit", ".Designer.cs",
      [&](const TDesignClass& cls) { return BuildFormDesigner(cls, TFormVariant::Edit); },
      [&](const TDesignClass& cls) { CopyFormResource(ctx, "FrmEdit", cls); });
  // The project chooses between the bare query window and the complete one.
  const bool full = design.fullQueryForms;
  WriteClassFiles(ctx, design, kUiDir, "FrmQuery", ".cs", [&](const TDesignClass& cls) {
    return full ? BuildFullQueryCode(design, cls) : BuildQueryCode(cls);
  });
  WriteClassFiles(
      ctx, design, kUiDir, "FrmQuery", ".Designer.cs",
      [&](const TDesignClass& cls) {
        return full ? BuildFullQueryDesigner(design, cls) : BuildQueryDesigner(cls);
      },
      [&](const TDesignClass& cls) { CopyFormResource(ctx, "FrmQuery", cls); });
  WriteMainForm(ctx, design);
}
