#!/usr/bin/env bash
# Checks a duoband .deb: the files it must hold, the dependencies
# dpkg-shlibdeps found; unpacked into a scratch root, that every program
# reports the package's version (without a display) and that the window
# program finds its shared data; and lintian's verdict when lintian is
# installed (errors fail, warnings are listed).
#   scripts/check-package.sh PACKAGE.deb [EXPECTED_VERSION]
set -euo pipefail
deb="${1:?which .deb}"
version=$(dpkg-deb -f "$deb" Version)
if [[ -n "${2:-}" && "$2" != "$version" ]]; then
    echo "$deb has version $version, the project $2" >&2
    exit 1
fi

problems=0
complain() { echo "$deb: $*" >&2; problems=$((problems + 1)); }

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
expected=(
    ./usr/bin/duoband ./usr/bin/duoband-cli ./usr/bin/duoband-radio-sim
    ./usr/share/duoband/image/1.bc ./usr/share/duoband/image/2.bc ./usr/share/duoband/image/1.jpg
    ./usr/share/applications/duoband.desktop ./usr/share/icons/hicolor/scalable/apps/duoband.svg
    ./usr/share/man/man1/duoband.1.gz ./usr/share/man/man1/duoband-cli.1.gz
    ./usr/share/man/man1/duoband-radio-sim.1.gz
    ./usr/share/doc/duoband/copyright ./usr/share/doc/duoband/changelog.gz
    ./usr/share/doc/duoband/README.md ./usr/share/metainfo/duoband.metainfo.xml
)
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || complain "lacks $path"
done
grep -qE '^\./(usr/)?lib/udev/rules\.d/60-duoband\.rules$' <<<"$contents" ||
    complain "lacks the udev rule 60-duoband.rules"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6printsupport6 libudev1 libc6; do
    grep -q "$library" <<<"$depends" || complain "does not depend on $library: $depends"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for program in duoband duoband-cli duoband-radio-sim; do
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/$program" --version) ||
        true
    [[ "$said" == "$program $version" ]] || complain "$program --version says \"$said\""
done

# Installed, the program finds its shared data and seeds the user's data
# folder from it at start.
home="$root/home"
mkdir -p "$home"
env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$root/usr/bin/duoband" \
    >/dev/null 2>&1 &
started=$!
for _ in $(seq 100); do
    [[ -s "$home/.local/share/duoband/image/1.bc" ]] && break
    sleep 0.1
done
kill "$started" 2>/dev/null || true
wait "$started" 2>/dev/null || true
[[ -s "$home/.local/share/duoband/image/1.bc" ]] ||
    complain "the unpacked duoband did not take its data from /usr/share/duoband/image"

if command -v lintian >/dev/null; then
    lintian --fail-on error --tag-display-limit 0 "$deb" || complain "lintian found errors"
else
    echo "lintian is not installed: the package was not linted"
fi
((problems == 0)) && echo "$deb: contents, dependencies and versions as expected"
exit $((problems > 0))
