#!/usr/bin/env bash
# Installs what is missing, builds, and starts the daemon for this user.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/bin/ZuVA "$@"
