#!/bin/sh
# Installs every Debian package the build and the tests need. Safe to run
# again: packages that are already installed are skipped.
# The lists live in scripts/packages/*.txt, one package per line.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
wanted=$(cat "$here"/packages/*.txt | sed 's/#.*//' | tr -s ' \t' '\n' | sed '/^$/d' | sort -u)
missing=""
for pkg in $wanted; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $pkg"
  fi
done
if [ -z "$missing" ]; then
  echo "setup: all packages are installed"
  exit 0
fi
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "setup: installing$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
