#!/bin/sh
# Generates de_DE.UTF-8 into the folder given as $1 when the system does not have it, so that the
# comma-locale tests can run through LOCPATH. Never fails: a test that finds no locale skips and
# says why.
dir="$1"
if locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "de_DE.UTF-8 is installed on this system"
    exit 0
fi
if [ -f "$dir/de_DE.UTF-8/LC_NUMERIC" ]; then
    echo "de_DE.UTF-8 already generated in $dir"
    exit 0
fi
if ! command -v localedef >/dev/null 2>&1; then
    echo "localedef is not available: the comma-locale tests will skip"
    exit 0
fi
mkdir -p "$dir"
# localedef ends with status 1 on mere warnings; the LC_NUMERIC file tells whether it worked.
localedef -i de_DE -f UTF-8 "$dir/de_DE.UTF-8" || true
if [ -f "$dir/de_DE.UTF-8/LC_NUMERIC" ]; then
    echo "de_DE.UTF-8 generated in $dir"
else
    echo "localedef could not generate de_DE.UTF-8: the comma-locale tests will skip"
fi
exit 0
