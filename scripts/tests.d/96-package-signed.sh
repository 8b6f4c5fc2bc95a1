# scripts/package --sign: with a self-signed code-signing certificate made here by
# openssl (in a password-protected PKCS#12 file), the packaged DLL carries an
# Authenticode signature that osslsigncode verifies against that certificate, that
# covers the DLL (a changed byte fails it), and that changes nothing else: without it the
# DLL is the unsigned one byte for byte, with the same export and version resource. The
# zip's SHA256SUMS is that of the signed DLL.
source "$(dirname "$0")/../lib/common.sh"
skip_without_command i686-w64-mingw32-g++ g++-mingw-w64-i686
skip_without_command osslsigncode osslsigncode
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(head -n 1 "$ROOT/VERSION")
umask 077
echo "orvane-test-$RANDOM$RANDOM" >"$work/password"
openssl req -x509 -newkey rsa:2048 -sha256 -days 30 -nodes -subj "/CN=Orvane Trapping test signer" \
  -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
  -keyout "$work/key.pem" -out "$work/cert.pem" 2>"$work/openssl.log" || { cat "$work/openssl.log"; exit 1; }
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/signer.pfx" -passout "file:$work/password"
umask 022

ORVANE_DIST="$work/dist" "$ROOT/scripts/package" --sign "$work/signer.pfx" --password-file "$work/password" >"$work/log" 2>&1 \
  || { cat "$work/log"; echo "scripts/package --sign failed"; exit 1; }
grep -E '^(package|sha256):' "$work/log"
zip="$work/dist/OrvaneTrp-$version.zip"
(cd "$work/dist" && sha256sum -c --strict SHA256SUMS) || { echo "dist/SHA256SUMS does not check"; exit 1; }
unzip -q "$zip" -d "$work/unpacked"
(cd "$work/unpacked" && sha256sum -c --strict SHA256SUMS) || { echo "the zip's SHA256SUMS does not check"; exit 1; }
signed="$work/unpacked/OrvaneTrp.dll"

verify=$(osslsigncode verify -CAfile "$work/cert.pem" -in "$signed" 2>&1) || { echo "$verify"; echo "the signature does not verify"; exit 1; }
grep -q '^Signature verification: ok' <<<"$verify" || { echo "$verify"; exit 1; }
grep -q 'Subject: /CN=Orvane Trapping test signer' <<<"$verify" || { echo "$verify"; echo "signed by another certificate"; exit 1; }
current=$(sed -n 's/^Current message digest *: *\([0-9A-F]*\).*/\1/p' <<<"$verify")
calculated=$(sed -n 's/^Calculated message digest *: *\([0-9A-F]*\).*/\1/p' <<<"$verify")
[ -n "$current" ] && [ "$current" = "$calculated" ] || { echo "$verify"; echo "the signed digest is not the DLL's"; exit 1; }
echo "signature: verifies, SHA-256 digest $current"

# A byte changed in the code fails the verification.
cp "$signed" "$work/tampered.dll"
text_offset=$(i686-w64-mingw32-objdump -h "$signed" | awk '$2 == ".text" {print $6}')
offset=$((0x$text_offset + 64))
printf '\xcc' | dd of="$work/tampered.dll" bs=1 seek="$offset" conv=notrunc status=none
cmp -s "$signed" "$work/tampered.dll" && printf '\x90' | dd of="$work/tampered.dll" bs=1 seek="$offset" conv=notrunc status=none
if osslsigncode verify -CAfile "$work/cert.pem" -in "$work/tampered.dll" >/dev/null 2>&1; then
  echo "a changed DLL still verifies: the signature does not cover it"; exit 1
fi

# Without its signature the DLL is the unsigned one of the same build.
cp "$BUILD_ROOT/win32/OrvaneTrp.dll" "$work/unsigned.dll"
osslsigncode remove-signature -in "$signed" -out "$work/removed.dll" >/dev/null
cmp "$work/unsigned.dll" "$work/removed.dll" || { echo "the signed DLL differs from the unsigned one in more than its signature"; exit 1; }
[ "$(dll_exports "$signed")" = main ] || { echo "the signed DLL exports: $(dll_exports "$signed")"; exit 1; }
rsrc() { i686-w64-mingw32-objdump -s -j .rsrc "$1" | tail -n +4; }
[ "$(rsrc "$signed")" = "$(rsrc "$work/unsigned.dll")" ] || { echo "the signed DLL's resources differ"; exit 1; }
out=$(ORVANE_DLL="$signed" "$BUILD_ROOT/native/unit_tests" --gtest_filter='VersionResource.*' 2>&1) || { echo "$out"; exit 1; }
if grep -q "SKIPPED" <<<"$out"; then echo "$out"; echo "the version resource test skipped"; exit 1; fi
grep -q "PASSED" <<<"$out" || { echo "$out"; exit 1; }
echo "signed DLL: only the signature added; export main and the version resource unchanged"
