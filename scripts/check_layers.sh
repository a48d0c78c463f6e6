#!/usr/bin/env bash
# Checks that every #include "..." of the program points down or sideways in
# the layer order, never up. The order is the table under "Layer order" in
# docs/architecture.md: one folder a line, lowest first, written as
# "    layer <folder>". A file belongs to the longest folder of the table that
# its path starts with; it may include files of its own layer or of any layer
# listed before it. Since the order is strict, folders cannot include each
# other in a circle. Prints each offending include; fails if there is one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
doc="$root/docs/architecture.md"

mapfile -t layers < <(awk '$1 == "layer" && NF == 2 { print $2 }' "$doc")
if [ "${#layers[@]}" -eq 0 ]; then
    echo "check_layers: no 'layer <folder>' lines in $doc" >&2
    exit 2
fi

cd "$root"
tops=()
for l in "${layers[@]}"; do tops+=("${l%%/*}"); done
mapfile -t files < <(find $(printf '%s\n' "${tops[@]}" | sort -u) \
    -type f \( -name '*.cpp' -o -name '*.h' \) | sort)

# Prints the rank of the layer a path belongs to (the longest matching
# folder), or nothing if no layer holds it.
table=$(for i in "${!layers[@]}"; do echo "$i ${layers[$i]}"; done)
rank_all() {
    awk -v table="$table" '
        BEGIN {
            n = split(table, lines, "\n")
            for (i = 1; i <= n; i++) { split(lines[i], f, " "); rank[f[2]] = f[1] }
        }
        {
            best = ""; bestLen = 0
            for (d in rank) {
                if (index($0, d "/") == 1 && length(d) > bestLen) { best = rank[d]; bestLen = length(d) }
            }
            print (best == "" ? "-" : best)
        }'
}

bad=0
while IFS=: read -r file line text; do
    target=$(sed -E 's/^#include "([^"]*)".*/\1/' <<<"$text")
    [[ "$target" == */* ]] || target="$(dirname "$file")/$target"
    read -r from to < <(printf '%s\n%s\n' "$file" "$target" | rank_all | paste -sd' ')
    [ "$from" = "-" ] || [ "$to" = "-" ] && continue
    if [ "$to" -gt "$from" ]; then
        echo "$file:$line: includes \"$target\" (${layers[$to]} is above ${layers[$from]})"
        bad=$((bad + 1))
    fi
done < <(grep -Hn '^#include "' "${files[@]}")

if [ "$bad" -gt 0 ]; then
    echo "check_layers: $bad include(s) run up the layers" >&2
    exit 1
fi
echo "check_layers: ${#files[@]} files, every include points down or sideways"
