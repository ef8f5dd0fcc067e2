#!/usr/bin/env bash
# Runs a command with a throwaway PostgreSQL server beside it: installs the server and its ODBC
# driver when missing, starts a fresh cluster listening on the loopback only, names it to the
# command in VELK_TEST_POSTGRES (the odbc.ini lines of a data source on it, ";" between them),
# and stops and removes it when the command ends, whatever its result.
# Usage: bash scripts/with-postgres.sh COMMAND [ARGS...]
set -euo pipefail

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
missing=()
for p in postgresql odbc-postgresql; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  # The package's own cluster is not wanted: ours is made below.
  $SUDO mkdir -p /etc/postgresql-common/createcluster.d
  echo "create_main_cluster = false" | $SUDO tee /etc/postgresql-common/createcluster.d/velk.conf >/dev/null
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
dir=$(mktemp -d /tmp/velk-postgres-XXXXXX)
# The server refuses to run as root: it runs as the postgres account then.
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  chown postgres "$dir"
  as_owner=(runuser -u postgres --)
fi

port=""
for candidate in $(seq 54329 54399); do
  if ! (exec 3<>"/dev/tcp/127.0.0.1/$candidate") 2>/dev/null; then port=$candidate; break; fi
done
[ -n "$port" ] || { echo "with-postgres: no free port on the loopback" >&2; exit 1; }

stop() {
  "${as_owner[@]}" "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}
trap stop EXIT

"${as_owner[@]}" "$bin/initdb" -D "$dir/data" -A trust -U velk -E UTF8 --locale=C.UTF-8 >/dev/null
"${as_owner[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
  -o "-c listen_addresses=127.0.0.1 -p $port -k $dir" start >/dev/null
echo "with-postgres: PostgreSQL on 127.0.0.1:$port"

export VELK_TEST_POSTGRES="Driver=PostgreSQL Unicode;Servername=127.0.0.1;Port=$port;Username=velk"
"$@"
