#!/bin/sh
# Checks that the program's two languages are kept in tables: Chinese text in src/, apps/ and
# fuzz/ stands only in the text tables (files named *Texts.*, *Words.*, *Tables.*, base's
# Messages.cpp and the Chinese resource module), and no code picks between English and Chinese
# inline (a test of a Language against one of its values, or a bool that says English).
# Prints each offending line with its file and line; exit status 1 when there is one.
#
#   tools/check-texts.sh [TOP]       (TOP: the top of the source tree, default: this script's ../)
set -eu

top=${1:-$(dirname "$0")/..}
cd "$top"
export LC_ALL=C

files=$(find src apps fuzz -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
if [ -z "$files" ]; then
    echo "check-texts: no sources under $(pwd)" >&2
    exit 2
fi

status=0

# The three-byte UTF-8 forms of U+4000 to U+9FFF: the common Chinese characters.
for file in $files; do
    case $file in
    *Texts.h | *Texts.cpp | *Words.h | *Words.cpp | *Tables.h | *Tables.cpp | \
        src/base/Messages.cpp | src/resources/chinese/*) continue ;;
    esac
    found=$(grep -nP '[\xE4-\xE9][\x80-\xBF][\x80-\xBF]' "$file" || true)
    if [ -n "$found" ]; then
        echo "$found" | sed "s|^|$file:|; s|\$|   <- Chinese text outside a text table|"
        status=1
    fi
done

# The Language type itself and the display language's one test may compare languages.
choices=$(echo "$files" | grep -v -e '^src/base/Language\.h$' -e '^src/shell/DisplayLanguage\.cpp$' |
    xargs grep -nE 'Language::(English|Chinese)[[:space:]]*(\?|[=!]=)|[=!]=[[:space:]]*Language::(English|Chinese)|IsEnglish\(\)[[:space:]]*\?|bool[[:space:]]+(in)?([eE]nglish|[cC]hinese)\b' ||
    true)
if [ -n "$choices" ]; then
    echo "$choices" | sed 's|$|   <- a choice between the languages outside a text table|'
    status=1
fi
exit $status
