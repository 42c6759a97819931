#!/usr/bin/env bash
# Completes command lines with kvl-ridavu-cli's bash completion as bash does on a Tab, and checks
# that it offers the commands and each command's options that the tool's help lists.
#   bash-completion-test.sh SCRIPT TOOL
set -uo pipefail
export LC_ALL=C
script=$1 tool=$2
source "$(dirname "$0")/completion-cases.sh"
source "$script"

# Works only while readline completes: the options asked for are recorded instead.
compopt() { options+=" $*"; }

# Prints the completions of the line $1, sorted, then the options they asked for. Bash splits
# the line into COMP_WORDS at blanks and at ':' and '=', which stand as words of their own.
complete_line() {
  local line=$1 spaced
  spaced=${line//:/ : } spaced=${spaced//=/ = }
  COMP_LINE=$line COMP_POINT=${#line}
  read -ra COMP_WORDS <<<"$spaced"
  [[ $line != *[[:blank:]] ]] || COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=() options=
  _kvl_ridavu_cli
  { printf '%s\n' "${COMPREPLY[@]}" | sort; } | paste -sd' ' | tr -d '\n'
  printf '%s' "$options"
}

enter_files
check_cases \
  'kvl-ridavu-cli li|list' \
  'kvl-ridavu-cli -|--help --version -V -h' \
  'kvl-ridavu-cli list --for|--format' \
  'kvl-ridavu-cli list --format |csv json table tsv' \
  'kvl-ridavu-cli list --format=j|json' \
  'kvl-ridavu-cli map a.htm --agg m|max mean min' \
  'kvl-ridavu-cli map a.htm --column d|drawdown drawdown-percent' \
  'kvl-ridavu-cli list --robust i|' \
  'kvl-ridavu-cli list a.htm --sort profit|profit-factor:asc profit-factor:desc profit:asc profit:desc' \
  'kvl-ridavu-cli list a.htm --sort profit:d|desc' \
  'kvl-ridavu-cli export a.htm --sort=drawdown-percent:|asc desc' \
  'kvl-ridavu-cli list a.htm --order trad|trades:asc trades:desc -o nospace' \
  'kvl-ridavu-cli list --where dr|drawdown drawdown-percent -o nospace' \
  "kvl-ridavu-cli list --where 'pa|'param: -o nospace" \
  'kvl-ridavu-cli list |a.htm b.HTML sub -o filenames' \
  'kvl-ridavu-cli list --limit=3 --form|--format' \
  'kvl-ridavu-cli list --format json |a.htm b.HTML sub -o filenames' \
  'kvl-ridavu-cli list --params |a.htm b.HTML sub -o filenames' \
  'kvl-ridavu-cli list -- |a.htm b.HTML sub -o filenames' \
  'kvl-ridavu-cli list a.htm |' \
  'kvl-ridavu-cli export a.htm |' \
  'kvl-ridavu-cli export a.htm --template |c.set sub -o filenames' \
  'kvl-ridavu-cli export a.htm --dir |sub -o filenames' \
  'kvl-ridavu-cli export a.htm 3 -o |a.htm b.HTML c.set notes.txt sub -o filenames' \
  'kvl-ridavu-cli export a.htm --top |' \
  'kvl-ridavu-cli join a.htm |a.htm b.HTML sub -o filenames' \
  'kvl-ridavu-cli join a.htm b.HTML --all |a.htm b.HTML sub -o filenames' \
  'kvl-ridavu-cli join a.htm b.htm --labels |' \
  'kvl-ridavu-cli show |'

commands=$("$tool" --help | sed -n '/^Subcommands:/,/^$/s/^  \([a-z]*\) .*/\1/p' | sort | paste -sd' ')
check_cases "kvl-ridavu-cli |$commands"
for command in $commands; do
  listed=$("$tool" "$command" --help | sed -n '/^Options:/,/^$/s/^  \(-[^ ]*\).*/\1/p' |
    tr ',' '\n' | sort | paste -sd' ')
  check_cases "kvl-ridavu-cli $command -|$listed"
done
exit $((failures > 0))
