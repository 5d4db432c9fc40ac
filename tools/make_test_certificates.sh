#!/bin/sh
# Makes the certificates of the loopback tile server in folder $1: a test authority the tests trust, server
# certificates for 127.0.0.1 signed by it (valid, expired, not yet valid, issued for another host), and one
# signed by an authority nobody trusts.
set -e
out=$1
rm -rf "$out"
mkdir -p "$out/issued"
cd "$out"

key() {
    openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:prime256v1 -out "$1" 2>/dev/null
}

for authority in ca rogue; do
    key $authority.key
    openssl req -x509 -new -key $authority.key -out $authority.pem -days 36500 -subj "/CN=Tarnwell test $authority"
done

key server.key
openssl req -new -key server.key -out server.csr -subj "/CN=127.0.0.1"
# Only `openssl ca` sets both ends of the validity, and it wants an authority's set-up.
printf '[ca]\ndefault_ca=test\n[test]\ndatabase=index.txt\nserial=serial\npolicy=any\n[any]\ncommonName=supplied\n' \
    >authority.cnf
echo "subjectAltName = IP:127.0.0.1,DNS:localhost" >loopback.ext
echo "subjectAltName = DNS:tiles.elsewhere.example" >elsewhere.ext

# sign <name> <authority> <extensions> <start> <end> [<host>]
sign() {
    : >index.txt
    echo 01 >serial
    openssl ca -batch -notext -config authority.cnf -md sha256 -outdir issued -cert $2.pem -keyfile $2.key \
        -in server.csr -out $1.pem -extfile $3.ext -startdate $4 -enddate $5 -subj "/CN=${6:-127.0.0.1}" 2>/dev/null
}

sign valid ca loopback 20200101000000Z 20991231000000Z
sign expired ca loopback 20200101000000Z 20210101000000Z
sign not_yet_valid ca loopback 20900101000000Z 20991231000000Z
# Clients match the common name too, so it names the other host as well.
sign wrong_host ca elsewhere 20200101000000Z 20991231000000Z tiles.elsewhere.example
sign unknown_issuer rogue loopback 20200101000000Z 20991231000000Z
