#!/bin/busybox sh
# /init of the test guest: clones over the second 16550A UART (/dev/ttyS1, the Linux 8250
# driver), whose far end is rz7400-sim on the host, and reports on the console (ttyS0) with
# lines that serial-guest.sh reads: GUEST-PASS/GUEST-FAIL for each check, GUEST-SHA256 for
# the data read, GUEST-DONE at the end. Then it powers the guest off.
/bin/busybox --install -s /bin
export PATH=/bin:/usr/bin
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
mount -t tmpfs tmpfs /tmp
mkdir -p /etc
export HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config XDG_DATA_HOME=/tmp/home/.local/share
export XDG_RUNTIME_DIR=/tmp/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# A user other than root, for the exclusive-mode check; the port open to everyone otherwise.
echo 'nobody:x:65534:65534:nobody:/tmp:/bin/sh' >/etc/passwd
echo 'nogroup:x:65534:' >/etc/group
chmod 666 /dev/ttyS1

port=/dev/ttyS1
pass() { echo "GUEST-PASS: $*"; }
fail() { echo "GUEST-FAIL: $*"; }
uptime() { cut -d' ' -f1 /proc/uptime; }
finish() { echo "GUEST-INFO: done at $(uptime) s"; echo "GUEST-DONE"; sync; poweroff -f; sleep 10; }

# Runs one CLI step, showing its output; fails the step on a status other than 0.
step() {
  name=$1
  shift
  if out=$(ql7400-cli "$@" 2>&1); then
    pass "$name"
  else
    fail "$name (status $?)"
  fi
  echo "$out" | sed "s/^/  $name: /"
  echo "$out" >"/tmp/$name.out"
}

# The modem lines of ttyS1 as the 8250 driver reports them: the last field of its line, e.g.
# "RTS|CTS|DSR|CD" (a counter such as "rx:12" when no line is set).
lines_of_ttyS1() { awk '$1 == "1:" { print $NF }' /proc/tty/driver/serial; }

echo "GUEST-INFO: init started at $(uptime) s"
grep -q '^1: uart:16550A' /proc/tty/driver/serial && pass "ttyS1 is a 16550A" ||
  fail "ttyS1 is not a 16550A: $(sed -n '/^1:/p' /proc/tty/driver/serial)"

# The port flags the driver keeps (serial_core's UPF_*), before any program opened the port.
low_latency=$((0x2000))
flags_before=$(cat /sys/class/tty/ttyS1/flags)

step setup setup --port "$port" --call-sign N0CALL
step info info --port "$port"
grep -q '^Model: RZ-7400$' /tmp/info.out && pass "info names the model" || fail "info names no model"

# While the read holds the port: the modem lines, then (once the program has set the port up,
# so that no probe can race its open) the speed and the lock, sampled until the read ends.
# The kernel raises DTR and RTS on open; the program drops DTR and keeps RTS.
ql7400-cli read --port "$port" /tmp/read.icf >/tmp/read.out 2>&1 &
reader=$!
seen_lines=no seen_speed=no seen_lock=no seen_excl=no
while kill -0 "$reader" 2>/dev/null; do
  if [ "$seen_lines" = no ]; then
    lines=$(lines_of_ttyS1)
    case "|$lines|" in
      *"|DTR|"*) ;;
      *"|RTS|"*) seen_lines="$lines" ;;
    esac
  else
    stty -F "$port" 2>/dev/null | grep -q '^speed 9600 baud' && seen_speed=yes
    flock -n "$port" true 2>/dev/null || seen_lock=yes
    # TIOCEXCL: another user's open is refused (root's would pass).
    su -s /bin/sh -c "exec 3<>$port" nobody 2>&1 | grep -q 'busy' && seen_excl=yes
    [ "$seen_speed$seen_lock$seen_excl" = yesyesyes ] && break
  fi
  usleep 20000
done
wait "$reader"
status=$?
sed 's/^/  read: /' /tmp/read.out
[ "$status" = 0 ] && pass "read" || fail "read (status $status)"
[ "$seen_lines" != no ] && pass "modem lines while open: $seen_lines (RTS raised, DTR dropped)" ||
  fail "never saw RTS raised with DTR dropped while the port was open"
[ "$seen_speed" = yes ] && pass "port at 9600 baud while open" || fail "port never at 9600 baud"
[ "$seen_lock" = yes ] && pass "port locked (flock) while open" || fail "port not locked while open"
[ "$seen_excl" = yes ] && pass "port in exclusive mode while open" ||
  fail "another user could open the port while it was held"
flags=$(cat /sys/class/tty/ttyS1/flags)
if [ $((flags_before & low_latency)) = 0 ] && [ $((flags & low_latency)) != 0 ]; then
  pass "low latency requested (port flags $flags_before -> $flags)"
else
  fail "low latency not requested (port flags $flags_before -> $flags)"
fi
echo "  modem lines after close: $(lines_of_ttyS1)"
[ -f /tmp/read.icf ] && echo "GUEST-SHA256 read $(sha256sum /tmp/read.icf | cut -d' ' -f1)"

step write write --port "$port" /data/write.icf

if [ -f /data/diagnose ]; then
  step diagnose diagnose "$port"
fi
finish
