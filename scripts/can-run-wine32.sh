#!/usr/bin/env bash
# Exit 0 when this machine can run 32-bit Wine (its kernel executes 32-bit
# Linux programs); some virtual machines cannot, and the Wine tests then run
# on the x86-64 build of the same programs.
/usr/lib/wine/wine --version >/dev/null 2>&1
