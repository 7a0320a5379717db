#!/usr/bin/env bash
# Builds the Debian package from a configured build folder (cpack, into a folder of its own)
# or takes a built one, then checks it the way Debian would: the control fields (Depends
# computed from the programs), the file list against the install rules' tree, a throw-away
# install and removal with dpkg --root, and lintian, which must report no error.
#
#   check-deb.sh BUILD_DIR [PACKAGE.deb]
#
# Exits 77 (skipped) when dpkg-deb, dpkg-shlibdeps or lintian is missing. CPACK names the
# cpack program (default: the one on PATH).
set -uo pipefail

build=${1:?build directory}
deb=${2:-}
skip() { echo "SKIP: $*"; exit 77; }
for tool in dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps test)"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/ql7400-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# --- the package ------------------------------------------------------------------------------
if [ -z "$deb" ]; then
  [ -f "$build/CPackConfig.cmake" ] || { echo "FAIL: $build is not a configured build"; exit 1; }
  if ! "${CPACK:-cpack}" --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
  fi
  deb=$(ls "$work"/cpack/ql7400_*_amd64.deb 2>/dev/null | head -1)
  [ -n "$deb" ] || { cat "$work/cpack.log"; echo "FAIL: cpack made no ql7400_*_amd64.deb"; exit 1; }
fi
[ -f "$deb" ] || { echo "FAIL: no package $deb"; exit 1; }
deb=$(realpath "$deb")  # apt takes a file for a package name only with a path
echo "package: ${deb##*/} ($(du -k "$deb" | cut -f1) KB)"

# --- control fields ---------------------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ql7400 ] || fail "Package is '$(field Package)'"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = hamradio ] || fail "Section is '$(field Section)'"
case "${deb##*/}" in
  "ql7400_$(field Version)_amd64.deb") ;;
  *) fail "file name ${deb##*/} does not carry version $(field Version)" ;;
esac
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
grep -qi 'radio amateur' <<<"$(field Description)" || fail "the description does not say whom it is for"
depends=$(field Depends)
echo "Depends: $depends"
# Computed by dpkg-shlibdeps: the libraries the programs link, with the versions their symbols need.
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libasound2; do
  grep -Eq "(^|, )${library//+/\\+} \(>= [^)]+\)" <<<"$depends" || fail "Depends lacks a versioned $library"
done

# --- contents ---------------------------------------------------------------------------------
dpkg-deb -c "$deb" >"$work/contents" || fail "dpkg-deb -c"
paths=$(awk '{ print $6 }' "$work/contents" | sed 's|^\./|/|; s|/$||')
owners=$(awk '{ print $2 }' "$work/contents" | sort -u)
[ "$owners" = root/root ] || fail "files not owned by root/root: $owners"
app=org.orva.QL7400
expect() { grep -qxF "$1" <<<"$paths" || fail "not in the package: $1"; }
for program in ql7400 ql7400-cli rz7400-sim; do
  expect "/usr/bin/$program"
  expect "/usr/share/man/man1/$program.1.gz"
done
expect "/usr/share/applications/$app.desktop"
expect "/usr/share/metainfo/$app.metainfo.xml"
expect "/usr/share/mime/packages/$app.xml"
expect "/usr/share/icons/hicolor/scalable/apps/$app.svg"
for size in 16 32 48 64 128 256; do
  expect "/usr/share/icons/hicolor/${size}x${size}/apps/$app.png"
done
for doc in index.html copyright changelog.gz; do
  expect "/usr/share/doc/ql7400/$doc"
done
expect /usr/share/doc-base/ql7400
unexpected=$(grep -v -e '^/usr$' -e '^/usr/share/doc-base\(/ql7400\)\?$' -e '^/usr/bin\(/\(ql7400\|ql7400-cli\|rz7400-sim\)\)\?$' \
  -e '^/usr/share\(/\(applications\|metainfo\|mime\|mime/packages\|man\|man/man1\|icons\|doc\)\)\?$' \
  -e "^/usr/share/\(applications/$app.desktop\|metainfo/$app.metainfo.xml\|mime/packages/$app.xml\)$" \
  -e '^/usr/share/man/man1/[a-z0-9-]*\.1\.gz$' -e '^/usr/share/icons/hicolor' -e '^/usr/share/doc/ql7400' <<<"$paths")
[ -z "$unexpected" ] || fail "unexpected in the package (tests, caches, /usr/local?): $unexpected"
grep -q '^/usr/share/icons/hicolor/icon-theme.cache$' <<<"$paths" && fail "the package ships an icon cache"

# --- unpacked: stripped programs that run, the Debian documents ---------------------------------
dpkg-deb -x "$deb" "$work/x" || fail "dpkg-deb -x"
for program in ql7400 ql7400-cli rz7400-sim; do
  grep -q ', stripped' <<<"$(file -b "$work/x/usr/bin/$program")" || fail "$program is not stripped"
done
grep -q '^usage: ql7400-cli' <<<"$("$work/x/usr/bin/ql7400-cli" --help 2>&1)" || fail "the packaged ql7400-cli does not run"
[ "$(head -1 "$work/x/usr/share/doc/ql7400/copyright")" = \
  'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ] ||
  fail "copyright is not in the machine-readable format"
changelog=$(gzip -dc "$work/x/usr/share/doc/ql7400/changelog.gz")
[[ "$changelog" == "ql7400 ($(field Version)) "* ]] || fail "changelog does not start with this version"

# --- install into a throw-away root and remove: nothing may be left behind -----------------------
# (Dependencies are not there, and no maintainer script is expected to run.)
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
if dpkg --root="$root" --force-depends --force-not-root --log=/dev/null -i "$deb" >"$work/dpkg.log" 2>&1; then
  [ -x "$root/usr/bin/ql7400" ] || fail "dpkg --root -i installed no ql7400"
  scripts=$(ls "$root/var/lib/dpkg/info" | grep -E '^ql7400\.(pre|post)(inst|rm)$')
  [ -z "$scripts" ] || fail "unexpected maintainer scripts: $scripts"
  dpkg --root="$root" --force-not-root --log=/dev/null --purge ql7400 >>"$work/dpkg.log" 2>&1 ||
    { cat "$work/dpkg.log"; fail "dpkg --root --purge"; }
  left=$(cd "$root" && find . -mindepth 1 -not -path './var' -not -path './var/lib' -not -path './var/lib/dpkg*')
  [ -z "$left" ] || fail "left after purge: $left"
else
  cat "$work/dpkg.log"
  fail "dpkg --root -i"
fi

# --- apt would install it here (all of Depends resolvable), simulated ------------------------------
if command -v apt-get >/dev/null; then
  apt-get install -s -q "$deb" >"$work/apt.log" 2>&1 && grep -q '^Inst ql7400 ' "$work/apt.log" ||
    { cat "$work/apt.log"; fail "apt-get install -s $deb"; }
fi

# --- lintian: no error; the warnings are listed ---------------------------------------------------
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
lintian_status=$?
grep -v '^running with root privileges' "$work/lintian.log"
grep -q '^E: ' "$work/lintian.log" && fail "lintian reports errors"
[ "$lintian_status" -le 1 ] || fail "lintian ended with status $lintian_status"

[ "$failures" -eq 0 ] && echo "debian package: all checks passed"
[ "$failures" -eq 0 ]
