#include "generate/CSharpBoilerplate.h"

namespace {

constexpr std::string_view kTierUsings = R"(
using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
)";

constexpr std::string_view kDataAccessUsings = R"(
using System;
using System.Collections.Generic;
using System.Linq;
using System.Text;
using $provider$;
using System.Data;
)";

constexpr std::string_view kFormUsings = R"(
using System;
using System.Collections.Generic;
using System.ComponentModel;
using System.Data;
using System.Drawing;
using System.Linq;
using System.Text;
using System.Windows.Forms;
)";

constexpr std::string_view kQueryFormUsings = R"(
using System;
using System.Collections.Generic;
using System.ComponentModel;
using System.Data;
using System.Drawing;
using System.Globalization;
using System.Linq;
using System.Text;
using System.Windows.Forms;
)";

constexpr std::string_view kDesignerClass = R"(
namespace LoginFrame
{
    partial class $form$
    {
        /// <summary>
        /// Required designer variable.
        /// </summary>
        private System.ComponentModel.IContainer components = null;

        /// <summary>
        /// Clean up any resources being used.
        /// </summary>
        /// <param name="disposing">true if managed resources should be disposed; otherwise, false.</param>
        protected override void Dispose(bool disposing)
        {
            if (disposing && (components != null))
            {
                components.Dispose();
            }
            base.Dispose(disposing);
        }

        #region Windows Form Designer generated code
)";

constexpr std::string_view kInitializeComponent = R"(
        /// <summary>
        /// Required method for Designer support - do not modify
        /// the contents of this method with the code editor.
        /// </summary>
        private void InitializeComponent()
        {
            System.ComponentModel.ComponentResourceManager resources = new System.ComponentModel.ComponentResourceManager(typeof($resources$));
)";

}  // namespace

void WriteUsings(TCodeWriter& w, TUsings usings, std::string_view provider) {
  switch (usings) {
    case TUsings::Tier: w.Lines(kTierUsings); return;
    case TUsings::DataAccess: w.Lines(kDataAccessUsings, {{"provider", provider}}); return;
    case TUsings::Form: w.Lines(kFormUsings); return;
    case TUsings::QueryForm: w.Lines(kQueryFormUsings); return;
  }
}

void WriteDesignerHeader(TCodeWriter& w, std::string_view formClass, std::string_view resourceForm,
                         bool blankAfterRegion) {
  w.Lines(kDesignerClass, {{"form", formClass}});
  if (blankAfterRegion) w.Blank();
  w.Lines(kInitializeComponent, {{"resources", resourceForm}});
}
