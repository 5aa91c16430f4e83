// Opens the forms of a generated application without its database: every
// form is created (its designer code and resources load), then the main
// form and the named add form ("-" for none) are shown until `seconds`
// pass, which runs their Load handlers. Exit status: the number of forms
// that failed.
//
// usage: mono FormHarness.exe LoginFrame.exe ADD-FORM-NAME SECONDS
using System;
using System.IO;
using System.Linq;
using System.Reflection;
using System.Windows.Forms;

static class FormHarness
{
    [STAThread]
    static int Main(string[] args)
    {
        Assembly app = Assembly.LoadFrom(Path.GetFullPath(args[0]));
        Directory.SetCurrentDirectory(Path.GetDirectoryName(Path.GetFullPath(args[0])));
        int failures = 0;
        Action<string, Action> attempt = (what, act) =>
        {
            try { act(); }
            catch (Exception e) { Console.WriteLine("FAIL " + what + ": " + (e.InnerException ?? e)); failures++; }
        };
        foreach (Type t in app.GetTypes().Where(t => typeof(Form).IsAssignableFrom(t)))
        {
            ConstructorInfo ctor = t.GetConstructors()[0];
            attempt(t.Name, () => ((Form)ctor.Invoke(ctor.GetParameters().Select(p => p.ParameterType.IsValueType
                ? Activator.CreateInstance(p.ParameterType) : null).ToArray())).Dispose());
        }
        Form main = (Form)Activator.CreateInstance(app.GetType("LoginFrame.Frm主面"));
        Form add = args[1] == "-" ? null : (Form)Activator.CreateInstance(app.GetType("LoginFrame." + args[1]));
        Timer close = new Timer();
        close.Interval = int.Parse(args[2]) * 1000;
        close.Tick += delegate { close.Stop(); if (add != null) add.Close(); main.Close(); };
        main.Shown += delegate
        {
            attempt("showing " + args[1], () => { if (add != null) add.Show(main); });
            close.Start();
        };
        Application.ThreadException += (s, e) => attempt("a handler", () => { throw e.Exception; });
        Application.Run(main);
        Console.WriteLine(failures == 0 ? "all forms opened" : failures + " form(s) failed");
        return failures;
    }
}
