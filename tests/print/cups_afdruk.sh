#!/usr/bin/env bash
# Prints a report through a real CUPS server of our own: a queue that writes
# PDF to a file. Checks the printed file's pages and text, then stops the
# server. Arguments: the print program and lambda.bin.
set -euo pipefail
programma=$1
lambda=$2

werk=$(mktemp -d /tmp/rcv-cups.XXXXXX)
chmod 755 "$werk"
uit=$werk/uit
mkdir -p "$uit" "$werk/spool" "$werk/cache" "$werk/log" "$werk/state" "$werk/ppd"
chmod 1777 "$uit"
poort=$((20000 + RANDOM % 20000))
cat >"$werk/cupsd.conf" <<CONF
Listen 127.0.0.1:$poort
LogLevel warn
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Location /admin>
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow from 127.0.0.1
  </Limit>
</Policy>
CONF
cat >"$werk/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $werk
RequestRoot $werk/spool
CacheDir $werk/cache
StateDir $werk/state
AccessLog $werk/log/access_log
ErrorLog $werk/log/error_log
PageLog $werk/log/page_log
CONF

cupsd -f -c "$werk/cupsd.conf" -s "$werk/cups-files.conf" &
pid=$!
stop() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -rf "$werk"
}
trap stop EXIT

export CUPS_SERVER=127.0.0.1:$poort
# lpstat -r answers with success either way; its text tells whether the
# scheduler accepts connections yet.
for _ in $(seq 1 100); do
    [[ "$(lpstat -r 2>/dev/null)" == "scheduler is running" ]] && break
    sleep 0.1
done
lpadmin -p rcvtest -E -v "file://$uit/afdruk.pdf" -m lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd

QT_QPA_PLATFORM=offscreen "$programma" rcvtest "$lambda"

# Wait for the job to leave the queue and the file to be complete.
for _ in $(seq 1 200); do
    if [[ -s "$uit/afdruk.pdf" ]] && [[ -z "$(lpstat -o rcvtest 2>/dev/null)" ]]; then
        break
    fi
    sleep 0.1
done
if [[ ! -s "$uit/afdruk.pdf" ]]; then
    echo "FAIL: no printed file"; cat "$werk/log/error_log" 2>/dev/null | tail -20; exit 1
fi
paginas=$(pdfinfo "$uit/afdruk.pdf" | awk '/^Pages:/ {print $2}')
formaat=$(pdfinfo "$uit/afdruk.pdf" | awk -F: '/^Page size:/ {print $2}')
tekst=$(pdftotext "$uit/afdruk.pdf" -)
fout=0
[[ "$paginas" == 1 ]] || { echo "FAIL: $paginas pages"; fout=1; }
[[ "$formaat" == *"595"*"842"* ]] || { echo "FAIL: page size $formaat"; fout=1; }
for stuk in "Rc-berekening" "volgens NEN 1068" "Ambral" "2,74" "0,35"; do
    grep -qF "$stuk" <<<"$tekst" || { echo "FAIL: '$stuk' not printed"; fout=1; }
done
if ((fout == 0)); then
    echo "printed through CUPS: 1 page, A4, texts found"
fi
exit $fout
