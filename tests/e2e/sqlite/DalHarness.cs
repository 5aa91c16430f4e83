// Calls the data-access methods of a generated SQLite solution against its
// real database file, one command a run, so that a test can look at the
// file with the sqlite3 shell between two commands. Runs in the
// application's output directory, with the application's config beside it
// (DalHarness.exe.config), and reaches DAL.dll and Model.dll by reflection.
//
// usage: mono DalHarness.exe DESIGN COMMAND ARGS...
//   DESIGN: one member a line, split by tabs: class, member, type word,
//   length, key (1/0), required (1/0); classes in class order.
//   add CLASS FROM TO        adds the rows FROM..TO-1 (row i has the values
//                            of row i, below; an integer key is the
//                            database's)
//   addbad CLASS             adds row 0 with its references naming no row
//   check CLASS              getSome of every row gives the values of its row
//   show CLASS KEY           getSome, every property as name=value
//   edit CLASS KEY ROW       Edit gives row KEY the values of row ROW, then
//                            getSome shows them
//   page CLASS INDEX SIZE WHERE   Get: "records R pages P keys k1,k2,..."
//   count CLASS              rows of getAll
//   del CLASS KEYS           Del, its answer
//   roundtrip                every class in class order: add three rows,
//                            check them, page, edit; then Del of every row
//                            (the keys as a list), classes in reverse order
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
    class Member
    {
        public string Name, Type;
        public int Length;
        public bool Key, Must;
    }

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

    static int RowOfKey(string c, object key)
    {
        if (key is int) return (int)key - 1;
        string s = (string)key;
        return int.Parse(s.Substring(1, s.IndexOf('\'') - 1));
    }

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

    static Dictionary<string, List<object>> Targets(string c)
    {
        Dictionary<string, List<object>> t = new Dictionary<string, List<object>>();
        foreach (Member m in classes[c])
            if (!BaseTypes.Contains(m.Type) && !t.ContainsKey(m.Type)) t[m.Type] = Keys(m.Type);
        return t;
    }

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

    // getSome of lookup gives row key with the values of row i.
    static void Expect(string c, object lookup, object key, int i, Dictionary<string, List<object>> targets)
    {
        object e = Call(c, "getSome", lookup);
        foreach (Member m in classes[c])
        {
            object want = m.Key ? key : Value(m, i, true, targets);
            object got = Entity(c).GetProperty(m.Name).GetValue(e, null);
            if (Text(want) != Text(got))
            {
                Console.WriteLine("FAIL {0} {1} {2}: expected {3}, read {4}", c, Text(key), m.Name, Text(want), Text(got));
                failures++;
            }
        }
    }

    static void Add(string c, int from, int to, bool bad)
    {
        Dictionary<string, List<object>> targets = Targets(c);
        if (bad)
            foreach (string t in targets.Keys.ToList())
                targets[t] = new List<object> { IntegerKey(t) ? (object)987654 : "missing" };
        for (int i = from; i < to; i++)
        {
            object key = IntegerKey(c) ? (object)0 : Value(KeyOf(c), i, false, targets);
            if (!(bool)Call(c, "Add", Make(c, i, key, targets)))
            {
                Console.WriteLine("FAIL {0}: Add of row {1} answered false", c, i);
                failures++;
            }
        }
    }

    static void Check(string c)
    {
        Dictionary<string, List<object>> targets = Targets(c);
        foreach (object key in Keys(c))
        {
            Expect(c, key, key, RowOfKey(c, key), targets);
            // String keys compare without case, as on SQL Server.
            if (key is string)
                Expect(c, ((string)key).ToUpperInvariant().Replace("É", "é"), key, RowOfKey(c, key), targets);
        }
    }

    static string Page(string c, int index, int size, string where)
    {
        object[] args = { index, size, 0, 0, where };
        DataTable t = (DataTable)Call(c, "Get", args);
        return string.Format("records {0} pages {1} keys {2}", args[3], args[2],
            string.Join(",", t.Rows.Cast<DataRow>().Select(r => Text(r[0])).ToArray()));
    }

    static void Edit(string c, object key, int row)
    {
        Dictionary<string, List<object>> targets = Targets(c);
        if (!(bool)Call(c, "Edit", Make(c, row, key, targets)))
        {
            Console.WriteLine("FAIL {0}: Edit of {1} answered false", c, Text(key));
            failures++;
        }
        Expect(c, key, key, row, targets);
    }

    static object Key(string c, string text)
    {
        return IntegerKey(c) ? (object)int.Parse(text) : text;
    }

    static void RoundTrip()
    {
        foreach (string c in order)
        {
            Add(c, 0, 3, false);
            Check(c);
            string keys = string.Join(",", Keys(c).Select(Text).ToArray());
            string[] first = keys.Split(',');
            ExpectPage(c, Page(c, 1, 2, ""), "records 3 pages 2 keys " + first[0] + "," + first[1]);
            ExpectPage(c, Page(c, 2, 2, ""), "records 3 pages 2 keys " + first[2]);
            ExpectPage(c, Page(c, 1, 20, "1=0"), "records 0 pages 0 keys ");
            Edit(c, Keys(c)[0], 1);
        }
        foreach (string c in Enumerable.Reverse(order))
        {
            List<object> keys = Keys(c);
            if (!(bool)Call(c, "Del", keys.Select(Text).ToList()) || Keys(c).Count != 0)
            {
                Console.WriteLine("FAIL {0}: Del left rows", c);
                failures++;
            }
        }
    }

    static void ExpectPage(string c, string got, string want)
    {
        if (got == want) return;
        Console.WriteLine("FAIL {0} page: expected {1}, got {2}", c, want, got);
        failures++;
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
                case "add": Add(c, int.Parse(args[3]), int.Parse(args[4]), false); break;
                case "addbad": Add(c, 0, 1, true); break;
                case "check": Check(c); break;
                case "show":
                    object e = Call(c, "getSome", Key(c, args[3]));
                    foreach (Member m in classes[c])
                        Console.WriteLine(m.Name + "=" + Text(Entity(c).GetProperty(m.Name).GetValue(e, null)));
                    break;
                case "edit": Edit(c, Key(c, args[3]), int.Parse(args[4])); break;
                case "page": Console.WriteLine(Page(c, int.Parse(args[3]), int.Parse(args[4]), args[5])); break;
                case "count": Console.WriteLine("rows " + ((DataSet)Call(c, "getAll")).Tables[0].Rows.Count); break;
                case "del": Console.WriteLine("answer " + Call(c, "Del", args[3])); break;
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
