# Sourced by the completion tests: the files the cases complete, and the check of a table of cases.

# Goes into a new folder of the files the cases complete, removed on exit.
enter_files() {
  files=$(mktemp -d)
  trap 'rm -rf "$files"' EXIT
  cd "$files" && mkdir sub && touch a.htm b.HTML c.set notes.txt
}

failures=0

# Checks each case "LINE|EXPECTED": the completions that the test's complete_line prints for LINE,
# with the cursor at its end, are EXPECTED.
check_cases() {
  local entry line expected got
  for entry; do
    line=${entry%%|*} expected=${entry#*|}
    got=$(complete_line "$line")
    if [[ $got != "$expected" ]]; then
      printf 'completing "%s"\n  expected: %s\n  got:      %s\n' "$line" "$expected" "$got"
      ((++failures))
    fi
  done
}
