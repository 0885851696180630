#!/bin/sh
# Installs the Debian packages the program and its tests need (as root).
set -e
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq $(cat tools/debian-packages.txt) >/dev/null
# The end-to-end tests also run the program in German and French.
if ! locale -a | grep -qx de_DE.utf8 || ! locale -a | grep -qx fr_FR.utf8; then
  sed -i -e 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' -e 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  locale-gen >/dev/null
fi
