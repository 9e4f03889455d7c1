#!/usr/bin/env bash
# vs-office.sh VYX FILE... : whole-process conversion to text (TO=html: to HTML, TO=pdf: to PDF), vyx against the
# office suite's headless converter on the same files, side by side, runs
# alternating so that a drift of the machine's speed hits both alike.
# Prints per file the median wall time of each and the median of the pairwise
# ratios. The suite is no dependency of the project: this script installs its
# writer component when it is missing (Debian's libreoffice-writer-nogui).
# RUNS (default 5) sets the counted runs; one warm-up run of each is not counted.
set -euo pipefail
VYX="$1"; shift
RUNS="${RUNS:-5}"
TO="${TO:-txt}"
case "$TO" in
  txt) FILTER="txt:Text" ;;
  html) FILTER="html:HTML (StarWriter)" ;;
  pdf) FILTER="pdf:writer_pdf_Export" ;;
  *) echo "vs-office: TO is txt, html or pdf" >&2; exit 2 ;;
esac
if ! command -v soffice >/dev/null; then
  echo "vs-office: installing libreoffice-writer-nogui for the comparison" >&2
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends libreoffice-writer-nogui >/dev/null
fi
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
PROFILE="file://$WORK/profile"

seconds() {  # runs "$@" quietly, prints its wall time in seconds
  local t0 t1
  t0=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  t1=$(date +%s%N)
  echo "scale=4; ($t1 - $t0) / 1000000000" | bc
}
median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

printf '%-40s %10s %10s %8s\n' file vyx_s office_s ratio
for file in "$@"; do
  name="$(basename "$file")"
  ours() { rm -f "$WORK/out.$TO"; "$VYX" convert "$file" "$WORK/out.$TO"; }
  theirs() { soffice -env:UserInstallation="$PROFILE" --headless --convert-to "$FILTER" --outdir "$WORK/lo" "$file"; }
  seconds ours >/dev/null; seconds theirs >/dev/null
  a=(); b=(); r=()
  for ((i = 0; i < RUNS; i++)); do
    x=$(seconds ours); y=$(seconds theirs)
    a+=("$x"); b+=("$y"); r+=("$(echo "scale=2; $y / $x" | bc)")
  done
  printf '%-40s %10s %10s %7sx\n' "$name" "$(printf '%s\n' "${a[@]}" | median)" \
    "$(printf '%s\n' "${b[@]}" | median)" "$(printf '%s\n' "${r[@]}" | median)"
done
