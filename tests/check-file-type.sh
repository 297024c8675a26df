#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The file type of the lessons as a desktop installs it: the desktop entry validates and
# takes a file (%f) of the type it names; the shared MIME info is well-formed XML that
# update-mime-database takes, giving *.wellgrat that same type, a kind of JSON.
#
#   tests/check-file-type.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
desktop=$source_dir/resources/de.tovander.Wellgrat.desktop
mime=$source_dir/packaging/de.tovander.Wellgrat.xml
for tool in desktop-file-validate xmllint update-mime-database; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/install-deps.sh installs it" >&2; exit 1; }
done
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate --no-hints "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=wellgrat %f' "$desktop" || fail "Exec= does not take a file"
type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$desktop")
[ "$type" = application/x-wellgrat ] || fail "MimeType= names \"$type\""

xmllint --noout "$mime" || fail "xmllint"
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
database=$data/mime
mkdir -p "$database/packages"
cp "$mime" "$database/packages/"
XDG_DATA_HOME=$data update-mime-database "$database" 2>"$data/warnings" || fail "update-mime-database"
[ ! -s "$data/warnings" ] || { cat "$data/warnings"; fail "update-mime-database warned"; }
grep -qx "50:$type:\*.wellgrat" "$database/globs2" || fail "no glob *.wellgrat for $type"
grep -qx "$type application/json" "$database/subclasses" || fail "$type is no kind of JSON"
[ -f "$database/application/x-wellgrat.xml" ] || fail "no entry for $type"
echo "desktop entry and shared MIME info: passed"
