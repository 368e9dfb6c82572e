#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Tralyx need, and only those
# that are missing, so that a second run costs nothing.
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth dpkg-dev file
          libgettextpo-dev gettext libxml2-utils xmlstarlet hyperfine time
          lintian appstream desktop-file-utils bash-completion
          libenchant-2-dev hunspell-de-de hunspell-en-us translate-toolkit
          qt6-l10n-tools qt6-translations-l10n git fonts-liberation2)
if [ "${1:-}" = "--fuzz" ]; then packages+=(clang-14 libclang-rt-14-dev); fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
