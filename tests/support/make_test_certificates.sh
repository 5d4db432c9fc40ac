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

cat > authority.cnf <<'CNF'
[ca]
default_ca = test
[test]
database = index.txt
new_certs_dir = issued
serial = serial
default_md = sha256
policy = any
[any]
commonName = supplied
[loopback]
subjectAltName = IP:127.0.0.1,DNS:localhost
[elsewhere]
subjectAltName = DNS:tiles.elsewhere.example
CNF

# sign <name> <authority> <extensions> <start> <end> [<host>]
sign() {
    : >index.txt
    echo 01 >serial
    openssl ca -batch -notext -config authority.cnf -cert $2.pem -keyfile $2.key -in server.csr -out $1.pem \
        -extensions $3 -startdate $4 -enddate $5 -subj "/CN=${6:-127.0.0.1}" 2>/dev/null
}

sign valid ca loopback 20200101000000Z 20991231000000Z
sign expired ca loopback 20200101000000Z 20210101000000Z
sign not_yet_valid ca loopback 20900101000000Z 20991231000000Z
# Clients match the common name too, so it names the other host as well.
sign wrong_host ca elsewhere 20200101000000Z 20991231000000Z tiles.elsewhere.example
sign unknown_issuer rogue loopback 20200101000000Z 20991231000000Z
