// Drives a generated complete query form against the recording DBHelp
// (the application's DAL.dll replaced by one built with it), on a display.
//
// usage: mono QueryHarness.exe LoginFrame.exe FORM DATA-FILE search CASE-FILE
//        mono QueryHarness.exe LoginFrame.exe FORM DATA-FILE show SECONDS
//
// DATA-FILE gives the stand-in its rows, one item a line, fields split by
// tabs: "T <table> <col>|<col>..." starts a table (a column written #name
// holds integers), "R <table> <value>|<value>..." adds a row to it. The
// table "*pager" is what every paged query pages through; the others
// answer "select * from <table>".
//
// search: each line of CASE-FILE is a case, "<name> (<field> <value>)...",
// values base64 of UTF-8: a text box gets the text, a drop-down the index,
// a date picker the date (yyyyMMdd) and its check box. The form is reset,
// the inputs set, 查询 clicked. Printed per case, split by tabs: name,
// message boxes shown, strWhere and the recorded count statement (both
// base64; "-" when the search sent none).
//
// show: the form stays up for SECONDS; then the grid's row count and the
// page label are printed.
using System;
using System.Collections.Generic;
using System.Data;
using System.Globalization;
using System.IO;
using System.Reflection;
using System.Text;
using System.Windows.Forms;

static class QueryHarness
{
    static Form form;
    static int boxes;

    static string B64(string s)
    {
        return Convert.ToBase64String(Encoding.UTF8.GetBytes(s));
    }

    static object Field(string name)
    {
        FieldInfo f = form.GetType().GetField(name, BindingFlags.NonPublic | BindingFlags.Instance);
        if (f == null) throw new Exception("no field " + name);
        return f.GetValue(form);
    }

    static void Invoke(string method)
    {
        form.GetType().GetMethod(method, BindingFlags.NonPublic | BindingFlags.Instance)
            .Invoke(form, new object[] { form, EventArgs.Empty });
    }

    static void LoadData(string path)
    {
        Dictionary<string, DataTable> tables = new Dictionary<string, DataTable>();
        foreach (string line in File.ReadAllLines(path, Encoding.UTF8))
        {
            string[] p = line.Split('\t');
            if (p.Length < 3) continue;
            if (p[0] == "T")
            {
                DataTable t = new DataTable(p[1]);
                foreach (string c in p[2].Split('|'))
                    t.Columns.Add(c.TrimStart('#'), c.StartsWith("#") ? typeof(int) : typeof(string));
                tables[p[1]] = t;
            }
            else if (p[0] == "R")
            {
                DataTable t = tables[p[1]];
                string[] v = p[2].Split('|');
                DataRow r = t.NewRow();
                for (int i = 0; i < v.Length; i++)
                    r[i] = t.Columns[i].DataType == typeof(int) ? (object)int.Parse(v[i]) : v[i];
                t.Rows.Add(r);
            }
        }
        foreach (KeyValuePair<string, DataTable> t in tables)
        {
            if (t.Key == "*pager") DAL.DBHelp.PagerRows = t.Value;
            else DAL.DBHelp.Tables[t.Key] = t.Value;
        }
    }

    static void Set(string field, string value)
    {
        object c = Field(field);
        if (c is TextBox) ((TextBox)c).Text = value;
        else if (c is ComboBox) ((ComboBox)c).SelectedIndex = int.Parse(value);
        else if (c is DateTimePicker)
        {
            DateTimePicker d = (DateTimePicker)c;
            d.Value = DateTime.ParseExact(value, "yyyyMMdd", CultureInfo.InvariantCulture);
            d.Checked = true;
        }
        else throw new Exception("cannot set " + field);
    }

    static void RunCases(string path)
    {
        foreach (string line in File.ReadAllLines(path, Encoding.UTF8))
        {
            string[] p = line.Split('\t');
            if (p[0].Length == 0) continue;
            Invoke("btnReset_Click");
            for (int i = 1; i + 1 < p.Length; i += 2)
                Set(p[i], Encoding.UTF8.GetString(Convert.FromBase64String(p[i + 1])));
            DAL.DBHelp.Statements.Clear();
            FieldInfo where = form.GetType().GetField("strWhere", BindingFlags.NonPublic | BindingFlags.Instance);
            where.SetValue(form, "\u0001");  // tells an unchanged condition apart
            boxes = 0;
            Invoke("btnQuery_Click");
            string count = null;
            foreach (string s in DAL.DBHelp.Statements)
                if (s.StartsWith("select count(*)")) count = s;
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
        form = (Form)Activator.CreateInstance(app.GetType("LoginFrame." + args[1]));
        // Message boxes are closed as they come and counted.
        Timer closer = new Timer();
        closer.Interval = 300;
        closer.Tick += delegate
        {
            foreach (Form f in new List<Form>(OpenForms()))
                if (f != form) { boxes++; f.Close(); }
        };
        closer.Start();
        int status = 0;
        form.Shown += delegate
        {
            try
            {
                Console.WriteLine("boxes at load " + boxes);
                if (args[3] == "search")
                {
                    RunCases(args[4]);
                    form.Close();
                }
                else
                {
                    Timer done = new Timer();
                    done.Interval = int.Parse(args[4]) * 1000;
                    done.Tick += delegate
                    {
                        done.Stop();
                        DataGridView grid = (DataGridView)Field("dgvList");
                        Console.WriteLine("rows " + grid.Rows.Count);
                        Console.WriteLine("pager " + ((Label)Field("lblPager")).Text);
                        form.Close();
                    };
                    done.Start();
                }
            }
            catch (Exception e)
            {
                Console.WriteLine("FAIL " + e);
                status = 1;
                form.Close();
            }
        };
        Application.Run(form);
        return status;
    }

    static IEnumerable<Form> OpenForms()
    {
        foreach (Form f in Application.OpenForms) yield return f;
    }
}
