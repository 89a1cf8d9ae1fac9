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
    local offered=" ${COMPREPLY[*]} " word
    for word in $2; do
        [[ $offered == *" $word "* ]] || { echo "FAIL: '$1' does not offer $word (offers:$offered)"; failures=$((failures + 1)); }
    done
    for word in ${3:-}; do
        [[ $offered != *" $word "* ]] || { echo "FAIL: '$1' offers $word"; failures=$((failures + 1)); }
    done
}

expect "" "new show check convert ports identify read write reset read-pid capture-pid help" "--help, Commands:"
expect "re" "read reset read-pid" "new write"
expect "-" "--install-dir --trace --help --version"
expect "new -" "--template -o -v" "--port"
expect "write -" "--port --password --yes" "-o --template"
expect "--install-dir /tmp sh" "show" "check"
expect "--trace t.log identify --" "--port" "--template"
[ "$failures" -eq 0 ] || exit 1
echo "completion offers the commands and options of $("$cli" --version)"
