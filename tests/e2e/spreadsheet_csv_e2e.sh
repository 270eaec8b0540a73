# The CSV table as a real spreadsheet reads it: LibreOffice Calc, headless,
# opens the table of five tests (three with units) with the Swedish language
# and saves it as xlsx. Every figure the program wrote must be a number cell
# there (no t="s" or t="str"): a table whose figures come in as texts can be
# neither sorted nor averaged. Of the texts, the file name, the driving
# pattern and the class must stay texts; a free text that looks like a number
# (a setting "18") becomes one, which a CSV cannot prevent: the xlsx table is
# for that.
# Arguments: the executable, a work folder, the folder of sample test files.
# Skipped (77) where LibreOffice is not installed.
set -euo pipefail
exe=$1 work=$2 samples=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v soffice >/dev/null || { echo "SKIP: soffice (LibreOffice) is not installed"; exit 77; }
command -v unzip >/dev/null || { echo "SKIP: unzip is not installed"; exit 77; }
rm -rf "$work" && mkdir -p "$work"

# A target above the rate gives a negative deviation: "-53,3" must be a number too.
LC_ALL=C sed 's/^M\xE5lgiva,200/M\xE5lgiva,9800/' "$samples/valid-unit-lines.vkf" >"$work/under-target.vkf"
QT_QPA_PLATFORM=offscreen LANG=sv_SE.UTF-8 "$exe" --csv "$work/tabell.csv" \
  "$samples/valid.vkf" "$samples/valid-unit-lines.vkf" "$samples/valid-own-kit-unit-lines.vkf" \
  "$samples/valid-racetrack.vkf" "$work/under-target.vkf" || fail "the table was not written"
grep -q ';-[0-9,]*;' "$work/tabell.csv" || fail "no negative deviation in the table"

# Semicolon, double quote, UTF-8, from line 1, Swedish (1053).
soffice -env:UserInstallation="file://$work/profile" --headless --infilter=CSV:59,34,76,1,,1053 \
  --convert-to xlsx --outdir "$work" "$work/tabell.csv" >"$work/soffice.log" 2>&1 \
  || fail "LibreOffice did not convert the table: $(cat "$work/soffice.log")"
[ -s "$work/tabell.xlsx" ] || fail "LibreOffice wrote no xlsx: $(cat "$work/soffice.log")"
unzip -p "$work/tabell.xlsx" xl/worksheets/sheet1.xml >"$work/sheet1.xml" || fail "no sheet in the xlsx"

# One line per cell of the xlsx: "J2 n" for a number, "J2 s" for a text.
tr '<' '\n' <"$work/sheet1.xml" | sed -n 's/^c r="\([A-Z]*[0-9]*\)"\(.*\)$/\1 \2/p' |
  awk '{ kind = ($0 ~ /t="(s|str|inlineStr)"/) ? "s" : "n"; print $1, kind }' >"$work/cells.txt"

# The CSV's own fields, compared column by column: the texts are the first
# seven, Körmönster, Klass, Enhet and Varningar, and the record's and the
# pattern's words at the end; every other column holds figures (a date among them).
awk -v cells="$work/cells.txt" -F';' '
  function letters(i,   s) { s = ""; i++; while (i > 0) { s = sprintf("%c", 65 + (i - 1) % 26) s; i = int((i - 1) / 26) } return s }
  BEGIN { while ((getline line < cells) > 0) { split(line, p, " "); kind[p[1]] = p[2] } }
  { sub(/\r$/, "") }
  NR == 1 { sub(/^[^F]*/, ""); for (i = 1; i <= NF; i++) header[i - 1] = $i; next }
  {
    for (i = 1; i <= NF; i++) {
      if ($i == "") continue
      c = i - 1; ref = letters(c) NR
      text = c <= 6 || c == 8 || c == 10 || c == 18 || c == 24 || header[c] ~ /^(Kund|Provare|Anteckning|Mönster)$/
      if (!(ref in kind)) { print "missing cell " ref " (" header[c] ")"; bad++; continue }
      if ((c == 0 || c == 8 || c == 10) && kind[ref] != "s") { print ref " (" header[c] ") " $i " became a number"; bad++ }
      if (!text && kind[ref] != "n") { print ref " (" header[c] ") " $i " is not a number"; bad++ }
      if (!text) numbers[header[c]]++
    }
  }
  END {
    if (!("Giva kg/ha" in numbers) || !("VK osäkerhet %" in numbers) || !("VK %" in numbers)) { print "figure columns left empty"; bad++ }
    n = 0; for (h in numbers) n += numbers[h]
    printf "%d number cells in %d figure columns\n", n, length(numbers)
    exit bad > 0
  }' "$work/tabell.csv" || fail "LibreOffice did not read every figure as a number"
echo "PASS"
