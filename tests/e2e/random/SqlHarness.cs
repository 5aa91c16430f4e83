// Calls every method of every generated data-access class once, against
// the recording DBHelp, and prints the statements, one batch each
// (separated by GO lines), for a T-SQL parser to read.
using System;
using System.Collections.Generic;
using System.Linq;
using System.Reflection;

static class SqlHarness
{
    static object Argument(MethodInfo m, ParameterInfo p, bool integerKey)
    {
        Type t = p.ParameterType;
        if (t == typeof(List<string>)) return new List<string>(integerKey ? new[] { "1", "2" } : new[] { "a'b", "c" });
        if (t == typeof(int)) return m.Name.StartsWith("Get") ? 1 + p.Position * 19 : 7;
        if (t == typeof(string)) return m.Name.StartsWith("Get") ? "" : m.Name.StartsWith("Del") ? (integerKey ? "1,2" : "a'b,c") : "k'7";
        return t.IsByRef ? (object)0 : Activator.CreateInstance(t);
    }

    static int Main()
    {
        foreach (Type dal in typeof(DAL.DBHelp).Assembly.GetTypes().Where(t => t.Namespace == "DAL" && t.Name.StartsWith("dal")))
        {
            bool integerKey = dal.GetMethod("getSome" + dal.Name.Substring(3)).GetParameters()[0].ParameterType == typeof(int);
            foreach (MethodInfo m in dal.GetMethods(BindingFlags.Public | BindingFlags.Static))
            {
                try { m.Invoke(null, m.GetParameters().Select(p => Argument(m, p, integerKey)).ToArray()); }
                catch (TargetInvocationException e)
                {
                    if (!(e.InnerException is DAL.NoDatabase)) throw;
                }
            }
        }
        foreach (string sql in DAL.DBHelp.Statements)
            Console.Write(sql + "\r\nGO\r\n");
        return 0;
    }
}
