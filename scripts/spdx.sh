#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The licence line every source file starts with. Without arguments it adds the line to the
# files that lack it; with --check it changes nothing, lists those files and fails when
# there is one.
#
# C++ files (.h, .cpp) get "// SPDX-License-Identifier: GPL-3.0-or-later" as their first
# line; CMake files (.cmake, CMakeLists.txt) and shell scripts (.sh, or any file starting
# with a "#!" line that names a shell) get it after "# ", and a script keeps its "#!" line
# first, so it still runs. The files are those git knows of (tracked, or new and not
# ignored); outside a git checkout, every file under the folder but the build folders.
set -euo pipefail
cd "$(dirname "$0")/.."

identificativo="SPDX-License-Identifier: GPL-3.0-or-later"
solo_controllo=0
case "${1:-}" in
    --check) solo_controllo=1 ;;
    "") ;;
    *)
        echo "uso: $0 [--check]" >&2
        exit 2
        ;;
esac

elenca_file() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z --cached --others --exclude-standard
    else
        find . \( -name '.git' -o -path './build*' -o -path './out' \) -prune -o -type f -print0 |
            sed -z 's|^\./||'
    fi
}

# The comment that opens the line in this file, or nothing when the file is not a source.
commento_per() {
    local file=$1
    case "$file" in
        *.h | *.cpp) echo "//" ;;
        *.cmake | CMakeLists.txt | */CMakeLists.txt | *.sh) echo "#" ;;
        *)
            if head -c 64 "$file" 2>/dev/null | head -n1 | grep -qE '^#!.*\b(ba|da|z)?sh\b'; then
                echo "#"
            fi
            ;;
    esac
}

# Whether the line is where it belongs: the first line, or the second after "#!".
ha_identificativo() {
    local file=$1 riga=1
    head -n1 "$file" | grep -q '^#!' && riga=2
    sed -n "${riga}p" "$file" | grep -qF "$identificativo"
}

mancanti=0
while IFS= read -r -d '' file; do
    [ -f "$file" ] && [ ! -L "$file" ] || continue
    commento=$(commento_per "$file")
    [ -n "$commento" ] || continue
    ha_identificativo "$file" && continue
    if [ "$solo_controllo" = 1 ]; then
        echo "no licence line: $file"
        mancanti=$((mancanti + 1))
        continue
    fi
    riga="$commento $identificativo"
    nuovo=$(mktemp "$file.XXXXXX")
    if head -n1 "$file" | grep -q '^#!'; then
        { head -n1 "$file"; echo "$riga"; tail -n +2 "$file"; } >"$nuovo"
    else
        { echo "$riga"; cat "$file"; } >"$nuovo"
    fi
    chmod --reference="$file" "$nuovo"
    mv "$nuovo" "$file"
    echo "added: $file"
done < <(elenca_file)

if [ "$mancanti" -gt 0 ]; then
    echo "$mancanti source files lack the line \"$identificativo\" (bash scripts/spdx.sh adds it)" >&2
    exit 1
fi
