#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, as root, the Debian packages the program needs to build and run;
# with --tests also those the tests and the packaging checks add.
# Asks the package servers only when something is missing, so a second run changes nothing.
set -e
cd "$(dirname "$0")/.."
lists=tools/debian-packages.txt
[ "$1" = "--tests" ] && lists="$lists tools/debian-test-packages.txt"
packages=$(cat $lists)
installed=$(dpkg-query -W -f='${Status}\n' $packages 2>/dev/null | grep -c '^install ok installed' || true)
if [ "$installed" -ne "$(echo $packages | wc -w)" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq $packages >/dev/null
fi
# The end-to-end tests also run the program in German and French.
if [ "$1" = "--tests" ] && ! { locale -a | grep -qx de_DE.utf8 && locale -a | grep -qx fr_FR.utf8; }; then
  sed -i -e 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' -e 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  locale-gen >/dev/null
fi
