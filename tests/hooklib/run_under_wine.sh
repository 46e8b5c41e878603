#!/bin/sh
# Runs a Windows test program under Wine on a private X server.
#   run_under_wine.sh --boot            creates a fresh Wine prefix
#   run_under_wine.sh program.exe ARGS  runs a program in it
# The environment names the prefix and the tools: WINEPREFIX, WINE64,
# WINESERVER, XVFB_RUN.
set -eu
export WINEDEBUG=-all
# No Mono or Gecko installers during the boot.
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ "${1:-}" = "--boot" ]; then
  rm -rf "$WINEPREFIX"
  # Without a window manager, Wine's managed windows make every process exit
  # wait; unmanaged windows do not.
  exec "$XVFB_RUN" -a sh -c '
    "$WINE64" wineboot --init &&
    "$WINE64" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null &&
    "$WINESERVER" -w'
fi

# Stop the Wine server with the X server, so that the next program does not
# meet a server still bound to a display that is gone.
exec "$XVFB_RUN" -a -s "-screen 0 1024x768x24" sh -c '
  "$WINE64" "$@"
  status=$?
  "$WINESERVER" -k 2>/dev/null
  exit $status' sh "$@"
