#!/usr/bin/env bash
# Checks the #include lines of the sources against the folder order written
# in the README (its indented line "platform → core → ..."): a folder of
# src/ may include its own headers and those of the folders before it, never
# one after it; folders on one level (ui, vuvtool) never include each other;
# resources/ belongs with ui/. tests/X may include what src/X may, in src/
# and in tests/ (the fixtures of the folders before it), and tests/support;
# tests/e2e, bench/ and testing/ may include every folder of src/; the
# plug-in (plugin/) includes nothing of src/ but the headers of src/plugins
# that the host shares with it, which include no header of the project
# (TagWriteResult.h, found through the plug-in's include folder).
# Also: no circle of units (X.h and X.cpp are one unit), and the Win32
# headers only in platform/ and ui/ of src/.
# Prints one line per fault and exits 1 when there is any.
# Usage: bash tools/check-includes.sh [ROOT]   (default: this repository)
set -euo pipefail
ROOT=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
cd "$ROOT"

order=$(grep -m1 -E '^ +platform →' README.md || true)
[ -n "$order" ] || { echo "check-includes: no folder order line in README.md" >&2; exit 1; }

files=$(find src tests bench testing plugin -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.rc' \) | sort)

# Input to awk: first the order line, then "FILE" lines of every file, the
# files that include a header of the project ("QUOTED"), then
# "FILE:LINE:TEXT" for every include line.
{
  echo "ORDER $order"
  for f in $files; do echo "FILE $f"; done
  # shellcheck disable=SC2086
  grep -l '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' $files | sed 's/^/QUOTED /' || true
  # shellcheck disable=SC2086
  grep -Hn '^[[:space:]]*#[[:space:]]*include' $files | sed 's/^/INCL /'
} | awk '
function fail(where, text) { print where ": " text; faults++ }
function dirof(p) { sub(/\/[^\/]*$/, "", p); return p }
function unitof(p) { sub(/\.[^.\/]*$/, "", p); return p }
# The area (src, tests, bench, testing, plugin) and, under src and tests,
# the folder of a path.
function areaof(p,   a) { split(p, a, "/"); return a[1] }
function folderof(p,   a) { split(p, a, "/"); return (a[1] == "src" || a[1] == "tests") ? a[2] : "" }
# Whether a file of src/ folder f may include src/ folder t.
function allowed(f, t) {
    if (f == t) return 1
    if (t == "resources") return f == "ui"
    if (f == "resources") return 0
    if (!(f in rank) || !(t in rank)) return 0
    return rank[t] < rank[f]
}
function known(f) { return f in rank || f == "resources" }
$1 == "ORDER" {
    line = substr($0, 7)
    gsub(/→/, "\t", line)
    n = split(line, levels, "\t")
    for (i = 1; i <= n; ++i) {
        m = split(levels[i], peers, ",")
        for (j = 1; j <= m; ++j) {
            name = peers[j]
            gsub(/[ `\/]/, "", name)
            if (name != "") rank[name] = i
        }
    }
    next
}
$1 == "FILE" { exists[$2] = 1; next }
$1 == "QUOTED" { quoted[$2] = 1; next }
$1 == "INCL" {
    rest = substr($0, 6)
    file = rest; sub(/:.*/, "", file)
    rest = substr(rest, length(file) + 2)
    lineno = rest; sub(/:.*/, "", lineno)
    text = substr(rest, length(lineno) + 2)
    where = file ":" lineno
    area = areaof(file)
    folder = folderof(file)
    if (text ~ /</) {
        header = text; sub(/^[^<]*</, "", header); sub(/>.*/, "", header)
        if (tolower(header) ~ /^(windows|commctrl|commdlg|shellapi|shlobj|shlwapi|objbase|ole2|olectl|oleauto|objidl|winreg|winuser|wingdi|winbase|winnls|mmsystem|psapi|tlhelp32|process)\.h$/ &&
            area == "src" && folder != "platform" && folder != "ui" && folder != "resources")
            fail(where, folder "/ may not include <" header ">: only platform/ and ui/ talk to Win32")
        next
    }
    if (text !~ /"/) next
    name = text; sub(/^[^"]*"/, "", name); sub(/".*/, "", name)
    target = ""
    if ((dirof(file) "/" name) in exists) target = dirof(file) "/" name
    else if (("src/" name) in exists) target = "src/" name
    else if (area == "tests" && ("tests/" name) in exists) target = "tests/" name
    else if (area == "plugin" && ("src/plugins/" name) in exists) target = "src/plugins/" name
    if (target == "") { fail(where, "\"" name "\" is no file of the repository"); next }
    tarea = areaof(target)
    tfolder = folderof(target)
    if (area == "src" && !known(folder)) { fail(where, "src/" folder "/ is not in the README order"); next }
    if (tarea == "src" && !known(tfolder)) { fail(where, "src/" tfolder "/ is not in the README order"); next }
    ok = 0
    if (area == "src")
        ok = tarea == "src" && allowed(folder, tfolder)
    else if (area == "tests") {
        if (tarea == "tests")
            ok = tfolder == folder || tfolder == "support" || folder == "e2e" ||
                 (known(folder) && allowed(folder, tfolder))
        else if (tarea == "src") {
            if (folder == "e2e") ok = 1
            else if (folder == "support") ok = tfolder == "platform"
            else ok = known(folder) && allowed(folder, tfolder)
        }
    } else if (area == "bench" || area == "testing")
        ok = tarea == "src" || tarea == area
    else if (area == "plugin")
        ok = tarea == "plugin" || (tarea == "src" && tfolder == "plugins" && !(target in quoted))
    if (!ok) {
        fail(where, (folder != "" ? area "/" folder : area) "/ may not include " target \
             (tarea == "src" && area != "plugin" ? " (" tfolder "/ does not come before it in the README order)" : ""))
        next
    }
    from = unitof(file); to = unitof(target)
    if (from != to && !((from, to) in edge)) {
        edge[from, to] = 1
        nexts[from] = nexts[from] " " to
        nodes[from] = 1
    }
}
# Depth-first walk; a unit met again while on the path closes a circle.
function visit(u,   list, k, cnt, v, i, text) {
    colour[u] = 1
    path[++depth] = u
    cnt = split(nexts[u], list, " ")
    for (k = 1; k <= cnt; ++k) {
        v = list[k]
        if (colour[v] == 1) {
            text = ""
            for (i = 1; i <= depth; ++i)
                if (path[i] == v || text != "") text = text path[i] " -> "
            fail(u, "circle of includes: " text v)
        } else if (colour[v] == 0)
            visit(v)
    }
    depth--
    colour[u] = 2
}
END {
    if (length(rank) == 0) fail("README.md", "the folder order line names no folder")
    for (u in nodes) colour[u] = 0
    for (u in nodes) if (colour[u] == 0) { depth = 0; visit(u) }
    exit faults > 0
}
'
