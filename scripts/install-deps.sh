#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The duoband developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages duoband needs, only those that are missing.
set -euo pipefail
# qt6-tools-dev, qt6-l10n-tools: the translations (lupdate, lrelease).
# libudev-dev: port enumeration and details; dpkg-dev (also the hardening
# flags) and file: the Debian package; appstream, desktop-file-utils,
# shared-mime-info and libglib2.0-bin (gio): the package check validates the
# metainfo and the desktop entry and tries the settings file's MIME type
# (lintian is used when present); poppler-utils: pdftotext reads the printed
# channel sheet back in a test. libsqlite3-dev, libpq-dev, libssl-dev: the radio
# register (OpenSSL gives the SHA-256 of the images it records);
# postgresql: the server its tests start on their own (never the system's).
packages=(cmake g++ make pkg-config qt6-base-dev libjpeg62-turbo-dev libgtest-dev libudev-dev
          qt6-tools-dev qt6-l10n-tools xvfb xauth dpkg-dev file poppler-utils
          appstream desktop-file-utils shared-mime-info libglib2.0-bin
          libsqlite3-dev libpq-dev libssl-dev postgresql)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
