#!/usr/bin/env bash
# Plays SCRIPT drawn by Qt and headless and fails when the two transcripts
# differ or either run fails.
#   same_transcript.sh PLAYER SCRIPT SNAPS [PLAYER OPTIONS ...]
set -uo pipefail
player=$1 script=$2 snaps=$3
shift 3
drawn=$(mktemp) headless=$(mktemp)
trap 'rm -f "$drawn" "$headless"' EXIT
"$player" "$@" --snaps "$snaps" "$script" >"$drawn" 2>/dev/null || { cat "$drawn"; exit 1; }
"$player" "$@" --headless "$script" >"$headless" 2>/dev/null || { cat "$headless"; exit 1; }
diff -u "$headless" "$drawn" && echo "same transcript, $(wc -l <"$drawn") lines"
