#!/bin/sh
# Every part our DOCX writer produces validates against the ECMA-376 transitional
# schemas: each input is converted with `vyx convert`, unpacked, and its parts
# checked with xmllint (libxml2-utils) against the schema of their namespace.
# Usage: docx_validate.sh VYX SCHEMA_DIR WORK_DIR INPUT.docx...
set -u
vyx=$1; schemas=$2; work=$3; shift 3
command -v xmllint >/dev/null 2>&1 || { echo "xmllint missing"; exit 77; }
command -v unzip >/dev/null 2>&1 || { echo "unzip missing"; exit 77; }
failed=0; count=0
for input in "$@"; do
  name=$(basename "$input" .docx)
  dir="$work/$name"
  rm -rf "$dir"; mkdir -p "$dir"
  if ! "$vyx" convert "$input" "$dir/out.docx" >/dev/null 2>&1; then
    continue  # inputs we refuse to read are not the writer's concern
  fi
  (cd "$dir" && unzip -q out.docx) || { echo "$name: not a zip"; failed=1; continue; }
  wml=$(cd "$dir" && ls word/*.xml)
  (cd "$dir" && xmllint --noout --schema "$schemas/wml.xsd" $wml) >"$dir/log" 2>&1 || {
    echo "$name: WordprocessingML parts do not validate"; cat "$dir/log"; failed=1; }
  (cd "$dir" && xmllint --noout --schema "$schemas/dml-main.xsd" word/theme/theme1.xml) >"$dir/log" 2>&1 || {
    echo "$name: theme does not validate"; cat "$dir/log"; failed=1; }
  (cd "$dir" && xmllint --noout --schema "$schemas/opc-relationships.xsd" _rels/.rels word/_rels/*.rels) >"$dir/log" 2>&1 || {
    echo "$name: relationships do not validate"; cat "$dir/log"; failed=1; }
  (cd "$dir" && xmllint --noout --schema "$schemas/opc-contentTypes.xsd" "[Content_Types].xml") >"$dir/log" 2>&1 || {
    echo "$name: content types do not validate"; cat "$dir/log"; failed=1; }
  (cd "$dir" && xmllint --noout --schema "$schemas/shared-documentPropertiesExtended.xsd" docProps/app.xml) >"$dir/log" 2>&1 || {
    echo "$name: app properties do not validate"; cat "$dir/log"; failed=1; }
  (cd "$dir" && xmllint --noout --schema "$schemas/opc-coreProperties.xsd" docProps/core.xml) >"$dir/log" 2>&1 || {
    echo "$name: core properties do not validate"; cat "$dir/log"; failed=1; }
  count=$((count + 1))
  rm -rf "$dir"
done
echo "validated $count packages"
exit $failed
