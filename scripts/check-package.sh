#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package that `make deb` made, the way a user meets it:
# lintian, the desktop entry and AppStream validators, the manual pages, the
# versions it names, then an installation on this machine (the programs
# start, profiles open with Tervalix, the completion answers) and a purge
# that must leave no file behind.
#
#   scripts/check-package.sh [tervalix_VERSION_ARCH.deb]
#
# Installs and purges the package, so it needs root (or sudo), and refuses to
# run where tervalix is already installed: the purge would take it away.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -gt 0 ]; then
  deb=$1
else
  shopt -s nullglob
  debs=(tervalix_*.deb)
  shopt -u nullglob
  if [ ${#debs[@]} -ne 1 ]; then
    echo "check-package: name the package, or leave exactly one tervalix_*.deb here (make deb)" >&2
    exit 2
  fi
  deb=${debs[0]}
fi
deb=$(realpath "$deb")

./scripts/setup.sh package
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
else
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

started=$SECONDS
failed=0
passed=0
ok() { passed=$((passed + 1)); echo "  ok: $*"; }
bad() { failed=$((failed + 1)); echo "  FAILED: $*"; }
step() { echo "== $*"; }

tmp=$(mktemp -d)
installed=""
cleanup() {
  if [ -n "$installed" ]; then
    "${sudo[@]}" apt-get purge -y -qq tervalix >/dev/null 2>&1 || true
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT

version=$(dpkg-deb -f "$deb" Version)
root=$tmp/root
dpkg-deb -x "$deb" "$root"

step "versions"
changelog_version=$(dpkg-parsechangelog -l dist/changelog -S Version)
metainfo=$(echo "$root"/usr/share/metainfo/*.metainfo.xml)
release_version=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -1)
[ "$changelog_version" = "$version" ] && ok "dist/changelog's newest entry is $version" \
  || bad "dist/changelog's newest entry is $changelog_version, the package is $version"
[ "$release_version" = "$version" ] && ok "the metainfo's newest release is $version" \
  || bad "the metainfo's newest release is $release_version, the package is $version"

step "lintian"
# Errors and warnings fail; the information and pedantic tags are shown, and
# each one is fixed or explained in dist/package.cmake.
if lintian --pedantic --display-info --fail-on error,warning "$deb" 2>"$tmp/lintian.err"; then
  ok "lintian: no error, no warning"
else
  bad "lintian"
fi
grep -v 'running with root privileges is not recommended' "$tmp/lintian.err" >&2 || true

step "desktop entry and metainfo"
out=$(desktop-file-validate "$root"/usr/share/applications/tervalix.desktop 2>&1) && [ -z "$out" ] \
  && ok "desktop-file-validate" || bad "desktop-file-validate: $out"
if appstreamcli validate --no-net --pedantic "$metainfo"; then
  ok "appstreamcli validate"
else
  bad "appstreamcli validate"
fi

step "manual pages"
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || warnings="man failed: $warnings"
  [ -z "$warnings" ] && ok "$(basename "$page")" || bad "$(basename "$page"): $warnings"
done
for program in "$root"/usr/bin/*; do
  [ -e "$root/usr/share/man/man1/$(basename "$program").1.gz" ] || bad "no manual page for $(basename "$program")"
done

step "installation"
if dpkg-query -W -f='${Status}' tervalix 2>/dev/null | grep -q "install ok installed"; then
  echo "check-package: tervalix is installed on this machine; remove it first" >&2
  exit 1
fi
# The dependencies first, so that the file lists before and after compare the
# package alone; where the build ran they are all there already.
"${sudo[@]}" apt-get satisfy -y -qq --no-install-recommends "$(dpkg-deb -f "$deb" Depends)" >/dev/null

# Where a package can leave files, by name; the rest of the machine, and
# /usr/local, belong to others.
snapshot() {
  {
    "${sudo[@]}" find /usr /etc /opt /srv /var/lib \( -path /usr/local -o -path /var/lib/dpkg -o -path /var/lib/apt \) \
      -prune -o -print
    "${sudo[@]}" find /var/lib/dpkg/info -name 'tervalix*'
  } 2>/dev/null | sort
}
snapshot >"$tmp/before"

# apt reads a local package as the user _apt: give it a copy it may read.
chmod 755 "$tmp"
mkdir -m 755 "$tmp/apt"
install -m 644 "$deb" "$tmp/apt/"
installed=yes
if "${sudo[@]}" apt-get install -y -qq "$tmp/apt/$(basename "$deb")" >"$tmp/apt.log" 2>&1; then
  ok "apt-get install $(basename "$deb")"
else
  cat "$tmp/apt.log" >&2
  bad "apt-get install"
fi

missing=$(dpkg -L tervalix | while read -r f; do [ -e "$f" ] || echo "$f"; done)
[ -z "$missing" ] && ok "every file of the package is in place" || bad "missing after installation: $missing"

# The programs start from their installed place, with a home of their own so
# that their settings do not land in the caller's.
home=$tmp/home
mkdir -p "$home"
run() { env -i PATH=/usr/bin:/bin HOME="$home" TMPDIR="$tmp" LANG=C.UTF-8 "$@"; }
# --version prints "<program> <version>". The programs that predate it were
# checked with --help in these two places, and the window with a start that
# the time-out ends.
for program in tervalix-cli tervalix-ecu-sim; do
  if out=$(run timeout 20 "/usr/bin/$program" --version 2>&1) && [ "$out" = "$program $version" ]; then
    ok "$program --version"
  else
    bad "$program --version said: $out"
  fi
done
if out=$(run QT_QPA_PLATFORM=offscreen timeout 20 /usr/bin/tervalix --version 2>&1) && [ "$out" = "tervalix $version" ]; then
  ok "tervalix --version (offscreen)"
else
  bad "tervalix --version said: $out"
fi
if out=$(run timeout 20 /usr/bin/tervalix-cli ports 2>&1); then
  ok "tervalix-cli ports"
else
  bad "tervalix-cli ports: $out"
fi

# A file manager opens profiles with Tervalix: the glob that wins for *.prf is
# the profile type, and the desktop database offers Tervalix for it.
winner=$(grep -m1 ':\*\.prf$' /usr/share/mime/globs2 | cut -d: -f2 || true)
[ "$winner" = application/x-tervalix-profile ] && ok "*.prf is application/x-tervalix-profile" \
  || bad "*.prf is '${winner}' in the MIME database"
grep -qx 'application/x-tervalix-profile=tervalix.desktop;' /usr/share/applications/mimeinfo.cache \
  && ok "profiles open with tervalix.desktop" || bad "no application for application/x-tervalix-profile"

completion=$(cd "$tmp" && touch curve.prf live.csv && bash -c '
  . /usr/share/bash-completion/completions/tervalix-cli
  ask() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _tervalix_cli; echo "${COMPREPLY[*]}"; }
  ask tervalix-cli wr
  ask tervalix-cli monitor --
  ask tervalix-cli verify cu
  ask tervalix-cli read -o l' 2>&1)
[ "$completion" = $'write\n--port --hid --json --bike --help --version --seconds --csv --wideband --wideband-baud\ncurve.prf\nlive.csv' ] \
  && ok "bash completion of tervalix-cli" || bad "bash completion of tervalix-cli gave: $completion"

step "purge"
if "${sudo[@]}" apt-get purge -y -qq tervalix >"$tmp/apt.log" 2>&1; then
  installed=""
  ok "apt-get purge tervalix"
else
  cat "$tmp/apt.log" >&2
  bad "apt-get purge"
fi
snapshot >"$tmp/after"
if diff "$tmp/before" "$tmp/after" >"$tmp/diff"; then
  ok "nothing left behind"
else
  bad "the purge left the machine different:"
  cat "$tmp/diff"
fi

# Worded so that it is not read as the test suite's closing count.
if [ "$failed" -eq 0 ]; then
  echo "check-package: all $passed checks good, $((SECONDS - started)) s"
else
  echo "check-package: $failed of $((passed + failed)) checks FAILED, $((SECONDS - started)) s"
  exit 1
fi
