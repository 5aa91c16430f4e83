// Drives a generated complete query form against the recording DBHelp
// (the application's DAL.dll replaced by one built with it), on a display.
//
// usage: mono QueryHarness.exe LoginFrame.exe FORM DATA-FILE CASE-FILE
//
// DATA-FILE gives the stand-in its rows, one item a line, fields split by
// tabs: "T <table> <col>|<col>..." starts a table, "R <table>
// <value>|<value>..." adds a row to it. The table "*pager" is what every
// paged query pages through; the others answer "select * from <table>".
//
// Each line of CASE-FILE is a case, "<name> <field=value>...", the inputs
// base64 of UTF-8 as FormDriver.Fill takes them. The form is reset, the
// inputs set, 查询 clicked. Printed per case, split by tabs: name, message
// boxes shown, strWhere and the recorded count statement (both base64; "-"
// when the search sent none). First, "boxes at load <n>" and, after the
// form's first page, "pager <rows in the grid> <page label>".
using System;
using System.Data;
using System.IO;
using System.Linq;
using System.Reflection;
using System.Text;
using System.Windows.Forms;
using static FormDriver;

static class QueryHarness
{
    static int boxes;

    static string B64(string s) => Convert.ToBase64String(Encoding.UTF8.GetBytes(s));

    static string Text(string b64) => Encoding.UTF8.GetString(Convert.FromBase64String(b64));

    static void LoadData(string path)
    {
        foreach (string[] p in File.ReadAllLines(path, Encoding.UTF8).Select(l => l.Split('\t')).Where(p => p.Length == 3))
        {
            if (p[0] == "T")
            {
                DataTable t = new DataTable(p[1]);
                foreach (string c in p[2].Split('|')) t.Columns.Add(c);
                if (p[1] == "*pager") DAL.DBHelp.PagerRows = t;
                else DAL.DBHelp.Tables[p[1]] = t;
            }
            else (p[1] == "*pager" ? DAL.DBHelp.PagerRows : DAL.DBHelp.Tables[p[1]]).Rows.Add(p[2].Split('|'));
        }
    }

    static void RunCases(Form form, string path)
    {
        FieldInfo where = form.GetType().GetField("strWhere", BindingFlags.NonPublic | BindingFlags.Instance);
        foreach (string[] p in File.ReadAllLines(path, Encoding.UTF8).Select(l => l.Split('\t')))
        {
            Handle(form, "btnReset_Click");
            Fill(form, p.Skip(1).Select(Text).ToArray());
            DAL.DBHelp.Statements.Clear();
            where.SetValue(form, "\u0001");  // tells an unchanged condition apart
            boxes = 0;
            Handle(form, "btnQuery_Click");
            string count = DAL.DBHelp.Statements.LastOrDefault(s => s.StartsWith("select count(*)"));
            string w = (string)where.GetValue(form);
            Console.WriteLine(p[0] + "\t" + boxes + "\t" + (w == "\u0001" ? "-" : B64(w)) + "\t"
                              + (count == null ? "-" : B64(count)));
        }
    }

    [STAThread]
    static int Main(string[] args)
    {
        Assembly app = Assembly.LoadFrom(Path.GetFullPath(args[0]));
        Directory.SetCurrentDirectory(Path.GetDirectoryName(Path.GetFullPath(args[0])));
        LoadData(args[2]);
        Form form = (Form)Activator.CreateInstance(app.GetType("LoginFrame." + args[1]));
        // Message boxes are answered as they come (their own loop runs this) and counted.
        Timer answer = new Timer();
        answer.Interval = 300;
        answer.Tick += delegate { boxes += AnswerBoxes().Count; };
        answer.Start();
        int status = 0;
        form.Shown += delegate
        {
            try
            {
                Console.WriteLine("boxes at load " + boxes);
                Console.WriteLine("pager " + Shown(form, "dgvList") + " " + Shown(form, "lblPager"));
                RunCases(form, args[3]);
            }
            catch (Exception e)
            {
                Console.WriteLine("FAIL " + e);
                status = 1;
            }
            form.Close();
        };
        Application.Run(form);
        return status;
    }
}
