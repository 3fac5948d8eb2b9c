#!/bin/sh
# The packages made with a certificate, as scripts/package --sign makes them: both programs (as
# the zip holds them, the MSI's own files being the same) and the MSI carry a signature that
# osslsigncode verifies against that certificate, a throwaway self-signed one made here; a wrong
# password makes no package.
#   signing_test.sh DIR MAKE_PACKAGE_COMMAND...  (the command writes its packages into DIR/out)
set -eu
dir=$1
shift
rm -rf "$dir"
mkdir -p "$dir/unzipped"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$dir/key.pem" -out "$dir/cert.pem" -days 2 \
  -subj "/CN=VELTO Test Signer" -addext "extendedKeyUsage=codeSigning" -addext "keyUsage=digitalSignature" \
  2>/dev/null
openssl pkcs12 -export -inkey "$dir/key.pem" -in "$dir/cert.pem" -out "$dir/cert.pfx" -passout pass:Zz-test-7
printf '%s' wrong >"$dir/wrong"
if ZZ_SIGN_PFX="$dir/cert.pfx" ZZ_SIGN_PASSWORD_FILE="$dir/wrong" "$@" >"$dir/wrong.log" 2>&1; then
  echo "a wrong password made a package"; exit 1
fi
[ -z "$(ls "$dir/out" 2>/dev/null)" ] || { echo "a wrong password left a package in $dir/out"; exit 1; }

printf '%s' Zz-test-7 >"$dir/password"
ZZ_SIGN_PFX="$dir/cert.pfx" ZZ_SIGN_PASSWORD_FILE="$dir/password" "$@"
msi=$(ls "$dir"/out/*.msi)
(cd "$dir/unzipped" && cmake -E tar xf "$(ls "$dir"/out/*.zip)")
for file in "$dir/unzipped/zurerizeda.exe" "$dir/unzipped/zconf.exe" "$msi"; do
  if ! osslsigncode verify -CAfile "$dir/cert.pem" -in "$file" >"$dir/verify.log" 2>&1; then
    cat "$dir/verify.log"; echo "not signed: $file"; exit 1
  fi
  grep -q "Subject: /CN=VELTO Test Signer" "$dir/verify.log" || { cat "$dir/verify.log"; exit 1; }
  grep -q "Text description: Настройка шлюза VELTO Gateway" "$dir/verify.log" || { cat "$dir/verify.log"; exit 1; }
done
echo "signed and verified: zurerizeda.exe, zconf.exe, $(basename "$msi")"
rm -rf "$dir"
