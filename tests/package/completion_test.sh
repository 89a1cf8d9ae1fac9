#!/usr/bin/env bash
# The bash completion of zqvcps-cli against the real program: commands, a command's options
# (read from its --help) and the value of a global option that comes before the command.
#   completion_test.sh COMPLETION_SCRIPT ZQVCPS_CLI
set -uo pipefail
script="$1"
cli="$2"
# shellcheck source=/dev/null
source /usr/share/bash-completion/bash_completion || { echo "bash-completion is not installed"; exit 1; }
# shellcheck source=/dev/null
source "$script"

failures=0
# expect "WORDS AFTER THE PROGRAM" "CANDIDATES THAT MUST BE OFFERED" ["CANDIDATES THAT MUST NOT"]
expect()
{
    local line="$cli $1"
    read -r -a COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="$line"
    COMP_POINT=${#line}
    COMPREPLY=()
    _zqvcps_cli
    # One candidate a line; an expected word may hold an escaped blank ("ZQ-450\ Standard").
    local offered word
    offered=$'\n'$(printf '%s\n' "${COMPREPLY[@]}")$'\n'
    local -a want=() refuse=()
    read -a want <<<"$2"
    read -a refuse <<<"${3:-}"
    for word in "${want[@]}"; do
        word=$(printf '%q' "$word")
        [[ $offered == *$'\n'"$word"$'\n'* ]] || { echo "FAIL: '$1' does not offer $word (offers: ${COMPREPLY[*]})"; failures=$((failures + 1)); }
    done
    for word in "${refuse[@]}"; do
        word=$(printf '%q' "$word")
        [[ $offered != *$'\n'"$word"$'\n'* ]] || { echo "FAIL: '$1' offers $word"; failures=$((failures + 1)); }
    done
    local twice
    twice=$(printf '%s\n' "${COMPREPLY[@]}" | sort | uniq -d)
    [[ -z $twice ]] || { echo "FAIL: '$1' offers twice: $twice"; failures=$((failures + 1)); }
}

expect "" "new show check convert ports identify read write reset read-pid capture-pid help" "--help, Commands:"
expect "re" "read reset read-pid" "new write"
expect "-" "--install-dir --trace --help --version"
expect "new -" "--template -o -v" "--port"
expect "write -" "--port --password --yes" "-o --template"
expect "--install-dir /tmp sh" "show" "check"
expect "--trace t.log identify --" "--port" "--template"
expect "diff -" "--json --port --password" ""
expect "report --kind " "spec overview" "--kind"
expect "export --what " "contacts texts" "groups"
expect "import --on-clash " "skip replace rename" "contacts"
expect "merge a.zqv b.zqv --what g" "groups" "contacts"
expect "fleet " "read check write" "--ports"
expect "fleet write --" "--ports --all-cables --password --yes --json --add-missing" "--port"
# Files by what the command writes: a report's page or PDF, a profile elsewhere.
files="$(mktemp -d)"
trap 'rm -rf "$files"' EXIT
touch "$files/a.pdf" "$files/b.htm" "$files/c.zqv" "$files/d.txt"
cd "$files" || exit 1
expect "report --kind spec c.zqv -o " "a.pdf b.htm" "c.zqv d.txt"
expect "convert c.zqv -o " "c.zqv" "a.pdf b.htm d.txt"
touch e.csv
expect "export --what contacts c.zqv -o " "e.csv" "c.zqv"
expect "import --what contacts " "e.csv" "c.zqv"
expect "import --what contacts e.csv " "c.zqv" "e.csv"
mkdir out
expect "fleet read --all-cables -o " "out" "c.zqv"
cd - >/dev/null || exit 1
# The templates of the installation, a name with a blank escaped as it must be typed.
expect "new --template " 'ZQ-450\ Standard ZQ-880\ Fleet' "-o"
expect "new --template ZQ-8" 'ZQ-880\ Fleet' 'ZQ-450\ Standard'
[ "$failures" -eq 0 ] || exit 1
echo "completion offers the commands and options of $("$cli" --version)"
