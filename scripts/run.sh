#!/usr/bin/env bash
# Sets up, builds and starts the program. A design database without any
# project first gets the sample project "Demo", so a newcomer sees it.
# Arguments go to the program (for example --dir DIR).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
BIN="$BUILD/bin"
if [[ -z $("$BIN/corvane-cli" "$@" project list) ]]; then
  "$BIN/corvane-cli" "$@" demo
fi
if [[ -x "$BIN/corvane" ]]; then
  exec "$BIN/corvane" "$@"
fi
"$BIN/corvane-cli" "$@" project list
"$BIN/corvane-cli" "$@" class list Demo
"$BIN/corvane-cli" "$@" member list Demo Book
