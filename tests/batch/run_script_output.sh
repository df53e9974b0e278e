#!/bin/sh
# `scripts/run --batch ... > results.json` must leave the results alone on standard output. Runs a
# copy of the script in a scratch tree where the setup step, cmake and the program are stand-ins
# that each print a line, so that nothing is installed or built.
set -eu
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/scripts" "$scratch/bin" "$scratch/build/release/src"
cp "$source_dir/scripts/run" "$source_dir/scripts/wants-display" "$scratch/scripts/"
printf '#!/bin/sh\necho "setup: all packages are installed"\n' >"$scratch/scripts/setup"
printf '#!/bin/sh\necho "[1/1] Linking CXX executable src/quillfen"\n' >"$scratch/bin/cmake"
printf '#!/bin/sh\necho "[{\\"code\\": \\"$2\\"}]"\n' >"$scratch/build/release/src/quillfen"
chmod +x "$scratch/scripts/setup" "$scratch/bin/cmake" "$scratch/build/release/src/quillfen"

output=$(PATH="$scratch/bin:$PATH" "$scratch/scripts/run" --batch 40172637 2>"$scratch/errors")
if [ "$output" != '[{"code": "40172637"}]' ]; then
    printf 'standard output held more than the results:\n%s\n' "$output"
    exit 1
fi
if ! grep -q '^setup: all' "$scratch/errors" || ! grep -q 'Linking' "$scratch/errors"; then
    printf 'the setup and build lines are not on standard error:\n' && cat "$scratch/errors"
    exit 1
fi
