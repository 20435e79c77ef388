#!/usr/bin/env python3
"""Debugs programs Tavessa did not write with its debugger helper and checks
what the panel and the expressions say against answers fixed in advance.

Each program (a folder with NAME.java compiled with -g) is stepped into, up
to STEPS stops. At each stop, for the variables the helper lists, these
expressions are watched and their expected answers are computed here from
the variable's shown value, by Java's rules:
  int/long/short/byte x :  x  -> the same text;  x * 2 + 1 -> 2x+1 (int wraps)
  boolean x             :  !x -> the other one
  char x                :  x + 1 -> its code + 1
  String x (shown whole):  x.length() -> its length
  double x              :  x  -> the same text
  array x               :  x.length -> the count the value shows
  List/Set/Map x        :  x.size() -> the count the value shows; when the
                           value shows every element, x.toString() -> Java's
                           own writing of them, in the same order
  object of the program's own class shown by its fields {f: v, ...}:
                           x.f -> v
It counts stops, checks, wrong answers, refusals, helper errors and stops
that took longer than 5 s, and prints examples of each miss.

usage: check_values.py HELPER_JAR PROGRAMS_DIR [COUNT] [STEPS]
"""
import hashlib, os, re, subprocess, sys, threading, time, queue

jar, root = sys.argv[1], sys.argv[2]
count = int(sys.argv[3]) if len(sys.argv) > 3 else 100
steps = int(sys.argv[4]) if len(sys.argv) > 4 else 25
names = sorted(os.listdir(root), key=lambda n: hashlib.md5(n.encode()).hexdigest())
names = [n for n in names if os.path.isfile(os.path.join(root, n, n + ".java"))][:count]

def unescape(s):
    return s.replace("\\t", "\t").replace("\\n", "\n").replace("\\\\", "\\")

def count_of(value):
    if value.startswith("vazio"):
        return 0
    m = re.match(r"(\d+) (elementos?|pares?)\b", value)
    return int(m.group(1)) if m else None

def expectations(var):
    name, type_, value = var
    if not re.fullmatch(r"[A-Za-z_]\w*", name):
        return []
    base = type_.split(" (")[0]
    out = []
    if base in ("int", "short", "byte", "long") and re.fullmatch(r"-?\d+", value):
        v = int(value)
        r = 2 * v + 1
        if base != "long":
            r = (r + 2**31) % 2**32 - 2**31
            kind = "int"
        else:
            r = (r + 2**63) % 2**64 - 2**63
            kind = "long"
        out += [(name, value), (name + " * 2 + 1", str(r))]
    elif base == "boolean" and value in ("true", "false"):
        out.append(("!" + name, "false" if value == "true" else "true"))
    elif base == "char" and re.fullmatch(r"'[^\\']'", value):
        out.append((name + " + 1", str(ord(value[1]) + 1)))
    elif base == "String" and value.startswith('"') and value.endswith('"') and "\\" not in value and "…" not in value:
        out.append((name + ".length()", str(len(value[1:-1]))))
    elif base == "double" and re.fullmatch(r"-?[\d.E-]+|NaN|-?Infinity", value):
        out.append((name, value))
    elif base.endswith("]") and count_of(value) is not None:
        out.append((name + ".length", str(count_of(value))))
    elif re.match(r"(List|ArrayList|LinkedList|Set|HashSet|TreeSet|LinkedHashSet|Map|HashMap|TreeMap|LinkedHashMap)\b", base) \
            and count_of(value) is not None:
        out.append((name + ".size()", str(count_of(value))))
        inside = value.split(": ", 1)[1] if ": " in value else ""
        if inside and "…" not in inside and "\\" not in inside:
            items = inside[1:-1].split(", ")
            def plain(item):
                if item.startswith('"') and item.endswith('"') and '"' not in item[1:-1]:
                    return item[1:-1]
                if re.fullmatch(r"-?[\d.]+|true|false|null|'.'", item):
                    return item.strip("'")
                return None
            if inside.startswith("["):
                texts = [plain(i) for i in items]
                if None not in texts and len(texts) == count_of(value):
                    out.append((name + ".toString()", '"[' + ", ".join(texts) + ']"'))
            elif inside.startswith("{"):
                pairs = [i.split(" → ") for i in items]
                texts = [(plain(p[0]), plain(p[1])) for p in pairs if len(p) == 2]
                if len(texts) == count_of(value) and all(a is not None and b is not None for a, b in texts):
                    out.append((name + ".toString()", '"{' + ", ".join(f"{a}={b}" for a, b in texts) + '}"'))
    elif re.fullmatch(r"[A-Z]\w* \{.*\}", value) and "…" not in value:
        for field, shown in re.findall(r"(?:(?<=\{)|(?<=, ))(\w+): (-?\d+(?:\.\d+)?|true|false|null|\"[^\"\\]*\")(?=, |\}$)", value):
            out.append((name + "." + field, shown))
    return out

totals = dict(programs=0, stops=0, checks=0, right=0, wrong=0, refused=0, errors=0, slow=0, ended=0)
misses = []
by_kind = {}

def run(name):
    folder = os.path.join(root, name)
    prog = subprocess.Popen(["java", "-agentlib:jdwp=transport=dt_socket,server=y,suspend=y,address=127.0.0.1:0",
                             "-cp", folder, name], stdout=subprocess.PIPE, stdin=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, text=True)
    port = re.search(r"(\d+)\s*$", prog.stdout.readline()).group(1)
    threading.Thread(target=lambda: [None for _ in prog.stdout], daemon=True).start()
    helper = subprocess.Popen(["java", "-jar", jar], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True, encoding="utf-8")
    lines = queue.Queue()
    threading.Thread(target=lambda: [lines.put(l.rstrip("\n").split("\t")) for l in helper.stdout] or lines.put(None),
                     daemon=True).start()
    def send(*f):
        helper.stdin.write("\t".join(f) + "\n"); helper.stdin.flush()
    def until(word, limit=5.0):
        start = time.time()
        got = []
        while True:
            try:
                f = lines.get(timeout=max(0.01, limit - (time.time() - start)))
            except queue.Empty:
                return None, got
            if f is None or f[0] == "ended":
                return "ended", got
            if f[0] == "error":
                local["errors"] += 1
                misses.append(("erro do depurador", name, "\t".join(f)))
            got.append(f)
            if f[0] == word:
                return word, got
    local = dict(stops=0, checks=0, right=0, wrong=0, refused=0, errors=0, slow=0, ended=0)
    send("folder", folder); send("main", name); send("attach", port)
    for _ in range(steps):
        how, got = until("stopped", 5.0)
        if how != "stopped":
            local["ended" if how == "ended" else "slow"] += 1
            break
        how, got = until("end", 5.0)          # the stack
        how, got = until("end", 5.0)          # the variables
        if how != "end":
            local["slow"] += 1
            break
        local["stops"] += 1
        variables = [(f[1], f[2], unescape(f[3])) for f in got if f[0] == "var"]
        wanted = [e for v in variables for e in expectations(v)]
        if wanted:
            send("watch", *[w[0] for w in wanted])
            how, got = until("end", 5.0)
            answers = [f for f in got if f[0] == "watch"]
            for (text, expected), answer in zip(wanted, answers):
                local["checks"] += 1
                kind = re.sub(r"^[!]?[A-Za-z_]\w*", "x", text)
                kind = re.sub(r"^x\.(?!length|size|toString)\w+$", "x.campo", kind)
                by_kind[kind] = by_kind.get(kind, 0) + 1
                if answer[2] == "ok" and unescape(answer[3]) == expected:
                    local["right"] += 1
                elif answer[2] == "ok":
                    local["wrong"] += 1
                    misses.append(("valor errado", name, f"{text}: {answer[3]} (esperado {expected})"))
                else:
                    local["refused"] += 1
                    misses.append(("recusada", name, f"{text}: {answer[3]}"))
            send("watch")
            until("end", 5.0)
        send("into")
    prog.kill(); helper.kill()
    prog.wait(); helper.wait()
    for k, v in local.items():
        totals[k] += v
    totals["programs"] += 1

work = list(names)
def worker():
    while work:
        try:
            run(work.pop())
        except Exception as e:
            misses.append(("falha do roteiro", "?", repr(e)))
threads = [threading.Thread(target=worker) for _ in range(2)]
[t.start() for t in threads]; [t.join() for t in threads]
print(totals)
print("checks by kind:", dict(sorted(by_kind.items(), key=lambda kv: -kv[1])))
kinds = {}
for kind, name, text in misses:
    kinds.setdefault(kind, []).append((name, text))
for kind, items in kinds.items():
    print(f"{kind}: {len(items)}")
    for name, text in items[:12]:
        print(f"   {name}: {text[:160]}")
