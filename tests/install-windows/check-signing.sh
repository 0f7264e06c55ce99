#!/usr/bin/env bash
# Makes the installers as the build does when given a certificate, with a
# self-signed one made here, and checks the signatures of the .msi and of the
# program in the zip and in the .msi; then that what was signed can be told
# from the signature: without it, the program is the unsigned program byte for
# byte, and the .msi holds what it held before it was signed.
# Usage: check-signing.sh SETTINGS MAKE_INSTALLERS PRODUCT_NAME PROGRAM_FILE
set -euo pipefail
settings=$1 make_installers=$2 product=$3 program=$4
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
server=''
finish() {
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A certificate valid for code signing and a second one that never signed anything.
for name in signer stranger; do
    openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/$name.key" -out "$work/$name.pem" -days 2 \
        -subj "/CN=Orvane test $name" -addext extendedKeyUsage=codeSigning 2>/dev/null
done

cmake -D "SETTINGS=$settings" -D "WORK=$work/made" -D "MSI=$work/signed.msi" -D "ZIP=$work/signed.zip" \
    -D "SIGN_CERT=$work/signer.pem" -D "SIGN_KEY=$work/signer.key" -P "$make_installers" \
    || fail "the installers were not made with a certificate"

mkdir "$work/zip" "$work/msi"
unzip -q "$work/signed.zip" -d "$work/zip"
zipped=$(find "$work/zip" -name "$program")
[ -n "$zipped" ] || fail "the zip holds no $program"
(cd "$work/msi" && msiextract "$work/signed.msi" >/dev/null)
installed=$(find "$work/msi" -name "$program")
[ -n "$installed" ] || fail "the msi holds no $program"

for file in "$work/signed.msi" "$zipped" "$installed"; do
    report=$(osslsigncode verify -CAfile "$work/signer.pem" -in "$file" 2>&1) \
        || fail "the signature of ${file#"$work"/} does not verify: $report"
    grep -qx "Signature verification: ok" <<<"$report" || fail "${file#"$work"/}: $report"
    grep -qF "Text description: $product" <<<"$report" || fail "${file#"$work"/} is not signed as $product"
    # Signed without a time stamp, so that signing needs no network.
    grep -qx "Timestamp is not available" <<<"$report" || fail "${file#"$work"/} carries a time stamp"
    ! osslsigncode verify -CAfile "$work/stranger.pem" -in "$file" >/dev/null 2>&1 \
        || fail "${file#"$work"/} verifies against a certificate that never signed it"
done
# A release compared with a rebuild: the program without its signature is the
# unsigned program itself.
cmake -D "SETTINGS=$settings" -D "WORK=$work/unsigned" -D "MSI=$work/unsigned.msi" -D "ZIP=$work/unsigned.zip" \
    -P "$make_installers" || fail "the installers were not made without a certificate"
mkdir "$work/unsigned-zip"
unzip -q "$work/unsigned.zip" -d "$work/unsigned-zip"
osslsigncode remove-signature -in "$zipped" -out "$work/stripped.exe" >/dev/null
cmp "$work/stripped.exe" "$(find "$work/unsigned-zip" -name "$program")" \
    || fail "the program without its signature is not the unsigned program"
# Taking the signature off an MSI rewrites its container, so the two are
# compared by their tables, streams and summary.
osslsigncode remove-signature -in "$work/signed.msi" -out "$work/stripped.msi" >/dev/null
for msi in stripped.msi made/unsigned/installer.msi; do
    mkdir -p "$work/dump/$msi"
    (cd "$work/dump/$msi" && msidump --streams --tables "$work/$msi" >/dev/null)
done
diff -r "$work/dump/stripped.msi" "$work/dump/made/unsigned/installer.msi" >&2 \
    || fail "the MSI without its signature holds other tables or streams than before it was signed"
# Given a time-stamping service, here one of our own on the loopback address,
# every signature carries its stamp.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/tsa.key" -out "$work/tsa.pem" -days 2 \
    -subj "/CN=Orvane test time stamps" -addext extendedKeyUsage=critical,timeStamping 2>/dev/null
echo 01 >"$work/tsa.serial"
cat >"$work/tsa.cnf" <<CONFIG
[ tsa ]
default_tsa = stamps
[ stamps ]
serial = $work/tsa.serial
signer_cert = $work/tsa.pem
signer_key = $work/tsa.key
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = sha256
ess_cert_id_alg = sha256
CONFIG
python3 "$here/time-stamp-server.py" "$work/tsa.cnf" >"$work/tsa.port" &
server=$!
for _ in $(seq 50); do [ -s "$work/tsa.port" ] && break; sleep 0.1; done
[ -s "$work/tsa.port" ] || fail "the time-stamping service did not start"
no_proxy=127.0.0.1 cmake -D "SETTINGS=$settings" -D "WORK=$work/stamped" -D "MSI=$work/stamped.msi" -D "ZIP=$work/stamped.zip" \
    -D "SIGN_CERT=$work/signer.pem" -D "SIGN_KEY=$work/signer.key" \
    -D "SIGN_TIMESTAMP_URL=http://127.0.0.1:$(cat "$work/tsa.port")/" -P "$make_installers" \
    || fail "the installers were not made with a time-stamping service"
mkdir "$work/stamped-zip"
unzip -q "$work/stamped.zip" -d "$work/stamped-zip"
for file in "$work/stamped.msi" "$(find "$work/stamped-zip" -name "$program")"; do
    report=$(osslsigncode verify -CAfile "$work/signer.pem" -TSA-CAfile "$work/tsa.pem" -in "$file" 2>&1) \
        || fail "the time-stamped signature of ${file#"$work"/} does not verify: $report"
    grep -qx "Timestamp Server Signature verification: ok" <<<"$report" \
        || fail "${file#"$work"/} carries no time stamp: $report"
done
echo "signing checks passed"
