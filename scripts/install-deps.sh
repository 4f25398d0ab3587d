#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine; does nothing when all is there.
set -euo pipefail

packages=(
  cmake make g++
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 xvfb xauth x11-utils imagemagick googletest python3 procps util-linux
  # Signs the version file (make release) and makes the update tests' keys and certificates.
  openssl
  # The program's Authenticode signature (make release).
  osslsigncode
  # Wine checks signatures (bcrypt's ECDSA) through GnuTLS, which it only recommends.
  libgnutls30
  # Wine's own fonts draw the caption buttons; without them they show as letters.
  fonts-wine fonts-liberation
)

# "fuzz": what make fuzz needs on top, clang with its libFuzzer and sanitizer runtimes.
if [ "${1:-}" = fuzz ]; then
  packages=(cmake make clang libclang-rt-14-dev googletest)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing what the build and the tests need (once; a few minutes on a fresh machine):"
echo "  ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends -o Dpkg::Use-Pty=0 "${missing[@]}"
echo "Installed: ${missing[*]}"
