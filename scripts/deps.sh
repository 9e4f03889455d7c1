#!/usr/bin/env bash
# deps.sh: installs the Debian packages the build, the tests and the tool need.
# Quiet and quick when everything is already there: it asks dpkg first and
# only calls apt-get for what is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  zlib1g-dev libhunspell-dev hunspell-en-us libzxing-dev
  libfreetype-dev libharfbuzz-dev libfontconfig-dev libcairo2-dev
  libpng-dev libjpeg-dev libgif-dev libtiff-dev
  libssl-dev libsqlite3-dev libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea fonts-dejavu-core fonts-dejavu-extra
  libfribidi-dev libunibreak-dev unicode-data
  unzip
  libpugixml-dev libclang-rt-14-dev python3 python3-html5lib tidy libxml2-utils
  qpdf poppler-utils liblcms2-dev librsvg2-bin libdeflate-dev
  nlohmann-json3-dev fonts-wqy-zenhei
)

# Tools only benchmarks compare against (never needed to build or test):
# VYX_BENCH_TOOLS=1 scripts/deps.sh installs them too.
BENCH_PACKAGES=(antiword)
if [ "${VYX_BENCH_TOOLS:-0}" = 1 ]; then
  PACKAGES+=("${BENCH_PACKAGES[@]}")
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "vyx: installing ${missing[*]}" >&2
  SUDO=""
  if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq >/dev/null
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
