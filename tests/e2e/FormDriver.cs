// What the harnesses that drive a generated application's forms
// (AppHarness, QueryHarness) share, compiled into each: a form's controls
// and handlers reached by their field and method names, controls filled
// from text as a user would fill them, message boxes answered, and outside
// programs run.
using System;
using System.Collections.Generic;
using System.Diagnostics;
using System.Globalization;
using System.Linq;
using System.Reflection;
using System.Text;
using System.Windows.Forms;

static class FormDriver
{
    const BindingFlags Members = BindingFlags.NonPublic | BindingFlags.Public | BindingFlags.Instance;

    public static T Get<T>(Form form, string field)
    {
        FieldInfo f = form.GetType().GetField(field, Members);
        if (f == null) throw new Exception(form.GetType().Name + " has no " + field);
        return (T)f.GetValue(form);
    }

    // A text box takes the text, a check box True or False, a date picker
    // yyyy-MM-dd (and is checked), a drop-down the item, or its index as #n.
    public static void Set(Form form, string field, string value)
    {
        object c = Get<object>(form, field);
        if (c is TextBox) ((TextBox)c).Text = value;
        else if (c is CheckBox) ((CheckBox)c).Checked = bool.Parse(value);
        else if (c is ComboBox && value.StartsWith("#")) ((ComboBox)c).SelectedIndex = int.Parse(value.Substring(1));
        else if (c is ComboBox) ((ComboBox)c).SelectedItem = value;
        else if (c is DateTimePicker)
        {
            DateTimePicker d = (DateTimePicker)c;
            d.Value = DateTime.ParseExact(value, "yyyy-MM-dd", CultureInfo.InvariantCulture);
            d.Checked = true;
        }
        else throw new Exception("cannot set " + field);
    }

    // Each "field=value" set; true.
    public static bool Fill(Form form, params string[] values)
    {
        foreach (string v in values) Set(form, v.Substring(0, v.IndexOf('=')), v.Substring(v.IndexOf('=') + 1));
        return true;
    }

    // What a control shows: a grid its row count.
    public static string Shown(Form form, string field)
    {
        object c = Get<object>(form, field);
        if (c is CheckBox) return ((CheckBox)c).Checked.ToString();
        if (c is DateTimePicker) return ((DateTimePicker)c).Value.ToString("yyyy-MM-dd");
        if (c is DataGridView) return ((DataGridView)c).Rows.Count.ToString();
        return ((Control)c).Text;
    }

    // An event handler, now.
    public static void Handle(Form form, string method) => Call(form, method, form, EventArgs.Empty);

    public static void Call(Form form, string method, params object[] args)
    {
        MethodInfo m = form.GetType().GetMethod(method, Members);
        if (m == null) throw new Exception(form.GetType().Name + " has no " + method);
        try { m.Invoke(form, args); }
        catch (TargetInvocationException e) { throw e.InnerException; }
    }

    // A button or menu item, from the message loop: the click may open a
    // modal window.
    public static void Click(Form form, string field)
    {
        object c = Get<object>(form, field);
        form.BeginInvoke((MethodInvoker)delegate { c.GetType().GetMethod("PerformClick").Invoke(c, null); });
    }

    // A handler from the message loop: it may open a modal window.
    public static void Later(Form form, string method, params object[] args)
        => form.BeginInvoke((MethodInvoker)delegate { Call(form, method, args); });

    // The message boxes up, each answered with OK: their texts.
    public static List<string> AnswerBoxes()
    {
        List<string> texts = new List<string>();
        foreach (Form f in Application.OpenForms.Cast<Form>().ToList())
        {
            if (f.GetType().Name != "MessageBoxForm" || !f.Visible) continue;
            FieldInfo text = f.GetType().GetField("msgbox_text", Members);
            texts.Add((text != null ? (string)text.GetValue(f) : f.Text).Replace("\r\n", " "));
            f.DialogResult = DialogResult.OK;
        }
        return texts;
    }

    // Standard output of a program run to its end.
    public static string Run(string file, string args)
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
}
