#!/usr/bin/env bash
# Uruchamia programy libFuzzer z tests/fuzz po kolei, każdy przez podaną liczbę
# sekund, z przykładami i słownikiem z repozytorium. Nowe przykłady trafiają do
# FOLDER/korpus/<nazwa>, znaleziska do FOLDER/znaleziska. Kod 1, gdy coś znaleziono.
# Użycie: scripts/fuzz.sh FOLDER_BUDOWY SEKUNDY [NAZWA...]
set -uo pipefail
cd "$(dirname "$0")/.."
budowa=$1
sekundy=$2
shift 2
cele=("$@")
[ ${#cele[@]} -eq 0 ] && cele=(siec pociag kalendarz ustawienia argumenty)
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
fi
mkdir -p "$budowa/znaleziska"
wynik=0
for cel in "${cele[@]}"; do
  korpus="$budowa/korpus/$cel"
  mkdir -p "$korpus"
  echo "== fuzz_$cel: $sekundy s"
  if ! "$budowa/tests/fuzz/fuzz_$cel" "$korpus" "tests/fuzz/$cel" \
      -dict="tests/fuzz/$cel.dict" -max_total_time="$sekundy" -timeout=30 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$budowa/znaleziska/$cel-" 2> "$budowa/znaleziska/$cel.log"; then
    tail -n 60 "$budowa/znaleziska/$cel.log"
    echo "fuzz_$cel: znalezisko w $budowa/znaleziska/ (dodaj wejście do tests/fuzz/$cel po naprawie)"
    wynik=1
  else
    grep -E "^(#[0-9]+.*DONE|stat::number_of_executed_units)" "$budowa/znaleziska/$cel.log" | tail -n 2
  fi
done
exit $wynik
