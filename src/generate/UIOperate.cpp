#include "generate/UIOperate.h"

#include <algorithm>

#include "generate/ClassInfo.h"
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
      w.Line("    <Compile Include=\"$f$$C$.cs\">", v);
      w.Line("      <SubType>Form</SubType>");
      w.Line("    </Compile>");
      w.Line("    <Compile Include=\"$f$$C$.Designer.cs\">", v);
      w.Line("      <DependentUpon>$f$$C$.cs</DependentUpon>", v);
      w.Line("    </Compile>");
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
  w.Line("using System;");
  w.Line("using System.Collections.Generic;");
  w.Line("using System.ComponentModel;");
  w.Line("using System.Data;");
  w.Line("using System.Drawing;");
  w.Line("using System.Linq;");
  w.Line("using System.Text;");
  w.Line("using System.Windows.Forms;");
  w.Blank();
  w.Line("namespace LoginFrame");
  w.Line("{");
  w.Line("    public partial class FrmQuery$C$ : Form");
  w.Line("    {");
  w.Line("        public FrmQuery$C$()");
  w.Line("        {");
  w.Line("            InitializeComponent();");
  w.Line("        }");
  w.Line("    }");
  w.Line("}");
  return w.Take();
}

std::string TUIOperate::BuildQueryDesigner(const TDesignClass& cls) {
  TCodeWriter w = ClassWriter(cls);
  w.Line("namespace LoginFrame");
  w.Line("{");
  w.Line("    partial class FrmQuery$C$");
  w.Line("    {");
  w.Line("        /// <summary>");
  w.Line("        /// Required designer variable.");
  w.Line("        /// </summary>");
  w.Line("        private System.ComponentModel.IContainer components = null;");
  w.Blank();
  w.Line("        /// <summary>");
  w.Line("        /// Clean up any resources being used.");
  w.Line("        /// </summary>");
  w.Line(
      "        /// <param name=\"disposing\">true if managed resources should be disposed; "
      "otherwise, false.</param>");
  w.Line("        protected override void Dispose(bool disposing)");
  w.Line("        {");
  w.Line("            if (disposing && (components != null))");
  w.Line("            {");
  w.Line("                components.Dispose();");
  w.Line("            }");
  w.Line("            base.Dispose(disposing);");
  w.Line("        }");
  w.Blank();
  w.Line("        #region Windows Form Designer generated code");
  w.Blank();
  w.Line("        /// <summary>");
  w.Line("        /// Required method for Designer support - do not modify");
  w.Line("        /// the contents of this method with the code editor.");
  w.Line("        /// </summary>");
  w.Line("        private void InitializeComponent()");
  w.Line("        {");
  w.Line(
      "            System.ComponentModel.ComponentResourceManager resources = new "
      "System.ComponentModel.ComponentResourceManager(typeof(FrmQuery$C$));");
  w.Line("            this.SuspendLayout();");
  w.Line("            // ");
  // This comment names the same form for every class.
  w.Line("            // FrmQueryBook");
  w.Line("            // ");
  w.Line("            this.AutoScaleDimensions = new System.Drawing.SizeF(6F, 12F);");
  w.Line("            this.AutoScaleMode = System.Windows.Forms.AutoScaleMode.Font;");
  w.Line("            this.AutoScroll = true;");
  w.Line("            this.ClientSize = new System.Drawing.Size(758, 500);");
  w.Line("            this.FormBorderStyle = System.Windows.Forms.FormBorderStyle.FixedSingle;");
  w.Line("            this.Icon = ((System.Drawing.Icon)(resources.GetObject(\"$this.Icon\")));");
  w.Line("            this.MaximizeBox = false;");
  w.Line("            this.MinimizeBox = false;");
  w.Line("            this.Name = \"FrmQuery$C$\";");
  w.Line("            this.StartPosition = System.Windows.Forms.FormStartPosition.CenterParent;");
  w.Line("            this.Text = \"$F$信息查询\";");
  w.Line("            this.ResumeLayout(false);");
  w.Line("            this.PerformLayout();");
  w.Line("        }");
  w.Line("        #endregion");
  w.Line("    }");
  w.Line("}");
  return w.Take();
}

void TUIOperate::WriteMainForm(TGeneratorContext& ctx, const TDesign& design) {
  TCodeWriter handlers, creation, menuList, properties, fields;
  int number = 8;  // the main form's own menu items come before
  for (const TDesignClass& cls : design.classes) {
    const std::string k = std::to_string(number++);
    const TCodeWriter::TVars v = {{"N", cls.className}, {"F", cls.friendName}, {"k", k}};
    handlers.Line("        //添加$F$", v);
    handlers.Line("        private void $N$Add_ToolStripMenuItem_Click(object sender, EventArgs e)",
                  v);
    handlers.Line("        {");
    handlers.Line("            FrmAdd$N$ frmAdd$N$ = new FrmAdd$N$();", v);
    handlers.Line("            frmAdd$N$.ShowDialog();", v);
    handlers.Line("        }");
    handlers.Line("        //$F$管理", v);
    handlers.Line(
        "        private void $N$Manage_ToolStripMenuItem_Click(object sender, EventArgs e)", v);
    handlers.Line("        {");
    handlers.Line("            FrmQuery$N$ frmQuery$N$ = new FrmQuery$N$();", v);
    handlers.Line("            frmQuery$N$.ShowDialog();", v);
    handlers.Line("        }");
    handlers.Blank();

    creation.Line(
        "            this.toolStripMenuItem_$k$ = new System.Windows.Forms.ToolStripMenuItem();",
        v);
    creation.Line(
        "            this.$N$Add_ToolStripMenuItem = new System.Windows.Forms.ToolStripMenuItem();",
        v);
    creation.Line(
        "            this.$N$Manage_ToolStripMenuItem = new "
        "System.Windows.Forms.ToolStripMenuItem();",
        v);

    menuList.Line("            this.toolStripMenuItem_$k$,", v);

    properties.Line("            //");
    properties.Line("            // toolStripMenuItem_$k$", v);
    properties.Line("            // ");
    properties.Line(
        "            this.toolStripMenuItem_$k$.DropDownItems.AddRange(new "
        "System.Windows.Forms.ToolStripItem[] {",
        v);
    properties.Line("            this.$N$Add_ToolStripMenuItem,", v);
    properties.Line("            this.$N$Manage_ToolStripMenuItem});", v);
    properties.Line("            this.toolStripMenuItem_$k$.Name = \"toolStripMenuItem$k$\";", v);
    properties.Line(
        "            this.toolStripMenuItem_$k$.Size = new System.Drawing.Size(108, 21);", v);
    properties.Line("            this.toolStripMenuItem_$k$.Text = \"$F$管理\";", v);
    properties.Line("            // ");
    properties.Line("            // $N$Add_ToolStripMenuItem", v);
    properties.Line("            // ");
    properties.Line(
        "            this.$N$Add_ToolStripMenuItem.Name = \"$N$Add_ToolStripMenuItem\";", v);
    properties.Line(
        "            this.$N$Add_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);", v);
    properties.Line("            this.$N$Add_ToolStripMenuItem.Text = \"添加$F$\";", v);
    properties.Line(
        "            this.$N$Add_ToolStripMenuItem.Click += new "
        "System.EventHandler(this.$N$Add_ToolStripMenuItem_Click);",
        v);
    properties.Line("            // ");
    properties.Line("            // $N$Manage_ToolStripMenuItem", v);
    properties.Line("            // ");
    properties.Line(
        "            this.$N$Manage_ToolStripMenuItem.Name = \"$N$Manage_ToolStripMenuItem\";", v);
    properties.Line(
        "            this.$N$Manage_ToolStripMenuItem.Size = new System.Drawing.Size(166, 22);", v);
    properties.Line("            this.$N$Manage_ToolStripMenuItem.Text = \"$F$查询\";", v);
    properties.Line(
        "            this.$N$Manage_ToolStripMenuItem.Click += new "
        "System.EventHandler(this.$N$Manage_ToolStripMenuItem_Click);",
        v);

    fields.Line("        private System.Windows.Forms.ToolStripMenuItem toolStripMenuItem_$k$;", v);
    fields.Line("        private System.Windows.Forms.ToolStripMenuItem $N$Add_ToolStripMenuItem;",
                v);
    fields.Line(
        "        private System.Windows.Forms.ToolStripMenuItem $N$Manage_ToolStripMenuItem;", v);
  }
  WriteTemplateFile(ctx, "LoginFrame/Frm主面.cs", {{"$csString", handlers.Take()}});
  WriteTemplateFile(ctx, "LoginFrame/Frm主面.designer.cs",
                    {{"$designerString1", creation.Take()},
                     {"$designerString2", menuList.Take()},
                     {"$designerString3", properties.Take()},
                     {"$designerString4", fields.Take()}});
}

void TUIOperate::Generate(TGeneratorContext& ctx, const TDesign& design) {
  const TSqlDialect& sql = DialectOf(design);
  WriteTemplateFile(
      ctx, "LoginFrame/LoginFrame.csproj",
      {{"$CompileString", CompileItems(design)},
       {"$EmbeddedResourceString", ResourceItems(design) + sql.ApplicationProjectItems()}});
  // An application that makes its own database carries the table script.
  if (const std::string schema = sql.SchemaFile(); !schema.empty()) {
    const std::string path = OutputPath(ctx, std::string(kUiDir), schema);
    ctx.WriteUtf8File(path, BuildTableScript(design).text);
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
        return full ? BuildFullQueryDesigner(cls) : BuildQueryDesigner(cls);
      },
      [&](const TDesignClass& cls) { CopyFormResource(ctx, "FrmQuery", cls); });
  WriteMainForm(ctx, design);
}
