#!/usr/bin/env bash
# Installs what is missing, builds, and starts the daemon for this user.
#
# Unless ZORVELANTA_PORTAL already names a portal, the demo portal zv-portal
# is started first on 127.0.0.1 with its data under the user's data
# directory, the daemon is pointed at it, and the portal is stopped again
# when the daemon ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh

if [ -n "${ZORVELANTA_PORTAL:-}" ]; then
  exec build/bin/ZuVA "$@"
fi

PORTAL_DATA="${XDG_DATA_HOME:-$HOME/.local/share}/ZorvelantaPrinter-demo-portal"
PORTAL_LOG="$PORTAL_DATA/zv-portal.log"
mkdir -p "$PORTAL_DATA"
PORTAL_PID=""

stop_portal() {
  if [ -n "$PORTAL_PID" ] && kill -0 "$PORTAL_PID" 2>/dev/null; then
    kill "$PORTAL_PID" 2>/dev/null || true
    wait "$PORTAL_PID" 2>/dev/null || true
  fi
}
trap stop_portal EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Starts the portal on port $1; sets PORTAL_URL once it listens.
start_portal() {
  build/bin/zv-portal --port "$1" --data "$PORTAL_DATA" >"$PORTAL_LOG" 2>&1 &
  PORTAL_PID=$!
  for _ in $(seq 1 300); do
    if grep -q 'ouvindo em' "$PORTAL_LOG" 2>/dev/null; then
      PORTAL_URL="$(grep -o 'http://[^ ]*/' "$PORTAL_LOG" | head -n 1)"
      return 0
    fi
    kill -0 "$PORTAL_PID" 2>/dev/null || break
    sleep 0.1
  done
  stop_portal
  PORTAL_PID=""
  return 1
}

# The usual port, or any free one when something else holds it.
PORTAL_URL=""
start_portal "${ZV_PORTAL_PORT:-8765}" || start_portal 0 || {
  echo "O portal de demonstração não iniciou:" >&2
  cat "$PORTAL_LOG" >&2
  exit 1
}

cat <<INFO
Portal de demonstração: $PORTAL_URL (dados em $PORTAL_DATA)
  Domínio: DEMO    Login: FINANCEIRO    Senha: demo
O portal é encerrado quando o daemon terminar.
INFO

status=0
ZORVELANTA_PORTAL="$PORTAL_URL" build/bin/ZuVA "$@" || status=$?
exit "$status"
