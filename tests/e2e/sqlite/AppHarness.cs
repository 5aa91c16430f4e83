// Runs the built application of the sample design (a SQLite project with
// the complete query forms, and a class Shelf with a string key) as a user
// would, on a display: its own Main starts it, then, one step a timer tick
// once the form the step needs is in front, the login form creates the
// database on its first check, the forms add, search, edit and delete book
// types, books and shelves (and refuse what they must), show a type's books,
// export and preview the books, and the password is changed. Message boxes are
// answered with OK; after every step the database file is read with the
// sqlite3 shell.
//
// usage: mono AppHarness.exe LoginFrame.exe SQLITE3 SHOTS-DIR|- SEARCHES PASSWORD
//   SEARCHES: base64 (UTF-8) texts, one a line, each searched as a title
//   PASSWORD: the new password of admin
// Prints "STEP <name>" and "DB <row>" lines after each step, "BOX <text>",
// "SEARCH <base64|onSale|binding|dates> <rows in the grid> <page label>",
// "GRID <title> <在售> <装帧>" for each row of the full list, "EDIT", "KEPT",
// "DETAIL", "PAGE" and "PAGES" lines with what forms show, "DONE" at the
// end; exit status 1 when a step could not be done.
using System;
using System.Collections.Generic;
using System.IO;
using System.Linq;
using System.Reflection;
using System.Text;
using System.Windows.Forms;
using static FormDriver;

static class AppHarness
{
    static string sqlite3, shots, password;
    static readonly List<KeyValuePair<string, Func<bool>>> steps = new List<KeyValuePair<string, Func<bool>>>();

    // The form the user works in: the last one opened that is still up.
    static Form Top() => Application.OpenForms.Cast<Form>().LastOrDefault(f => f.Visible);

    // A step on the form in front once it is `form`; `act` says whether it is done.
    static void When(string name, string form, Func<Form, bool> act)
        => steps.Add(new KeyValuePair<string, Func<bool>>(name, () => Top() != null && Top().GetType().Name == form && act(Top())));

    static void On(string name, string form, Action<Form> act) => When(name, form, f => { act(f); return true; });

    // Fills the form in front and clicks `click`; null closes the form.
    static void Do(string name, string form, string click, params string[] values)
        => When(name, form, f => Fill(f, values) && Press(f, click));

    static bool Press(Form form, string click)
    {
        if (click == null) form.Close();
        else Click(form, click);
        return true;
    }

    static void Print(Form form, string tag, params string[] fields)
        => Console.WriteLine(tag + " " + string.Join(" ", fields.Select(f => Shown(form, f)).ToArray()));

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

    // The window's client area (without a window manager the rest is black),
    // or, with no form, the whole screen.
    static bool Shot(Form form, string name)
    {
        if (shots == "-") return true;
        Application.DoEvents();
        if (form == null) { Run("import", "-window root '" + Path.Combine(shots, name) + "'"); return true; }
        form.Refresh();
        Application.DoEvents();
        Run("sh", "-c \"xwd -id " + form.Handle + " -silent | convert xwd:- -crop " + form.ClientSize.Width + "x"
            + form.ClientSize.Height + "+0+0 +repage '" + Path.Combine(shots, name) + "'\"");
        return true;
    }

    static int RowOf(DataGridView grid, string text, int column = 1)
    {
        foreach (DataGridViewRow row in grid.Rows)
            if (Convert.ToString(row.Cells[column].Value) == text) return row.Index;
        throw new Exception("no row " + text);
    }

    static string Titles(DataGridView grid)
        => string.Join("|", grid.Rows.Cast<DataGridViewRow>().Select(r => Convert.ToString(r.Cells[1].Value)).ToArray());

    // The search's rows and page label after the reset and these inputs.
    static void Search(Form query, string label, params string[] values)
    {
        Handle(query, "btnReset_Click");
        Fill(query, values);
        Handle(query, "btnQuery_Click");
        Console.WriteLine("SEARCH " + label + " " + Shown(query, "dgvList") + " " + Shown(query, "lblPager"));
    }

    // A badStock is typed and refused by the form first, which stays open.
    static void AddBook(string title, string badStock, params string[] values)
    {
        Do("add form", "FrmQueryBook", "btnAdd");
        values = values.Concat(new[] { "txt_title=" + title }).ToArray();
        if (badStock != null) Do("stock refused", "FrmAddBook", "Btn_Add", values.Concat(new[] { "txt_stock=" + badStock }).ToArray());
        Do("book added: " + title, "FrmAddBook", "Btn_Add", values);
    }

    // The one row whose column holds text, selected and deleted.
    static void Delete(string name, string form, string text, int column)
    {
        On(name, form, query =>
        {
            DataGridView grid = Get<DataGridView>(query, "dgvList");
            grid.ClearSelection();
            grid.Rows[RowOf(grid, text, column)].Selected = true;
            Click(query, "btnDel");
        });
    }

    static void Steps(List<string> searches)
    {
        Do("login refused", "FrmLogin", "btn_Login", "txt_UserName=admin", "txt_PassWord=wrong");
        // The refused check made the database; its seeded administrator's password is "admin".
        When("logged in", "FrmLogin", f => File.Exists("LoginFrame.db") && Fill(f, "txt_UserName=admin", "txt_PassWord=admin")
            && Shot(f, "generated-sqlite-login.png") && Press(f, "btn_Login"));
        // The third type's name is taken: the form says so and stays open.
        string[] types = { "古典小说", "科幻小说", "古典小说" };
        for (int i = 0; i < types.Length; i++)
        {
            Do("type form", "Frm主面", "BookTypeAdd_ToolStripMenuItem");
            Do(i < 2 ? "type added: " + types[i] : "type name taken", "FrmAddBookType", "Btn_Add", "txt_typeName=" + types[i]);
        }
        Do("type form closed", "FrmAddBookType", null);
        Do("query form", "Frm主面", "BookManage_ToolStripMenuItem");
        // The first and the last keep the form's 装帧, 平装.
        AddBook("红楼梦 50%_off 'a'", null, "txt_price=59.8", "txt_stock=12", "dtp_publishDate=1982-03-01", "cb_bookType=#0", "chk_onSale=True");
        AddBook("三体", null, "txt_price=23", "txt_stock=40", "dtp_publishDate=2008-01-01", "cb_bookType=#1", "chk_onSale=False", "cb_binding=精装");
        AddBook("Neuromancer", "1001", "txt_price=9.5", "txt_stock=3", "dtp_publishDate=1984-07-01", "cb_bookType=#1", "chk_onSale=True");
        On("searched", "FrmQueryBook", query =>
        {
            Handle(query, "btnQuery_Click");
            foreach (DataGridViewRow row in Get<DataGridView>(query, "dgvList").Rows)
                Console.WriteLine("GRID " + row.Cells[1].Value + " " + row.Cells["在售"].Value + " " + row.Cells["装帧"].Value);
            Search(query, "onSale", "cb_onSale=否");
            Search(query, "binding", "cb_binding=精装");
            foreach (string b64 in searches)
                Search(query, b64, "txt_title=" + Encoding.UTF8.GetString(Convert.FromBase64String(b64)));
            Search(query, "dates", "dtpFrom_publishDate=1982-03-01", "dtpTo_publishDate=1984-07-01");
            Handle(query, "btnReset_Click");
            Shot(query, "generated-sqlite-query-form.png");
        });
        On("edit form", "FrmQueryBook", query =>
        {
            DataGridView grid = Get<DataGridView>(query, "dgvList");
            Later(query, "dgvList_CellDoubleClick", grid, new DataGridViewCellEventArgs(1, RowOf(grid, "红楼梦 50%_off 'a'")));
        });
        On("book edited", "FrmEditBook", edit =>
        {
            Print(edit, "EDIT", "txt_title", "txt_price", "dtp_publishDate", "cb_bookType", "chk_onSale", "cb_binding");
            Shot(edit, "generated-sqlite-edit-form.png");
            Fill(edit, "txt_title=红楼梦(校注本)", "txt_price=65.5", "chk_onSale=False", "cb_binding=精装");
            Click(edit, "Btn_Update");
        });
        Delete("book deleted", "FrmQueryBook", "Neuromancer", 1);
        // A type that books name: the database refuses, the form says why.
        Do("book query form closed", "FrmQueryBook", null);
        Do("type query form", "Frm主面", "BookTypeManage_ToolStripMenuItem");
        Delete("type delete refused", "FrmQueryBookType", "古典小说", 1);
        Do("type query form closed", "FrmQueryBookType", null);
        // A key holding a comma is one key; the last key is taken: the
        // database refuses, the form says why and stays open with the entries.
        foreach (string[] shelf in new[] { new[] { "A,B", "甲乙", "added: A,B" }, new[] { "A", "甲", "added: A" },
                                           new[] { "B", "乙", "added: B" }, new[] { "A", "重复", "refused" } })
        {
            Do("shelf form", "Frm主面", "ShelfAdd_ToolStripMenuItem");
            Do("shelf " + shelf[2], "FrmAddShelf", "Btn_Add", "txt_shelfCode=" + shelf[0], "txt_shelfName=" + shelf[1]);
        }
        On("shelf form kept", "FrmAddShelf", add => { Print(add, "KEPT", "txt_shelfCode", "txt_shelfName"); add.Close(); });
        Do("shelf query form", "Frm主面", "ShelfManage_ToolStripMenuItem");
        Delete("shelf deleted", "FrmQueryShelf", "A,B", 0);
        Do("shelf query form closed", "FrmQueryShelf", null);
        MasterDetailExportAndPrint();
        Do("password form", "Frm主面", "ChangePasswordMenuItem");
        foreach (string old in new[] { "wrong", "admin" })
            Do(old == "admin" ? "password changed" : "password refused", "FrmChangePassword", "btn_OK",
               "txt_OldPassword=" + old, "txt_NewPassword=" + password, "txt_Repeat=" + password);
    }

    // Forty-two more books (one whose title holds a comma, quotes and
    // Chinese), so that a search finds three pages; under a window manager,
    // the book types' form shows the books of the selected type, adds one
    // from its tab, and the book form exports and previews every book.
    static void MasterDetailExportAndPrint()
    {
        On("more books", "Frm主面", main =>
        {
            File.WriteAllText("more.sql", "insert into Book (title, price, stock, publishDate, bookType) values ('甲,乙 \"丙\" 丁', 1.5, 1, '2001-01-01 00:00:00.000', 1);\n"
                + "with recursive n(i) as (select 1 union all select i + 1 from n where i < 41) "
                + "insert into Book (title, price, stock, publishDate, bookType) select '批量 ' || i, 2, 2, '2002-01-01 00:00:00.000', 2 from n;\n");
            Run(sqlite3, "LoginFrame.db \".read more.sql\"");
            if (shots != "-") System.Diagnostics.Process.Start("openbox");
        });
        Do("type query form", "Frm主面", "BookTypeManage_ToolStripMenuItem");
        On("details shown", "FrmQueryBookType", query =>
        {
            DataGridView grid = Get<DataGridView>(query, "dgvList"), books = Get<DataGridView>(query, "dgv_Book_bookType");
            for (int i = grid.Rows.Count - 1; i >= 0; i--)
            {
                grid.CurrentCell = grid.Rows[i].Cells[0];
                Console.WriteLine("DETAIL " + grid.Rows[i].Cells[1].Value + " " + books.Rows.Count + " " + Titles(books));
            }
            Click(query, "btnAdd_Book_bookType");
        });
        Do("book added from the tab", "FrmAddBook", "Btn_Add", "txt_title=西游记", "txt_price=30", "txt_stock=5", "cb_bookType=#0");
        On("details refreshed", "FrmQueryBookType", query =>
        {
            Console.WriteLine("DETAIL refreshed " + Shown(query, "dgv_Book_bookType") + " " + Titles(Get<DataGridView>(query, "dgv_Book_bookType")));
            query.WindowState = FormWindowState.Maximized;
        });
        When("master-detail form", "FrmQueryBookType", query => Shot(null, "generated-master-detail.png") && Press(query, null));
        Do("book query form", "Frm主面", "BookManage_ToolStripMenuItem");
        On("exported", "FrmQueryBook", query =>
        {
            Print(query, "PAGE", "dgvList", "lblPager");
            Later(query, "Export", Path.GetFullPath("books.csv"));
        });
        Do("print preview", "FrmQueryBook", "btnPrint");
        When("previewed", "PrintPreviewDialog", preview =>
        {
            // The pages the preview made, once it has drawn them.
            Array pages = (Array)typeof(PrintPreviewControl).GetField("page_infos", BindingFlags.NonPublic | BindingFlags.Instance)
                .GetValue(((PrintPreviewDialog)preview).PrintPreviewControl);
            if (pages == null) return false;
            Console.WriteLine("PAGES " + pages.Length);
            preview.WindowState = FormWindowState.Maximized;
            return true;
        });
        When("preview closed", "PrintPreviewDialog", preview => Shot(null, "generated-print-preview.png") && Press(preview, null));
        Do("book query form closed again", "FrmQueryBook", null);
    }

    [STAThread]
    static int Main(string[] args)
    {
        Assembly app = Assembly.LoadFrom(Path.GetFullPath(args[0]));
        Directory.SetCurrentDirectory(Path.GetDirectoryName(Path.GetFullPath(args[0])));
        sqlite3 = args[1];
        shots = args[2];
        password = args[4];
        Steps(File.ReadAllLines(args[3]).Where(l => l.Length > 0).ToList());
        // Closing, one window a tick, the last opened first, ends the application.
        steps.Add(new KeyValuePair<string, Func<bool>>("closed", () => { if (Top() != null) Top().Close(); return Top() == null; }));
        int next = 0;
        bool failed = false;
        string pending = null;          // the step done whose effects the file is to show
        DateTime since = DateTime.Now;  // when the step began, or the last box came
        HashSet<Form> seen = new HashSet<Form>();
        Timer timer = new Timer();
        timer.Interval = 400;
        timer.Tick += delegate
        {
            // The application disposes none of its dialogs; Mono's finalizers
            // would, at exit, and fail. Each is disposed once it is closed.
            foreach (Form f in seen.Where(f => !f.IsDisposed && !Application.OpenForms.Cast<Form>().Contains(f)).ToList())
                f.Dispose();
            seen.UnionWith(Application.OpenForms.Cast<Form>());
            // An answered box lets a step go on (a confirmed delete): the file
            // is read once the step's clicks are done and no box has come for a while.
            foreach (string box in AnswerBoxes()) { Console.WriteLine("BOX " + box); since = DateTime.Now; }
            if (pending != null)
            {
                if ((DateTime.Now - since).TotalMilliseconds < 600) return;
                Console.WriteLine("STEP " + pending);
                Dump();
                pending = null;
                since = DateTime.Now;
            }
            if (failed || next >= steps.Count) return;
            bool done = false;
            try { done = steps[next].Value(); }
            catch (Exception e) { Console.WriteLine("FAIL " + steps[next].Key + ": " + e); failed = true; }
            if (done) { pending = steps[next++].Key; since = DateTime.Now; return; }
            if (!failed && (DateTime.Now - since).TotalSeconds < 30) return;
            // The application is closed: its Main returns.
            Console.WriteLine("FAIL step " + steps[next].Key + " could not be done");
            failed = true;
            foreach (Form f in Application.OpenForms.Cast<Form>().Reverse().ToList()) f.Close();
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
