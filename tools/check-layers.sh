#!/bin/sh
# Checks every #include "..." in src/, apps/ and fuzz/ against the allowed directions written in
# docs/ARCHITECTURE.md (its "layers" block), and that block against circles. Prints each include
# that goes the wrong way with its file and line; exit status 1 when there is one, 0 otherwise.
#
#   tools/check-layers.sh [TOP]      (TOP: the top of the source tree, default: this script's ../)
set -eu

top=${1:-$(dirname "$0")/..}
cd "$top"
table=docs/ARCHITECTURE.md
if [ ! -f "$table" ]; then
    echo "check-layers: $table not found" >&2
    exit 2
fi

# The table, one "folder target target ..." line per folder, with "core" written out.
rules=$(awk '
    /^```layers/ { inside = 1; next }
    inside && /^```/ { inside = 0 }
    !inside || /^[ \t]*(#|$)/ { next }
    $2 == "=" { for (i = 3; i <= NF; ++i) core = core " " $i; next }
    $2 == "->" {
        line = $1
        for (i = 3; i <= NF; ++i) line = line " " ($i == "core" ? substr(core, 2) : $i)
        print line
    }
' "$table")
if [ -z "$rules" ]; then
    echo "check-layers: no layers block in $table" >&2
    exit 2
fi

# Folders that may include each other in a circle would make the directions meaningless.
if ! loop=$(echo "$rules" | awk '{ for (i = 2; i <= NF; ++i) if ($i !~ /\.h$/) print $i, $1 }' |
    tsort 2>&1 >/dev/null); then
    circle=$(echo "$loop" | grep -v 'input contains a loop' | sed 's/^tsort: //' | sort -u | tr '\n' ' ')
    echo "check-layers: the table in $table lets these folders include each other in a circle: $circle" >&2
    exit 1
fi

status=0
# shellcheck disable=SC2016 # the $ in the program are awk's
find src apps fuzz -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z | xargs -0 awk -v rules="$rules" '
    # The folder of a path from the top (src/grid/ui/CTevView.h) or of an include path
    # (grid/ui/CTevView.h): the first folder under src/, with /ui when it is a ui folder.
    function folder(path,    part, n) {
        n = split(path, part, "/")
        if (part[1] == "src") { return folder(substr(path, 5)) }
        if (part[1] == "apps") { return part[1] "/" part[2] }
        if (part[1] == "fuzz") { return "fuzz" }
        if (n >= 3 && part[2] == "ui") { return part[1] "/ui" }
        return part[1]
    }
    function directory(name) {
        return (name ~ /^(apps|fuzz)/) ? name : "src/" name
    }
    function exists(path,    line) {
        if ((getline line < path) >= 0) { close(path); return 1 }
        return 0
    }
    BEGIN {
        n = split(rules, line, "\n")
        for (i = 1; i <= n; ++i) {
            m = split(line[i], word, " ")
            known[word[1]] = 1
            list[word[1]] = ""
            for (j = 2; j <= m; ++j) {
                allowed[word[1], word[j]] = 1
                list[word[1]] = list[word[1]] " " word[j]
            }
        }
        bad = 0
    }
    FNR == 1 {
        from = folder(FILENAME)
        if (!(from in known)) {
            printf "%s: the folder %s is not in the table of docs/ARCHITECTURE.md\n", FILENAME, from
            bad = 1
            nextfile
        }
        here = FILENAME
        sub(/\/[^\/]*$/, "", here)
    }
    /^[ \t]*#[ \t]*include[ \t]*"/ {
        include = $0
        sub(/^[^"]*"/, "", include)
        sub(/".*$/, "", include)
        if (include !~ /\//) {
            # A header beside the file, or in the folder of one it may include.
            if (exists(here "/" include)) { next }
            found = ""
            split(list[from], word, " ")
            for (k in word) {
                if (word[k] !~ /\.h$/ && exists(directory(word[k]) "/" include)) { found = word[k] }
            }
            if (found != "") { next }
            printf "%s:%d: \"%s\" is in no folder that %s may include\n", FILENAME, FNR, include, from
            bad = 1
            next
        }
        to = folder(include)
        if (to == from || allowed[from, to] || allowed[from, include]) { next }
        if (!(to in known)) {
            printf "%s:%d: \"%s\": the folder %s is not in the table of docs/ARCHITECTURE.md\n",
                   FILENAME, FNR, include, to
        } else {
            printf "%s:%d: %s may not include \"%s\" (%s); it may include:%s\n",
                   FILENAME, FNR, from, include, to, list[from] == "" ? " nothing else" : list[from]
        }
        bad = 1
    }
    END { exit bad }
' || status=1
exit $status
