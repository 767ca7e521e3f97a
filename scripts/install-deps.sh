#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what kinetrack needs to build, test, package and run on Debian 12 (Qt's Italian
# texts among them; Qt's translation tools for the English texts; help2man for the manual
# pages; lintian, appstreamcli and the desktop entry checker for the package's checks; Qt
# Multimedia and Qt's speech module for the sound cues, whose headers need the QML
# integration header of qt6-declarative-dev, which Debian 12's qt6-speech-dev does not pull
# in), PostgreSQL and Qt's driver for it for a club's shared log (the tests start a server of
# their own), and the Italian locale the tests and the manual pages use. Safe to run again: it
# installs only what is missing.
set -euo pipefail
pacchetti=(build-essential cmake pkg-config qt6-base-dev qt6-serialport-dev qt6-svg-dev libqcustomplot-dev libqt6sql6-sqlite poppler-utils
         libhidapi-dev libudev-dev qt6-translations-l10n xvfb xauth xdotool imagemagick locales
         clang-format help2man man-db lintian appstream desktop-file-utils
         qt6-l10n-tools qt6-tools-dev qt6-multimedia-dev qt6-speech-dev
         qt6-declarative-dev postgresql libqt6sql6-psql)
mancanti=()
for p in "${pacchetti[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done
sudo_=""
[ "$(id -u)" -eq 0 ] || sudo_="sudo"
if [ ${#mancanti[@]} -gt 0 ]; then
    echo "Installing: ${mancanti[*]}"
    $sudo_ apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq "${mancanti[@]}" >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf8$'; then
    $sudo_ sed -i 's/^# *\(it_IT.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen || echo 'it_IT.UTF-8 UTF-8' | $sudo_ tee -a /etc/locale.gen >/dev/null
    $sudo_ locale-gen >/dev/null
fi
