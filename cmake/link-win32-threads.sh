#!/bin/sh
# Linker launcher of the shipped programs and DLLs: runs their link step with
# the win32 thread-model driver of the same compiler instead of the -posix
# one, so they carry the runtime without the posix thread library (whose
# imports the target Windows versions lack). The objects are the ones the
# tests link too; a reference to a posix thread function fails the link.
#   link-win32-threads.sh COMPILER-posix ARGS...
compiler=$1
shift
case $compiler in
  *-posix) exec "${compiler%-posix}-win32" "$@" ;;
  *) echo "link-win32-threads.sh: $compiler is not a -posix compiler" >&2; exit 1 ;;
esac
