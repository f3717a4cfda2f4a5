#!/usr/bin/env bash
# The engine exports exactly its three functions, without decoration.
set -euo pipefail
objdump=$1
dll=$2
names=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
        sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort | tr '\n' ' ')
expected="setposition_callback stop_transcoding synth_trans "
if [ "$names" != "$expected" ]; then
  echo "exports: '$names', wanted '$expected'"
  exit 1
fi
echo "exports: $names"
