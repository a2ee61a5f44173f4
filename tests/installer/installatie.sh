#!/usr/bin/env bash
# The setup program as a user's administrator runs it, in a fresh Wine prefix:
#   installatie.sh <setup.exe> <Linux rcveltor-cli> <data folder> <wine-start.sh> <scratch folder>
# Silent install; the files, the registration, the Start-menu entry; the
# installed calculator against Linux's from another folder; the installed
# window program starts, shows its main window and ends cleanly; the silent
# uninstall removes all of it and leaves the user's calculation file alone.
# Exit 77 (skipped) when the Windows build has no setup program.
set -euo pipefail
setup=$1 linuxcli=$2 data=$3 winestart=$4 kras=$5

if [[ ! -f $setup ]]; then
    echo "SKIPPED: no setup program at $setup (the Windows build has no window program)"
    exit 77
fi

fout() {
    echo "FOUT: $*" >&2
    exit 1
}

rm -rf "$kras"
mkdir -p "$kras/thuis"
prefix=$kras/prefix
# Wine links the prefix's Documents to the real home's: a home of its own.
export HOME=$kras/thuis
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
wine() { "$winestart" "$prefix" "$@"; }
wacht() { WINEPREFIX=$prefix /usr/lib/wine/wineserver -w; }

gebruiker=$prefix/drive_c/users/$(id -un)
programmamap=$gebruiker/AppData/Local/Programs/RcVeltor
startmenu="$gebruiker/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/RcVeltor.lnk"

# Crashes show in Wine's own report, not always in the exit status.
controleer_log() {
    if grep -q "wine: Unhandled" "$1"; then
        cat "$1" >&2
        fout "$2 crashed"
    fi
}

echo "--- install"
wine "$setup" /S >"$kras/setup.log" 2>&1 || fout "setup ended with $?"
wacht
controleer_log "$kras/setup.log" "setup"
for bestand in RcVeltor.exe rcveltor-cli.exe rcveltor-cli-pdf.exe lambda.bin info.rtf \
    fabrikant.ini vocht.ini klimaat.ini LiberationSans-Regular.ttf LiberationSans-Bold.ttf qtbase_nl.qm \
    Verwijderen.exe; do
    [[ -f $programmamap/$bestand ]] || fout "not installed: $bestand"
done
[[ -f $startmenu ]] || fout "no Start-menu entry"
regels=$(cat "$prefix/user.reg")
for sleutel in 'Software\\\\Classes\\\\.rcv' 'Software\\\\Classes\\\\RcVeltor.Berekening\\\\shell\\\\open\\\\command' \
    'Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\RcVeltor'; do
    grep -q "^\[$sleutel\]" <<<"$regels" || fout "registry key missing: $sleutel"
done
grep -q '"RcVeltor-berekening"' <<<"$regels" || fout "no description of .rcv files"

echo "--- the installed calculator, started in another folder"
mkdir -p "$gebruiker/Documents"
verwacht=$(cd "$data" && "$linuxcli")
gekregen=$(cd "$gebruiker/Documents" && wine "$programmamap/rcveltor-cli.exe" | tr -d '\r')
[[ $verwacht == "$gekregen" ]] || {
    diff <(echo "$verwacht") <(echo "$gekregen") >&2 || true
    fout "the installed calculator differs from Linux's"
}

echo "--- the installed window program's self-check, as an update runs it"
QT_QPA_PLATFORM=offscreen wine "$programmamap/RcVeltor.exe" --zelftest >"$kras/zelftest.log" 2>&1 ||
    fout "the self-check ended with $?"
# Wine's desktop, started without a display for this run, would serve the
# next one too: everything ends first.
wacht
controleer_log "$kras/zelftest.log" "RcVeltor.exe --zelftest"

echo "--- the installed window program"
# wine-start.sh runs without a display; this one needs Xvfb's.
scherm=$(xvfb-run -a --server-args="-screen 0 1024x768x24" bash -c '
    export WINEPREFIX=$0 WINEDEBUG=-all
    /usr/lib/wine/wine64 "$1/RcVeltor.exe" /-u >"$2/venster.log" 2>&1 &
    programma=$!
    for _ in $(seq 120); do
        if xdotool search --onlyvisible --name "^RcVeltor" >/dev/null 2>&1; then
            echo zichtbaar
            import -window root "$2/venster.png" 2>/dev/null || true
            break
        fi
        sleep 0.5
    done
    /usr/lib/wine/wine64 taskkill /im RcVeltor.exe >/dev/null 2>&1 || true
    wait $programma
    echo "status $?"
    /usr/lib/wine/wineserver -w
' "$prefix" "$programmamap" "$kras")
controleer_log "$kras/venster.log" "RcVeltor.exe"
grep -q zichtbaar <<<"$scherm" || fout "the main window did not show (${scherm//$'\n'/ })"
grep -q "status 0" <<<"$scherm" || fout "RcVeltor.exe did not end cleanly (${scherm//$'\n'/ })"

echo "--- uninstall"
echo '{"versie": 1}' >"$gebruiker/Documents/dak.rcv"
wine "$programmamap/Verwijderen.exe" /S >"$kras/verwijderen.log" 2>&1 || fout "uninstaller ended with $?"
wacht
controleer_log "$kras/verwijderen.log" "uninstaller"
[[ ! -e $programmamap ]] || fout "left behind: $(ls -A "$programmamap" | tr '\n' ' ')"
[[ ! -e $startmenu ]] || fout "Start-menu entry left behind"
regels=$(cat "$prefix/user.reg")
for sleutel in 'Software\\\\Classes\\\\.rcv' 'Software\\\\Classes\\\\RcVeltor.Berekening' \
    'Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\RcVeltor'; do
    ! grep -q "^\[$sleutel\]" <<<"$regels" || fout "registry key left behind: $sleutel"
done
[[ $(cat "$gebruiker/Documents/dak.rcv") == '{"versie": 1}' ]] || fout "the user's file was touched"
echo "install, start and uninstall: all as expected"
