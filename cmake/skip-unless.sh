#!/bin/sh
# skip-unless.sh PATH COMMAND...: runs COMMAND when PATH exists; otherwise says why
# and exits with the code CTest reads as "skipped" (VYX_SKIP_CODE).
path=$1
shift
if [ ! -e "$path" ]; then
  echo "skipped: $path is absent"
  exit 77
fi
exec "$@"
