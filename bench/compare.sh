#!/usr/bin/env bash
# Times the program's scans on a year file beside the same work done by `cat` (reading the file)
# and by SQLite's shell on the same cards loaded into a table without an index, in one run, and
# prints each time with its ratio to `cat`. CPU seconds (user + system), median of five runs, warm
# page cache. Needs the built bench_scan and the sqlite3 shell (scripts/setup-deps --tests).
# Usage: bench/compare.sh YEARFILE DD/MM/YYYY [BUILD_DIR]
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
  echo "usage: $0 YEARFILE DD/MM/YYYY [BUILD_DIR]" >&2
  exit 2
fi
year_file=$1
today=$2
build_dir=${3:-$(dirname "$0")/../build}
bench_scan="$build_dir/bench/bench_scan"
[ -f "$year_file" ] || { echo "no such file: $year_file" >&2; exit 2; }
[ -x "$bench_scan" ] || { echo "build bench_scan first: $bench_scan" >&2; exit 2; }
command -v sqlite3 > /dev/null || { echo "sqlite3 is missing: scripts/setup-deps --tests" >&2; exit 2; }
[[ $today =~ ^([0-9]{2})/([0-9]{2})/([0-9]{4})$ ]] || { echo "the date is DD/MM/YYYY" >&2; exit 2; }
year=${BASH_REMATCH[3]}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
db="$work/year.db"

# The cards as the program reads them, one row each.
"$bench_scan" --rows "$year_file" > "$work/rows.tsv"
sqlite3 "$db" <<SQL
CREATE TABLE visite (dataent TEXT, oraent TEXT, operatoreent TEXT, cognome TEXT, nome TEXT, codfisc TEXT,
  motivo TEXT, tessera TEXT, tipodoc TEXT, numdoc TEXT, enteril TEXT, telcel TEXT, note TEXT, datausc TEXT,
  orausc TEXT, operatoreusc TEXT);
.mode tabs
.import $work/rows.tsv visite
SQL
rm -f "$work/rows.tsv"

# The median CPU seconds of five runs of a command, its output thrown away.
median_cpu() {
  local times=() t
  for _ in 1 2 3 4 5; do
    t=$( { TIMEFORMAT='%3U %3S'; time "$@" > /dev/null; } 2>&1 | awk '{ printf "%.3f", $1 + $2 }')
    times+=("$t")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n 3p
}

# Lines as the screens build them, sorted the lists' way (upper() folds a to z only).
presence_line="printf('%-30.30s  Cel. %-12.12s  Entrata: %-10.10s  Ora: %-5.5s  Motivo: %s', cognome || ' ' || nome, telcel, dataent, oraent, motivo)"
today_line="printf('%-30.30s  Cel. %-12.12s  Ora entrata: %-5.5s  Uscita: %-10.10s  Ora: %-5.5s  %s', cognome || ' ' || nome, telcel, oraent, datausc, orausc, motivo)"
search_line="printf('%-28.28s  Cel. %-12.12s  Entrata: %-10.10s  Ora: %-5.5s  Uscita: %-10.10s  Ora: %-5.5s  %s', cognome || ' ' || nome, telcel, dataent, oraent, datausc, orausc, motivo)"
declare -A query=(
  [not-exited]="SELECT $presence_line AS l FROM visite WHERE datausc = '' ORDER BY upper(l);"
  [entered-today]="SELECT $today_line AS l FROM visite WHERE dataent = '$today' ORDER BY upper(l);"
  [exited-today]="SELECT $today_line AS l FROM visite WHERE datausc = '$today' ORDER BY upper(l);"
  [search-surname-ross]="SELECT $search_line AS l FROM visite WHERE cognome LIKE '%ross%' ORDER BY upper(l);"
  [monthly-counts]="SELECT substr(dataent, 4, 2), count(*) FROM visite WHERE substr(dataent, 7, 4) = '$year' GROUP BY 1;"
  [summary-month-3]="SELECT $search_line FROM visite WHERE substr(dataent, 7, 4) || substr(dataent, 4, 2) BETWEEN '${year}03' AND '${year}03';"
)
declare -A goal=([not-exited]=2.0 [entered-today]=1.5 [exited-today]=1.5 [search-surname-ross]=2.5 [monthly-counts]=1.5 [summary-month-3]=-)

scan=$("$bench_scan" "$year_file" "$today")
cat_s=$(median_cpu cat "$year_file")

printf 'Year file %s, %s bytes; cat %s s\n' "$year_file" "$(stat -c %s "$year_file")" "$cat_s"
printf '%-20s %10s %9s %9s %9s %10s %6s\n' work portavel lines sqlite 'x cat' 'sqlite/cat' goal
while read -r name seconds count; do
  if [ "$name" = peak-rss-mb ]; then
    printf 'peak memory of bench_scan: %s MB\n' "$seconds"
    continue
  fi
  sql_s=$(median_cpu sqlite3 "$db" "${query[$name]}")
  awk -v n="$name" -v s="$seconds" -v c="$count" -v q="$sql_s" -v k="$cat_s" -v g="${goal[$name]}" \
    'BEGIN { printf "%-20s %10s %9s %9s %9.2f %10.2f %6s\n", n, s, c, q, s / k, q / k, g }' 
done <<< "$scan"
