# shellcheck shell=bash
# Sourced by the benchmarks that need zor-simulator --headless:
#   start_simulator BIN FOLDER [OPTIONS...]   starts it on FOLDER/socket (its
#                                           state files in FOLDER), waits at most
#                                           10 s for its ready line; sets
#                                           simulator_pid and exports the
#                                           device link's variables for it
#   stop_simulator                          SIGTERM, SIGKILL after 5 s
start_simulator() {
  local bin=$1 folder=$2
  shift 2
  ZORCOMM_STATE=$folder/controller-state "$bin/zor-simulator" --headless --socket "$folder/socket" "$@" \
    >"$folder/ready" 2>"$folder/stderr" &
  simulator_pid=$!
  for _ in $(seq 100); do
    grep -q '^zor-simulator: serving' "$folder/ready" && break
    kill -0 "$simulator_pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! grep -q '^zor-simulator: serving' "$folder/ready"; then
    echo "zor-simulator did not get ready within 10 s:" >&2
    cat "$folder/stderr" >&2
    return 1
  fi
  export ZORCOMM_LINK=simulator ZORCOMM_SOCKET=$folder/socket
}
stop_simulator() {
  [ -n "${simulator_pid:-}" ] || return 0
  kill -TERM "$simulator_pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$simulator_pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$simulator_pid" 2>/dev/null || true
  wait "$simulator_pid" 2>/dev/null || true
  simulator_pid=
}
