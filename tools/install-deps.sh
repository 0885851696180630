#!/bin/sh
# Installs the Debian packages the program and its tests need (as root).
set -e
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq $(cat tools/debian-packages.txt) >/dev/null
