#!/usr/bin/env bash
# Builds many seeded random designs (default 200) and parses their SQL, as
# the test suite does for twelve: bash scripts/random-designs.sh [COUNT] [SEED]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
PYTHONPATH="$BUILD/tests/e2e-python" exec python3 "$ROOT/tests/e2e/random/random_designs.py" \
  "$BUILD/bin/corvane-cli" xbuild mcs mono sqlfluff "${1:-200}" "${2:-2026}"
