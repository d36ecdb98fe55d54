#!/bin/sh
# Writes, for help2man's --include, a COMMANDS section with every command's own --help,
# followed by the sections of FIXED. Usage: command_sections.sh PROGRAM FIXED OUT
set -e
program=$1
fixed=$2
out=$3
{
    echo "[COMMANDS]"
    for command in export import diff apply; do
        echo ".SS \"$command\""
        echo ".nf"
        "$program" "$command" --help | sed -e 's/\\/\\\\/g' -e 's/^\./\\\&./' -e 's/^Usage: .*voxtrel-names/Usage: voxtrel-names/'
        echo ".fi"
    done
    cat "$fixed"
} > "$out"
