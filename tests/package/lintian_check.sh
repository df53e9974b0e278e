#!/bin/sh
# lintian on the package: no errors, and every warning that stays is one the packaging section of
# the manual's install page lists with its reason, so that a new warning is looked at rather than
# slipping by.
#
# lintian_check.sh DEB INSTALL_PAGE
set -eu
deb=$1
page=$2
report=$(lintian --fail-on error --no-tag-display-limit "$deb") || {
    printf 'lintian found errors:\n%s\n' "$report" >&2
    exit 1
}
printf '%s\n' "$report"
section=$(sed -n '/^## Packaging/,/^## [^P]/p' "$page")
unexplained=$(printf '%s\n' "$report" | sed -n 's/^W: [^:]*: \([a-z0-9-]*\).*/\1/p' | sort -u |
    while read -r tag; do
        printf '%s\n' "$section" | grep -qF "\`$tag\`" || echo "$tag"
    done)
if [ -n "$unexplained" ]; then
    printf 'lintian warnings the packaging section of docs/install.md does not explain: %s\n' \
        "$unexplained" >&2
    exit 1
fi
