#!/usr/bin/env bash
# Sets up, builds and starts the program. Until the designer window exists
# this creates the sample design and lists it through the command line.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
BIN="$BUILD/bin"
if [[ -x "$BIN/corvane" ]]; then
  exec "$BIN/corvane" "$@"
fi
"$BIN/corvane-cli" project list | grep -qP '\tDemo$' || "$BIN/corvane-cli" demo
"$BIN/corvane-cli" project list
"$BIN/corvane-cli" class list Demo
"$BIN/corvane-cli" member list Demo Book
