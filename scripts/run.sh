#!/usr/bin/env bash
# Installs what is missing, builds, and starts the daemon for this user.
#
# Unless ZORVELANTA_PORTAL already names a portal, the demo portal zv-portal
# is started first on 127.0.0.1 with its data under the user's data
# directory, beside a demo FTP server (pyftpdlib, account demo / demo) whose
# root folder is the portal's FTP root; the daemon is pointed at the portal,
# the portal hands out the FTP server's address at login, and both are
# stopped again when the daemon ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh

if [ -n "${ZORVELANTA_PORTAL:-}" ]; then
  exec build/bin/ZuVA "$@"
fi

PORTAL_DATA="${XDG_DATA_HOME:-$HOME/.local/share}/ZorvelantaPrinter-demo-portal"
PORTAL_LOG="$PORTAL_DATA/zv-portal.log"
FTP_ROOT="$PORTAL_DATA/ftp"
FTP_LOG="$PORTAL_DATA/ftp.log"
mkdir -p "$PORTAL_DATA" "$FTP_ROOT"
PORTAL_PID=""
FTP_PID=""

# Stops the process whose id is $1, if it still runs.
stop_process() {
  if [ -n "$1" ] && kill -0 "$1" 2>/dev/null; then
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
  fi
}
stop_servers() {
  stop_process "$PORTAL_PID"
  stop_process "$FTP_PID"
}
trap stop_servers EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# A TCP port on 127.0.0.1 that nothing listens on right now.
free_port() {
  /usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# Starts the demo FTP server on a free port; sets FTP_ADDRESS once it
# listens. Another program may take the port between the choice and the
# start, so a second port is tried.
start_ftp() {
  local port
  for _ in 1 2; do
    port="$(free_port)" || return 1
    /usr/bin/python3 -m pyftpdlib -i 127.0.0.1 -p "$port" -d "$FTP_ROOT" -u demo -P demo -w \
      >"$FTP_LOG" 2>&1 &
    FTP_PID=$!
    for _ in $(seq 1 100); do
      if grep -q 'starting FTP server' "$FTP_LOG" 2>/dev/null; then
        FTP_ADDRESS="127.0.0.1:$port"
        return 0
      fi
      kill -0 "$FTP_PID" 2>/dev/null || break
      sleep 0.1
    done
    stop_process "$FTP_PID"
    FTP_PID=""
  done
  return 1
}

# Starts the portal on port $1; sets PORTAL_URL once it listens.
start_portal() {
  local ftp_option=()
  if [ -n "$FTP_ADDRESS" ]; then
    ftp_option=(--ftp "$FTP_ADDRESS")
  fi
  build/bin/zv-portal --port "$1" --data "$PORTAL_DATA" --ftp-root "$FTP_ROOT" "${ftp_option[@]}" \
    >"$PORTAL_LOG" 2>&1 &
  PORTAL_PID=$!
  for _ in $(seq 1 300); do
    if grep -q 'ouvindo em' "$PORTAL_LOG" 2>/dev/null; then
      PORTAL_URL="$(grep -o 'http://[^ ]*/' "$PORTAL_LOG" | head -n 1)"
      return 0
    fi
    kill -0 "$PORTAL_PID" 2>/dev/null || break
    sleep 0.1
  done
  stop_process "$PORTAL_PID"
  PORTAL_PID=""
  return 1
}

# Without the FTP server the portal still serves everything but the
# publication of new files.
FTP_ADDRESS=""
if ! start_ftp; then
  echo "Aviso: o servidor FTP de demonstração não iniciou (pacote python3-pyftpdlib?):" >&2
  cat "$FTP_LOG" >&2 || true
fi

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
Servidor FTP de demonstração: ${FTP_ADDRESS:-não iniciado} (pasta $FTP_ROOT, usuário demo, senha demo)
O portal e o servidor FTP são encerrados quando o daemon terminar.
INFO

status=0
ZORVELANTA_PORTAL="$PORTAL_URL" build/bin/ZuVA "$@" || status=$?
exit "$status"
