#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the kinetrack .deb, checks it as Debian would (lintian, AppStream, the desktop
# entry, the manual pages), installs it with apt in a clean Debian 12 root and starts the
# installed program there under Xvfb, beside the installed virtual board. Run by hand, as
# root (debootstrap, mount, chroot):  sudo bash scripts/test-package.sh
#
#   bash scripts/test-package.sh --checks-only [BUILD]
# builds the package and runs its checks only, with no root and no clean root: from the
# build folder BUILD as it is configured (CI passes the one it has just built and
# tested), or from build-pkg, configured here.
#
# The root is made once with debootstrap and kept (KT_ROOT, default /work/kt-root); delete
# it for a fresh one. Each run purges the previous kinetrack package from it first. The
# screenshot of the running program is written outside the root (KT_SCREENSHOT).
set -euo pipefail
cd "$(dirname "$0")/.."
sorgenti=$(pwd)
radice=${KT_ROOT:-/work/kt-root}
schermata=${KT_SCREENSHOT:-$sorgenti/build-pkg/kinetrack-installato.png}
costruzione=$sorgenti/build-pkg
configura=1
solo_controlli=0
case "${1:-}" in
    --checks-only)
        solo_controlli=1
        if [ -n "${2:-}" ]; then
            costruzione=$(realpath "$2")
            configura=0
        fi
        ;;
    "") ;;
    *)
        echo "usage: $0 [--checks-only [BUILD]]" >&2
        exit 2
        ;;
esac

[ "$solo_controlli" = 1 ] || [ "$(id -u)" -eq 0 ] ||
    { echo "Run as root (debootstrap, mount and chroot need it)." >&2; exit 1; }

esegui() {
    echo "+ $*"
    "$@"
}
nella_radice() {
    echo "+ chroot $radice $*"
    chroot "$radice" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}
fallisci() {
    echo "FAIL: $*" >&2
    exit 1
}

echo "=== 1. The package"
if [ "$configura" = 1 ]; then
    lanciatore=()
    command -v ccache >/dev/null && lanciatore=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # The install step builds only what it installs: the tests and tools stay unbuilt.
    esegui cmake -S . -B "$costruzione" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${lanciatore[@]}"
fi
esegui cmake --build "$costruzione" -j"$(nproc)" --target pacchetto
rm -f "$costruzione"/kinetrack_*.deb
(cd "$costruzione" && esegui cpack)
pacchetto=$(ls "$costruzione"/kinetrack_*.deb)
esegui dpkg-deb --info "$pacchetto"
esegui dpkg-deb --contents "$pacchetto"
if dpkg-deb --contents "$pacchetto" | grep -q 'kinetrack\.portable'; then
    fallisci "the package holds a portable-mode marker"
fi

echo "=== 1b. What Debian's checkers say of it"
estratto=$(mktemp -d)
trap 'rm -rf "$estratto"' EXIT
dpkg-deb -x "$pacchetto" "$estratto"

# lintian down to its pedantic remarks: nothing at all may be said. Only the complaints
# about the default maintainer's address and the Italian words lintian takes for English
# typos may be overridden.
command -v lintian >/dev/null || fallisci "lintian is missing (bash scripts/install-deps.sh)"
# Its exit status counts the overridden errors too: the report alone tells.
referto=$(lintian --display-info --pedantic --show-overrides "$pacchetto" 2>&1 |
    grep -v '^running with root privileges' || true)
echo "$referto"
permessi='^(N:|O: kinetrack: (bogus-mail-host(-in-debian-changelog)?|typo-in-manual-page serie|spelling-error-in-binary ([Ss]erie|forse|compatibile)) )'
if grep -vE "$permessi" <<<"$referto" | grep -q .; then
    fallisci "lintian has something to say about the package"
fi
echo "lintian: nothing to say"

mantenitore=$(dpkg-deb -f "$pacchetto" Maintainer)
configurato=$(sed -n 's/^KT_MAINTAINER:STRING=//p' "$costruzione/CMakeCache.txt")
[ "$mantenitore" = "$configurato" ] ||
    fallisci "maintainer \"$mantenitore\", configured \"$configurato\""
echo "maintainer: $mantenitore"

# The AppStream file and the desktop entry share one id.
metainfo=("$estratto"/usr/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} -eq 1 ] && [ -f "${metainfo[0]}" ] || fallisci "not one AppStream file"
id=$(basename "${metainfo[0]}" .metainfo.xml)
voce="$estratto/usr/share/applications/$id.desktop"
[ -f "$voce" ] || fallisci "no desktop entry $id.desktop beside the AppStream file"
grep -qF "<id>$id</id>" "${metainfo[0]}" || fallisci "the AppStream file's id is not $id"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "${metainfo[0]}" ||
    fallisci "the AppStream file does not launch $id.desktop"
validazione=$(appstreamcli validate --no-net --pedantic "${metainfo[0]}" 2>&1) ||
    fallisci "appstreamcli: $validazione"
echo "$validazione"
if grep -qE '^[EWIP]: ' <<<"$validazione"; then
    fallisci "appstreamcli has something to say about ${metainfo[0]##*/}"
fi
esegui desktop-file-validate "$voce"

# A manual page for every program, which man reads without a warning.
for programma in "$estratto"/usr/bin/*; do
    nome=$(basename "$programma")
    pagina="$estratto/usr/share/man/man1/$nome.1.gz"
    [ -f "$pagina" ] || fallisci "no manual page for $nome"
    avvisi=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$pagina" 2>&1 >/dev/null)
    [ -z "$avvisi" ] || fallisci "man on the page of $nome: $avvisi"
    # help2man's own name line, given when the page was made without ours.
    if zcat "$pagina" | grep -qE 'pagina di manuale per|manual page for'; then
        fallisci "the manual page of $nome has no name line of its own"
    fi
    echo "manual page: $nome: $(zcat "$pagina" | sed -n '/^\.SH NOME/{n;p;q}')"
done

if [ "$solo_controlli" = 1 ]; then
    echo "=== The package passes Debian's checks."
    exit 0
fi

echo "=== 2. A clean Debian 12 root at $radice"
if [ -e "$radice/.kt-debootstrap-fatto" ]; then
    echo "Kept from an earlier run (delete $radice for a fresh one)."
else
    command -v debootstrap >/dev/null || esegui apt-get install -y debootstrap
    # The mirror apt on this machine uses, else Debian's own.
    specchio=$(grep -rhoE '^(URIs: *|deb +)https?://[^ ]+/debian/?( |$)' \
        /etc/apt/sources.list /etc/apt/sources.list.d 2>/dev/null | head -n1 |
        sed -E 's/^(URIs: *|deb +)//; s/ *$//') || true
    specchio=${specchio:-http://deb.debian.org/debian}
    rm -rf "$radice.tmp"
    esegui debootstrap --variant=minbase bookworm "$radice.tmp" "$specchio"
    touch "$radice.tmp/.kt-debootstrap-fatto"
    mv "$radice.tmp" "$radice"
fi

montati=()
smonta() {
    local i
    for ((i = ${#montati[@]} - 1; i >= 0; i--)); do
        umount "${montati[$i]}" || umount -l "${montati[$i]}" || true
    done
}
trap 'smonta; rm -rf "$estratto"' EXIT
for punto in proc dev/pts; do
    mountpoint -q "$radice/$punto" && continue
    esegui mount --bind "/$punto" "$radice/$punto"
    montati+=("$radice/$punto")
done
cp /etc/resolv.conf "$radice/etc/resolv.conf"
# No service of a package installed here may start on this machine.
printf '#!/bin/sh\nexit 101\n' >"$radice/usr/sbin/policy-rc.d"
chmod 755 "$radice/usr/sbin/policy-rc.d"

echo "=== 3. apt installs the package and its dependencies"
if chroot "$radice" dpkg-query -W kinetrack >/dev/null 2>&1; then
    nella_radice apt-get purge -y kinetrack
fi
cp "$pacchetto" "$radice/tmp/"
nella_radice apt-get update
nella_radice apt-get install -y --reinstall "/tmp/$(basename "$pacchetto")"
nella_radice dpkg-query -W kinetrack
# What the test itself needs in the root: X without a screen, ImageMagick's import for
# the screenshot (xwd leaves windows of another depth black), xwininfo for the windows'
# captions, the desktop entry checker.
nella_radice apt-get install -y --no-install-recommends xvfb xauth imagemagick x11-utils \
    desktop-file-utils

echo "=== 4. What is installed"
nella_radice dpkg -L kinetrack
elenco=$(chroot "$radice" dpkg -L kinetrack)
for file in /usr/bin/kinetrack /usr/bin/kinetrack-board /usr/bin/kinetrack-replay \
    /usr/bin/kinetrack-profilo \
    "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
    /usr/share/man/man1/kinetrack.1.gz /usr/share/doc/kinetrack/copyright \
    /usr/share/doc/kinetrack/changelog.Debian.gz \
    /usr/share/icons/hicolor/scalable/apps/kinetrack.svg \
    /usr/lib/udev/rules.d/60-kinetrack.rules; do
    grep -qx "$file" <<<"$elenco" || { echo "FAIL: dpkg -L kinetrack lacks $file" >&2; exit 1; }
    echo "listed: $file"
done
nella_radice desktop-file-validate "/usr/share/applications/$id.desktop"
echo "desktop entry valid"
for programma in kinetrack kinetrack-board kinetrack-replay kinetrack-profilo; do
    if readelf -d "$radice/usr/bin/$programma" | grep -E 'RPATH|RUNPATH'; then
        echo "FAIL: $programma carries a run path" >&2
        exit 1
    fi
done
echo "no run path in the installed programs"
# Every library the programs load comes with the package's dependencies.
for programma in kinetrack kinetrack-board kinetrack-replay kinetrack-profilo; do
    if chroot "$radice" ldd "/usr/bin/$programma" | grep 'not found'; then
        echo "FAIL: $programma needs a library that no dependency brings" >&2
        exit 1
    fi
done
echo "every library of the installed programs is there"
nella_radice kinetrack-replay --help
nella_radice kinetrack-profilo --help

echo "=== 5. The installed program under Xvfb with the installed virtual board"
cat >"$radice/tmp/kt-avvio.sh" <<'FINE'
set -u
export XDG_RUNTIME_DIR=/tmp/kt-run
rm -rf "$XDG_RUNTIME_DIR" /root/.local/share/kinetrack /root/.config/kinetrack
mkdir -m 700 "$XDG_RUNTIME_DIR"
kinetrack-board --port 3 --board-type 2 >/tmp/kt-scheda.txt 2>&1 &
scheda=$!
trap 'kill $scheda 2>/dev/null; wait $scheda 2>/dev/null' EXIT
for _ in $(seq 50); do
    [ -s /tmp/kt-scheda.txt ] && break
    sleep 0.1
done
echo "virtual board: $(head -n1 /tmp/kt-scheda.txt)"
ls -l "$XDG_RUNTIME_DIR/kinetrack"
xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
    kinetrack >/tmp/kt-programma.txt 2>&1 &
    programma=$!
    sleep 12
    if kill -0 $programma 2>/dev/null; then
        echo "kinetrack (pid $programma) is running after 12 s; its windows:"
        xwininfo -root -tree -display "$DISPLAY" | grep -o "\"[^\"]*\"" | grep -v "has no name" |
            sort -u
        import -display "$DISPLAY" -window root /tmp/kinetrack.png
        kill $programma
        wait $programma
        stato=0
    else
        wait $programma
        echo "kinetrack ended early, status $?"
        stato=1
    fi
    echo "--- kinetrack output:"
    cat /tmp/kt-programma.txt
    exit $stato'
esito=$?
echo "data folder: $(ls -d /root/.local/share/kinetrack 2>/dev/null || echo missing)"
ls -R /root/.local/share/kinetrack 2>/dev/null
exit $esito
FINE
nella_radice /bin/bash /tmp/kt-avvio.sh
if [ -e "$radice/usr/bin/kinetrack.portable" ]; then
    echo "FAIL: a portable-mode marker sits beside the installed program" >&2
    exit 1
fi
esegui cp "$radice/tmp/kinetrack.png" "$schermata"
echo "screenshot: $schermata"

echo "=== 6. Removing the package keeps the athletes' data"
nella_radice apt-get purge -y kinetrack
if [ -d "$radice/root/.local/share/kinetrack" ]; then
    echo "kept: /root/.local/share/kinetrack"
else
    echo "FAIL: the data folder went with the package" >&2
    exit 1
fi
echo "=== The package installs on Debian 12 and the installed program runs."
