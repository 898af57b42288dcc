#!/usr/bin/env bash
# Every tool of the course answers "--help" and "-h" with its usage on
# standard output (exit status 0) and refuses an option it does not have with
# its usage on standard error (exit status 2), and then creates nothing.
#
#   options_of_every_tool.sh TOOL_OR_FOLDER...
#
# A folder stands for every program in it (build/tools), so that a tool put
# there later is held to the same.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 TOOL_OR_FOLDER..." >&2; exit 2; }

tools=()
for given in "$@"; do
  if [ -d "$given" ]; then
    for file in "$given"/*; do [ -f "$file" ] && [ -x "$file" ] && tools+=("$(realpath "$file")"); done
  else
    [ -x "$given" ] || { echo "FAIL: $given is not a built program" >&2; exit 1; }
    tools+=("$(realpath "$given")")
  fi
done
mapfile -t tools < <(printf '%s\n' "${tools[@]}" | sort -u)

# arguments | exit status | the stream the usage goes to
readonly CASES=(
  "--help|0|out"
  "-h|0|out"
  "--bogus|2|err"
  "-x|2|err"
  "made --bogus|2|err"     # behind what the tool would make (a file, a folder)
)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0 runs=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for tool in "${tools[@]}"; do
  name=$(basename "$tool")
  for row in "${CASES[@]}"; do
    IFS='|' read -r arguments status stream <<<"$row"
    folder="$scratch/$name.$runs"
    mkdir "$folder"
    runs=$((runs + 1))
    got=0
    # shellcheck disable=SC2086  # the arguments are words
    (cd "$folder" && exec env -u DISPLAY "$tool" $arguments) \
      >"$scratch/out" 2>"$scratch/err" || got=$?
    said="$name $arguments"
    [ "$got" -eq "$status" ] || fail "$said: exit status $got, not $status"
    grep -q "usage: $name" "$scratch/$stream" || fail "$said: no usage on standard $stream"
    if [ "$stream" = out ]; then
      [ ! -s "$scratch/err" ] || fail "$said: standard error holds: $(head -c 200 "$scratch/err")"
      cp "$scratch/out" "$scratch/usage"
    else
      grep -v 'unknown option' "$scratch/err" | cmp -s - "$scratch/usage" ||
        fail "$said: the usage refused is not the usage --help gives"
      [ ! -s "$scratch/out" ] || fail "$said: standard output holds: $(head -c 200 "$scratch/out")"
      # a refusal that says whose it is says it by the tool's own name
      while IFS= read -r teller; do
        [ "$teller" = "$name" ] || fail "$said: the refusal is told by \"$teller\""
      done < <(sed -n 's/^\([^ ]*\): unknown option.*/\1/p' "$scratch/err")
    fi
    [ -z "$(ls -A "$folder")" ] || fail "$said: created $(ls -A "$folder" | tr '\n' ' ')"
  done
done
[ ${#tools[@]} -ge 6 ] || fail "only ${#tools[@]} tools found: ${tools[*]}"
[ "$failures" -eq 0 ] || exit 1
echo "PASS: ${#tools[@]} tools, $runs calls"
