#!/usr/bin/env bash
# Builds the .deb with the linux preset, unpacks it into a throw-away root, checks that its files
# are where the system looks for them, and runs the packaged glintctl on a simulated EC.
set -euo pipefail
source_dir=$1
cd "$source_dir"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --preset linux >/dev/null
cmake --build --preset linux --target package >/dev/null
deb=$(ls -t build/linux/packages/glintctl_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no glintctl_*_amd64.deb in build/linux/packages"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/fs"
dpkg-deb -e "$deb" "$root/control"

[ -x "$root/fs/usr/bin/glintctl" ] || fail "usr/bin/glintctl missing or not executable"
[ -f "$root/fs/usr/share/man/man1/glintctl.1" ] || fail "man page missing"
hook=$root/fs/usr/lib/systemd/system-sleep/glintctl
[ -x "$hook" ] || fail "sleep hook missing or not executable"
grep -q '^post)' "$hook" && grep -q '/usr/bin/glintctl resume' "$hook" ||
    fail "the sleep hook does not run glintctl resume after wake-up"
unit=$root/fs/usr/lib/systemd/system/glintctl-restore.service
[ -f "$unit" ] || fail "boot unit missing"
grep -q '^Type=oneshot' "$unit" && grep -q '^ExecStart=/usr/bin/glintctl resume' "$unit" ||
    fail "the boot unit is not a oneshot of glintctl resume"
[ -x "$root/control/postinst" ] || fail "postinst missing"

[ "$(dpkg-deb -f "$deb" Package)" = glintctl ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
*libc6*) ;;
*) fail "Depends lacks libc6: $depends" ;;
esac
if readelf -d "$root/fs/usr/bin/glintctl" | grep -q 'asan\|ubsan'; then
    fail "the packaged program is built with sanitizers"
fi

glintctl=$root/fs/usr/bin/glintctl
"$glintctl" --sim "$root/ec.bin" --state-dir "$root/state" mode breath >/dev/null ||
    fail "glintctl --sim mode breath"
status=$("$glintctl" --sim "$root/ec.bin" status --json) || fail "glintctl --sim status"
case "$status" in
*'"mode_name":"breath"'*'"level":1'*) ;;
*) fail "unexpected status: $status" ;;
esac
[ "$(cat "$root/state/mode")" = breath ] || fail "the mode was not kept for resume"

# The packaged program refuses the real ports while the test command runs.
set +e
GLINT_TEST_RUN=1 "$glintctl" status >/dev/null 2>"$root/refusal"
code=$?
set -e
[ "$code" -eq 2 ] && grep -q GLINT_TEST_RUN "$root/refusal" ||
    fail "the packaged program did not refuse the hardware during a test run (exit $code)"

echo "glintctl .deb: $(basename "$deb") unpacked and run"
