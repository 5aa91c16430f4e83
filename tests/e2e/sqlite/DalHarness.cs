// Calls the data-access methods of a generated SQLite solution against its
// real database file. Runs in the application's output directory, with the
// application's config beside it (DalHarness.exe.config), and reaches
// DAL.dll and Model.dll by reflection.
//
// usage: mono DalHarness.exe DESIGN COMMAND ARGS...
//   DESIGN: one member a line, split by tabs: class, member, type word,
//   length, key (1/0), required (1/0); classes in class order.
//   count CLASS          rows of getAll
//   show (CLASS KEY)...  getSome, every property as name=value
//   roundtrip            every class in class order: add five rows, getSome of
//                        each, Get of every page of two and one past the end,
//                        with no row matching, and (with a date member) with a
//                        condition on the date; NULL wherever the table allows
//                        in the first row, read; Edit; then, classes in reverse
//                        order, Del of the first key and of the rest as a list
// Row i of a class: string "<member><i>'中" cut to its length (null when
// not required and i % 3 == 2, read back as ""); a string key k<i>'é;
// integer 7i-3; float i+0.5; date 2021-03-01 plus i days and 61i seconds;
// image i+2 bytes from 0 (none when i % 3 == 2); a reference names the
// (i mod n)-th of the n rows of its class, by key order. A data-access
// exception prints "error: <message>", exit status 3; a wrong value
// prints "FAIL ...", exit status 1.
using System;
using System.Collections.Generic;
using System.Data;
using System.Globalization;
using System.IO;
using System.Linq;
using System.Reflection;
using System.Text;

static class DalHarness
{
    class Member { public string Name, Type; public int Length; public bool Key, Must; }

    static readonly string[] BaseTypes = { "字符串", "整型", "浮点型", "日期型", "图片型", "布尔型" };
    static Dictionary<string, List<Member>> classes = new Dictionary<string, List<Member>>();
    static List<string> order = new List<string>();
    static Assembly dal, model;
    static int failures;

    static Member KeyOf(string c) { return classes[c].First(m => m.Key); }
    static bool IntegerKey(string c) { return KeyOf(c).Type == "整型"; }
    static Type Entity(string c) { return model.GetType("Model." + c); }

    static object Call(string c, string method, params object[] args)
    {
        // Del has two overloads: the one whose first parameter takes the first argument.
        MethodInfo m = dal.GetType("DAL.dal" + c).GetMethods().First(x => x.Name == method + c
            && x.GetParameters().Length == args.Length
            && (args.Length == 0 || x.GetParameters()[0].ParameterType.IsInstanceOfType(args[0])));
        try { return m.Invoke(null, args); }
        catch (TargetInvocationException e) { throw e.InnerException; }
    }

    static string Text(object v)
    {
        if (v == null) return "null";
        if (v is byte[]) return "0x" + BitConverter.ToString((byte[])v).Replace("-", "");
        if (v is DateTime) return ((DateTime)v).ToString("yyyy-MM-dd HH:mm:ss", CultureInfo.InvariantCulture);
        if (v is float) return ((float)v).ToString("R", CultureInfo.InvariantCulture);
        return Convert.ToString(v, CultureInfo.InvariantCulture);
    }

    // Keys of the class's rows in key order.
    static List<object> Keys(string c)
    {
        DataTable t = ((DataSet)Call(c, "getAll")).Tables[0];
        string k = KeyOf(c).Name;
        List<object> keys = t.Rows.Cast<DataRow>().Select(r => IntegerKey(c) ? (object)Convert.ToInt32(r[k]) : r[k].ToString()).ToList();
        keys.Sort((a, b) => a is int ? ((int)a).CompareTo((int)b) : string.CompareOrdinal((string)a, (string)b));
        return keys;
    }

    // Row i's key: i + 1, or k<i>'é.
    static int RowOfKey(string c, object key)
        => key is int ? (int)key - 1 : int.Parse(((string)key).Substring(1, ((string)key).IndexOf('\'') - 1));

    // The value of member m in row i; as stored when `read`, as getSome reads it back otherwise.
    static object Value(Member m, int i, bool read, Dictionary<string, List<object>> targets)
    {
        switch (Array.IndexOf(BaseTypes, m.Type))
        {
            case 0:
                if (m.Key) return "k" + i + "'é";
                if (!m.Must && i % 3 == 2) return read ? "" : null;
                string s = m.Name + i + "'中";
                return s.Length > m.Length ? s.Substring(0, m.Length) : s;
            case 1: return 7 * i - 3;
            case 2: return i + 0.5f;
            case 3: return new DateTime(2021, 3, 1).AddDays(i).AddSeconds(61 * i);
            case 4:
                if (i % 3 == 2) return null;
                return Enumerable.Range(0, i + 2).Select(j => (byte)(j * 37 + i * 11)).ToArray();
            case 5: return i % 2 == 1;
            default:
                List<object> keys = targets[m.Type];
                return keys.Count == 0 ? null : keys[i % keys.Count];
        }
    }

    // The keys of the classes c refers to.
    static Dictionary<string, List<object>> Targets(string c)
        => classes[c].Select(m => m.Type).Where(t => !BaseTypes.Contains(t)).Distinct().ToDictionary(t => t, Keys);

    static object Make(string c, int i, object key, Dictionary<string, List<object>> targets)
    {
        object e = Activator.CreateInstance(Entity(c));
        foreach (Member m in classes[c])
        {
            object v = m.Key ? key : Value(m, i, false, targets);
            if (v != null) Entity(c).GetProperty(m.Name).SetValue(e, v, null);
        }
        return e;
    }

    static void Expect(bool ok, string what)
    {
        if (ok) return;
        Console.WriteLine("FAIL " + what);
        failures++;
    }

    // getSome of lookup gives row key with the values of row i.
    static void Expect(string c, object lookup, object key, int i, Dictionary<string, List<object>> targets)
    {
        object e = Call(c, "getSome", lookup);
        foreach (Member m in classes[c])
        {
            string want = Text(m.Key ? key : Value(m, i, true, targets)), got = Text(Entity(c).GetProperty(m.Name).GetValue(e, null));
            Expect(want == got, string.Format("{0} {1} {2}: expected {3}, read {4}", c, Text(key), m.Name, want, got));
        }
    }

    // Get's page as "records R pages P keys k1,k2,...", and what it must be.
    static void ExpectPage(string c, int index, int size, string where, IEnumerable<string> keys, int records)
    {
        object[] args = { index, size, 0, 0, where };
        DataTable t = (DataTable)Call(c, "Get", args);
        string got = string.Format("records {0} pages {1} keys {2}", args[3], args[2],
                                   string.Join(",", t.Rows.Cast<DataRow>().Select(r => Text(r[0])).ToArray()));
        string want = string.Format("records {0} pages {1} keys {2}", records, (records + size - 1) / size,
                                    string.Join(",", keys.ToArray()));
        Expect(got == want, string.Format("{0} page {1} of {2} where {3}: expected {4}, got {5}", c, index, size, where, want, got));
    }

    // Row `key` with NULL in every column that allows it (as another program
    // may leave it) reads those as the properties' defaults ("" for a string).
    static void Nulls(string c, object key)
    {
        // Dates and images are NULL columns even when required.
        List<Member> nullable = classes[c].Where(m => !m.Key && (!m.Must || m.Type == "日期型" || m.Type == "图片型")).ToList();
        if (nullable.Count == 0) return;
        dal.GetType("DAL.DBHelp").GetMethod("ExecuteNonQuery").Invoke(null, new object[] {
            "update \"" + c + "\" set " + string.Join(",", nullable.Select(m => "\"" + m.Name + "\"=NULL").ToArray())
            + " where \"" + KeyOf(c).Name + "\"='" + Text(key).Replace("'", "''") + "'", null });
        object e = Call(c, "getSome", key);
        foreach (Member m in nullable)
        {
            Type t = Entity(c).GetProperty(m.Name).PropertyType;
            string want = Text(t == typeof(string) ? "" : t.IsValueType ? Activator.CreateInstance(t) : null);
            string got = Text(Entity(c).GetProperty(m.Name).GetValue(e, null));
            Expect(want == got, string.Format("{0} {1} {2} NULL: expected {3}, read {4}", c, Text(key), m.Name, want, got));
        }
    }

    static void RoundTrip()
    {
        const int rows = 5;
        foreach (string c in order)
        {
            Dictionary<string, List<object>> targets = Targets(c);
            for (int i = 0; i < rows; i++)
                Expect((bool)Call(c, "Add", Make(c, i, IntegerKey(c) ? (object)0 : Value(KeyOf(c), i, false, targets), targets)),
                       c + ": Add of row " + i + " answered false");
            foreach (object key in Keys(c))
            {
                Expect(c, key, key, RowOfKey(c, key), targets);
                // String keys compare without case, as on SQL Server.
                if (key is string)
                    Expect(c, ((string)key).ToUpperInvariant().Replace("É", "é"), key, RowOfKey(c, key), targets);
            }
            List<string> keys = Keys(c).Select(Text).ToList();
            for (int page = 1; page <= rows / 2 + 2; page++)
                ExpectPage(c, page, 2, "", keys.Skip(2 * page - 2).Take(2), rows);
            ExpectPage(c, 1, 20, "1=0", keys.Take(0), 0);
            // Dates compare as dates: rows from 2 on are dated 2021-03-03 and later.
            Member date = classes[c].FirstOrDefault(m => m.Type == "日期型");
            if (date != null)
                ExpectPage(c, 1, 2, "[" + c + "].[" + date.Name + "] >= '2021-03-03'",
                           Keys(c).Where(k => RowOfKey(c, k) >= 2).Select(Text).Take(2), rows - 2);
            object first = Keys(c)[0];
            Nulls(c, first);
            Expect((bool)Call(c, "Edit", Make(c, 1, first, targets)), c + ": Edit of " + Text(first) + " answered false");
            Expect(c, first, first, 1, targets);
        }
        foreach (string c in Enumerable.Reverse(order))
        {
            List<string> keys = Keys(c).Select(Text).ToList();
            Expect((bool)Call(c, "Del", keys[0]) && (bool)Call(c, "Del", keys.Skip(1).ToList()) && Keys(c).Count == 0,
                   c + ": Del left rows");
        }
    }

    static int Main(string[] args)
    {
        foreach (string line in File.ReadAllLines(args[0], Encoding.UTF8))
        {
            string[] p = line.Split('\t');
            if (p.Length < 6) continue;
            if (!classes.ContainsKey(p[0])) { classes[p[0]] = new List<Member>(); order.Add(p[0]); }
            classes[p[0]].Add(new Member { Name = p[1], Type = p[2], Length = int.Parse(p[3]), Key = p[4] == "1", Must = p[5] == "1" });
        }
        string dir = AppDomain.CurrentDomain.BaseDirectory;
        model = Assembly.LoadFrom(Path.Combine(dir, "Model.dll"));
        dal = Assembly.LoadFrom(Path.Combine(dir, "DAL.dll"));
        string c = args.Length > 2 ? args[2] : null;
        try
        {
            switch (args[1])
            {
                case "count": Console.WriteLine("rows " + ((DataSet)Call(c, "getAll")).Tables[0].Rows.Count); break;
                case "show":
                    for (int a = 2; a + 1 < args.Length; a += 2)
                    {
                        object e = Call(args[a], "getSome", IntegerKey(args[a]) ? (object)int.Parse(args[a + 1]) : args[a + 1]);
                        foreach (Member m in classes[args[a]])
                            Console.WriteLine(m.Name + "=" + Text(Entity(args[a]).GetProperty(m.Name).GetValue(e, null)));
                    }
                    break;
                case "roundtrip": RoundTrip(); break;
                default: Console.WriteLine("unknown command " + args[1]); return 2;
            }
        }
        catch (Exception ex)
        {
            Console.WriteLine("error: " + ex.Message);
            return 3;
        }
        return failures == 0 ? 0 : 1;
    }
}
