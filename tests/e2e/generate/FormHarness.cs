// Opens the forms of a generated application without its database: every
// form is created (its designer code and resources load), then the main
// form and the named add form ("-" for none) are shown until `seconds`
// pass, which runs their Load handlers. Exit status: the number of forms
// that failed.
//
// usage: mono FormHarness.exe LoginFrame.exe ADD-FORM-NAME SECONDS
using System;
using System.IO;
using System.Reflection;
using System.Windows.Forms;

static class FormHarness
{
    static object DefaultOf(Type t)
    {
        return t.IsValueType ? Activator.CreateInstance(t) : null;
    }

    [STAThread]
    static int Main(string[] args)
    {
        Assembly app = Assembly.LoadFrom(Path.GetFullPath(args[0]));
        Directory.SetCurrentDirectory(Path.GetDirectoryName(Path.GetFullPath(args[0])));
        int failures = 0;
        foreach (Type t in app.GetTypes())
        {
            if (!typeof(Form).IsAssignableFrom(t)) continue;
            ConstructorInfo ctor = t.GetConstructors()[0];
            ParameterInfo[] ps = ctor.GetParameters();
            object[] values = new object[ps.Length];
            for (int i = 0; i < ps.Length; i++) values[i] = DefaultOf(ps[i].ParameterType);
            try
            {
                ((Form)ctor.Invoke(values)).Dispose();
                Console.WriteLine("created " + t.Name);
            }
            catch (Exception e)
            {
                Console.WriteLine("FAIL " + t.Name + ": " + (e.InnerException ?? e));
                failures++;
            }
        }

        Form main = (Form)Activator.CreateInstance(app.GetType("LoginFrame.Frm主面"));
        Form add = args[1] == "-" ? null
                                  : (Form)Activator.CreateInstance(app.GetType("LoginFrame." + args[1]));
        Timer close = new Timer();
        close.Interval = int.Parse(args[2]) * 1000;
        close.Tick += delegate { close.Stop(); if (add != null) add.Close(); main.Close(); };
        main.Shown += delegate
        {
            try { if (add != null) add.Show(main); }
            catch (Exception e) { Console.WriteLine("FAIL showing " + args[1] + ": " + e); failures++; }
            close.Start();
        };
        Application.ThreadException += delegate(object s, System.Threading.ThreadExceptionEventArgs e)
        {
            Console.WriteLine("FAIL " + e.Exception);
            failures++;
        };
        Application.Run(main);
        Console.WriteLine(failures == 0 ? "all forms opened" : failures + " form(s) failed");
        return failures;
    }
}
