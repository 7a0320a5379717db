#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the installed tree the way a desktop
# and a distribution would: programs and man pages, the desktop entry, the AppStream
# metainfo, the MIME type (by name and by the header line), the icon sizes and the manual.
#
#   check-install.sh BUILD_DIR SOURCE_DIR [PROGRAM ...]
#
# PROGRAMs are the programs this build has; each must be installed with its man page.
set -uo pipefail

build=${1:?build directory}
source=${2:?source directory}
shift 2
programs=("$@")
app=org.orva.QL7400
mime_type=application/x-ql7400-icf

work=$(mktemp -d "${TMPDIR:-/tmp}/ql7400-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
checks=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
check() { checks=$((checks + 1)); }

for tool in cmake desktop-file-validate appstreamcli xmllint update-mime-database \
            update-desktop-database gio groff man file tidy; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (run scripts/install-deps)" >&2; exit 1; }
done

# --- install below DESTDIR with a prefix of its own -------------------------------------------
destdir=$work/dest
prefix=/opt/ql7400-test
if ! DESTDIR=$destdir cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "FAIL: cmake --install" >&2
  exit 1
fi
root=$destdir$prefix
share=$root/share

check
stray=$(find "$destdir" -mindepth 1 | grep -v "^$destdir/opt\(/ql7400-test\(/.*\)\?\)\?$")
[ -z "$stray" ] || fail "installed outside PREFIX: $stray"

expect_file() {
  check
  [ -f "$1" ] || fail "not installed: ${1#"$destdir"}"
}

for program in "${programs[@]}"; do
  expect_file "$root/bin/$program"
  check
  [ -x "$root/bin/$program" ] || fail "not executable: bin/$program"
  expect_file "$share/man/man1/$program.1"
done
expect_file "$share/applications/$app.desktop"
expect_file "$share/metainfo/$app.metainfo.xml"
expect_file "$share/mime/packages/$app.xml"
expect_file "$share/icons/hicolor/scalable/apps/$app.svg"
expect_file "$share/doc/ql7400/index.html"
check
[ ! -e "$share/doc/ql7400/images/.gitkeep" ] || fail "placeholder installed with the manual"

for size in 16 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$app.png
  expect_file "$png"
  check
  file -b "$png" | grep -q "^PNG image data, $size x $size," ||
    fail "icon ${size}x${size} is $(file -b "$png")"
done

# --- desktop entry ---------------------------------------------------------------------------
desktop=$share/applications/$app.desktop
check
desktop-file-validate "$desktop" || fail "desktop-file-validate $app.desktop"
entry() { sed -n "s/^$1=//p" "$desktop"; }
check
[ "$(entry Exec)" = "ql7400 %f" ] || fail "Exec is '$(entry Exec)'"
check
[ "$(entry Icon)" = "$app" ] || fail "Icon '$(entry Icon)' is not the installed icon $app"
check
[ "$(entry MimeType)" = "$mime_type;" ] || fail "MimeType is '$(entry MimeType)'"
for category in Network HamRadio; do
  check
  case ";$(entry Categories)" in
    *";$category;"*) ;;
    *) fail "Categories '$(entry Categories)' lack $category" ;;
  esac
done
check
update-desktop-database "$share/applications" &&
  grep -qx "$mime_type=$app.desktop;" "$share/applications/mimeinfo.cache" ||
  fail "the desktop entry is not offered for $mime_type"

# --- AppStream metainfo ----------------------------------------------------------------------
metainfo=$share/metainfo/$app.metainfo.xml
check
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli validate $app.metainfo.xml"; }
xpath() { xmllint --xpath "$1" "$metainfo" 2>/dev/null; }
check
[ "$(xpath 'string(/component/id)')" = "$app" ] || fail "metainfo id is not $app"
check
[ "$(xpath 'string(/component/launchable[@type="desktop-id"])')" = "$app.desktop" ] ||
  fail "metainfo launchable is not $app.desktop"
for program in ql7400 ql7400-cli rz7400-sim; do
  check
  [ "$(xpath "count(/component/provides/binary[text()='$program'])")" = 1 ] ||
    fail "metainfo does not provide $program"
done
check
[ "$(xpath 'string(/component/provides/mediatype)')" = "$mime_type" ] ||
  fail "metainfo does not provide $mime_type"

# --- MIME type: by name, in either case, and by the header line ------------------------------
check
xmllint --noout "$share/mime/packages/$app.xml" || fail "MIME package is not well-formed XML"
check
XDG_DATA_DIRS=$share:/usr/share update-mime-database "$share/mime" 2>"$work/mime.log" && [ ! -s "$work/mime.log" ] ||
  { cat "$work/mime.log" >&2; fail "update-mime-database reports problems"; }

samples=$work/samples
mkdir -p "$samples" "$work/no-user-data"
printf '20470001\r\n#MY RZ-7400      \r\n000010FF\r\n' >"$samples/from-radio.dat"
printf '20470001\r\n' >"$samples/no-extension"
printf 'anything\n' >"$samples/lower.icf"
printf 'anything\n' >"$samples/UPPER.ICF"
printf '20470002\r\n#another model\r\n' >"$samples/other-model.dat"
printf 'plain text\n' >"$samples/notes.txt"
content_type() {
  GIO_USE_VFS=local XDG_DATA_HOME=$work/no-user-data XDG_DATA_DIRS=$share:/usr/share \
    gio info -a standard::content-type "$1" 2>/dev/null | sed -n 's/^ *standard::content-type: //p'
}
for sample in from-radio.dat no-extension lower.icf UPPER.ICF; do
  check
  got=$(content_type "$samples/$sample")
  [ "$got" = "$mime_type" ] || fail "$sample detected as '$got', not $mime_type"
done
for sample in other-model.dat notes.txt; do
  check
  got=$(content_type "$samples/$sample")
  [ -n "$got" ] && [ "$got" != "$mime_type" ] || fail "$sample detected as '$got'"
done

# --- man pages: every page of the source tree, and what was installed -------------------------
for page in "$source"/data/man/*.1 "$share"/man/man1/*.1; do
  [ -f "$page" ] || continue
  check
  warnings=$(groff -ww -z -man "$page" 2>&1)
  [ -z "$warnings" ] || fail "groff warns on ${page##*/}: $warnings"
  check
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man warns on ${page##*/}: $warnings"
  check
  name=$(basename "$page" .1)
  sed -n '/^\.SH NAME/{n;p;q}' "$page" | sed 's/\\-/-/g' | grep -q "^$name - " ||
    fail "${page##*/}: NAME does not start with $name"
done

# --- manual: well-formed HTML, and every in-page link has its target ------------------------------------------------
manual=$share/doc/ql7400/index.html
check
cmp -s "$manual" "$source/docs/index.html" || fail "installed manual differs from docs/index.html"
check
tidy -q -e "$manual" >"$work/tidy.log" 2>&1 ||
  { cat "$work/tidy.log" >&2; fail "tidy finds faults in the manual"; }
for anchor in $(grep -o 'href="#[^"]*"' "$manual" | sed 's/href="#\(.*\)"/\1/' | sort -u); do
  check
  grep -q "id=\"$anchor\"" "$manual" || fail "manual links to #$anchor, which does not exist"
done
for image in $(grep -o '<img [^>]*>' "$manual" | grep -o 'src="[^"]*"' | sed 's/src="\(.*\)"/\1/'); do
  check
  case "$image" in
    images/*.png) ;;
    *) fail "manual image $image is not under images/" ;;
  esac
done

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
