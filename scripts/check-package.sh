#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The duoband developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a duoband .deb: the files it must hold, the dependencies
# dpkg-shlibdeps found; unpacked into a scratch root: that every program
# reports the package's version and licence (without a display), that the
# window program finds its shared data and ignores a relative XDG_DATA_HOME,
# the programs' hardening, the licence files, the settings file's MIME type
# and its glob, the desktop entry and the metainfo (validated), the
# maintainer scripts (against a stub udevadm), and that the man pages render
# without warnings and name every option the programs' --help lists; and
# lintian's verdict when lintian is installed.
#   scripts/check-package.sh PACKAGE.deb [EXPECTED_VERSION]
set -euo pipefail
deb="${1:?which .deb}"
source_tree="$(cd "$(dirname "$0")/.." && pwd)"
version=$(dpkg-deb -f "$deb" Version)
if [[ -n "${2:-}" && "$2" != "$version" ]]; then
    echo "$deb has version $version, the project $2" >&2
    exit 1
fi

problems=0
complain() { echo "$deb: $*" >&2; problems=$((problems + 1)); }
have() { command -v "$1" >/dev/null; }

app_id=org.duoband.Duoband
mime_type=application/x-duoband-settings
licence=GPL-3.0-or-later
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
expected=(
    ./usr/bin/duoband ./usr/bin/duoband-cli ./usr/bin/duoband-radio-sim
    ./usr/share/duoband/image/1.bc ./usr/share/duoband/image/2.bc ./usr/share/duoband/image/1.jpg
    ./usr/share/applications/$app_id.desktop ./usr/share/icons/hicolor/scalable/apps/$app_id.svg
    ./usr/share/metainfo/$app_id.metainfo.xml ./usr/share/mime/packages/$app_id.xml
    ./usr/share/man/man1/duoband.1.gz ./usr/share/man/man1/duoband-cli.1.gz
    ./usr/share/man/man1/duoband-radio-sim.1.gz
    ./usr/share/doc/duoband/copyright ./usr/share/doc/duoband/changelog.gz
    ./usr/share/doc/duoband/README.md
)
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || complain "lacks $path"
done
grep -qE '^\./(usr/)?lib/udev/rules\.d/60-duoband\.rules$' <<<"$contents" ||
    complain "lacks the udev rule 60-duoband.rules"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6printsupport6 libudev1 libsqlite3-0 libpq5 libc6; do
    grep -q "$library" <<<"$depends" || complain "does not depend on $library: $depends"
done
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[[ "$maintainer" == "duoband maintainers <maintainers@duoband.invalid>" ]] ||
    complain "has the maintainer \"$maintainer\""

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
dpkg-deb -e "$deb" "$root/DEBIAN"
share="$root/usr/share"

# --- versions and licence -----------------------------------------------------
for program in duoband duoband-cli duoband-radio-sim; do
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/$program" --version) ||
        true
    [[ "$(head -n 1 <<<"$said")" == "$program $version" ]] ||
        complain "$program --version says \"$said\""
    grep -q "^Licence $licence: " <<<"$said" || complain "$program --version names no licence $licence"
done
grep -qxF "License: GPL-3+" "$share/doc/duoband/copyright" ||
    complain "the copyright file does not state GPL-3+"
grep -qF '/usr/share/common-licenses/GPL-3' "$share/doc/duoband/copyright" ||
    complain "the copyright file does not point to /usr/share/common-licenses/GPL-3"
if [[ -f /usr/share/common-licenses/GPL-3 ]]; then
    cmp -s "$source_tree/LICENSE" /usr/share/common-licenses/GPL-3 ||
        complain "LICENSE is not the text of the GPL version 3"
else
    grep -q "GNU GENERAL PUBLIC LICENSE" "$source_tree/LICENSE" || complain "LICENSE is no GPL"
fi

# --- the installed window program ---------------------------------------------
# It finds its shared data and seeds the user's data folder from it; a
# relative XDG_DATA_HOME is no folder (the XDG rule), as for duoband-cli.
home="$root/home"
mkdir -p "$home"
(cd "$home" && exec env XDG_DATA_HOME=relative HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/duoband" >/dev/null 2>&1) &
started=$!
for _ in $(seq 100); do
    [[ -s "$home/.local/share/duoband/image/1.bc" ]] && break
    sleep 0.1
done
kill "$started" 2>/dev/null || true
wait "$started" 2>/dev/null || true
[[ -s "$home/.local/share/duoband/image/1.bc" ]] ||
    complain "the unpacked duoband did not take its data from /usr/share/duoband/image"
[[ ! -e "$home/relative" ]] || complain "duoband took the relative XDG_DATA_HOME as a folder"

# --- hardening ------------------------------------------------------------------
# What lintian's hardening-* tags look at, also where lintian is missing.
# Fortification shows only where a call cannot be proven safe when it is
# compiled, so it is left to lintian (see packaging/lintian-overrides).
for program in duoband duoband-cli duoband-radio-sim; do
    binary="$root/usr/bin/$program"
    elf=$(readelf -hldW --dyn-syms "$binary")  # read whole: grep -q would cut a pipe short
    grep -q GNU_RELRO <<<"$elf" || complain "$program: no read-only relocations"
    grep -qE 'BIND_NOW|FLAGS_1.*NOW' <<<"$elf" || complain "$program: no bindnow"
    grep -q 'DYN (' <<<"$elf" || complain "$program: not position independent"
    grep -q '__stack_chk_fail' <<<"$elf" || complain "$program: no stack protector"
done

# --- the settings file type, the desktop entry, the metainfo ------------------
desktop="$share/applications/$app_id.desktop"
mime="$share/mime/packages/$app_id.xml"
metainfo="$share/metainfo/$app_id.metainfo.xml"
grep -qF "<mime-type type=\"$mime_type\">" "$mime" || complain "$mime does not describe $mime_type"
grep -qF '<glob pattern="*.bc"/>' "$mime" || complain "$mime does not claim *.bc"
grep -qxF "MimeType=$mime_type;" "$desktop" || complain "$desktop does not list $mime_type"
grep -qxF 'Exec=duoband %f' "$desktop" || complain "$desktop does not pass the file to duoband"
grep -qF "<project_license>$licence</project_license>" "$metainfo" ||
    complain "the metainfo does not name the licence $licence"
grep -qF "<release version=\"$version\"" "$metainfo" ||
    complain "the metainfo has no release $version"
# Every bridge the udev rule names is offered as a modalias, and no other.
rule_file="$root$(grep -E '60-duoband\.rules$' <<<"$contents" | head -n1 | cut -c2-)"
rule_ids=$(sed -nE 's/.*idVendor}=="([0-9a-f]{4})".*idProduct}=="([0-9a-f]{4})".*/\1:\2/p' \
    "$rule_file" | sort)
modalias_ids=$(sed -nE 's|.*<modalias>usb:v([0-9A-F]{4})p([0-9A-F]{4})d\*</modalias>.*|\1:\2|p' \
    "$metainfo" | tr 'A-F' 'a-f' | sort)
[[ -n "$rule_ids" && "$rule_ids" == "$modalias_ids" ]] ||
    complain "the metainfo's modaliases are not the bridges of the udev rule"

if have desktop-file-validate; then
    # Its hints are suggestions (HamRadio could join Audio or Network).
    said=$(desktop-file-validate "$desktop" 2>&1) || complain "desktop-file-validate failed"
    said=$(grep -v ': hint: ' <<<"$said" || true)
    [[ -z "$said" ]] || complain "desktop-file-validate: $said"
else
    complain "desktop-file-validate is not installed (scripts/install-deps.sh installs it)"
fi
if have appstreamcli; then
    # The id's capitals are the project's choice (a reverse domain name with
    # the program's name as written); appstream notes them pedantically.
    for check in "validate $metainfo" "validate-tree $root"; do
        said=$(appstreamcli $check --pedantic --no-net --no-color 2>&1) ||
            complain "appstreamcli $check failed"
        issues=$(grep -E '^[EWIP]: ' <<<"$said" | grep -v 'cid-contains-uppercase-letter' || true)
        [[ -z "$issues" ]] || complain "appstreamcli $check: $issues"
    done
else
    complain "appstreamcli is not installed (scripts/install-deps.sh installs it)"
fi

# A file manager's view once the package's triggers have run (the MIME
# database and the desktop entries' cache rebuilt): a .bc file is of the
# settings type, and duoband, on the PATH, opens it by default.
if have update-mime-database && have update-desktop-database && have gio; then
    data="$root/mime-view"
    mkdir -p "$data/mime/packages" "$data/applications"
    cp "$mime" "$data/mime/packages/"
    cp "$desktop" "$data/applications/"
    update-mime-database "$data/mime" >/dev/null 2>&1
    update-desktop-database "$data/applications"
    printf 'The settings file of a radio,\r\n' >"$root/radio.bc"
    view=(env PATH="$root/usr/bin:$PATH" XDG_DATA_HOME="$root/empty"
        XDG_DATA_DIRS="$data:/usr/share")
    type=$("${view[@]}" gio info -a standard::content-type "$root/radio.bc" |
        sed -n 's/^ *standard::content-type: //p')
    [[ "$type" == "$mime_type" ]] || complain "a .bc file is of the type \"$type\", not $mime_type"
    handlers=$("${view[@]}" gio mime "$mime_type" 2>/dev/null || true)
    grep -qF ": $app_id.desktop" <<<"$handlers" ||
        complain "duoband is not the default application for $mime_type"
else
    echo "update-mime-database, update-desktop-database or gio is missing: the MIME type was not tried"
fi

# --- the maintainer scripts against a stub udevadm ----------------------------
# On install and removal they reload udev's rules and re-trigger ttys when
# udev runs (/run/udev/control exists), and do nothing otherwise. A private
# mount namespace gives them a /run with or without udev.
stub="$root/stub"
mkdir -p "$stub"
printf '#!/bin/sh\necho "$*" >>"%s"\n' "$root/udevadm-calls" >"$stub/udevadm"
chmod +x "$stub/udevadm"
expected_calls=$'control --reload-rules\ntrigger --subsystem-match=tty --action=change'
run_script() {  # SCRIPT ARGUMENT UDEV(running|absent): the calls it made
    rm -f "$root/udevadm-calls"
    local udev='true'
    [[ "$3" == running ]] && udev='mkdir /run/udev && touch /run/udev/control'
    unshare --mount --propagation private sh -c \
        "mount -t tmpfs tmpfs /run && $udev && PATH='$stub':\$PATH sh '$1' '$2'" >/dev/null ||
        return 1
    cat "$root/udevadm-calls" 2>/dev/null || true
}
if unshare --mount --propagation private true 2>/dev/null; then
    for script in postinst:configure postrm:remove; do
        file="$root/DEBIAN/${script%%:*}"
        [[ -x "$file" ]] || { complain "${script%%:*} is missing or not executable"; continue; }
        calls=$(run_script "$file" "${script#*:}" running) || complain "$script failed with udev"
        [[ "$calls" == "$expected_calls" ]] ||
            complain "${script/:/ } with udev running called udevadm: \"$calls\""
        calls=$(run_script "$file" "${script#*:}" absent) || complain "$script failed without udev"
        [[ -z "$calls" ]] || complain "${script/:/ } without udev called udevadm: \"$calls\""
    done
else
    echo "no private mount namespace (needs root): the maintainer scripts were not run"
fi

# --- man pages ------------------------------------------------------------------
for program in duoband duoband-cli duoband-radio-sim; do
    page="$share/man/man1/$program.1.gz"
    [[ -f "$page" ]] || continue
    said=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null) || true
    [[ -z "$said" ]] || complain "man $program warns: $said"
    if have mandoc; then
        said=$(mandoc -T lint -W warning "$page" 2>&1) || complain "mandoc -T lint $program: $said"
    fi
    source=$(zcat "$page" | sed 's/\\-/-/g')
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/$program" --help 2>&1 || true)
    for option in $(grep -oE -- '--[a-z0-9][a-z0-9-]*' <<<"$help" | sort -u); do
        grep -qF -- "$option" <<<"$source" || complain "man $program does not describe $option"
    done
done

if have lintian; then
    lintian --pedantic -I --fail-on error,warning,info,pedantic --tag-display-limit 0 "$deb" ||
        complain "lintian has something to say (spelling-error-in-binary on a piece of a" \
            "longer text is a false positive: see packaging/lintian-overrides)"
else
    echo "lintian is not installed: the package was not linted"
fi
((problems == 0)) && echo "$deb: contents, dependencies, versions, licence, MIME type, metainfo," \
    "desktop entry, maintainer scripts and man pages as expected"
exit $((problems > 0))
