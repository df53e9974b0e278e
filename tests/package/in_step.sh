#!/bin/bash
# The manual page and the bash completion keep up with the program: every option `quillfen --help`
# lists is in both, the completion offers the formats, source and column names --help gives, and the
# manual's ENVIRONMENT section names every QUILLFEN_ variable the sources read.
#
# in_step.sh QUILLFEN MANUAL_GZ COMPLETION SOURCE_DIR
set -euo pipefail
quillfen=$1
manual=$(zcat "$2" | sed 's/\\-/-/g; s/\\f[BIRP]//g')
completion=$3
sources=$4/src
problems=()

help=$("$quillfen" --help)
mapfile -t options < <(grep -oE '(^|[ ,])--?[a-z?][a-z-]*' <<<"$help" | tr -d ' ,' | sort -u)
[ ${#options[@]} -ge 10 ] || problems+=("too few options read from --help: ${options[*]}")

# What the completion offers after the words given, the last being the one under the cursor.
offered()
{
    # shellcheck source=/dev/null
    (source "$completion" && COMP_WORDS=(quillfen "$@") && COMP_CWORD=$# && { _quillfen || true; } &&
        printf '%s\n' "${COMPREPLY[@]}" | sort -u)
}
completed=$(offered -)
for option in "${options[@]}"; do
    grep -qxF -- "$option" <<<"$completed" || problems+=("the completion does not offer $option")
    grep -qF -- "$option" <<<"$manual" || problems+=("the manual page does not name $option")
done

# The values --help gives for --format and --sources, in its own words.
formats=$(grep -A3 -- '--format' <<<"$help" | tr -s ' \n' ' ' | grep -oE 'csv, [a-z, ]+ or [a-z]+' |
    tr -s ', ' '\n' | grep -vx or | sort -u)
names=$(grep -A3 -- '--sources' <<<"$help" | tr -s ' \n' ' ' | grep -oE 'comma-separated: [a-z, ]+' |
    sed 's/comma-separated: //' | tr -s ', ' '\n' | grep . | sort -u)
[ "$(offered --format '')" = "$formats" ] ||
    problems+=("--format completes to $(offered --format '' | xargs), --help says $(xargs <<<"$formats")")
[ "$(offered --sources '')" = "$names" ] ||
    problems+=("--sources completes to $(offered --sources '' | xargs), --help says $(xargs <<<"$names")")
[ "$(offered --sources index,open)" = "$(printf 'index,openfoodfacts\nindex,openlibrary')" ] ||
    problems+=("--sources does not complete the name after a comma")
columns=$( (grep -A8 -- '--columns' <<<"$help" | tr -s ' \n' ' ' |
    grep -oE 'in that order: [a-z0-9_, ]+' | sed 's/in that order: //' | tr -s ', ' '\n' | grep .
    echo all) | sort -u)
[ "$(offered --columns code,gtin,)" = "$(sed 's/^/code,gtin,/' <<<"$columns")" ] ||
    problems+=("--columns completes to $(offered --columns code,gtin, | xargs), --help says $(xargs <<<"$columns")")

# help2man makes a heading of any line of the included material that starts with a bracket.
stray=$(grep -E '^\.SH .*--' <<<"$manual" || true)
[ -z "$stray" ] || problems+=("the manual page has an option for a heading: $stray")

environment=$(sed -n '/^\.SH ENVIRONMENT/,/^\.SH /p' <<<"$manual")
for variable in $(grep -rhoE '"QUILLFEN_[A-Z_]+"' "$sources" | tr -d '"' | sort -u); do
    grep -qw -- "$variable" <<<"$environment" ||
        problems+=("the manual page's ENVIRONMENT does not name $variable")
done

if [ ${#problems[@]} -gt 0 ]; then
    printf 'out of step: %s\n' "${problems[@]}" >&2
    exit 1
fi
echo "in step: ${#options[@]} options, $(wc -w <<<"$formats") formats, $(wc -w <<<"$names") sources"
