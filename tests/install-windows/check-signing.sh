#!/usr/bin/env bash
# Makes the installers as the build does when given a certificate, with a
# self-signed one made here, and checks the signatures of the .msi and of the
# program in the zip and in the .msi.
# Usage: check-signing.sh SETTINGS MAKE_INSTALLERS PRODUCT_NAME PROGRAM_FILE
set -euo pipefail
settings=$1 make_installers=$2 product=$3 program=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

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
        || fail "the signature of ${file#$work/} does not verify: $report"
    grep -qx "Signature verification: ok" <<<"$report" || fail "${file#$work/}: $report"
    grep -qF "Text description: $product" <<<"$report" || fail "${file#$work/} is not signed as $product"
    # Signed without a time stamp, so that signing needs no network.
    grep -qx "Timestamp is not available" <<<"$report" || fail "${file#$work/} carries a time stamp"
    ! osslsigncode verify -CAfile "$work/stranger.pem" -in "$file" >/dev/null 2>&1 \
        || fail "${file#$work/} verifies against a certificate that never signed it"
done
echo "signing checks passed"
