#!/usr/bin/env bash
# The real kvr on the command line with no display: usage and version, the table of the
# fixed experiment files compared whole, and their reports read back as a viewer reads them.
# cli-test.sh KVR FILES EXPECTED_TSV FOLDER_AT_COMMIT_LIBRARY LOCALES
set -uo pipefail
kvr=$(realpath "$1") expected=$(realpath "$3") folder_at_commit=$(realpath "$4") locales=$5
workbook=$(dirname "$(realpath "$0")")/workbook.py
cd "$2" || exit 1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$(mktemp -d) && trap 'rm -rf "$out"' EXIT
export XDG_CONFIG_HOME=$out/config
fails=0
check() { # what, then a condition
    local what=$1 && shift
    "$@" || { echo "FAIL: $what" >&2 && fails=$((fails + 1)); }
}
run() { "$kvr" "$@" >"$out/stdout" 2>"$out/stderr"; }

run --help && check --help grep -q 'kvr --check ФАЙЛ' "$out/stdout"
run --version && check --version [ "$(cat "$out/stdout")" = "kvr 1.0" ]
run -platform offscreen -style=Fusion --version
check "the toolkit's options are accepted" [ $? = 0 ]
for usage in --bogus "a.kvr b.kvr" --check --report "--report $out/stdout 1-example.kvr" \
    "--check --report $out 1-example.kvr" "-platform" "--null 1-example.kvr" \
    "--report $out -o x.xlsx 1-example.kvr" "--report $out"; do
    # shellcheck disable=SC2086
    run $usage
    check "$usage exits 2" [ $? = 2 ]
    check "$usage: usage on stderr only" grep -q 'Використання:' "$out/stderr"
    check "$usage: nothing on stdout" [ ! -s "$out/stdout" ]
done
# Each row: the exit status, the whole of standard error (\n a line break, USAGE the usage
# text), the arguments.
mkdir "$out/empty" -m 700 "$out/runtime" && usage=$("$kvr" --help)
printf '1-example.kvr\r\n' >"$out/crlf.txt" && printf '# ours\nfeed 0,05 0,2\nfeed 1 inf\n' >"$out/limits" && printf 'feed 2 1' >"$out/falling"
while IFS='|' read -r status stderr arguments; do
    eval "set -- $arguments"
    run "$@"
    check "$arguments exits $status" [ $? = "$status" ]
    check "$arguments: standard error" [ "$(cat "$out/stderr")" = "$(printf '%b' "${stderr//USAGE/$usage}")" ]
done <<ROWS
2|kvr: не вдалося прочитати список файлів «$out/none»|--check --files-from "$out/none"
2|kvr: не вдалося прочитати список файлів «$out/none»|--report "$out/r" --files-from="$out/none"
2|kvr: не вдалося прочитати список файлів «/proc/self/mem»|--check --files-from /proc/self/mem
1|kvr: теку «/sys/new» не створити|--report /sys/new 1-example.kvr
1|У теці «$out/empty» немає файлів дослідів (*.kvr).\n0 файлів: 0 без помилок, 0 з попередженням, 0 з помилкою обчислення, 0 з хибними даними, 0 не відкрито|--check "$out/empty"
0|1 файл: 1 без помилок, 0 з попередженням, 0 з помилкою обчислення, 0 з хибними даними, 0 не відкрито|--check --files-from "$out/crlf.txt"
2|kvr: межі «$out/none» не прочитати: такого файлу немає; перевірте назву і папку|--check --limits "$out/none" 1-example.kvr
2|kvr: межі «$out/crlf.txt» не прочитати: рядок 1: невідома величина «1-example.kvr»|--report "$out/r" --limits="$out/crlf.txt" 1-example.kvr
2|kvr: межі «$out/limits» не прочитати: рядок 3: після назви мають стояти два числа, менше і більше|--check --limits "$out/limits" 1-example.kvr
2|kvr: межі «$out/falling» не прочитати: рядок 1: після назви мають стояти два числа, менше і більше|--check --limits "$out/falling" 1-example.kvr
2|kvr: «--limits» буває лише з --check чи --report\n\nUSAGE|--limits x 1-example.kvr
0|1 файл: 1 без помилок, 0 з попередженням, 0 з помилкою обчислення, 0 з хибними даними, 0 не відкрито|--check --output="$out/upper.TSV" 1-example.kvr
2|kvr: «-o» буває лише з --check чи --report\n\nUSAGE|-o x.xlsx 1-example.kvr
2|kvr: «--checker=Петрів» буває лише з --check чи --report\n\nUSAGE|--checker=Петрів 1-example.kvr
2|kvr: невідомий параметр «-xyz»\n\nUSAGE|-xyz -- 1-example.kvr
ROWS
# A toolkit option names a platform without a display: the windows open the file and run.
XDG_CONFIG_HOME=$out/windows XDG_RUNTIME_DIR=$out/runtime QT_LOGGING_RULES='*.warning=false' \
    timeout 5 "$kvr" --platform offscreen 1-example.kvr 2>"$out/stderr"
check "--platform: the windows run until ended, silent" [ "$?:$(cat "$out/stderr")" = 124: ]
check "an upper-case .TSV is a table" [ "$(head -c 11 "$out/upper.TSV")" = "$(printf 'file\tstatus')" ]
"$kvr" --report "$out/r" 1-example.kvr >/dev/full 2>"$out/stderr"
check "--report: a lost output exits 2" [ $? = 2 ]
check "--report: a lost output" [ "$(cat "$out/stderr")" = "kvr: не вдалося записати у стандартний вивід" ]
run "-rf x.kvr"; check "an unknown option as typed" grep -q "«-rf x.kvr»" "$out/stderr"
run --report "$out/stdout" 1-example.kvr
check "--report into a file" grep -qx "kvr: «$out/stdout» — це файл, а не тека" "$out/stderr"
run 1-example.kvr
check "no display exits 2" [ $? = 2 ]
check "no display: the program's words" [ "$(cat "$out/stderr")" = "kvr: немає дисплея: вікна \
не відкрити; без вікон працюють kvr --check і kvr --report" ]
"$kvr" --check 1-example.kvr >/dev/full 2>/dev/null
check "a lost write exits 2" [ $? = 2 ]

run --check 1-example.kvr 1-example.kvr
check "--check of good files exits 0" [ $? = 0 ]
check "--check: two files" [ "$(cat "$out/stderr")" = "2 файли: 2 без помилок, 0 з попередженням, 0 з помилкою обчислення, 0 з хибними даними, 0 не відкрито" ]
printf '%s\n' 5-out-of-span.kvr | run --check --files-from -
check "--check of a warning exits 1" [ $? = 1 ]
check "--check: one file" [ "$(cat "$out/stderr")" = "1 файл: 0 без помилок, 1 з попередженням, 0 з помилкою обчислення, 0 з хибними даними, 0 не відкрито" ]
# Each status alone, and as the odd file first, in the middle and last, for both commands.
for bad in 4-allowable-wear.kvr 6-fault.kvr 2-unreadable.kvr 8-broken.kvr; do
    run --check "$bad" "$bad"
    check "--check of only $bad exits 1" [ $? = 1 ]
    for files in "$bad 1-example.kvr 1-example.kvr" "1-example.kvr $bad 1-example.kvr" \
        "1-example.kvr 1-example.kvr $bad"; do
        # shellcheck disable=SC2086
        run --check $files
        check "--check $files exits 1" [ $? = 1 ]
        [[ $bad = 2-* || $bad = 6-* ]] || continue
        # shellcheck disable=SC2086
        run --report "$out/statuses" $files
        check "--report $files exits 1" [ $? = 1 ]
    done
done
# The folder stands for its files, sorted by their bytes.
env -u XDG_RUNTIME_DIR "$kvr" --check . $'no\tsuch.kvr' >"$out/stdout" 2>"$out/stderr"
check "--check exits 1" [ $? = 1 ]
check "--check table" diff "$expected" "$out/stdout"
check "--check: the summary, and none of the toolkit's warnings" [ "$(cat "$out/stderr")" = "У теці «.» \
знайдено 26 файлів (*.kvr).
$(awk -F'\t' \
    'NR>1{n[$2]++} END{printf "%d файлів: %d без помилок, %d з попередженням, %d з помилкою обчислення, %d з хибними даними, %d не відкрито", NR-1,
    n["ok"], n["warning"], n["fault"], n["input"], n["file"]}' "$expected")" ]
{ find . -iname '*.kvr' -print0 | LC_ALL=C sort -z && printf 'no\tsuch.kvr\0'; } |
    run --check --files-from - --null -o "$out/table.tsv"
check "--files-from: the same table" diff "$expected" "$out/table.tsv"
check "-o: nothing on stdout" [ ! -s "$out/stdout" ]
# Each file read as its student's window read it, whoever checks; the workbook as the table.
check "the same statuses in any language" [ "$(cut -f2 "$expected")" = "$(cut -f2 "${expected%/*}/check.en_US.tsv")" ]
english() { LANG=en_US.UTF-8 LOCPATH=$locales "$kvr" --check . $'no\tsuch.kvr' "$@" 2>/dev/null; }
check "the English table" diff "${expected%/*}/check.en_US.tsv" <(english)
english -o "$out/en.xlsx"; run --check . $'no\tsuch.kvr' -o "$out/group.xlsx"
check "the workbook" /usr/bin/python3 "$workbook" "$out/group.xlsx" "$expected" \
    "$([[ $LANG = uk_UA* ]] && echo , || echo .)" "$locales"
check "the English workbook" /usr/bin/python3 "$workbook" "$out/en.xlsx" "${expected%/*}/check.en_US.tsv" . "$locales" check-captions.en_US.txt
printf 'flank_wear 0 40\n' >"$out/lab" && run --check --limits "$out/lab" 1-example.kvr
check "the lab's own limits" [ "$(awk -F'\t' 'END {print $3 "|" $NF}' "$out/stdout")" = "3|ім'я містить \
керівні символи; hз13 = 43 мкм: поза межами 0–40; вимірювання — з прикладу, яким починає програма" ]
# Only regular files: not a folder, a dangling link or a name that is all extension.
mkdir "$out/folder.kvr" && ln -s none "$out/dangling.kvr" && touch "$out/.kvr"
cp 1-example.kvr "$out/"$'\xcf\xe5.kvr' && run --check "$out"
check "a name that is not UTF-8" [ "$(cut -f1,2 "$out/stdout")" = "$(printf 'file\tstatus\n%s\tok' \
    "$out/\\xCF\\xE5.kvr")" ]
run --check -o /sys/table.tsv 1-example.kvr
check "-o that cannot be written exits 2" [ $? = 2 ]
check "-o: why" grep -qx "Не вдалося зберегти таблицю групи у файл «/sys/table.tsv»: .*" "$out/stderr"

mkdir "$out/pdf" && run --report "$out/pdf" 1-example.kvr 5-out-of-span.kvr 1-example.kvr \
    2-unreadable.kvr 8-broken.kvr
check "--report exits 1" [ $? = 1 ]
day=$(date +%F)
check "--report: each refused or unchanged file on a line of its own" [ "$(cat "$out/stderr")" = "Звіт \
«$out/pdf/Іваненко Іван $day.pdf» уже є: дослід «1-example.kvr» відтоді не змінився.
Звіт для «2-unreadable.kvr» не складено: Не вдалося прочитати: D, τ12. Не вказано ім'я користувача.
Не вдалося відкрити дослід «8-broken.kvr»: вміст не є правильним текстом JSON.
Звіти, де бракує математичних моделей (причину сказано на сторінці):
  $out/pdf/Сидоренко $(date +%F).pdf" ]
check "--report: which file became which report" [ "$(cat "$out/stdout")" = "$(printf '%s\t%s\n' \
    1-example.kvr "$out/pdf/Іваненко Іван $day.pdf" 5-out-of-span.kvr "$out/pdf/Сидоренко $day.pdf" \
    1-example.kvr "$out/pdf/Іваненко Іван $day.pdf" 2-unreadable.kvr "" 8-broken.kvr "")" ]
# A file whose bytes have their report in the folder gets no second one, and says so; a
# changed file's report takes the next free name beside the old, in a folder made for it; a
# name with dots keeps them.
sed 's/"Сидоренко"/"Петренко І. В."/' 5-out-of-span.kvr >"$out/dots.kvr"
run --report "$out/made/here" "$out/dots.kvr" && run --report "$out/pdf" 5-out-of-span.kvr
check "--report of an unchanged file exits 0" [ $? = 0 ]
check "--report of an unchanged file: nothing new" [ "$(cat "$out/stderr")" = "Звіт «$out/pdf/\
Сидоренко $day.pdf» уже є: дослід «5-out-of-span.kvr» відтоді не змінився.
Звіти, де бракує математичних моделей (причину сказано на сторінці):
  $out/pdf/Сидоренко $day.pdf" ]
echo >>"$out/dots.kvr" && run --report "$out/made/here" 5-out-of-span.kvr "$out/dots.kvr" "$out/dots.kvr"
check "--report names" [ "$(ls "$out/pdf" "$out/made/here")" = "$(printf '%s\n' "$out/made/here:" \
    "Петренко І. В. $day (2).pdf" "Петренко І. В. $day.pdf" "Сидоренко $day.pdf" "" "$out/pdf:" \
    "Іваненко Іван $day.pdf" "Сидоренко $day.pdf")" ]
check "an undetermined run's report: why, where the models stand" [ "$(pdftotext \
    "$out/pdf/Сидоренко $day.pdf" - | sed -n '/^Математичні моделі$/,/^Графіки/p' | tr , .)" = \
    "$(printf '%s\n' "Математичні моделі" "Моделі не визначено: Значення довільного часу \
оброблення не повинно виходити за межі часу проведення" "експерименту на 15% (1.7 - 6.9) хв." "" \
        "Графіки залежностей")" ]
# Progress goes to standard error while it is a terminal, whatever standard output is: each
# file counted in place, a message on a line of its own, the count ended before the summary.
on_tty() { script -qec "'$kvr' $* >/dev/null" /dev/null | tr '\r\033' '|~'; }
three='1-example.kvr 8-broken.kvr 5-out-of-span.kvr'
# A PDF that is no report of ours is left alone.
mkdir "$out/tty" && printf '%%PDF-1.4\n' >"$out/tty/foreign.pdf"
check "--check's progress" [ "$(on_tty --check $three)" = "$(printf '|Перевірено %s з 3' 1 2 3)|
3 файли: 1 без помилок, 1 з попередженням, 0 з помилкою обчислення, 0 з хибними даними, 1 не відкрито|" ]
check "--report's progress" [ "$(on_tty --report "$out/tty" $three)" = "|Опрацьовано 1 з 3|~[KНе \
вдалося відкрити дослід «8-broken.kvr»: вміст не є правильним текстом JSON.|
$(printf '|Опрацьовано %s з 3' 1 2 3)|
Звіти, де бракує математичних моделей (причину сказано на сторінці):|
  $out/tty/Сидоренко $day.pdf|" ]
script -qec "'$kvr' --check 1-example.kvr 2>'$out/err'" /dev/null >/dev/null
check "no progress off a terminal" [ "$(cat "$out/err")" = "1 файл: 1 без помилок, 0 з попередженням, 0 з помилкою обчислення, 0 з хибними даними, 0 не відкрито" ]
# The table reaches the disk before the program says it is written.
strace -f -e trace=fsync -o "$out/trace" "$kvr" --check -o "$out/synced.tsv" 1-example.kvr 2>/dev/null
check "the table is synced" grep -q '^[0-9]* *fsync(' "$out/trace"
# A folder put at the path between the write and the commit: the commit's failure is said,
# and nothing of the table is left beside it.
mkdir "$out/commit" && LD_PRELOAD=$folder_at_commit ASAN_OPTIONS=verify_asan_link_order=0 \
    KVR_FOLDER_AT=$out/commit/table.tsv run --check -o "$out/commit/table.tsv" 1-example.kvr
check "a failed commit exits 2" [ $? = 2 ]
check "a failed commit: why" [ "$(cat "$out/stderr")" = "Не вдалося зберегти таблицю групи у файл \
«$out/commit/table.tsv»: це папка, а не файл. Файл на диску не змінено." ]
check "a failed commit leaves only the folder" [ "$(ls -A "$out/commit")" = table.tsv ]
run --report /sys 1-example.kvr
check "--report: a folder that takes no file, and no file there to keep" grep -qx "Не вдалося \
зберегти звіт у файл «/sys/Іваненко Іван $day.pdf»: немає дозволу на запис у цей файл чи папку; \
виберіть іншу папку." "$out/stderr"
check "batch runs leave the settings alone" [ ! -e "$out/config" ]
run --report "$out/signed" --checker "Петрів  О. І." 7-life-fault.kvr
check "--checker signs the report" grep -q "Перевірив: Петрів О. І." <(pdftotext "$out/signed"/*.pdf -)
check "a fault's report says why it lacks a model" grep -q "Не всі моделі визначено: Недопустима \
операція з дійсними числами. Знос інструмента 3 не зростає" <(pdftotext "$out/signed"/*.pdf -)
check "--report: which reports lack their models" [ "$(cat "$out/stderr")" = "$(printf '%s\n  %s' \
    "Звіти, де бракує математичних моделей (причину сказано на сторінці):" "$out/signed/Шевченко $day.pdf")" ]
check "the report's subject: its experiment" grep -q "<rdf:li xml:lang='x-default'>7-life-fault.kvr<" \
    <(pdfinfo -meta "$out/signed"/*.pdf)
for pdf in "$out/pdf"/*; do
    check "$pdf: one A4 page" [ "$(pdfinfo "$pdf" | grep -cE '^Pages: +1$|\(A4\)$')" = 2 ]
    name=$(basename "$pdf" | sed 's/ [0-9-]*\( ([23])\)\?\.pdf$//')
    check "$pdf: the name" grep -q "Виконав: $name" <(pdftotext "$pdf" -)
done
exit $((fails > 0))
