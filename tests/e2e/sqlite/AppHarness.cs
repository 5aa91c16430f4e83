// Runs the built application of the sample design (a SQLite project with
// the complete query forms, and a class Shelf with a string key) as a user
// would, on a display: its own Main starts it, the login form creates the
// database on its first check, then the forms add book types, books and
// shelves (a type name taken and a stock out of range refused by the form),
// search (by text, dates, the yes/no and the fixed list), edit and delete, a
// shelf whose key is taken is refused,
// and the password is changed. Started with "again", it only logs in with
// the new password. Controls are
// filled and buttons clicked from a timer, one step when the forms it needs
// are up; message boxes are answered with OK and their texts printed. After
// every step the database file is read with the sqlite3 shell and printed.
//
// usage: mono AppHarness.exe LoginFrame.exe SQLITE3 SHOTS-DIR|- SEARCHES PASSWORD [again]
//   SEARCHES: base64 (UTF-8) texts, one a line, each searched as a title
//   PASSWORD: the new password of admin
// Prints "STEP <name>", "DB <row>" lines after each, "BOX <text>",
// "SEARCH <base64|onSale|binding> <rows in the grid> <page label>",
// "GRID <title> <在售> <装帧>" for each row of the full list, "KEPT <form> <entries>"
// for the add form a refusal leaves open, "LOGGED IN <form>" after the
// login of "again", "DONE" at the end;
// exit status 1 when a step could not be done.
using System;
using System.Collections.Generic;
using System.Diagnostics;
using System.Drawing;
using System.IO;
using System.Linq;
using System.Reflection;
using System.Text;
using System.Windows.Forms;

static class AppHarness
{
    static Assembly app;
    static string sqlite3, shots, password;
    static List<string> searches;
    static readonly List<KeyValuePair<string, Func<bool>>> steps = new List<KeyValuePair<string, Func<bool>>>();
    static int next;
    static bool failed;
    static readonly HashSet<Form> seen = new HashSet<Form>();

    static Form Open(string type)
    {
        return Application.OpenForms.Cast<Form>().FirstOrDefault(f => f.GetType().Name == type && f.Visible);
    }

    // The form the user works in: the last one opened that is still up.
    static Form Top()
    {
        return Application.OpenForms.Cast<Form>().LastOrDefault(f => f.Visible);
    }

    static T Get<T>(Form form, string field)
    {
        FieldInfo f = form.GetType().GetField(field, BindingFlags.NonPublic | BindingFlags.Public | BindingFlags.Instance);
        if (f == null) throw new Exception(form.GetType().Name + " has no " + field);
        return (T)f.GetValue(form);
    }

    static void Type(Form form, string field, string text) { Get<TextBox>(form, field).Text = text; }

    // Later, from the message loop: the click may open a modal window.
    static void Click(Form form, string field)
    {
        object c = Get<object>(form, field);
        form.BeginInvoke((MethodInvoker)delegate
        {
            if (c is Button) ((Button)c).PerformClick();
            else ((ToolStripMenuItem)c).PerformClick();
        });
    }

    static void Call(Form form, string method, params object[] args)
    {
        MethodInfo m = form.GetType().GetMethod(method, BindingFlags.NonPublic | BindingFlags.Instance);
        form.BeginInvoke((MethodInvoker)delegate { m.Invoke(form, args); });
    }

    static string Run(string file, string args)
    {
        ProcessStartInfo p = new ProcessStartInfo(file, args);
        p.UseShellExecute = false;
        p.RedirectStandardOutput = true;
        p.StandardOutputEncoding = Encoding.UTF8;
        using (Process process = Process.Start(p))
        {
            string output = process.StandardOutput.ReadToEnd();
            process.WaitForExit();
            return output;
        }
    }

    static void Dump()
    {
        if (!File.Exists("LoginFrame.db")) { Console.WriteLine("DB no file"); return; }
        string sql = "select 'user', U_Name, U_PassWord from U_UserInfo; "
            + "select 'type', typeId, typeName from BookType order by typeId; "
            + "select 'book', bookId, title, price, stock, substr(publishDate, 1, 10), length(cover) > 0, bookType, onSale, binding from Book order by bookId; "
            + "select 'shelf', shelfCode, shelfName from Shelf order by shelfCode;";
        foreach (string line in Run(sqlite3, "LoginFrame.db \"" + sql + "\"").Split('\n'))
            if (line.Length > 0) Console.WriteLine("DB " + line);
    }

    static void Shot(Form form, string name)
    {
        if (shots == "-") return;
        form.Refresh();
        Application.DoEvents();
        // The window's client area: without a window manager the rest is black.
        Run("sh", "-c \"xwd -id " + form.Handle + " -silent | convert xwd:- -crop " + form.ClientSize.Width + "x"
            + form.ClientSize.Height + "+0+0 +repage '" + Path.Combine(shots, name) + "'\"");
    }

    static void Step(string name, Func<bool> action) { steps.Add(new KeyValuePair<string, Func<bool>>(name, action)); }

    // Message boxes are forms of their own: each is answered with OK.
    static bool AnswerBoxes()
    {
        bool any = false;
        foreach (Form f in Application.OpenForms.Cast<Form>().ToList())
        {
            if (f.GetType().Name != "MessageBoxForm" || !f.Visible) continue;
            FieldInfo text = f.GetType().GetField("msgbox_text", BindingFlags.NonPublic | BindingFlags.Instance);
            Console.WriteLine("BOX " + (text != null ? (string)text.GetValue(f) : f.Text).Replace("\r\n", " "));
            f.DialogResult = DialogResult.OK;
            any = true;
        }
        return any;
    }

    // The step opens a form from an item or button of the form `from`;
    // the next step fills it.
    static void Opening(string name, string from, string field)
    {
        Step(name, () =>
        {
            Form f = Top();
            if (f == null || f.GetType().Name != from) return false;
            Click(f, field);
            return true;
        });
    }

    // binding null keeps the form's default; a badStock is typed and
    // refused by the form first, which stays open.
    static void AddBook(string title, string price, string stock, DateTime published, int type,
                        bool onSale, string binding, string badStock = null)
    {
        Opening("add form", "FrmQueryBook", "btnAdd");
        Func<string, Func<bool>> fill = typed => () =>
        {
            Form add = Open("FrmAddBook");
            if (add == null) return false;
            Type(add, "txt_title", title);
            Type(add, "txt_price", price);
            Type(add, "txt_stock", typed);
            Get<DateTimePicker>(add, "dtp_publishDate").Value = published;
            Get<ComboBox>(add, "cb_bookType").SelectedIndex = type;
            Get<CheckBox>(add, "chk_onSale").Checked = onSale;
            if (binding != null) Get<ComboBox>(add, "cb_binding").SelectedItem = binding;
            Click(add, "Btn_Add");
            return true;
        };
        if (badStock != null) Step("stock refused", fill(badStock));
        Step("book added: " + title, fill(stock));
    }

    static int RowOf(DataGridView grid, string text, int column = 1)
    {
        foreach (DataGridViewRow row in grid.Rows)
            if (Convert.ToString(row.Cells[column].Value) == text) return row.Index;
        throw new Exception("no row " + text);
    }

    // The titles of a grid's rows, in order.
    static string Titles(DataGridView grid)
    {
        return string.Join("|", grid.Rows.Cast<DataGridViewRow>().Select(r => Convert.ToString(r.Cells[1].Value)).ToArray());
    }

    // The whole screen (a window manager runs: frames and the maximised form).
    static void ScreenShot(string name)
    {
        if (shots == "-") return;
        Application.DoEvents();
        Run("import", "-window root '" + Path.Combine(shots, name) + "'");
    }

    // Forty-two more books (one whose title holds a comma, quotes and
    // Chinese), so that a search finds three pages; under a window manager,
    // the book types' form shows the books of the selected type, adds one
    // from its tab, and the book form exports and previews every book.
    static void MasterDetailExportAndPrint()
    {
        Step("more books", () =>
        {
            if (Top() != null && Top().GetType().Name != "Frm主面") { Top().Close(); return false; }
            File.WriteAllText("more.sql", "insert into Book (title, price, stock, publishDate, bookType) values ('甲,乙 \"丙\" 丁', 1.5, 1, '2001-01-01 00:00:00.000', 1);\n"
                + "with recursive n(i) as (select 1 union all select i + 1 from n where i < 41) "
                + "insert into Book (title, price, stock, publishDate, bookType) select '批量 ' || i, 2, 2, '2002-01-01 00:00:00.000', 2 from n;\n");
            Run(sqlite3, "LoginFrame.db \".read more.sql\"");
            if (shots != "-") Process.Start("openbox");
            return true;
        });
        Opening("type query form", "Frm主面", "BookTypeManage_ToolStripMenuItem");
        Step("details shown", () =>
        {
            Form query = Top();
            if (query == null || query.GetType().Name != "FrmQueryBookType") return false;
            DataGridView grid = Get<DataGridView>(query, "dgvList"), books = Get<DataGridView>(query, "dgv_Book_bookType");
            for (int i = grid.Rows.Count - 1; i >= 0; i--)
            {
                grid.CurrentCell = grid.Rows[i].Cells[0];
                Console.WriteLine("DETAIL " + grid.Rows[i].Cells[1].Value + " " + books.Rows.Count + " " + Titles(books));
            }
            Click(query, "btnAdd_Book_bookType");
            return true;
        });
        Step("book added from the tab", () =>
        {
            Form add = Open("FrmAddBook");
            if (add == null) return false;
            Type(add, "txt_title", "西游记");
            Type(add, "txt_price", "30");
            Type(add, "txt_stock", "5");
            Get<ComboBox>(add, "cb_bookType").SelectedIndex = 0;
            Click(add, "Btn_Add");
            return true;
        });
        Step("details refreshed", () =>
        {
            Form query = Top();
            if (query == null || query.GetType().Name != "FrmQueryBookType") return false;
            DataGridView books = Get<DataGridView>(query, "dgv_Book_bookType");
            Console.WriteLine("DETAIL refreshed " + books.Rows.Count + " " + Titles(books));
            query.WindowState = FormWindowState.Maximized;
            return true;
        });
        Step("master-detail form", () =>
        {
            ScreenShot("generated-master-detail.png");
            Top().Close();
            return true;
        });
        Opening("book query form", "Frm主面", "BookManage_ToolStripMenuItem");
        Step("exported", () =>
        {
            Form query = Top();
            if (query == null || query.GetType().Name != "FrmQueryBook") return false;
            Console.WriteLine("PAGE " + Get<DataGridView>(query, "dgvList").Rows.Count + " " + Get<Label>(query, "lblPager").Text);
            Call(query, "Export", Path.GetFullPath("books.csv"));
            return true;
        });
        Opening("print preview", "FrmQueryBook", "btnPrint");
        Step("previewed", () =>
        {
            PrintPreviewDialog preview = Application.OpenForms.OfType<PrintPreviewDialog>().FirstOrDefault(f => f.Visible);
            if (preview == null) return false;
            // The pages the preview made, once it has drawn them.
            Array pages = (Array)typeof(PrintPreviewControl).GetField("page_infos", BindingFlags.NonPublic | BindingFlags.Instance)
                .GetValue(preview.PrintPreviewControl);
            if (pages == null) return false;
            Console.WriteLine("PAGES " + pages.Length);
            preview.WindowState = FormWindowState.Maximized;
            return true;
        });
        Step("preview closed", () =>
        {
            ScreenShot("generated-print-preview.png");
            Top().Close();
            return true;
        });
    }

    // The step selects the one row whose column holds text and deletes it.
    static void Delete(string name, string form, string text, int column)
    {
        Step(name, () =>
        {
            Form query = Top();
            if (query == null || query.GetType().Name != form) return false;
            DataGridView grid = Get<DataGridView>(query, "dgvList");
            grid.ClearSelection();
            grid.Rows[RowOf(grid, text, column)].Selected = true;
            Click(query, "btnDel");
            return true;
        });
    }

    static void Closing(string name, string form)
    {
        Step(name, () =>
        {
            Form f = Top();
            if (f == null || f.GetType().Name != form) return false;
            f.Close();
            return true;
        });
    }

    static void AddShelf(string name, string code, string shelfName)
    {
        Opening("shelf form", "Frm主面", "ShelfAdd_ToolStripMenuItem");
        Step(name, () =>
        {
            Form add = Open("FrmAddShelf");
            if (add == null) return false;
            Type(add, "txt_shelfCode", code);
            Type(add, "txt_shelfName", shelfName);
            Click(add, "Btn_Add");
            return true;
        });
    }

    static void LogIn(string name, string with, string shot)
    {
        Step(name, () =>
        {
            Form login = Open("FrmLogin");
            if (login == null || !File.Exists("LoginFrame.db")) return false;
            Type(login, "txt_UserName", "admin");
            Type(login, "txt_PassWord", with);
            if (shot != null) Shot(login, shot);
            Click(login, "btn_Login");
            return true;
        });
    }

    static void ChangePassword(string name, string old)
    {
        Step(name, () =>
        {
            Form change = Open("FrmChangePassword");
            if (change == null) return false;
            Type(change, "txt_OldPassword", old);
            Type(change, "txt_NewPassword", password);
            Type(change, "txt_Repeat", password);
            Click(change, "btn_OK");
            return true;
        });
    }

    static void Steps(bool again)
    {
        if (again)
        {
            LogIn("logged in again", password, null);
            Step("main form", () =>
            {
                if (Top() == null || Top().GetType().Name != "Frm主面") return false;
                Console.WriteLine("LOGGED IN " + Top().GetType().Name);
                return true;
            });
            Closed("closed");
            return;
        }
        Step("login refused", () =>
        {
            Form login = Open("FrmLogin");
            if (login == null) return false;
            Type(login, "txt_UserName", "admin");
            Type(login, "txt_PassWord", "wrong");
            Click(login, "btn_Login");
            return true;
        });
        // The seeded administrator's password is "admin".
        LogIn("logged in", "admin", "generated-sqlite-login.png");
        foreach (string name in new[] { "古典小说", "科幻小说" })
        {
            string typeName = name;
            Opening("type form", "Frm主面", "BookTypeAdd_ToolStripMenuItem");
            Step("type added: " + name, () =>
            {
                Form add = Open("FrmAddBookType");
                if (add == null) return false;
                Type(add, "txt_typeName", typeName);
                Click(add, "Btn_Add");
                return true;
            });
        }
        // A type name taken: the form says so and stays open.
        Opening("type form", "Frm主面", "BookTypeAdd_ToolStripMenuItem");
        Step("type name taken", () =>
        {
            Form add = Open("FrmAddBookType");
            if (add == null) return false;
            Type(add, "txt_typeName", "古典小说");
            Click(add, "Btn_Add");
            return true;
        });
        Step("type form closed", () =>
        {
            Form add = Open("FrmAddBookType");
            if (add == null) return false;
            add.Close();
            return true;
        });
        Opening("query form", "Frm主面", "BookManage_ToolStripMenuItem");
        AddBook("红楼梦 50%_off 'a'", "59.8", "12", new DateTime(1982, 3, 1), 0, true, null);
        AddBook("三体", "23", "40", new DateTime(2008, 1, 1), 1, false, "精装");
        AddBook("Neuromancer", "9.5", "3", new DateTime(1984, 7, 1), 1, true, null, "1001");
        Step("searched", () =>
        {
            Form query = Top();
            if (query == null || query.GetType().Name != "FrmQueryBook") return false;
            MethodInfo click = query.GetType().GetMethod("btnQuery_Click", BindingFlags.NonPublic | BindingFlags.Instance);
            DataGridView list = Get<DataGridView>(query, "dgvList");
            click.Invoke(query, new object[] { query, EventArgs.Empty });
            foreach (DataGridViewRow row in list.Rows)
                Console.WriteLine("GRID " + row.Cells[1].Value + " " + row.Cells["在售"].Value + " " + row.Cells["装帧"].Value);
            // The last entry of each list: 否, 精装.
            foreach (string box in new[] { "onSale", "binding" })
            {
                ComboBox choice = Get<ComboBox>(query, "cb_" + box);
                choice.SelectedIndex = choice.Items.Count - 1;
                click.Invoke(query, new object[] { query, EventArgs.Empty });
                Console.WriteLine("SEARCH " + box + " " + list.Rows.Count + " " + Get<Label>(query, "lblPager").Text);
                choice.SelectedIndex = 0;
            }
            foreach (string b64 in searches)
            {
                Type(query, "txt_title", Encoding.UTF8.GetString(Convert.FromBase64String(b64)));
                click.Invoke(query, new object[] { query, EventArgs.Empty });
                Console.WriteLine("SEARCH " + b64 + " " + Get<DataGridView>(query, "dgvList").Rows.Count + " " + Get<Label>(query, "lblPager").Text);
            }
            Type(query, "txt_title", "");
            DateTimePicker from = Get<DateTimePicker>(query, "dtpFrom_publishDate"), to = Get<DateTimePicker>(query, "dtpTo_publishDate");
            from.Value = new DateTime(1982, 3, 1);
            from.Checked = true;
            to.Value = new DateTime(1984, 7, 1);
            to.Checked = true;
            click.Invoke(query, new object[] { query, EventArgs.Empty });
            Console.WriteLine("SEARCH dates " + Get<DataGridView>(query, "dgvList").Rows.Count + " " + Get<Label>(query, "lblPager").Text);
            query.GetType().GetMethod("btnReset_Click", BindingFlags.NonPublic | BindingFlags.Instance).Invoke(query, new object[] { query, EventArgs.Empty });
            Shot(query, "generated-sqlite-query-form.png");
            return true;
        });
        Step("edit form", () =>
        {
            Form query = Open("FrmQueryBook");
            DataGridView grid = Get<DataGridView>(query, "dgvList");
            Call(query, "dgvList_CellDoubleClick", grid, new DataGridViewCellEventArgs(1, RowOf(grid, "红楼梦 50%_off 'a'")));
            return true;
        });
        Step("book edited", () =>
        {
            Form edit = Open("FrmEditBook");
            if (edit == null) return false;
            Console.WriteLine("EDIT " + Get<TextBox>(edit, "txt_title").Text + " " + Get<TextBox>(edit, "txt_price").Text + " "
                + Get<DateTimePicker>(edit, "dtp_publishDate").Value.ToString("yyyy-MM-dd") + " " + Get<ComboBox>(edit, "cb_bookType").Text
                + " " + Get<CheckBox>(edit, "chk_onSale").Checked + " " + Get<ComboBox>(edit, "cb_binding").Text);
            Shot(edit, "generated-sqlite-edit-form.png");
            Type(edit, "txt_title", "红楼梦(校注本)");
            Type(edit, "txt_price", "65.5");
            Get<CheckBox>(edit, "chk_onSale").Checked = false;
            Get<ComboBox>(edit, "cb_binding").SelectedItem = "精装";
            Click(edit, "Btn_Update");
            return true;
        });
        Delete("book deleted", "FrmQueryBook", "Neuromancer", 1);
        // A type that books name: the database refuses, the form says why.
        Closing("book query form closed", "FrmQueryBook");
        Opening("type query form", "Frm主面", "BookTypeManage_ToolStripMenuItem");
        Delete("type delete refused", "FrmQueryBookType", "古典小说", 1);
        Closing("type query form closed", "FrmQueryBookType");
        // A key holding a comma is one key.
        AddShelf("shelf added: A,B", "A,B", "甲乙");
        AddShelf("shelf added: A", "A", "甲");
        AddShelf("shelf added: B", "B", "乙");
        // A key that is taken: the database refuses, the form says why and
        // stays open with what was typed.
        AddShelf("shelf refused", "A", "重复");
        Step("shelf form kept", () =>
        {
            Form add = Open("FrmAddShelf");
            if (add == null) return false;
            Console.WriteLine("KEPT " + add.GetType().Name + " " + Get<TextBox>(add, "txt_shelfCode").Text + " " + Get<TextBox>(add, "txt_shelfName").Text);
            add.Close();
            return true;
        });
        Opening("shelf query form", "Frm主面", "ShelfManage_ToolStripMenuItem");
        Delete("shelf deleted", "FrmQueryShelf", "A,B", 0);
        Closing("shelf query form closed", "FrmQueryShelf");
        MasterDetailExportAndPrint();
        Closing("book query form closed again", "FrmQueryBook");
        Opening("password form", "Frm主面", "ChangePasswordMenuItem");
        ChangePassword("password refused", "wrong");
        ChangePassword("password changed", "admin");
        Closed("closed");
    }

    // One window a tick, the last opened first, as the user closes them.
    static void Closed(string name)
    {
        Step(name, () =>
        {
            if (Top() != null) Top().Close();
            return Top() == null;
        });
    }

    [STAThread]
    static int Main(string[] args)
    {
        app = Assembly.LoadFrom(Path.GetFullPath(args[0]));
        Directory.SetCurrentDirectory(Path.GetDirectoryName(Path.GetFullPath(args[0])));
        sqlite3 = args[1];
        shots = args[2];
        searches = File.ReadAllLines(args[3]).Where(l => l.Length > 0).ToList();
        password = args[4];
        Steps(args.Length > 5 && args[5] == "again");
        Timer timer = new Timer();
        timer.Interval = 400;
        DateTime stepStarted = DateTime.Now;
        timer.Tick += delegate
        {
            // The application disposes none of its dialogs; Mono's finalizers
            // would, at exit, and fail. Each is disposed once it is closed.
            foreach (Form f in seen.Where(f => !f.IsDisposed && !Application.OpenForms.Cast<Form>().Contains(f)).ToList())
                f.Dispose();
            seen.UnionWith(Application.OpenForms.Cast<Form>());
            AnswerBoxes();
            if (next >= steps.Count) return;
            KeyValuePair<string, Func<bool>> step = steps[next];
            bool done;
            try { done = step.Value(); }
            catch (Exception e) { Console.WriteLine("FAIL " + step.Key + ": " + e); done = false; failed = true; }
            if (!done && !failed && (DateTime.Now - stepStarted).TotalSeconds < 30) return;
            if (!done)
            {
                // The application is closed: its Main returns.
                Console.WriteLine("FAIL step " + step.Key + " could not be done");
                failed = true;
                timer.Stop();
                foreach (Form f in Application.OpenForms.Cast<Form>().Reverse().ToList()) f.Close();
                return;
            }
            next++;
            stepStarted = DateTime.Now;
            // The step's clicks run first; the file is read once they are done.
            timer.Stop();
            Timer after = new Timer();
            after.Interval = 600;
            after.Tick += delegate
            {
                // An answered box lets the step go on (a confirmed delete).
                if (AnswerBoxes()) return;
                after.Stop();
                Console.WriteLine("STEP " + step.Key);
                Dump();
                timer.Start();
            };
            after.Start();
        };
        timer.Start();
        app.GetType("LoginFrame.Program").GetMethod("Main", BindingFlags.NonPublic | BindingFlags.Static).Invoke(null, null);
        // The last step closes the application; one the application did not
        // wait for is not done.
        if (next < steps.Count - 1)
        {
            Console.WriteLine("FAIL the application ended before step " + steps[next].Key);
            failed = true;
        }
        foreach (Form f in seen) f.Dispose();
        Console.WriteLine("DONE");
        return failed ? 1 : 0;
    }
}
