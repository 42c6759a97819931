#!/usr/bin/env bash
# Reads kvl-ridavu-cli's fish completion with fish and completes command lines with it as fish
# does on a Tab. Exits with 77, skipped, where fish is not installed.
#   fish-completion-test.sh SCRIPT
set -uo pipefail
export LC_ALL=C
script=$1
command -v fish >/dev/null || exit 77
source "$(dirname "$0")/completion-cases.sh"
fish --no-config -n "$script" || exit 1

# Prints the completions of the line $1, sorted, without their descriptions.
complete_line() {
  fish --no-config -c 'source $argv[1]; complete -C $argv[2]' "$script" "$1" | cut -f1 | sort |
    paste -sd' '
}

enter_files
check_cases \
  'kvl-ridavu-cli |check export join list map params' \
  'kvl-ridavu-cli export -|--dir --force --help --name --order --robust --skip-bad --sort --template --top --where -h -o' \
  'kvl-ridavu-cli list --format |csv json table tsv' \
  'kvl-ridavu-cli map a.htm --agg |count max mean min' \
  'kvl-ridavu-cli list a.htm --sort profit:|profit:asc profit:desc' \
  'kvl-ridavu-cli list |a.htm b.HTML sub/' \
  'kvl-ridavu-cli list --format json |a.htm b.HTML sub/' \
  'kvl-ridavu-cli list a.htm |' \
  'kvl-ridavu-cli join a.htm b.HTML --on x |a.htm b.HTML sub/' \
  'kvl-ridavu-cli export a.htm --template |c.set sub/' \
  'kvl-ridavu-cli export a.htm --dir |sub/' \
  'kvl-ridavu-cli export a.htm 3 -o |a.htm b.HTML c.set notes.txt sub/'
exit $((failures > 0))
