#!/usr/bin/env bash
# Plays frame.play against the program in a working folder of its own whose
# kw_zezido.ini reaches the test server, saving the pictures into SNAPS.
#   play_frame.sh ZOROZO_BINARY SCRIPT SNAPS
set -euo pipefail
program=$1 script=$2 snaps=$3
: "${ZOROZO_DSN:?no test server (run scripts/test)}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '[kw_zezido]\r\nmy:naziv=%s\r\nmy:user=%s\r\nmy:psw=qz%spu907\r\nmy:db=app_reg\r\napp:korisnik=ALFA\r\n' \
    "$ZOROZO_DSN" "$ZOROZO_DB_USER" "$ZOROZO_DB_PASSWORD" >"$work/kw_zezido.ini"
mkdir -p "$work/root"
cd "$work"
ZOROZO_ROOT="$work/root" "$program" --play "$script" --snaps "$snaps"
