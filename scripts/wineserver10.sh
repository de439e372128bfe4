#!/usr/bin/env bash
# The wineserver of the Wine 10 root, entered as scripts/wine10.sh does.
TARVO_WINE10_PROGRAM=/usr/lib/wine/wineserver64 exec bash "$(dirname "$0")/wine10.sh" "$@"
