#!/usr/bin/env bash
# Clones through a real serial driver: ql7400-cli runs in a small QEMU guest (Debian's cloud
# kernel, busybox, the CLI with its shared libraries in an initramfs) on the guest's second
# 16550A UART, /dev/ttyS1, driven by the Linux 8250 driver; the UART's host end is the
# pseudo-terminal of rz7400-sim. The guest runs init.sh; this script checks its verdicts and
# the data both ways: what the guest read against the simulator's memory, what the simulator
# received against the file the guest wrote.
#
#   serial-guest.sh BIN_DIR WORK_DIR
#
# Exits 77 (skipped) when QEMU, a static busybox, cpio or the kernel cannot be had. The kernel
# is taken from /boot when linux-image-cloud-amd64 is installed, else downloaded once with
# apt-get download into WORK_DIR/kernel (never installed on the system).
set -uo pipefail

bin=${1:?directory of ql7400-cli and rz7400-sim}
work=${2:?work directory}
here=$(cd "${0%/*}" && pwd)
skip() { echo "SKIP: $*"; exit 77; }
die() { echo "FAIL: $*" >&2; exit 1; }

# --- what the guest needs -------------------------------------------------------------------
qemu=$(command -v qemu-system-x86_64) || skip "qemu-system-x86_64 is not installed (scripts/install-deps test)"
command -v cpio >/dev/null || skip "cpio is not installed (scripts/install-deps test)"
busybox=/bin/busybox
[ -x "$busybox" ] && ! ldd "$busybox" >/dev/null 2>&1 ||
  skip "no static busybox at $busybox (busybox-static, scripts/install-deps test)"
for program in ql7400-cli rz7400-sim; do
  [ -x "$bin/$program" ] || die "$bin/$program is not built"
done

mkdir -p "$work"
find_kernel() {
  local k
  for k in /boot/vmlinuz-*-cloud-amd64 "$work"/kernel/boot/vmlinuz-*-cloud-amd64; do
    [ -r "$k" ] && { echo "$k"; return 0; }
  done
  return 1
}
if ! kernel=$(find_kernel); then
  command -v apt-get >/dev/null || skip "no cloud kernel in /boot and no apt-get to fetch one"
  package=$(apt-cache depends linux-image-cloud-amd64 2>/dev/null |
    sed -n 's/^ *Depends: \(linux-image-.*\)$/\1/p' | sed -n 1p)
  [ -n "$package" ] || skip "apt knows no linux-image-cloud-amd64 (apt-get update?)"
  rm -rf "$work/kernel" && mkdir -p "$work/kernel"
  echo "fetching $package into $work/kernel"
  (cd "$work/kernel" && apt-get download -q "$package" >download.log 2>&1) ||
    { cat "$work/kernel/download.log"; skip "apt-get download $package failed"; }
  dpkg-deb --fsys-tarfile "$work"/kernel/"$package"_*.deb | tar -x -C "$work/kernel" --wildcards './boot/vmlinuz-*' ||
    die "cannot extract the kernel from $package"
  rm -f "$work"/kernel/*.deb
  kernel=$(find_kernel) || die "no kernel in $package"
fi
echo "kernel: $kernel"

run=$work/run
rm -rf "$run" && mkdir -p "$run"
sim_pid=
qemu_pid=
cleanup() {
  [ -n "$qemu_pid" ] && kill "$qemu_pid" 2>/dev/null
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

# --- the data: the simulator's memory, and a different data set for the guest to write ---------
export XDG_CONFIG_HOME=$run/config XDG_DATA_HOME=$run/data HOME=$run
"$bin/ql7400-cli" exec --save "$run/radio.icf" "CH.MCH_144.12.FREQUENCY=145.5000" \
  "CH.MCH_144.12.NAME=SIMMEM" "CH.MCH_144.12.APPEAR=ON" >/dev/null || die "cannot make radio.icf"
"$bin/ql7400-cli" exec --load "$run/radio.icf" --save "$run/write.icf" \
  "CH.MCH_430.5.FREQUENCY=438.5000" "CH.MCH_430.5.NAME=GUEST" "CH.MCH_430.5.APPEAR=ON" \
  "DTMF.0=123*#" >/dev/null || die "cannot make write.icf"
cmp -s "$run/radio.icf" "$run/write.icf" && die "write.icf does not differ from radio.icf"

# --- the initramfs: busybox, init, the CLI and every library it loads --------------------------
root=$run/root
mkdir -p "$root"/{bin,usr/bin,proc,sys,dev,tmp,data}
cp "$busybox" "$root/bin/busybox"
cp "$here/init.sh" "$root/init"
chmod 755 "$root/init"
objcopy --strip-debug "$bin/ql7400-cli" "$root/usr/bin/ql7400-cli" 2>/dev/null ||
  cp "$bin/ql7400-cli" "$root/usr/bin/ql7400-cli"
for lib in $(ldd "$bin/ql7400-cli" | grep -o '/[^ ]*'); do
  mkdir -p "$root$(dirname "$lib")"
  cp -L "$lib" "$root$lib"
done
cp "$run/write.icf" "$root/data/write.icf"
if grep -qw diagnose <<<"$("$bin/ql7400-cli" --help 2>&1)"; then
  touch "$root/data/diagnose"
  echo "ql7400-cli has diagnose: the guest runs it too"
fi
(cd "$root" && find . | cpio -o -H newc --quiet | gzip -1) >"$run/initrd.gz" || die "cannot pack the initramfs"

# --- the simulator on a pseudo-terminal, the guest's ttyS1 on its other end --------------------
"$bin/rz7400-sim" --link "$run/radio" --image "$run/radio.icf" --written "$run/written.icf" \
  >"$run/sim.out" 2>"$run/sim.err" &
sim_pid=$!
for _ in $(seq 100); do
  [ -s "$run/sim.out" ] && break
  kill -0 "$sim_pid" 2>/dev/null || die "rz7400-sim ended: $(cat "$run/sim.err")"
  sleep 0.05
done
pts=$(head -1 "$run/sim.out")
[ -c "$pts" ] || die "rz7400-sim printed no device: '$pts'"
echo "simulator on $pts"

raw_console=$run/console.log
console=$run/console.txt
start=$(date +%s)
timeout 100 "$qemu" -nographic -no-reboot -m 512 -accel tcg -monitor none -nic none \
  -kernel "$kernel" -initrd "$run/initrd.gz" -append "console=ttyS0 panic=-1 quiet" \
  -serial "file:$raw_console" -serial "$pts" </dev/null >"$run/qemu.out" 2>&1 &
qemu_pid=$!
wait "$qemu_pid"
status=$?
qemu_pid=
# Without carriage returns and the terminal's reset sequences.
tr -d '\r' <"$raw_console" | sed 's/\x1bc//g; s/\x1b\[[0-9;?]*[A-Za-z]//g' >"$console"
echo "guest ran $(($(date +%s) - start)) s (qemu status $status)"
sed -n '/GUEST-\|^  /p' "$console"

# --- verdicts ---------------------------------------------------------------------------------
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
grep -q '^GUEST-DONE' "$console" ||
  { cat "$run/qemu.out"; tail -30 "$console"; fail "the guest did not finish (qemu status $status)"; }
grep -q '^GUEST-FAIL' "$console" && fail "the guest reports failures"
for step in setup info read write; do
  grep -q "^GUEST-PASS: $step\$" "$console" || fail "guest step $step did not pass"
done
expected=$(sha256sum "$run/radio.icf" | cut -d' ' -f1)
got=$(sed -n 's/^GUEST-SHA256 read \([0-9a-f]*\)$/\1/p' "$console")
[ "$got" = "$expected" ] || fail "the guest read ${got:-nothing}, the simulator holds $expected"
# The simulator keeps its own comment line (line 2); the memory lines must be what was written.
if [ -f "$run/written.icf" ]; then
  cmp -s <(tail -n +3 "$run/write.icf") <(tail -n +3 "$run/written.icf") ||
    fail "the simulator received other memory than write.icf"
else
  fail "the simulator received no write"
fi
[ "$failures" -eq 0 ] && echo "serial guest: all checks passed"
[ "$failures" -eq 0 ]
