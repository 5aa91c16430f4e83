// Calls every method of every generated data-access class once, against
// the recording DBHelp, and prints the statements, one batch each
// (separated by GO lines), for a T-SQL parser to read.
using System;
using System.Reflection;

static class SqlHarness
{
    static object Make(Type t)
    {
        return Activator.CreateInstance(t);
    }

    static void Call(MethodInfo m, object[] args)
    {
        try { m.Invoke(null, args); }
        catch (TargetInvocationException e)
        {
            if (!(e.InnerException is DAL.NoDatabase)) throw;
        }
    }

    static int Main()
    {
        foreach (Type dal in typeof(DAL.DBHelp).Assembly.GetTypes())
        {
            if (dal.Namespace != "DAL" || !dal.Name.StartsWith("dal")) continue;
            foreach (MethodInfo m in dal.GetMethods(BindingFlags.Public | BindingFlags.Static))
            {
                ParameterInfo[] ps = m.GetParameters();
                if (m.Name.StartsWith("Add") || m.Name.StartsWith("Edit"))
                    Call(m, new object[] { Make(ps[0].ParameterType) });
                else if (m.Name.StartsWith("getSome"))
                    Call(m, new object[] { ps[0].ParameterType == typeof(int) ? (object)7 : "k'7" });
                else if (m.Name.StartsWith("Del"))
                {
                    MethodInfo some = dal.GetMethod("getSome" + m.Name.Substring(3));
                    bool integer = some.GetParameters()[0].ParameterType == typeof(int);
                    string keys = integer ? "1,2" : "a'b,c";
                    if (ps[0].ParameterType == typeof(string))
                        Call(m, new object[] { keys });
                    else
                        Call(m, new object[] { new System.Collections.Generic.List<string>(keys.Split(',')) });
                }
                else if (m.Name.StartsWith("Get"))
                    Call(m, new object[] { 1, 20, 0, 0, "" });
                else if (m.Name.StartsWith("getAll"))
                    Call(m, new object[0]);
            }
        }
        foreach (string sql in DAL.DBHelp.Statements)
            Console.Write(sql + "\r\nGO\r\n");
        return 0;
    }
}
