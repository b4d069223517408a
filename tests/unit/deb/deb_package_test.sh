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
# Hardened, yet able to reach the ports and its two folders, and never hanging the boot.
for setting in TimeoutStartSec=30 NoNewPrivileges=yes CapabilityBoundingSet=CAP_SYS_RAWIO \
    ProtectSystem=strict 'ReadWritePaths=/var/lib/glint /run/glint' ProtectHome=yes PrivateTmp=yes; do
    grep -qx "$setting" "$unit" || fail "the boot unit lacks $setting"
done
grep -qx 'd /run/glint 0755 root root -' "$root/fs/usr/lib/tmpfiles.d/glintctl.conf" ||
    fail "no tmpfiles.d entry makes the bus lock's folder root's own"
for script in postinst postrm; do
    [ -x "$root/control/$script" ] || fail "$script missing"
    sh -n "$root/control/$script" || fail "$script is not a shell script"
done
# An upgrade must not enable again a unit the administrator disabled; purge takes the kept mode.
grep -q 'deb-systemd-helper --quiet was-enabled glintctl-restore.service' "$root/control/postinst" ||
    fail "postinst enables the unit without asking whether it was enabled"
grep -q 'rm -rf /var/lib/glint' "$root/control/postrm" || fail "purge leaves /var/lib/glint"

[ "$(dpkg-deb -f "$deb" Package)" = glintctl ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
*libc6*init-system-helpers* | *init-system-helpers*libc6*) ;;
*) fail "Depends lacks libc6 or init-system-helpers: $depends" ;;
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

# Installed setuid, the program takes neither a state folder nor a simulated EC from the user
# who runs it. Only root can make such an install and run it as another user.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    setuid_copy=$root/setuid/glintctl
    mkdir -p "$root/setuid" && chmod 755 "$root" "$root/setuid"
    cp "$glintctl" "$setuid_copy" && chmod 4755 "$setuid_copy"
    for option in "--sim $root/ec.bin" "--state-dir $root/state"; do
        set +e
        # shellcheck disable=SC2086 # the option and its value are two words
        setpriv --reuid=65534 --regid=65534 --clear-groups "$setuid_copy" $option status \
            >/dev/null 2>"$root/setuid.err"
        code=$?
        set -e
        [ "$code" -eq 1 ] && grep -q 'refused where glintctl has privileges of its file' \
            "$root/setuid.err" || fail "a setuid run took ${option%% *} (exit $code)"
    done
    echo "glintctl .deb: a setuid install refuses --sim and --state-dir"
else
    echo "glintctl .deb: the setuid install was not tried (needs root and setpriv)"
fi

echo "glintctl .deb: $(basename "$deb") unpacked and run"
