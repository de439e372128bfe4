#!/usr/bin/env bash
# Exit 0 when this machine can run Debian 12's 32-bit Wine (its kernel
# executes 32-bit Linux programs); some virtual machines cannot, and the Wine
# tests then run under Wine 10 in WoW64 mode only. TARVO_WINE32_LOADER names
# another loader to try (tests of the scripts point it at one that fails).
"${TARVO_WINE32_LOADER:-/usr/lib/wine/wine}" --version >/dev/null 2>&1
