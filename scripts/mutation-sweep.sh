#!/usr/bin/env bash
# Mutation sweep over the Qt-free core: puts one plausible fault at a time into
# trop/store, trop/model, trop/scoring or trop/print, rebuilds only the core
# test programs, runs them and records whether a test caught the fault.
#
#   scripts/mutation-sweep.sh [-b build-dir] [-m mutations-file] [-o results-file] [id-pattern]
#
# Each line of the mutations file (default scripts/mutations.txt) is
#   id @@ file @@ exact text @@ replacement
# The text must occur exactly once in the file; <NL> in either text stands for
# a line break. Blank lines and lines starting with # are ignored. An
# id-pattern (extended regex) runs only the matching ids.
#
# The mutated file is always put back (git checkout), also on Ctrl-C or a
# failed build; a sweep killed hard is repaired by the next run. Mutated files
# must have no uncommitted changes. Runs niced: the machine is shared.
set -uo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build="$repo/build"
mutations="$repo/scripts/mutations.txt"
results=""
while getopts "b:m:o:" option; do
  case $option in
    b) build=$(realpath "$OPTARG") ;;
    m) mutations=$(realpath "$OPTARG") ;;
    o) results=$(realpath -m "$OPTARG") ;;
    *) sed -n '2,16p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
only=${1:-.}
results=${results:-$build/mutation-results.txt}
state="$build/mutation-sweep.active" # the file currently mutated
log="$build/mutation-sweep.log"
test_timeout=${TEST_TIMEOUT:-60}

cd "$repo" || exit 2
[ -d "$build" ] || { echo "no build folder $build (configure first)"; exit 2; }

restore() {
  if [ -f "$state" ]; then
    local file
    file=$(cat "$state")
    git -C "$repo" checkout -- "$file" && rm -f "$state"
  fi
}
trap 'restore; exit 130' INT TERM
trap restore EXIT
restore # left over from a sweep that was killed

# The test programs that can see a fault in a folder, cheapest verdict first.
programs_for() {
  case $1 in
    trop/store/*) echo "store_tests model_tests scoring_tests print_tests" ;;
    trop/model/*) echo "model_tests scoring_tests print_tests" ;;
    trop/scoring/*) echo "scoring_tests print_tests" ;;
    trop/print/*) echo "print_tests" ;;
    *) echo "" ;;
  esac
}

build_target() {
  nice -n 19 cmake --build "$build" --target "$1" -j2 >>"$log" 2>&1
}

# killed / survived / no-build; the program that caught the fault on stdout.
run_programs() {
  local program
  for program in $(programs_for "$1"); do
    build_target "$program" || { echo "no-build"; return; }
    if ! (cd "$build" && nice -n 19 timeout "$test_timeout" "tests-bin/$program" --gtest_brief=1 \
          >>"$log" 2>&1); then
      echo "killed $program"
      return
    fi
  done
  echo "survived"
}

apply_mutation() { # file text replacement
  python3 - "$@" <<'EOF'
import sys
path, before, after = (a.replace("<NL>", "\n") for a in sys.argv[1:4])
with open(path, encoding="latin-1") as f:
    text = f.read()
count = text.count(before)
if count != 1:
    print(f"text occurs {count} times", file=sys.stderr)
    sys.exit(1)
with open(path, "w", encoding="latin-1") as f:
    f.write(text.replace(before, after))
EOF
}

: >"$log"
: >"$results"
killed=0; survived=0; broken=0
echo "# $(date -u '+%F %T') $(git rev-parse --short HEAD)" >>"$results"
while IFS= read -r line; do
  case $line in '' | '#'*) continue ;; esac
  id=$(awk -F' @@ ' '{print $1}' <<<"$line")
  file=$(awk -F' @@ ' '{print $2}' <<<"$line")
  before=$(awk -F' @@ ' '{print $3}' <<<"$line")
  after=$(awk -F' @@ ' '{print $4}' <<<"$line")
  [[ $id =~ $only ]] || continue
  if [ -z "$(programs_for "$file")" ] || ! git diff --quiet -- "$file"; then
    echo "$id skipped: $file is not core or has uncommitted changes" | tee -a "$results"
    continue
  fi
  echo "$file" >"$state"
  echo "=== $id $file: $before -> $after" >>"$log"
  if apply_mutation "$file" "$before" "$after" 2>>"$log"; then
    verdict=$(run_programs "$file")
  else
    verdict="no-build (text not found once)"
  fi
  restore
  case $verdict in
    killed*) killed=$((killed + 1)) ;;
    survived) survived=$((survived + 1)) ;;
    *) broken=$((broken + 1)) ;;
  esac
  printf '%-4s %-23s %s: %s -> %s\n' "$id" "$verdict" "$file" "$before" "$after" | tee -a "$results"
done <"$mutations"

total=$((killed + survived))
echo "killed $killed of $total ($(( total ? 100 * killed / total : 0 ))%), survived $survived, not built $broken" \
  | tee -a "$results"
# Leave the test programs built from the unmutated sources.
for program in store_tests model_tests scoring_tests print_tests; do build_target "$program"; done
