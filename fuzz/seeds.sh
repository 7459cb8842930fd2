#!/bin/sh
# Fills a corpus folder with the seeds of one fuzz target, taken from the shipped data:
#   fuzz/seeds.sh <target> <folder>      e.g. fuzz/seeds.sh price corpus/price
set -eu
target=$1
out=$2
res=$(dirname "$0")/../resources
bad=$(dirname "$0")/../tests/data/bad-inputs
mkdir -p "$out"
seed() {
    printf '%s' "$1" >"$out/seed-$(printf '%s' "$1" | md5sum | cut -c1-16)"
}
# The unquoted fields of every catalogue line, with the line's number.
fields() {
    tr -d '\r' <"$res/config2.bin" | awk -F, -v want="$1" \
        '{ for (i = 1; i <= NF; i++) if (want < 0 || i == want + 1) { f = $i; gsub(/"/, "", f); print f "\t" NR } }' |
        sort -u -t "	" -k1,1
}
# The character sizes the height and width lists offer, with their unit.
sizes() {
    grep -E '^(300|400)[0-2][0-9]	' "$res/strings.tsv" |
        sed -e 's/^300..	\(.*\)/\1	in/' -e 's/^400..	\(.*\)/\1	cm/'
}
case $target in
# The whole file, and runs of eight lines, which mutate faster.
catalogue | catalogue_windows | parts_map | parts_map_estimate)
    file=$res/config2.bin
    kind=catalogue
    case $target in parts_map*) file=$res/mapping.bin kind=parts-map ;; esac
    cp "$file" "$bad/$kind"/* "$out/"
    split -l 8 "$file" "$out/lines-"
    ;;
price)
    fields 1 | while IFS="	" read -r price line; do seed "$price
$line"; done
    ;;
number)
    for pattern in '#,##0.00' '#,###.0' '#0.00' '0.000' '00' 'Currency' '0%;(0%)' '"$"#,##0'; do
        fields -1 | head -40 | while IFS="	" read -r text _; do seed "$text
$pattern"; done
    done
    ;;
model_number)
    # Numbers of the shipped layouts, and line requests over the offered sizes.
    for number in AF0-2H2A4-0602V CL1-1S1A4-1203H CC0-2S2A4-2501V af0-2h2a4-0602v AF0-2H2A4-06; do
        sizes | awk 'NR % 4 == 1' | while IFS="	" read -r size unit; do seed "$number
2
12
$size
$size
1
$unit"; done
    done
    ;;
# The shipped files and the damaged ones of the test data, whole.
bdf_font) cp "$res"/fonts/*.bdf "$bad"/fonts/* "$out/" ;;
picture)
    cp "$bad"/pictures/* "$out/"
    find "$res" -type f -size -64k \( -name '*.bmp' -o -name '*.gif' -o -name '*.jpg' -o -name '*.png' \) |
        xargs -r cp -t "$out/"
    ;;
class_table) cp "$res/components.manifest" "$bad"/manifest/* "$bad"/registry/* "$out/" ;;
clip_text) cp "$res/ClipText.txt" "$bad"/cliptext/* "$out/" ;;
desktop_entry)
    cp "$bad"/desktop/* "$out/"
    find /usr/share/applications -name '*.desktop' 2>/dev/null | head -20 | xargs -r cp -t "$out/"
    ;;
ini)
    cp "$bad"/ini/* "$out/"
    seed "$(printf '; diagnostics\r\n[ZomelBuilder]\r\nDebugLevel=12\r\nLogFile="/tmp/ZB.log"\r\n')"
    ;;
paper)
    cp "$bad"/paper/* "$out/" 2>/dev/null || true
    seed "$(printf 'ColorModel/Color Mode: *Gray RGB\nPageSize/Media Size: Letter *A4 Legal\nPageRegion/PageRegion: *Letter A4\n')"
    seed "$(printf 'PageSize/Page Size: *iso_a4_210x297mm na_letter_8.5x11in\r\n')"
    seed "$(printf '# the paper of this desktop\n\n  a4\n')"
    for name in letter A4.Fullbleed na_legal_8.5x14in iso_a5_148x210mm executive tabloid; do seed "$name"; done
    ;;
photo_list) cp "$res/gifs_jpegs/pic.txt" "$bad"/gallery/* "$out/" ;;
rtf_document) cp "$res"/*.hms "$res/Header.inc" "$bad"/rtf/* "$out/" ;;
templates) cp "$res"/*.hms "$bad"/rtf/* "$out/" ;;
export_header) cp "$res/Header.inc" "$bad"/header/* "$out/" ;;
settings)
    cp "$bad"/settings/* "$out/"
    seed "$(printf '[ZomelBuilder\\Window]\nLeft=120\nTop=%%3D\n[ZomelBuilder\\Units]\nMetric=1\n')"
    ;;
string_table) cp "$res/strings.tsv" "$bad"/strings/* "$out/" ;;
window_description) cp "$res"/forms/*.json "$bad"/forms/* "$out/" ;;
*)
    echo "no seeds for $target" >&2
    exit 2
    ;;
esac
